// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/MasterPlayerRecord.h"

#include "records/ByteReader.h"
#include "records/FieldText.h"

namespace zorbin {

namespace {
constexpr std::size_t firstNameOffset = 4;
constexpr std::size_t lastNameOffset = 18;
} // namespace

std::span<const std::uint8_t> MasterPlayerRecord::firstName() const {
    return ByteReader(bytes_).field(firstNameOffset, firstNameWidth);
}

std::span<const std::uint8_t> MasterPlayerRecord::lastName() const {
    return ByteReader(bytes_).field(lastNameOffset, lastNameWidth);
}

std::span<const std::uint8_t> MasterPlayerRecord::nameFields() const {
    static_assert(firstNameOffset + firstNameWidth == lastNameOffset);
    return ByteReader(bytes_).field(firstNameOffset, firstNameWidth + lastNameWidth);
}

QByteArray MasterPlayerRecord::displayName() const {
    return playerDisplayName(lastName(), firstName());
}

} // namespace zorbin
