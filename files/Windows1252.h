// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

namespace zorbin {

// QEL writes its names in the Windows ANSI code page. Decoding is only for showing them: the bytes
// themselves are what gets exported.
namespace windows1252 {

// Every byte maps to one character. The five bytes the code page leaves undefined map to the
// control characters of the same value, as Windows itself does.
[[nodiscard]] QString decode(const QByteArray& bytes);

// `text` in the code page, for a file the original program reads back; nothing when a character
// has no byte there.
[[nodiscard]] std::optional<QByteArray> encode(const QString& text);

} // namespace windows1252

} // namespace zorbin
