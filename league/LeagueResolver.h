// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonComparison.h"
#include "files/FileFailure.h"
#include "files/Result.h"
#include "league/ComparisonRun.h"
#include "league/PrefixChoice.h"
#include "league/PrefixRead.h"
#include "league/RestoredFolders.h"
#include "settings/RememberedFolders.h"
#include "wine/UserPath.h"
#include "wine/WineDiscovery.h"

#include <functional>
#include <optional>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// Named paths on this machine, each, or why it names nothing here.
struct ResolvedPaths {
    QList<Result<userPath::Resolved>> paths;
    std::optional<PrefixRead> prefixRead;
};

// The game files one run reads, found from what the user named.
struct ResolvedLeague {
    SeasonFiles files;
    // Why a column's text names nothing here (a NUL, a Windows path the prefix lacks, a folder
    // the report tool can't read): the run stops, or for the master file, goes on without names.
    std::optional<FileFailure> priorUnresolved;
    std::optional<FileFailure> currentUnresolved;
    std::optional<FileFailure> masterUnresolved;
    std::optional<PrefixRead> prefixRead;
};

// What the restore found, and the prefix its Windows entries were read through.
struct ResolvedRestore {
    RestoredFolders folders;
    std::optional<PrefixRead> prefixRead; // when a Windows entry was read
};

// Turns what the user named into the files to read. All Windows paths of one run go through one
// Wine prefix, never two: $WINEPREFIX when it is set (and it must be a prefix); else `preferred`
// (the prefix the remembered folders came from) when it holds them all; else, of the prefixes that
// hold them all, the one whose season player files were written last, the first in discovery's
// order when they were written at the same time. A prefix holds a path when the file the run would
// read is there (a season's player file not empty); one whose copy can't be looked at (a folder
// closed to the user, a drive whose disk is gone) is a doubt, never a prefix without the league.
// A native path (or a Z: path) inside a prefix's drive ties the Windows paths to that prefix, so
// that one comparison never reads two copies. Every component is matched without regard to case.
class LeagueResolver {
public:
    using DiscoverySource = std::function<const WineDiscovery&()>;
    // The prefix to prefer among those found, and why, as the notice says it ("which holds ...");
    // an empty folder for none.
    using Preferred = PrefixChoice::Preferred;
    using Preference = std::function<Preferred(const WineDiscovery&)>;

    // `discovery` is asked for only when a Windows path has to be read and $WINEPREFIX is unset.
    LeagueResolver(const WineEnvironment& environment, DiscoverySource discovery);

    // The files of `request`: a text naming a folder stands for the column's file in it. The
    // failure, when the Windows paths can't be read through one prefix, names where each was found.
    [[nodiscard]] Result<ResolvedLeague> resolve(const ComparisonRequest& request,
                                                 MovedRows moved = MovedRows::Omitted,
                                                 const Preference& preferred = {}) const;

    // Each of `named` on this machine, all Windows paths through one prefix as for a run. The
    // failure, when they can't be read through one prefix, names where each was found.
    [[nodiscard]] Result<ResolvedPaths> resolvePaths(const QList<NamedPath>& named,
                                                     const Preference& preferred = {}) const;

    // The remembered entries as folders for the columns. Windows entries go through one prefix:
    // `preferred` (the prefix holding the remembered files) when it is one, else the one holding
    // most of them, the newest first. A folder that is gone rests on its drive.
    [[nodiscard]] ResolvedRestore restore(const RememberedEntries& entries,
                                          const Preference& preferred = {}) const;

    // Why `found`, the folder a user named as `text`, can't be read: a folder on the way that
    // can't be entered, or no folder there. Nothing when it can.
    [[nodiscard]] static std::optional<FileFailure>
    unreadableFolder(const QString& text, const userPath::Resolved& found);

    // The prefix among `discovery`'s whose drives (Z:, the whole file system, aside) hold
    // `folder`; empty when none does.
    [[nodiscard]] static QString prefixHolding(const QString& folder,
                                               const WineDiscovery& discovery);

private:
    struct Choice;

    // `text` on this machine, through the prefix chosen when it needs one.
    [[nodiscard]] Result<userPath::Resolved> through(const QString& text,
                                                     const Choice& choice) const;
    [[nodiscard]] Result<Choice> choose(const QList<NamedPath>& named, const Preference& preferred,
                                        bool everyOneHeld) const;

    const WineEnvironment& environment_;
    DiscoverySource discovery_;
};

} // namespace zorbin
