// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/GameFiles.h"
#include "records/ByteReader.h"
#include "records/PlayerIdentity.h"
#include "records/RecordField.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>
#include <span>

namespace zorbin {

// One record of the season player file ("qelplyr.dat").
class PlayerRecord {
public:
    static inline const QString& fileName = gameFiles::player;
    static constexpr std::size_t length = 656;
    // The fields the system reads: two words and the two names' text.
    static constexpr RecordField statusField{0, 2};
    static constexpr RecordField identityField{6, 2};
    static constexpr RecordField firstNameField{18, 14};
    static constexpr RecordField lastNameField{32, 16};

    // Inline: it runs once for each of up to 100,000 records a file.
    [[nodiscard]] static PlayerRecord decode(std::span<const std::uint8_t> record) {
        const ByteReader reader(record);
        PlayerRecord player;
        player.status = reader.readS16Le(statusField.offset);
        player.identity = reader.readS16Le(identityField.offset);
        player.bytes_ = record;
        return player;
    }

    // Status 0 and a player's identity (10000 or more).
    [[nodiscard]] bool accepted() const { return status == 0 && identity >= playerIdentity::first; }
    // "Last,First" from the two name fields.
    [[nodiscard]] QByteArray displayName() const;

    // Views into the decoded record's bytes, valid as long as those bytes are. The two name fields
    // lie side by side, first name then last name, so `nameFields` is both in one span.
    [[nodiscard]] std::span<const std::uint8_t> firstName() const;
    [[nodiscard]] std::span<const std::uint8_t> lastName() const;
    // Inline, like decode().
    [[nodiscard]] std::span<const std::uint8_t> nameFields() const {
        static_assert(firstNameField.end() == lastNameField.offset);
        return ByteReader(bytes_).field(firstNameField.offset,
                                        firstNameField.width + lastNameField.width);
    }

    std::int16_t status = 0;
    std::int16_t identity = 0;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace zorbin
