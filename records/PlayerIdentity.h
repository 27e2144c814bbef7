// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

// The identities that name players, the same for every file and every run: each file holds a
// player's identity in a signed 16-bit word, and only identities from 10000 upward take part, so
// none lies above the word's largest value.
namespace zorbin::playerIdentity {

inline constexpr int first = 10000;
inline constexpr int last = std::numeric_limits<std::int16_t>::max();
// How many there are: a table indexed by `identity - first` has this many entries.
inline constexpr std::size_t count = static_cast<std::size_t>(last - first + 1);

// True for an identity that names a player, as a team's roster slot may hold one.
[[nodiscard]] constexpr bool isPlayer(int identity) {
    return identity >= first && identity <= last;
}

} // namespace zorbin::playerIdentity
