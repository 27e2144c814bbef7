// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/UserPath.h"

#include "files/CaseInsensitivePath.h"

#include <algorithm>
#include <QFileInfo>

namespace zorbin {

namespace {

FileFailure unusable(const QString& text, const QString& reason) {
    return FileFailure{QStringLiteral("use the path"), text, reason};
}

const QString nulReason = QStringLiteral("it holds a NUL character");
const QString setWinePrefix = QStringLiteral(" (set WINEPREFIX to the prefix that holds it)");

// Looking through every prefix for a Windows path happens once per path, not at every drive-list
// opening, so it may take longer than the drive lists' discovery before it gives up.
WineDiscoveryLimits resolutionLimits() {
    WineDiscoveryLimits limits;
    limits.time = std::chrono::seconds(1);
    return limits;
}

// `resolved`, read through `prefix`, with a note unless that is ~/.wine.
userPath::Resolved through(userPath::Resolved resolved, const QString& text,
                           const WinePrefix& prefix, const WineEnvironment& environment) {
    resolved.prefixFolder = prefix.folder;
    const QString wine =
        environment.home.isEmpty()
            ? QString()
            : QFileInfo(environment.home + QStringLiteral("/.wine")).canonicalFilePath();
    if (prefix.folder != wine) {
        resolved.note =
            QStringLiteral("Read \"%1\" through the Wine prefix \"%2\" (%3)")
                .arg(text, prefix.name, winePrefixes::shortened(prefix.folder, environment.home));
    }
    return resolved;
}

// What a Windows path may not hold wherever it is read through.
std::optional<FileFailure> unsafeWindowsPath(const QString& text) {
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
    return std::nullopt;
}

// Why no prefix of `discovery` holds `text`, and whether WINEPREFIX could help.
FileFailure heldByNone(const QString& text, const WineDiscovery& discovery) {
    const QList<WinePrefix>& tried = discovery.prefixes;
    if (tried.isEmpty())
        return unusable(text, QStringLiteral("no Wine prefix was found to read Windows paths "
                                             "through; looked for ~/.wine and the prefixes of "
                                             "Steam, Lutris, Heroic, Bottles, winetricks and "
                                             "PlayOnLinux") +
                                  setWinePrefix);
    const QChar letter = text[0].toUpper();
    const bool driveFound = std::any_of(tried.begin(), tried.end(), [letter](const WinePrefix& p) {
        return p.drive(letter).has_value();
    });
    QString reason = QStringLiteral("no Wine prefix holds %1; looked in %2")
                         .arg(text, winePrefixes::whereFound(tried));
    if (!driveFound)
        reason += (tried.size() == 1 ? QStringLiteral(", which has no drive %1:")
                                     : QStringLiteral(", none of which has a drive %1:"))
                      .arg(letter);
    // Another prefix can only help when it may hold what these could not.
    if (!driveFound || discovery.cutShort)
        reason += setWinePrefix;
    return unusable(text, reason);
}

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
    if (std::optional<FileFailure> unsafe = unsafeWindowsPath(text))
        return std::move(*unsafe);
    const QStringList components = text.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
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
    return Resolved{caseInsensitivePath::resolveWholePath(native), drive->root, prefix.folder, {}};
}

Result<userPath::Resolved> userPath::resolve(const QString& text,
                                             const WineEnvironment& environment) {
    if (text.contains(QChar(0)))
        return unusable(text, nulReason);
    if (!isWindowsPath(text))
        return Resolved{caseInsensitivePath::resolveWholePath(text), {}, {}, {}};
    if (std::optional<FileFailure> unsafe = unsafeWindowsPath(text))
        return std::move(*unsafe);

    // A prefix the user named is the one meant; another may hold an older copy of the league.
    if (!environment.winePrefix.isEmpty()) {
        const Result<WinePrefix> named = winePrefixes::fromEnvironment(environment);
        if (!named)
            return named.failure();
        Result<Resolved> resolved = fromWindows(text, *named);
        if (!resolved)
            return resolved;
        return through(std::move(resolved).value(), text, *named, environment);
    }

    const std::optional<WinePrefix> wine = winePrefixes::homeWine(environment);
    if (wine) {
        Result<Resolved> resolved = fromWindows(text, *wine);
        if (resolved && QFileInfo::exists(resolved->path))
            return resolved;
    }
    const WineDiscovery discovery = winePrefixes::discoverAll(environment, resolutionLimits());
    for (const WinePrefix& prefix : discovery.prefixes) {
        if (wine && prefix.folder == wine->folder)
            continue;
        Result<Resolved> resolved = fromWindows(text, prefix);
        if (resolved && QFileInfo::exists(resolved->path))
            return through(std::move(resolved).value(), text, prefix, environment);
    }
    return heldByNone(text, discovery);
}

std::optional<userPath::Resolved> userPath::onDrive(const QString& text,
                                                    const WineEnvironment& environment) {
    if (!isWindowsPath(text) || unsafeWindowsPath(text))
        return std::nullopt;
    QList<WinePrefix> prefixes;
    if (!environment.winePrefix.isEmpty()) {
        if (Result<WinePrefix> named = winePrefixes::fromEnvironment(environment))
            prefixes.append(std::move(named).value());
    } else {
        prefixes = winePrefixes::discover(environment, resolutionLimits());
    }
    for (const WinePrefix& prefix : std::as_const(prefixes)) {
        if (Result<Resolved> resolved = fromWindows(text, prefix))
            return std::move(resolved).value();
    }
    return std::nullopt;
}

QString userPath::pathOrText(const QString& text, const WineEnvironment& environment) {
    const Result<Resolved> resolved = resolve(text, environment);
    return resolved ? resolved->path : text;
}

} // namespace zorbin
