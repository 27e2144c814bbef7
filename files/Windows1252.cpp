// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/Windows1252.h"

#include <algorithm>
#include <array>

namespace zorbin {

namespace {

// 0x80 to 0x9F, where the code page differs from Latin-1.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString windows1252::decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code <= 0x9F) ? QChar(upperControlRange[code - 0x80])
                                                : QChar(char16_t(code));
    }
    return text;
}

std::optional<QByteArray> windows1252::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes.append(static_cast<char>(code));
            continue;
        }
        const auto* found = std::find(upperControlRange.begin(), upperControlRange.end(), code);
        if (found == upperControlRange.end())
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + (found - upperControlRange.begin())));
    }
    return bytes;
}

} // namespace zorbin
