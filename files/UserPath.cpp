// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/UserPath.h"

#include "files/CaseInsensitivePath.h"

namespace zorbin {

namespace {

FileFailure unusable(const QString& text, const QString& reason) {
    return FileFailure{QStringLiteral("use the path"), text, reason};
}

const QString nulReason = QStringLiteral("it holds a NUL character");

} // namespace

bool userPath::isWindowsPath(const QString& text) {
    if (text.size() < 2 || text[1] != QLatin1Char(':'))
        return false;
    const char16_t letter = text[0].toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return false;
    return text.size() == 2 || text[2] == QLatin1Char('\\') || text[2] == QLatin1Char('/');
}

Result<userPath::Resolved> userPath::fromWindows(const QString& text, const WinePrefix& prefix) {
    if (text.contains(QChar(0)))
        return unusable(text, nulReason);
    // Mapped component by component below the drive's root, so nothing may step out of it or
    // smuggle in a second separator.
    if (text.indexOf(QLatin1Char('/')) >= 0)
        return unusable(text, QStringLiteral("a Windows path may not hold \"/\""));
    const QStringList components = text.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& component : components) {
        if (component == QLatin1String(".") || component == QLatin1String(".."))
            return unusable(text,
                            QStringLiteral("a Windows path may not step with \".\" or \"..\""));
    }
    const std::optional<WineDrive> drive = prefix.drive(text[0]);
    if (!drive) {
        return unusable(text, QStringLiteral("the Wine prefix %1 has no drive %2:")
                                  .arg(prefix.name, QString(text[0].toUpper())));
    }
    QString native = drive->root;
    for (const QString& component : components) {
        if (!native.endsWith(QLatin1Char('/')))
            native += QLatin1Char('/');
        native += component;
    }
    return Resolved{caseInsensitivePath::resolveWholePath(native), drive->root};
}

Result<userPath::Resolved> userPath::resolve(const QString& text,
                                             const WineEnvironment& environment) {
    if (text.contains(QChar(0)))
        return unusable(text, nulReason);
    if (!isWindowsPath(text))
        return Resolved{caseInsensitivePath::resolveWholePath(text), {}};
    const std::optional<WinePrefix> prefix = winePrefixes::defaultPrefix(environment);
    if (!prefix) {
        return unusable(text, QStringLiteral("no Wine prefix was found to read Windows paths "
                                             "through (set WINEPREFIX)"));
    }
    return fromWindows(text, *prefix);
}

QString userPath::pathOrText(const QString& text, const WineEnvironment& environment) {
    const Result<Resolved> resolved = resolve(text, environment);
    return resolved ? resolved->path : text;
}

} // namespace zorbin
