// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/UserPath.h"

#include "files/CaseInsensitivePath.h"
#include "files/WindowsPath.h"
#include "wine/PrefixLabels.h"

#include <algorithm>
#include <QDir>

namespace zorbin {

namespace {

const QString setWinePrefix = QStringLiteral(" (set WINEPREFIX to the prefix that holds it)");

// Why `text` names nothing here.
FileFailure failure(const QString& text, const QString& reason) {
    return FileFailure{QStringLiteral("use the path"), text, reason};
}

} // namespace

std::optional<FileFailure> userPath::unusable(const QString& text) {
    // A NUL would cut the path short in every system call made with it.
    if (text.contains(QChar(0)))
        return failure(text, QStringLiteral("it holds a NUL character"));
    const QString path = windowsPath::cleaned(text);
    switch (windowsPath::otherForm(path)) {
    case windowsPath::OtherForm::NetworkShare:
        return failure(text, QStringLiteral("it is a network path (\\\\server\\share\\...), and "
                                            "Zorbin reads only folders on this machine"));
    case windowsPath::OtherForm::DriveRelative:
        return failure(
            text, QStringLiteral("it is relative to the current folder of drive %1:, which "
                                 "Zorbin can't know; write it from the drive's root, as %1:\\%2")
                      .arg(path[0].toUpper())
                      .arg(path.mid(2)));
    case windowsPath::OtherForm::None:
        break;
    }
    if (!windowsPath::isWindowsPath(path))
        return std::nullopt;
    // Mapped component by component below the drive's root, so nothing may step out of it.
    const QStringList components = path.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& component : components) {
        if (component == QLatin1String(".") || component == QLatin1String(".."))
            return failure(text,
                           QStringLiteral("a Windows path may not step with \".\" or \"..\""));
    }
    return std::nullopt;
}

QString userPath::onThisMachine(const QString& text) {
    if (text.isEmpty() || unusable(text))
        return {};
    if (!windowsPath::isWindowsPath(text))
        return QDir::cleanPath(QDir::current().absoluteFilePath(text));
    if (text[0].toUpper() != QLatin1Char('Z'))
        return {};
    QString path = windowsPath::cleaned(text).mid(2);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QStringLiteral("/") + path);
}

userPath::Resolved userPath::native(const QString& text) {
    return Resolved{caseInsensitivePath::resolveWholePath(text), {}, {}};
}

bool userPath::isWithin(const QString& path, const QString& root) {
    if (root.endsWith(QLatin1Char('/')))
        return path.startsWith(root);
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

qsizetype userPath::closestRoot(const QString& path, const QStringList& roots) {
    qsizetype closest = -1;
    for (qsizetype index = 0; index < roots.size(); ++index) {
        if ((closest < 0 || roots[index].size() > roots[closest].size()) &&
            isWithin(path, roots[index]))
            closest = index;
    }
    return closest;
}

bool userPath::isWholeFileSystem(const WineDrive& drive) {
    return drive.root == QDir::rootPath();
}

Result<userPath::Resolved> userPath::fromWindows(const QString& given, const WinePrefix& prefix) {
    if (std::optional<FileFailure> refused = unusable(given))
        return std::move(*refused);
    const QString text = windowsPath::cleaned(given);
    const std::optional<WineDrive> drive = prefix.drive(text[0]);
    if (!drive) {
        return failure(text, QStringLiteral("the Wine prefix %1 has no drive %2:")
                                 .arg(prefix.name, QString(text[0].toUpper())));
    }
    QString path = drive->root;
    for (const QString& component : text.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += component;
    }
    return Resolved{caseInsensitivePath::resolveWholePath(path), drive->root, prefix.folder};
}

std::optional<QString> userPath::toWindows(const QString& native, const WinePrefix& prefix) {
    const QString path = QDir::cleanPath(native);
    QStringList roots;
    for (const WineDrive& drive : prefix.drives)
        roots.append(drive.root);
    const qsizetype closest = closestRoot(path, roots);
    if (closest < 0)
        return std::nullopt;
    const WineDrive* best = &prefix.drives[closest];
    QString rest = path.mid(best->root.size());
    if (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    QString windows = QString(best->letter) + QStringLiteral(":\\") + rest;
    windows.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (windows.endsWith(QLatin1Char('\\')) && windows.size() > 3)
        windows.chop(1);
    return windows;
}

FileFailure userPath::heldByNone(const QString& text, const WineDiscovery& discovery) {
    const QList<WinePrefix>& tried = discovery.prefixes;
    if (tried.isEmpty())
        return failure(text, QStringLiteral("no Wine prefix was found to read Windows paths "
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
    return failure(text, reason);
}

} // namespace zorbin
