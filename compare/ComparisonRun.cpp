// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/ComparisonRun.h"

#include "compare/IdentityTables.h"
#include "compare/ReportLine.h"
#include "records/Exists.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "records/TeamRecord.h"
#include "settings/RememberedFolders.h"

#include <cerrno>
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
    switch (reader.open()) {
    case RecordFileReader::OpenResult::Missing:
        if (whenMissing == WhenMissing::ReadAsEmpty)
            return std::nullopt;
        return FileFailure{QStringLiteral("read"), path, qt_error_string(ENOENT)};
    case RecordFileReader::OpenResult::Failed:
        return reader.failure();
    case RecordFileReader::OpenResult::Opened:
        break;
    }
    while (const auto record = reader.nextRecord())
        takeRecord(*record);
    return reader.failure();
}

} // namespace

ComparisonResult ComparisonRun::run(const ComparisonInput& input) const {
    ComparisonResult result;
    if (input.priorPlayerFile.isEmpty() || input.currentPlayerFile.isEmpty() ||
        input.masterPlayerFile.isEmpty())
        return result;

    if (rememberedFolders_) {
        if (const auto failure = rememberedFolders_->SaveFolders(
                input.priorFolder, input.currentFolder, input.masterFolder))
            result.saveNotice = failure->message();
    }

    const auto stop = [&result](const QString& message) {
        result.message = message;
        return result;
    };

    IdentityTables tables;
    const QString teamFile = input.priorFolder + QLatin1Char('/') + TeamRecord::fileName;
    auto failure =
        readRecords(teamFile, TeamRecord::length, WhenMissing::ReadAsEmpty, [&tables](auto record) {
            const TeamRecord team = TeamRecord::decode(record);
            if (!team.accepted())
                return;
            const int teamNumber = tables.addTeam(team.displayName());
            // Slots below 10000 fall outside the tables and are ignored there.
            for (int slot = 0; slot < TeamRecord::rosterSlots; ++slot) {
                if (const int identity = team.rosterSlot(slot); identity >= 0)
                    tables.assignTeam(identity, teamNumber);
            }
        });
    if (failure)
        return stop(failure->message());

    if (!Exists(input.priorPlayerFile) || !Exists(input.currentPlayerFile))
        return stop(missingPlayerFileMessage);

    failure = readRecords(input.priorPlayerFile, PlayerRecord::length, WhenMissing::Fail,
                          [&tables](auto record) {
                              const PlayerRecord player = PlayerRecord::decode(record);
                              if (player.accepted())
                                  tables.markPrior(player.identity);
                          });
    if (failure)
        return stop(failure->message());

    failure = readRecords(input.currentPlayerFile, PlayerRecord::length, WhenMissing::Fail,
                          [&tables](auto record) {
                              const PlayerRecord player = PlayerRecord::decode(record);
                              if (player.accepted())
                                  tables.markCurrent(player);
                          });
    if (failure)
        return stop(failure->message());

    failure = readRecords(input.masterPlayerFile, MasterPlayerRecord::length,
                          WhenMissing::ReadAsEmpty, [&tables](auto record) {
                              const MasterPlayerRecord player = MasterPlayerRecord::decode(record);
                              if (player.accepted())
                                  tables.setMasterName(player);
                          });
    if (failure)
        return stop(failure->message());

    // Counted first so that each list is allocated once.
    qsizetype leftCount = 0;
    qsizetype arrivedCount = 0;
    for (int identity = firstScannedIdentity; identity <= lastScannedIdentity; ++identity) {
        const bool inPrior = tables.inPrior(identity);
        if (inPrior != tables.inCurrent(identity))
            ++(inPrior ? leftCount : arrivedCount);
    }
    result.leftPlayers.reserve(leftCount);
    result.arrivedPlayers.reserve(arrivedCount);
    if (rows_ == Rows::Included) {
        result.leftRows.reserve(leftCount);
        result.arrivedRows.reserve(arrivedCount);
    }
    for (int identity = firstScannedIdentity; identity <= lastScannedIdentity; ++identity) {
        const bool inPrior = tables.inPrior(identity);
        if (inPrior == tables.inCurrent(identity))
            continue;
        const std::optional<DisplayNameParts> name = tables.reportName(identity);
        const QByteArrayView team = tables.teamOf(identity);
        QByteArray line = reportLine(name, identity, team);
        (inPrior ? result.leftPlayers : result.arrivedPlayers).append(std::move(line));
        if (rows_ == Rows::Included) {
            (inPrior ? result.leftRows : result.arrivedRows)
                .append(ReportRow{identity, name ? displayName(*name) : QByteArray(),
                                  team.toByteArray()});
        }
    }
    result.leftExportEnabled = !result.leftPlayers.isEmpty();
    result.arrivedExportEnabled = !result.arrivedPlayers.isEmpty();
    return result;
}

} // namespace zorbin
