// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace zorbin {
namespace {

using test::LeagueFolder;
using test::player;

std::vector<PlayerRecord> readAll(RecordFileReader& reader,
                                  std::vector<QByteArray>* raw = nullptr) {
    std::vector<PlayerRecord> players;
    while (const auto record = reader.nextRecord()) {
        players.push_back(PlayerRecord::decode(*record));
        if (raw)
            raw->emplace_back(reinterpret_cast<const char*>(record->data()),
                              static_cast<qsizetype>(record->size()));
    }
    return players;
}

TEST(RecordFileReader, DeliversEveryRecordInOrderAcrossBufferRefills) {
    LeagueFolder league;
    std::vector<league::PlayerEntry> entries;
    for (int i = 0; i < 3000; ++i) // several buffers' worth
        entries.push_back(player(10000 + i, "Last", "First"));
    league.writePriorPlayers(entries);

    RecordFileReader reader(league.priorPlayerFile(), PlayerRecord::length);
    ASSERT_FALSE(reader.open());
    const auto players = readAll(reader);
    ASSERT_EQ(players.size(), entries.size());
    for (std::size_t i = 0; i < players.size(); ++i)
        ASSERT_EQ(players[i].identity, entries[i].identity);
    EXPECT_FALSE(reader.failure());
}

TEST(RecordFileReader, PadsATrailingPartialRecordWithZeros) {
    LeagueFolder league;
    QByteArray bytes = league::LeagueFileWriter::playerRecord(player(12000, "Ortega", "Luis"));
    bytes += league::LeagueFileWriter::playerRecord(player(12001, "Kim", "Jae")).left(20);
    LeagueFolder::writeBytes(league.priorPlayerFile(), bytes);

    RecordFileReader reader(league.priorPlayerFile(), PlayerRecord::length);
    ASSERT_FALSE(reader.open());
    std::vector<QByteArray> raw;
    const auto players = readAll(reader, &raw);
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[1].identity, 12001);
    EXPECT_EQ(players[1].displayName(), QByteArray(",Ja")); // cut inside the first name
    EXPECT_EQ(raw[1].mid(20), QByteArray(PlayerRecord::length - 20, '\0'));
}

TEST(RecordFileReader, EmptyFileHasNoRecordsAndMissingFileIsNeverCreated) {
    LeagueFolder league;
    LeagueFolder::writeBytes(league.priorPlayerFile(), {});
    RecordFileReader empty(league.priorPlayerFile(), PlayerRecord::length);
    ASSERT_FALSE(empty.open());
    EXPECT_FALSE(empty.nextRecord());

    for (const QString& path : {league.currentPlayerFile(), league.root() + "/gone/qelplyr.dat",
                                league.priorPlayerFile() + "/below-a-file", QString()}) {
        RecordFileReader missing(path, PlayerRecord::length);
        const auto failure = missing.open();
        EXPECT_TRUE(failure && failure->missing) << path.toStdString();
        EXPECT_FALSE(missing.nextRecord());
    }
    EXPECT_FALSE(QFile::exists(league.currentPlayerFile()));
}

TEST(RecordFileReader, FoldersAndFifosFailWithTheSystemReasonInsteadOfBlocking) {
    LeagueFolder league;
    RecordFileReader folder(league.priorFolder(), PlayerRecord::length);
    const auto folderFailure = folder.open();
    ASSERT_TRUE(folderFailure);
    EXPECT_FALSE(folderFailure->missing);
    EXPECT_EQ(folder.failure()->path, league.priorFolder());
    EXPECT_EQ(folder.failure()->reason, qt_error_string(EISDIR));

    const QString fifo = league.priorFolder() + "/qelplyr.dat";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    RecordFileReader pipe(fifo, PlayerRecord::length);
    const auto pipeFailure = pipe.open();
    ASSERT_TRUE(pipeFailure);
    EXPECT_TRUE(pipeFailure->message().contains(fifo));
}

} // namespace
} // namespace zorbin
