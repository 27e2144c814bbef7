// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes inputs of any length as team, player and master records, and reads them back as record
// files of an input-chosen record length. A short record must read as if padded with zero bytes and
// never beyond its end: the input buffer is exactly its own size, so AddressSanitizer sees any
// overrun.

#include "FuzzCheck.h"
#include "records/FieldText.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "records/TeamRecord.h"

#include <cstddef>
#include <cstdint>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <span>
#include <vector>

using namespace zorbin;

namespace {

using Bytes = std::span<const std::uint8_t>;

std::int16_t wordAt(Bytes bytes, std::size_t offset) {
    const unsigned low = offset < bytes.size() ? bytes[offset] : 0;
    const unsigned high = offset + 1 < bytes.size() ? bytes[offset + 1] : 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

// The field text of the part of a field that the bytes hold.
QByteArray textAt(Bytes bytes, std::size_t offset, std::size_t width) {
    QByteArray text;
    for (std::size_t i = offset; i < offset + width && i < bytes.size() && bytes[i] != 0; ++i)
        text += static_cast<char>(bytes[i]);
    return text;
}

void checkTeam(Bytes bytes) {
    const TeamRecord team = TeamRecord::decode(bytes);
    ZORBIN_FUZZ_CHECK(team.status == wordAt(bytes, 0) && team.word2 == wordAt(bytes, 2) &&
                          team.word6 == wordAt(bytes, 6),
                      "team words misread");
    ZORBIN_FUZZ_CHECK(team.accepted() == (team.status == 0 && team.word2 >= 0 && team.word6 >= 1),
                      "team acceptance wrong");
    ZORBIN_FUZZ_CHECK(team.displayName() == textAt(bytes, 15, 16) + ' ' + textAt(bytes, 31, 16),
                      "team name misread");
    for (int slot = -1; slot <= TeamRecord::rosterSlots; ++slot) {
        const bool inRoster = slot >= 0 && slot < TeamRecord::rosterSlots;
        const std::int16_t expected = inRoster ? wordAt(bytes, 258 + 2 * std::size_t(slot)) : -1;
        ZORBIN_FUZZ_CHECK(team.rosterSlot(slot) == expected, "roster slot %d misread", slot);
    }
}

void checkPlayer(Bytes bytes) {
    const PlayerRecord player = PlayerRecord::decode(bytes);
    ZORBIN_FUZZ_CHECK(player.status == wordAt(bytes, 0) && player.identity == wordAt(bytes, 6),
                      "player words misread");
    ZORBIN_FUZZ_CHECK(player.accepted() == (player.status == 0 && player.identity >= 10000),
                      "player acceptance wrong");
    ZORBIN_FUZZ_CHECK(player.displayName() == textAt(bytes, 32, 16) + ',' + textAt(bytes, 18, 14),
                      "player name misread");
}

void checkMaster(Bytes bytes) {
    const MasterPlayerRecord player = MasterPlayerRecord::decode(bytes);
    ZORBIN_FUZZ_CHECK(player.status == wordAt(bytes, 0) && player.identity == wordAt(bytes, 2),
                      "master words misread");
    ZORBIN_FUZZ_CHECK(player.accepted() == (player.status == 0 && player.identity > 10000),
                      "master acceptance wrong");
    ZORBIN_FUZZ_CHECK(player.displayName() == textAt(bytes, 18, 16) + ',' + textAt(bytes, 4, 14),
                      "master name misread");
}

QString scratchFile() {
    static const QTemporaryDir directory(QDir("/dev/shm").exists()
                                             ? QStringLiteral("/dev/shm/zorbin-fuzz-XXXXXX")
                                             : QDir::tempPath() + "/zorbin-fuzz-XXXXXX");
    return directory.filePath("records.dat");
}

// The file read back record by record: every record at full length, together the file's bytes
// followed by zeros up to the next whole record.
void checkRecordFile(Bytes bytes, std::size_t recordLength) {
    const QString path = scratchFile();
    {
        QFile file(path);
        ZORBIN_FUZZ_CHECK(file.open(QIODevice::WriteOnly) &&
                              file.write(reinterpret_cast<const char*>(bytes.data()),
                                         qint64(bytes.size())) == qint64(bytes.size()),
                          "cannot write the scratch file");
    }
    RecordFileReader reader(path, recordLength);
    ZORBIN_FUZZ_CHECK(!reader.open(), "open failed");
    std::vector<std::uint8_t> read;
    while (const auto record = reader.nextRecord()) {
        ZORBIN_FUZZ_CHECK(record->size() == recordLength, "record of %zu bytes", record->size());
        read.insert(read.end(), record->begin(), record->end());
        ZORBIN_FUZZ_CHECK(read.size() < bytes.size() + recordLength, "records beyond the end");
    }
    ZORBIN_FUZZ_CHECK(!reader.failure(), "reading failed");
    std::vector<std::uint8_t> expected(bytes.begin(), bytes.end());
    expected.resize((bytes.size() + recordLength - 1) / recordLength * recordLength, 0);
    ZORBIN_FUZZ_CHECK(read == expected, "records differ from the file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes bytes(data, size);
    checkTeam(bytes);
    checkPlayer(bytes);
    checkMaster(bytes);
    ZORBIN_FUZZ_CHECK(fieldText(bytes) == textAt(bytes, 0, size), "field text wrong");
    // A record length from the input's first byte: the three real ones, or one of many others so
    // that lengths both above and below the file's size occur.
    if (size > 0) {
        static constexpr std::size_t realLengths[] = {TeamRecord::length, PlayerRecord::length,
                                                      MasterPlayerRecord::length};
        const std::size_t recordLength = data[0] < 3 ? realLengths[data[0]] : data[0] * 3 - 8;
        checkRecordFile(bytes.subspan(1), recordLength);
    }
    return 0;
}
