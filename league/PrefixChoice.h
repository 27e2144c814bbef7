// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "league/PrefixRead.h"
#include "wine/WineDiscovery.h"

#include <optional>
#include <QDateTime>
#include <QList>
#include <QString>

namespace zorbin {

// Which of the prefixes found one run's Windows paths go through. Each prefix is asked for each
// path: does it hold the file the run would read there (a season's player file not empty), not
// hold it, or can't that be told (a folder closed to the user, a drive whose disk is gone)? A path
// of this machine that lies in a prefix ties the choice to that prefix. Then, $WINEPREFIX when it
// is set; else the preferred prefix when it holds the paths; else the one whose season files were
// written last, the first in discovery's order on a tie. What can't be told, and a search for
// prefixes cut short, are doubts whenever they could have changed the choice.
class PrefixChoice {
public:
    // The prefix to prefer among those found, and why, as the notice says it; an empty folder for
    // none.
    struct Preferred {
        QString folder;
        QString why;
    };

    // `windows` are the paths among `named` that need a prefix's own drive; `named` holds the
    // paths of this machine too. `namedPrefix` is $WINEPREFIX's. All are to outlive the choice.
    PrefixChoice(const QList<const NamedPath*>& windows, const QList<NamedPath>& named,
                 const WineDiscovery& discovery, const WineEnvironment& environment,
                 const std::optional<WinePrefix>& namedPrefix);
    PrefixChoice(const PrefixChoice&) = delete;
    PrefixChoice& operator=(const PrefixChoice&) = delete;

    // For a comparison: the prefix read and what to tell of it; none when no prefix holds the
    // paths that are not required; the failure, saying where each path was found, when no one
    // prefix holds them all.
    [[nodiscard]] Result<std::optional<PrefixRead>> forRun(const Preferred& preferred) const;
    // For the restore, which takes what it can: the preferred prefix, else the one holding most
    // of the folders, else one where the drives are, so a gone folder rests on its drive.
    [[nodiscard]] std::optional<PrefixRead> forRestore(const Preferred& preferred) const;

    // Every prefix among `discovery`'s whose drives (Z:, the whole file system, aside) hold
    // `path`, which need not exist.
    [[nodiscard]] static QList<const WinePrefix*> holding(const QString& path,
                                                          const WineDiscovery& discovery);

private:
    // What one prefix holds of one Windows path.
    struct Check {
        enum class Holding { Held, NotHeld, CantTell };
        Holding holding = Holding::NotHeld;
        QString file;     // the file the run would read through the prefix; empty without the drive
        QString why = {}; // why it can't be told
    };
    // One prefix's reading of the Windows paths.
    struct Reading {
        const WinePrefix* prefix = nullptr;
        QList<Check> checks;
        int heldCount = 0;
        bool everyDrive = true;    // it has every drive the paths name
        QDateTime seasonFilesTime; // when its season player files were written last

        [[nodiscard]] bool held(qsizetype i) const {
            return checks[i].holding == Check::Holding::Held;
        }
    };
    // A path of this machine and the prefixes it lies in.
    struct Anchor {
        const NamedPath* item;
        QList<const WinePrefix*> holders;
    };
    struct Pick {
        const Reading* chosen = nullptr;
        QString why;
        bool byTime = false; // for its season files, written last
    };

    [[nodiscard]] Reading readingOf(const WinePrefix& prefix) const;

    [[nodiscard]] bool allowed(const WinePrefix& prefix) const;
    [[nodiscard]] bool holdsAll(const Reading& reading, bool requiredOnly) const;
    [[nodiscard]] QString anchorsSaid() const;
    [[nodiscard]] Pick pickForRun(const Preferred& preferred) const;
    [[nodiscard]] QList<Doubt> doubts(const Reading* chosen) const;
    [[nodiscard]] FileFailure noneHolds(const QList<Doubt>& doubts) const;
    [[nodiscard]] PrefixRead told(const Pick& pick, QList<Doubt> doubts) const;
    [[nodiscard]] QString described(const WinePrefix& prefix) const;

    const QList<const NamedPath*>& windows_;
    const WineDiscovery& discovery_;
    const WineEnvironment& environment_;
    const std::optional<WinePrefix>& namedPrefix_;
    QList<Reading> readings_;
    std::optional<Reading> namedReading_;
    QList<Anchor> anchors_;
};

} // namespace zorbin
