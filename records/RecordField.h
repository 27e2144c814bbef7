// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace zorbin {

// Where a field lies in a fixed-length record. Each record layout states its fields once this way,
// and both the decoders and the writer of made-up leagues place their bytes by them.
struct RecordField {
    std::size_t offset;
    std::size_t width;

    [[nodiscard]] constexpr std::size_t end() const { return offset + width; }
};

} // namespace zorbin
