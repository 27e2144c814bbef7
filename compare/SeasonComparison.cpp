// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/SeasonComparison.h"

#include "compare/IdentityTables.h"
#include "compare/RecordPasses.h"
#include "compare/ReportLine.h"
#include "compare/ReportLineBlock.h"
#include "files/Exists.h"

#include <optional>

namespace zorbin {

Result<SeasonLists, ComparisonFailure> compareSeasons(const SeasonFiles& files, ReportRows rows,
                                                      MovedRows moved) {
    const auto stop = [](SeasonFile file, FileFailure cause) {
        return ComparisonFailure{file, std::move(cause)};
    };

    // Teams are a courtesy too, like the master file's names: without them the lists still hold
    // every player, and the caller says why the team column is empty.
    IdentityTables tables;
    SeasonLists lists;
    const auto addTeam = [&tables](QByteArray name) { return tables.addTeam(std::move(name)); };
    lists.teamUnread =
        recordPasses::teams(files.priorTeamFile, addTeam, [&tables](int identity, int team) {
            tables.assignTeam(identity, team);
        });
    if (lists.teamUnread)
        tables.forgetTeams();

    // A player file that can't be reached (a folder on the way that can't be entered) is not a
    // missing one: it stops the run with its own reason.
    if (auto absent = presenceFailure(files.priorPlayerFile))
        return stop(SeasonFile::PriorPlayer, std::move(*absent));
    if (auto absent = presenceFailure(files.currentPlayerFile))
        return stop(SeasonFile::CurrentPlayer, std::move(*absent));

    auto failure =
        recordPasses::players(files.priorPlayerFile, [&tables](const PlayerRecord& player) {
            tables.markPrior(player.identity);
        });
    if (failure)
        return stop(SeasonFile::PriorPlayer, std::move(*failure));

    // Names are a courtesy of the master file: without it the lists still hold every player, under
    // his current-season name, and the caller says so.
    lists.masterUnread = recordPasses::masterPlayers(
        files.masterPlayerFile,
        [&tables](const MasterPlayerRecord& player) { tables.setMasterName(player); });
    if (lists.masterUnread)
        tables.forgetMasterNames();

    // After the master file, so that the names it gives need not be kept from this one too; its
    // failures never stop the comparison, so the order changes no outcome.
    failure = recordPasses::players(files.currentPlayerFile, [&tables](const PlayerRecord& player) {
        tables.markCurrent(player);
    });
    if (failure)
        return stop(SeasonFile::CurrentPlayer, std::move(*failure));

    const bool withMoved = moved == MovedRows::Included;
    if (withMoved) {
        // A missing one has no teams; one that holds nothing is not read as a league of free
        // agents.
        failure =
            recordPasses::teams(files.currentTeamFile, addTeam, [&tables](int identity, int team) {
                tables.assignCurrentTeam(identity, team);
            });
        if (failure && !failure->missing)
            return stop(SeasonFile::CurrentTeam, std::move(*failure));
    }
    // A team is known by its name: the files hold nothing else that could follow it.
    const auto hasMoved = [&tables](int identity) {
        return tables.teamOf(identity) != tables.currentTeamOf(identity);
    };

    // Counted first so that each list is allocated once.
    qsizetype leftCount = 0;
    qsizetype arrivedCount = 0;
    qsizetype movedCount = 0;
    for (int identity = tables.nextReached(playerIdentity::first); identity <= playerIdentity::last;
         identity = tables.nextReached(identity + 1)) {
        const bool inPrior = tables.inPrior(identity);
        if (inPrior != tables.inCurrent(identity))
            ++(inPrior ? leftCount : arrivedCount);
        else if (withMoved && inPrior && hasMoved(identity))
            ++movedCount;
    }
    ReportLineBlock leftLines(leftCount);
    ReportLineBlock arrivedLines(arrivedCount);
    if (rows == ReportRows::Included) {
        lists.leftRows.reserve(leftCount);
        lists.arrivedRows.reserve(arrivedCount);
    }
    lists.movedRows.reserve(movedCount);

    const auto rowOf = [&tables, withMoved](int identity,
                                            const std::optional<DisplayNameParts>& name) {
        return ReportRow{identity, name ? displayName(*name) : QByteArray(),
                         tables.teamOf(identity),
                         withMoved ? tables.currentTeamOf(identity) : QByteArray()};
    };
    for (int identity = tables.nextReached(playerIdentity::first); identity <= playerIdentity::last;
         identity = tables.nextReached(identity + 1)) {
        const bool inPrior = tables.inPrior(identity);
        if (inPrior == tables.inCurrent(identity)) {
            if (withMoved && inPrior && hasMoved(identity))
                lists.movedRows.append(rowOf(identity, tables.reportName(identity)));
            continue;
        }
        const std::optional<DisplayNameParts> name = tables.reportName(identity);
        (inPrior ? leftLines : arrivedLines).append(name, identity, tables.teamOf(identity));
        if (rows == ReportRows::Included)
            (inPrior ? lists.leftRows : lists.arrivedRows).append(rowOf(identity, name));
    }
    lists.leftPlayers = leftLines.takeLines();
    lists.arrivedPlayers = arrivedLines.takeLines();
    return lists;
}

} // namespace zorbin
