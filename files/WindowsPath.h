// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Paths as the original program and its users write them under Wine: "C:\Games\QEL\".
namespace zorbin::windowsPath {

// True when `text` starts with a drive letter and a colon followed by nothing or a separator.
[[nodiscard]] inline bool isWindowsPath(const QString& text) {
    if (text.size() < 2 || text[1] != QLatin1Char(':'))
        return false;
    const char16_t letter = text[0].toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return false;
    return text.size() == 2 || text[2] == QLatin1Char('\\') || text[2] == QLatin1Char('/');
}

} // namespace zorbin::windowsPath
