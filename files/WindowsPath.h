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

// The Windows forms that name no folder on a drive: a network share ("\\server\share\...", also
// "\\localhost\C$\..." and "\\?\UNC\...") and a path relative to a drive's current folder
// ("C:Games\QEL"), which Wine resolves against a folder Zorbin can't know.
enum class OtherForm { None, NetworkShare, DriveRelative };

[[nodiscard]] inline OtherForm otherForm(const QString& text) {
    if (text.startsWith(QLatin1String("\\\\")))
        return OtherForm::NetworkShare;
    if (text.size() > 2 && text[1] == QLatin1Char(':') && !isWindowsPath(text) &&
        text[0].toUpper() >= QLatin1Char('A') && text[0].toUpper() <= QLatin1Char('Z'))
        return OtherForm::DriveRelative;
    return OtherForm::None;
}

// `text` as Wine reads a Windows path: the spaces a paste brings trimmed off, the "\\?\" or "\\.\"
// that long-path and device spellings put before a drive dropped, and "/" as "\", which Wine
// accepts alike. Text in no Windows form (a path of this machine) is left exactly as it is.
[[nodiscard]] inline QString cleaned(const QString& text) {
    QString path = text.trimmed();
    if ((path.startsWith(QLatin1String("\\\\?\\")) || path.startsWith(QLatin1String("\\\\.\\"))) &&
        isWindowsPath(path.mid(4)))
        path.remove(0, 4);
    if (!isWindowsPath(path) && otherForm(path) == OtherForm::None)
        return text;
    if (isWindowsPath(path))
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path;
}

} // namespace zorbin::windowsPath
