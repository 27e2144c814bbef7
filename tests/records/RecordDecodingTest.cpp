// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/Windows1252.h"
#include "records/FieldText.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/TeamRecord.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace zorbin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const char* text, std::size_t size) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(text),
                 reinterpret_cast<const std::uint8_t*>(text) + size);
}

void put(Bytes& record, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

void putText(Bytes& record, std::size_t offset, const char* text) {
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        record[offset + i] = static_cast<std::uint8_t>(text[i]);
}

TEST(FieldText, CutsAtTheFirstNulAndKeepsEverythingElse) {
    EXPECT_EQ(fieldText(bytesOf("ABCDEFGHIJKLMNOP", 16)), QByteArray("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(fieldText(bytesOf("\0BCDEF", 6)), QByteArray());
    EXPECT_EQ(fieldText(bytesOf("Smith\0xyz\0\0", 11)), QByteArray("Smith"));
    EXPECT_EQ(fieldText(bytesOf("Lee             ", 16)), QByteArray("Lee             "));
    EXPECT_EQ(fieldText({}), QByteArray());
    // Windows-1252 bytes pass through unconverted.
    EXPECT_EQ(fieldText(bytesOf("M\xFCller\0", 8)), QByteArray("M\xFCller"));
}

TEST(PlayerRecord, DecodesLittleEndianWordsAndNameFields) {
    Bytes record(PlayerRecord::length, 0);
    put(record, 6, {0x39, 0x30}); // 12345
    putText(record, 18, "Luis");
    putText(record, 32, "Ortega");
    const PlayerRecord player = PlayerRecord::decode(record);
    EXPECT_EQ(player.identity, 12345);
    EXPECT_TRUE(player.accepted());
    EXPECT_EQ(player.displayName(), QByteArray("Ortega,Luis"));

    // A full first-name field does not run into the last name that follows it.
    putText(record, 18, "Maximilianusxy");
    EXPECT_EQ(PlayerRecord::decode(record).displayName(), QByteArray("Ortega,Maximilianusxy"));
}

TEST(PlayerRecord, AcceptsStatusZeroAndIdentitiesFrom10000) {
    Bytes record(PlayerRecord::length, 0);
    put(record, 6, {0x0F, 0x27}); // 9999
    EXPECT_FALSE(PlayerRecord::decode(record).accepted());
    put(record, 6, {0x10, 0x27}); // 10000
    EXPECT_TRUE(PlayerRecord::decode(record).accepted());
    put(record, 6, {0x00, 0x80}); // -32768: the word is signed
    EXPECT_EQ(PlayerRecord::decode(record).identity, -32768);
    EXPECT_FALSE(PlayerRecord::decode(record).accepted());
    put(record, 6, {0x10, 0x27});
    put(record, 0, {0x01, 0x00});
    EXPECT_FALSE(PlayerRecord::decode(record).accepted());
}

TEST(MasterPlayerRecord, SkipsIdentity10000AndTakes10001) {
    Bytes record(MasterPlayerRecord::length, 0);
    put(record, 2, {0x10, 0x27});
    EXPECT_FALSE(MasterPlayerRecord::decode(record).accepted());
    put(record, 2, {0x11, 0x27});
    EXPECT_TRUE(MasterPlayerRecord::decode(record).accepted());
    put(record, 0, {0xFF, 0xFF}); // status -1
    EXPECT_FALSE(MasterPlayerRecord::decode(record).accepted());

    put(record, 0, {0x00, 0x00});
    putText(record, 4, "Ana");
    putText(record, 18, "Ib\xE1\xF1\x65z");
    EXPECT_EQ(MasterPlayerRecord::decode(record).displayName(), QByteArray("Ib\xE1\xF1\x65z,Ana"));
    // Both name fields empty give a lone comma, which still counts as a name.
    EXPECT_EQ(MasterPlayerRecord::decode(Bytes(MasterPlayerRecord::length, 0)).displayName(),
              QByteArray(","));
}

TEST(TeamRecord, AcceptanceNeedsStatusZeroWord2NotNegativeAndWord6AtLeastOne) {
    Bytes record(TeamRecord::length, 0);
    put(record, 6, {0x01, 0x00});
    EXPECT_TRUE(TeamRecord::decode(record).accepted());
    put(record, 2, {0xFF, 0xFF});
    EXPECT_FALSE(TeamRecord::decode(record).accepted());
    put(record, 2, {0x00, 0x00});
    put(record, 6, {0x00, 0x00});
    EXPECT_FALSE(TeamRecord::decode(record).accepted());
    put(record, 6, {0x01, 0x00});
    put(record, 0, {0x02, 0x00});
    EXPECT_FALSE(TeamRecord::decode(record).accepted());
}

TEST(TeamRecord, NameJoinsBothPartsWithOneSpaceAndRosterSlotsAreSignedWords) {
    Bytes record(TeamRecord::length, 0);
    putText(record, 15, "Lake City");
    putText(record, 31, "Comets");
    put(record, 258, {0x39, 0x30});       // slot 0: 12345
    put(record, 258 + 2, {0xFF, 0xFF});   // slot 1: empty
    put(record, 258 + 158, {0x11, 0x27}); // slot 79: 10001
    const TeamRecord team = TeamRecord::decode(record);
    EXPECT_EQ(team.displayName(), QByteArray("Lake City Comets"));
    EXPECT_EQ(team.rosterSlot(0), 12345);
    EXPECT_EQ(team.rosterSlot(1), -1);
    EXPECT_EQ(team.rosterSlot(79), 10001);

    Bytes unnamedFirstPart(TeamRecord::length, 0);
    putText(unnamedFirstPart, 31, "Comets");
    EXPECT_EQ(TeamRecord::decode(unnamedFirstPart).displayName(), QByteArray(" Comets"));
}

TEST(RecordDecoding, ShortSpansReadAsZeroInsteadOfBeyondTheirEnd) {
    const Bytes shortRecord = {0x00, 0x00, 0x00};
    EXPECT_EQ(PlayerRecord::decode(shortRecord).identity, 0);
    EXPECT_EQ(MasterPlayerRecord::decode(shortRecord).displayName(), QByteArray(","));
    EXPECT_EQ(TeamRecord::decode(shortRecord).rosterSlot(5), 0);
}

TEST(Windows1252, DecodesTheUpperHalfAsTheCodePageDoes) {
    EXPECT_EQ(windows1252::decode("Ortega,Luis 12345"), "Ortega,Luis 12345");
    EXPECT_EQ(windows1252::decode("\x80\x8a\x9a\x9f\xe9\xfc\xff"), QString::fromUtf8("€ŠšŸéüÿ"));
    // Undefined bytes still give one character each, so columns stay aligned.
    EXPECT_EQ(windows1252::decode("\x81\x8d\x8f\x90\x9d"),
              QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d"));
    EXPECT_EQ(windows1252::decode(QByteArray("a\0b", 3)).size(), 3);
}

} // namespace
} // namespace zorbin
