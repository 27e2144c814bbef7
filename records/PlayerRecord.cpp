// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/PlayerRecord.h"

#include "records/ByteReader.h"
#include "records/FieldText.h"

namespace zorbin {

namespace {
constexpr std::size_t firstNameOffset = 18;
constexpr std::size_t lastNameOffset = 32;
} // namespace

std::span<const std::uint8_t> PlayerRecord::firstName() const {
    return ByteReader(bytes_).field(firstNameOffset, firstNameWidth);
}

std::span<const std::uint8_t> PlayerRecord::lastName() const {
    return ByteReader(bytes_).field(lastNameOffset, lastNameWidth);
}

std::span<const std::uint8_t> PlayerRecord::nameFields() const {
    static_assert(firstNameOffset + firstNameWidth == lastNameOffset);
    return ByteReader(bytes_).field(firstNameOffset, firstNameWidth + lastNameWidth);
}

QByteArray PlayerRecord::displayName() const {
    return playerDisplayName(lastName(), firstName());
}

} // namespace zorbin
