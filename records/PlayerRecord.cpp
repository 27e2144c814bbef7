// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/PlayerRecord.h"

#include "records/ByteReader.h"
#include "records/FieldText.h"

namespace zorbin {

std::span<const std::uint8_t> PlayerRecord::firstName() const {
    return ByteReader(bytes_).field(firstNameField);
}

std::span<const std::uint8_t> PlayerRecord::lastName() const {
    return ByteReader(bytes_).field(lastNameField);
}

QByteArray PlayerRecord::displayName() const {
    return playerDisplayName(lastName(), firstName());
}

} // namespace zorbin
