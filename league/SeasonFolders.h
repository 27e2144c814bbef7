// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zorbin {

// A season of a league and the game files found in it, each a regular file matched without regard
// to letter case.
struct SeasonFolder {
    QString name;       // the folder's own name, which the history calls the season by
    QString folder;     // its full path
    QString playerFile; // present and not empty
    QString teamFile;   // the one to read, as a run finds it; it may be missing
};

// Which folders are seasons of a league.
namespace seasonFolders {

// The season in `folder`, a folder the user named: the failure names the folder when it can't be
// looked into, else its player file when that is not there (marked missing) or is empty.
[[nodiscard]] Result<SeasonFolder> named(const QString& folder);

struct Discovered {
    QList<SeasonFolder> seasons; // in natural order
    // Subfolders that may be seasons but can't be used: a locked folder, a name this system's
    // paths can't spell, an empty player file (as a save that crashed leaves it). Said to the
    // user, who would otherwise miss a season unawares.
    QList<FileFailure> passedOver;
    QStringList leftOut; // the names of `leftOut` that named a subfolder
};

// The seasons among the subfolders of `leagueFolder`: each folder (or link to one) that holds a
// player file, in natural order. Hidden folders, other entries and links that lead nowhere are no
// seasons; a folder reached both by its own name and through a link counts once, by its own name.
// Subfolders named in `leftOut` (a copy kept beside the seasons) are not looked into. The failure
// says why `leagueFolder` itself can't be listed.
[[nodiscard]] Result<Discovered> inLeague(const QString& leagueFolder,
                                          const QStringList& leftOut = {});

// Natural order: runs of digits compare as numbers ("Season 9" before "Season 10"), the rest
// without regard to case; names equal that way keep a fixed order.
[[nodiscard]] bool naturalLess(QStringView left, QStringView right);

} // namespace seasonFolders

} // namespace zorbin
