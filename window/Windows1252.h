// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace zorbin {

// QEL writes its names in the Windows ANSI code page. Decoding is only for showing them: the bytes
// themselves are what gets exported.
class Windows1252 {
public:
    // Every byte maps to one character. The five bytes the code page leaves undefined map to the
    // control characters of the same value, as Windows itself does.
    [[nodiscard]] static QString decode(const QByteArray& bytes);
};

} // namespace zorbin
