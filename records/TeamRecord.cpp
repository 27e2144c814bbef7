// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/TeamRecord.h"

#include "records/ByteReader.h"
#include "records/FieldText.h"

namespace zorbin {

namespace {
constexpr std::size_t statusOffset = 0;
constexpr std::size_t word2Offset = 2;
constexpr std::size_t word6Offset = 6;
constexpr std::size_t nameFirstPartOffset = 15;
constexpr std::size_t nameSecondPartOffset = 31;
constexpr std::size_t namePartWidth = 16;
constexpr std::size_t rosterOffset = 258;
} // namespace

TeamRecord TeamRecord::decode(std::span<const std::uint8_t> record) {
    const ByteReader reader(record);
    TeamRecord team;
    team.status = reader.readS16Le(statusOffset);
    team.word2 = reader.readS16Le(word2Offset);
    team.word6 = reader.readS16Le(word6Offset);
    team.bytes_ = record;
    return team;
}

bool TeamRecord::accepted() const {
    return status == 0 && word2 >= 0 && word6 >= 1;
}

QByteArray TeamRecord::displayName() const {
    const ByteReader reader(bytes_);
    QByteArray name = fieldText(reader.field(nameFirstPartOffset, namePartWidth));
    name += ' ';
    name += fieldText(reader.field(nameSecondPartOffset, namePartWidth));
    return name;
}

std::int16_t TeamRecord::rosterSlot(int slot) const {
    if (slot < 0 || slot >= rosterSlots)
        return -1;
    return ByteReader(bytes_).readS16Le(rosterOffset + 2 * static_cast<std::size_t>(slot));
}

} // namespace zorbin
