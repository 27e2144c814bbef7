// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/ReportLine.h"
#include "files/FileFailure.h"

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>

// What a comparison reads and gives: the values the league context hands on to the window and the
// tools, which never compare seasons themselves.
namespace zorbin {

// The game files a comparison reads, already found on disk. The current season's team file is read
// only for the moved list.
struct SeasonFiles {
    QString priorTeamFile;
    QString priorPlayerFile;
    QString currentPlayerFile;
    QString masterPlayerFile;
    QString currentTeamFile = {};
};

struct SeasonLists {
    QList<QByteArray> leftPlayers;    // in the prior season, absent from the current one
    QList<QByteArray> arrivedPlayers; // in the current season, absent from the prior one
    QList<ReportRow> leftRows;        // leftPlayers field by field, with ReportRows::Included
    QList<ReportRow> arrivedRows;     // arrivedPlayers field by field, with ReportRows::Included
    // With MovedRows::Included: in both seasons, on a team of another name (or on none) now.
    QList<ReportRow> movedRows;
    // Why the master file gave no names, when it is absent or can't be read: the lists then carry
    // the current season's names only, which the user should be told.
    std::optional<FileFailure> masterUnread;
    // Why the prior season's team file gave no teams, when it is absent, empty or unreadable: every
    // team column is then empty, which must not pass for a league of free agents.
    std::optional<FileFailure> teamUnread;
};

// Only the report tool's printed forms need each player's fields apart; building them would add a
// fifth to every run of the window.
enum class ReportRows { Omitted, Included };

// The moved list, and every row's current team, read from the current season's team file. A team
// is known by its name alone, so a renamed team's whole roster counts as moved.
enum class MovedRows { Omitted, Included };

// The file that stopped a comparison. The prior team file never does: it only loses its teams.
enum class SeasonFile { PriorPlayer, CurrentPlayer, MasterPlayer, CurrentTeam };

// What the user is told, word for word, when either season has no player file.
inline const QString missingPlayerFileMessage =
    QStringLiteral(" Not a valid QEL Directory for Prior Season");

// Which file stopped the comparison; `cause.missing` tells a player file that is not there (or is
// empty) from one that is there but can't be read.
struct ComparisonFailure {
    SeasonFile file;
    FileFailure cause;

    [[nodiscard]] bool missingPlayerFile() const {
        return cause.missing &&
               (file == SeasonFile::PriorPlayer || file == SeasonFile::CurrentPlayer);
    }
    // A season without its player file gets the game's own words; any other file names itself and
    // the system's reason.
    [[nodiscard]] QString message() const {
        return missingPlayerFile() ? missingPlayerFileMessage : cause.message();
    }
};

} // namespace zorbin
