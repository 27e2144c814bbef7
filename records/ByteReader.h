// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/RecordField.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zorbin {

// Reads little-endian fields from a record held as bytes. Records are always handed over at full
// length, so every field offset of a layout lies inside; a read past the end yields zero bytes
// rather than memory that does not belong to the record.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] std::uint8_t readU8(std::size_t offset) const {
        return offset < bytes_.size() ? bytes_[offset] : 0;
    }
    [[nodiscard]] std::int16_t readS16Le(std::size_t offset) const {
        const auto low = static_cast<std::uint16_t>(readU8(offset));
        const auto high = static_cast<std::uint16_t>(readU8(offset + 1));
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    // The bytes of a field; shorter than `width` only when the record itself is too short.
    [[nodiscard]] std::span<const std::uint8_t> field(std::size_t offset, std::size_t width) const {
        if (offset >= bytes_.size())
            return {};
        return bytes_.subspan(offset, std::min(width, bytes_.size() - offset));
    }
    [[nodiscard]] std::span<const std::uint8_t> field(RecordField where) const {
        return field(where.offset, where.width);
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace zorbin
