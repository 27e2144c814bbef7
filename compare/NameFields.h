// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/ReportLine.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <QByteArrayView>
#include <span>

namespace zorbin {

// A player's two name fields as a record holds them, kept for the players that get listed: both
// runs copy these bytes as they pass over a file, and make names of them only for the rows they
// show, so a pass over 100,000 records builds no strings.
struct NameFields {
    // The first-name and last-name fields lie side by side in both player layouts.
    static constexpr std::size_t firstNameWidth = PlayerRecord::firstNameField.width;
    static constexpr std::size_t lastNameWidth = PlayerRecord::lastNameField.width;
    static_assert(firstNameWidth == MasterPlayerRecord::firstNameField.width &&
                  lastNameWidth == MasterPlayerRecord::lastNameField.width);
    // "Last,First" at its longest.
    static constexpr std::size_t displayNameMostBytes = lastNameWidth + 1 + firstNameWidth;

    std::array<std::uint8_t, firstNameWidth + lastNameWidth> bytes;

    // `fields` is a record's first-name field followed by its last-name field.
    void assign(std::span<const std::uint8_t> fields) {
        if (fields.size() == bytes.size()) {
            std::memcpy(bytes.data(), fields.data(), bytes.size());
            return;
        }
        bytes.fill(0);
        std::copy_n(fields.begin(), std::min(fields.size(), bytes.size()), bytes.begin());
    }

    // Each field's text ends at its first NUL, as the game writes it.
    [[nodiscard]] DisplayNameParts parts() const {
        const auto text = [this](std::size_t offset, std::size_t width) {
            const auto* field = reinterpret_cast<const char*>(bytes.data() + offset);
            return QByteArrayView(field, static_cast<qsizetype>(qstrnlen(field, width)));
        };
        return DisplayNameParts{text(firstNameWidth, lastNameWidth), text(0, firstNameWidth)};
    }
};

} // namespace zorbin
