// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <QByteArray>
#include <span>

namespace zorbin {

// The text of a fixed-width field: everything before the first NUL, or the whole field when it
// holds none. Trailing spaces stay; the bytes are never converted to another character set.
[[nodiscard]] QByteArray fieldText(std::span<const std::uint8_t> field);

// A player's display name, "Last,First" without spaces, built from the two name fields.
[[nodiscard]] QByteArray playerDisplayName(std::span<const std::uint8_t> lastNameField,
                                           std::span<const std::uint8_t> firstNameField);

} // namespace zorbin
