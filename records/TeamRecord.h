// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/GameFiles.h"
#include "records/ByteReader.h"
#include "records/RecordField.h"

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>
#include <span>

namespace zorbin {

// One record of a season's team file ("qelteam.dat").
class TeamRecord {
public:
    static inline const QString& fileName = gameFiles::team;
    static constexpr std::size_t length = 746;
    static constexpr int rosterSlots = 80;
    // The fields the system reads: words, the two name parts' text and the roster, a word a slot.
    static constexpr RecordField statusField{0, 2};
    static constexpr RecordField word2Field{2, 2};
    static constexpr RecordField word6Field{6, 2};
    static constexpr RecordField nameFirstPartField{15, 16};
    static constexpr RecordField nameSecondPartField{31, 16};
    static constexpr RecordField rosterField{258, 2 * rosterSlots};

    [[nodiscard]] static TeamRecord decode(std::span<const std::uint8_t> record);

    // Status 0, the word at offset 2 not negative and the word at offset 6 at least 1.
    [[nodiscard]] bool accepted() const;
    // The two name parts' field texts joined by one space.
    [[nodiscard]] QByteArray displayName() const;
    // A roster slot holds a player identity; negative values mark an empty slot.
    // Inline: it runs 80 times a team.
    [[nodiscard]] std::int16_t rosterSlot(int slot) const {
        if (slot < 0 || slot >= rosterSlots)
            return -1;
        return ByteReader(bytes_).readS16Le(rosterField.offset +
                                            2 * static_cast<std::size_t>(slot));
    }

    std::int16_t status = 0;
    std::int16_t word2 = 0;
    std::int16_t word6 = 0;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace zorbin
