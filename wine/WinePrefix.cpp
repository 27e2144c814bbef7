// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/WinePrefix.h"

#include "wine/FolderEntries.h"
#include "wine/PrefixLabels.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace zorbin {

namespace {

// The canonical folder the drive link `link` leads to. Wine's own links, "../drive_c" and absolute
// ones such as "/", are followed without resolving the prefix's long path once more, which would be
// most of the time discovery takes; any other is resolved whole.
QString driveRoot(const QString& link, const QString& canonicalFolder, bool dosdevicesIsLink) {
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), target, sizeof target);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof target) {
        const QByteArray text(target, length);
        if (text.startsWith('/'))
            return QFileInfo(QFile::decodeName(text)).canonicalFilePath();
        // "../x" from dosdevices is x in the prefix, unless dosdevices is itself a link.
        const QByteArray inPrefix = text.mid(3);
        if (!dosdevicesIsLink && text.startsWith("../") && !inPrefix.isEmpty() &&
            !inPrefix.contains('/') && inPrefix != "." && inPrefix != "..") {
            const QString folder = canonicalFolder + QLatin1Char('/') + QFile::decodeName(inPrefix);
            const QFileInfo info(folder);
            if (!info.isSymLink())
                return info.isDir() ? folder : QString();
        }
    }
    return QFileInfo(link).canonicalFilePath();
}

} // namespace

std::optional<WineDrive> WinePrefix::drive(QChar letter) const {
    const QChar wanted = letter.toUpper();
    for (const WineDrive& drive : drives) {
        if (drive.letter == wanted)
            return drive;
    }
    return std::nullopt;
}

std::optional<UnreachableDrive> WinePrefix::unreachableDrive(QChar letter) const {
    const QChar wanted = letter.toUpper();
    for (const UnreachableDrive& drive : unreachable) {
        if (drive.letter == wanted)
            return drive;
    }
    return std::nullopt;
}

bool winePrefixes::isPrefixFolder(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/drive_c")).isDir() ||
           QFileInfo(folder + QStringLiteral("/dosdevices")).isDir();
}

std::optional<WinePrefix> winePrefixes::read(const QString& folder, const QString& name,
                                             int dosdevicesEntries) {
    if (folder.isEmpty() || folder.contains(QChar(0)) || !isPrefixFolder(folder))
        return std::nullopt;
    WinePrefix prefix;
    prefix.folder = QFileInfo(folder).canonicalFilePath();
    prefix.name = name;
    prefix.label = name;
    if (prefix.folder.isEmpty())
        return std::nullopt;

    const QString dosdevices = folder + QStringLiteral("/dosdevices");
    const QFileInfo dosdevicesInfo(dosdevices);
    // Drive links are named "c:"; the raw devices beside them ("c::", "com1") are not drives.
    // isDir() follows links; a dangling or looping one is simply not a folder.
    const QStringList entries =
        dosdevicesInfo.isDir()
            ? folderEntries::some(dosdevices, dosdevicesEntries, QDir::AllEntries | QDir::System)
            : QStringList();
    for (const QString& entry : entries) {
        if (entry.size() != 2 || entry[1] != QLatin1Char(':'))
            continue;
        const QChar letter = entry[0].toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            continue;
        const QString link = dosdevices + QLatin1Char('/') + entry;
        if (prefix.drive(letter))
            continue; // "c:" and "C:" side by side: the first in sorted order that leads somewhere
        const QString root = driveRoot(link, prefix.folder, dosdevicesInfo.isSymLink());
        if (root.isEmpty() || !QFileInfo(root).isDir()) {
            const QFileInfo info(link);
            if (info.isSymLink() && !prefix.unreachableDrive(letter))
                prefix.unreachable.append({letter, info.symLinkTarget()});
            continue;
        }
        prefix.unreachable.removeIf(
            [letter](const UnreachableDrive& drive) { return drive.letter == letter; });
        prefix.drives.append({letter, root, winePrefixes::driveLabel(letter, name)});
    }
    // Without any dosdevices folder Wine still has drive_c as C:.
    if (!dosdevicesInfo.exists() && !dosdevicesInfo.isSymLink()) {
        const QString driveC = QFileInfo(folder + QStringLiteral("/drive_c")).canonicalFilePath();
        if (!driveC.isEmpty())
            prefix.drives.append(
                {QLatin1Char('C'), driveC, winePrefixes::driveLabel(QLatin1Char('C'), name)});
    }
    std::sort(
        prefix.drives.begin(), prefix.drives.end(),
        [](const WineDrive& left, const WineDrive& right) { return left.letter < right.letter; });
    return prefix;
}

} // namespace zorbin
