// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/SeasonComparison.h"

#include "compare/IdentityTables.h"
#include "compare/ReportLine.h"
#include "compare/ReportLineBlock.h"
#include "files/Exists.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "records/TeamRecord.h"

#include <optional>

namespace zorbin {

namespace {

constexpr int firstScannedIdentity = 10000;
constexpr int lastScannedIdentity = 35000;

enum class WhenMissing { ReadAsEmpty, Fail };

// Reads every record of a file through `takeRecord`. One that exists but cannot be read yields the
// failure. The file is closed on every path out.
template <typename TakeRecord>
std::optional<FileFailure> readRecords(const QString& path, std::size_t recordLength,
                                       WhenMissing whenMissing, TakeRecord&& takeRecord) {
    RecordFileReader reader(path, recordLength);
    if (auto failure = reader.open()) {
        if (failure->missing && whenMissing == WhenMissing::ReadAsEmpty)
            return std::nullopt;
        return failure;
    }
    while (const auto record = reader.nextRecord())
        takeRecord(*record);
    return reader.failure();
}

// Reads a team file's accepted records, handing `assign` each used roster slot's identity and the
// team's number in `tables`.
template <typename Assign>
std::optional<FileFailure> readTeams(const QString& path, IdentityTables& tables,
                                     WhenMissing whenMissing, Assign assign) {
    return readRecords(path, TeamRecord::length, whenMissing, [&tables, &assign](auto record) {
        const TeamRecord team = TeamRecord::decode(record);
        if (!team.accepted())
            return;
        const int teamNumber = tables.addTeam(team.displayName());
        // Slots below 10000 fall outside the tables and are ignored.
        for (int slot = 0; slot < TeamRecord::rosterSlots; ++slot) {
            if (const int identity = team.rosterSlot(slot); identity >= 0)
                assign(identity, teamNumber);
        }
    });
}

} // namespace

Result<SeasonLists, ComparisonFailure> compareSeasons(const SeasonFiles& files, ReportRows rows,
                                                      MovedRows moved) {
    const auto stop = [](SeasonFile file, FileFailure cause) {
        return ComparisonFailure{file, std::move(cause)};
    };

    // Teams are a courtesy too, like the master file's names: without them the lists still hold
    // every player, and the caller says why the team column is empty.
    IdentityTables tables;
    SeasonLists lists;
    lists.teamUnread =
        readTeams(files.priorTeamFile, tables, WhenMissing::Fail,
                  [&tables](int identity, int team) { tables.assignTeam(identity, team); });
    if (lists.teamUnread)
        tables.forgetTeams();

    // A player file that can't be reached (a folder on the way that can't be entered) is not a
    // missing one: it stops the run with its own reason.
    if (auto absent = presenceFailure(files.priorPlayerFile))
        return stop(SeasonFile::PriorPlayer, std::move(*absent));
    if (auto absent = presenceFailure(files.currentPlayerFile))
        return stop(SeasonFile::CurrentPlayer, std::move(*absent));

    auto failure = readRecords(files.priorPlayerFile, PlayerRecord::length, WhenMissing::Fail,
                               [&tables](auto record) {
                                   const PlayerRecord player = PlayerRecord::decode(record);
                                   if (player.accepted())
                                       tables.markPrior(player.identity);
                               });
    if (failure)
        return stop(SeasonFile::PriorPlayer, std::move(*failure));

    // Names are a courtesy of the master file: without it the lists still hold every player, under
    // his current-season name, and the caller says so.
    lists.masterUnread = readRecords(files.masterPlayerFile, MasterPlayerRecord::length,
                                     WhenMissing::Fail, [&tables](auto record) {
                                         const MasterPlayerRecord player =
                                             MasterPlayerRecord::decode(record);
                                         if (player.accepted())
                                             tables.setMasterName(player);
                                     });
    if (lists.masterUnread)
        tables.forgetMasterNames();

    // After the master file, so that the names it gives need not be kept from this one too; its
    // failures never stop the comparison, so the order changes no outcome.
    failure = readRecords(files.currentPlayerFile, PlayerRecord::length, WhenMissing::Fail,
                          [&tables](auto record) {
                              const PlayerRecord player = PlayerRecord::decode(record);
                              if (player.accepted())
                                  tables.markCurrent(player);
                          });
    if (failure)
        return stop(SeasonFile::CurrentPlayer, std::move(*failure));

    const bool withMoved = moved == MovedRows::Included;
    if (withMoved) {
        failure = readTeams(
            files.currentTeamFile, tables, WhenMissing::ReadAsEmpty,
            [&tables](int identity, int team) { tables.assignCurrentTeam(identity, team); });
        if (failure)
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
    for (int identity = tables.nextReached(firstScannedIdentity); identity <= lastScannedIdentity;
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
    for (int identity = tables.nextReached(firstScannedIdentity); identity <= lastScannedIdentity;
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
