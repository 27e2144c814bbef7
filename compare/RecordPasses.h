// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "files/FileFailure.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerIdentity.h"
#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "records/TeamRecord.h"

#include <optional>
#include <QByteArray>
#include <QString>

// How every run passes over a season's files: the comparison and the history take the same records
// and give a player the same team, because they read them here and nowhere else. Each pass hands
// on what it takes as the records come and returns why the file could not be read, if it could
// not; nothing of that name is a failure marked missing, which a caller may read as empty.
namespace zorbin::recordPasses {

// Every record of the file through `take`.
template <typename Take>
std::optional<FileFailure> records(const QString& path, std::size_t length, Take&& take) {
    RecordFileReader reader(path, length);
    if (auto failure = reader.open())
        return failure;
    while (const auto record = reader.nextRecord())
        take(*record);
    return reader.failure();
}

// The teams of a team file in the file's order: each accepted team gets its number from
// `addTeam(displayName)`, then `hold(identity, number)` is told of each roster slot that holds a
// player. A player on two rosters is the later team's: a later hold overwrites an earlier one. A
// file that holds nothing is a failure (emptyFileReason): its season is not one of free agents.
template <typename AddTeam, typename Hold>
std::optional<FileFailure> teams(const QString& path, AddTeam&& addTeam, Hold&& hold) {
    bool any = false;
    std::optional<FileFailure> failure =
        records(path, TeamRecord::length, [&addTeam, &hold, &any](auto record) {
            any = true;
            const TeamRecord team = TeamRecord::decode(record);
            if (!team.accepted())
                return;
            const auto number = addTeam(team.displayName());
            for (int slot = 0; slot < TeamRecord::rosterSlots; ++slot) {
                if (const int identity = team.rosterSlot(slot); playerIdentity::isPlayer(identity))
                    hold(identity, number);
            }
        });
    if (!failure && !any)
        failure = FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(path),
                              emptyFileReason};
    return failure;
}

// The accepted records of a season's player file, in the file's order.
template <typename Take> std::optional<FileFailure> players(const QString& path, Take&& take) {
    return records(path, PlayerRecord::length, [&take](auto record) {
        const PlayerRecord player = PlayerRecord::decode(record);
        if (player.accepted())
            take(player);
    });
}

// The accepted records of the master file, in the file's order.
template <typename Take>
std::optional<FileFailure> masterPlayers(const QString& path, Take&& take) {
    return records(path, MasterPlayerRecord::length, [&take](auto record) {
        const MasterPlayerRecord player = MasterPlayerRecord::decode(record);
        if (player.accepted())
            take(player);
    });
}

} // namespace zorbin::recordPasses
