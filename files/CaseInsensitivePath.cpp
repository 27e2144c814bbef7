// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CaseInsensitivePath.h"

#include <cerrno>
#include <dirent.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zorbin {

namespace {

// exists() follows links; a dangling link under the exact name still counts as that name.
bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The first entry of `folder` in sorted order whose name matches `wanted` without regard to case;
// empty when none does. One read of the folder.
QString caseBlindMatch(const QString& folder, const QString& wanted) {
    QString best;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString name = entries.nextFileInfo().fileName();
        if (name.compare(wanted, Qt::CaseInsensitive) == 0 && (best.isEmpty() || name < best))
            best = name;
    }
    return best;
}

// The errno of looking at `path` without following a last link; 0 when it can be looked at.
int lookupError(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? 0 : errno;
}

// True when `folder` holds an entry whose name, not being valid UTF-8, reads as `name`: a path that
// holds it can only be spelled with U+FFFD in its place, which names nothing on disk.
bool holdsUnspellable(const QString& folder, const QString& name) {
    if (!name.contains(QChar(QChar::ReplacementCharacter)))
        return false;
    DIR* entries = ::opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray raw(entry->d_name);
        if (QFile::decodeName(raw) == name && QFile::encodeName(name) != raw)
            found = true;
    }
    ::closedir(entries);
    return found;
}

// The errno of reading `folder`'s entries; 0 when they can be read.
int listingError(const QString& folder) {
    DIR* entries = ::opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return errno;
    ::closedir(entries);
    return 0;
}

} // namespace

QString caseInsensitivePath::absolute(const QString& path) {
    if (path.isEmpty())
        return path;
    return resolveWholePath(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

std::optional<FileFailure> caseInsensitivePath::lookupFailure(const QString& path,
                                                              const QString& action) {
    const QString found = absolute(path);
    const auto failure = [&](int error) {
        return FileFailure{action, found, qt_error_string(error),
                           error == ENOENT || error == ENOTDIR};
    };
    if (path.isEmpty())
        return failure(ENOENT);
    if (path.contains(QChar(0)))
        return failure(EINVAL);
    struct stat status {};
    if (::stat(QFile::encodeName(found).constData(), &status) == 0)
        return std::nullopt;
    const int error = errno;
    if (error != ENOENT)
        return failure(error);
    // Something on the way is missing. When the nearest folder that is there could not be
    // searched, the name may well exist in another letter case: the true reason is that folder's.
    QString folder = QFileInfo(found).path();
    while (lookupError(folder) == ENOENT && folder != QFileInfo(folder).path())
        folder = QFileInfo(folder).path();
    const int barred = lookupError(folder);
    if (barred != 0 && barred != ENOENT)
        return failure(barred);
    const int unlisted = listingError(folder);
    if (unlisted == EACCES || unlisted == EPERM)
        return failure(unlisted);
    const QString below =
        found.mid(folder.size()).section(QLatin1Char('/'), 0, 0, QString::SectionSkipEmpty);
    if (holdsUnspellable(folder, below))
        return FileFailure{action, found, unspellableReason};
    return failure(ENOENT);
}

QString caseInsensitivePath::resolveWholePath(const QString& path) {
    // A NUL would cut the path short in every system call made with it.
    if (path.isEmpty() || path.contains(QChar(0)) || present(path))
        return path;

    const bool absolute = QDir::isAbsolutePath(path);
    const QString base = absolute ? QStringLiteral("/") : QDir::currentPath();
    const QStringList components =
        QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString resolved = absolute ? QStringLiteral("/") : QString(); // what is returned
    QString onDisk = base;                                         // what is looked at
    bool replaced = false;
    qsizetype index = 0;
    for (; index < components.size(); ++index) {
        const QString& component = components[index];
        const QString joined = QDir(onDisk).filePath(component);
        QString name = component;
        // A leading ".." of a relative path is taken as it stands.
        if (component != QLatin1String("..") && !present(joined)) {
            name = caseBlindMatch(onDisk, component);
            if (name.isEmpty())
                break;
            replaced = replaced || name != component;
        }
        onDisk = QDir(onDisk).filePath(name);
        if (!resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/')))
            resolved += QLatin1Char('/');
        resolved += name;
    }
    if (!replaced)
        return path;
    for (; index < components.size(); ++index) {
        if (!resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/')))
            resolved += QLatin1Char('/');
        resolved += components[index];
    }
    if (path.endsWith(QLatin1Char('/')) && !resolved.endsWith(QLatin1Char('/')))
        resolved += QLatin1Char('/');
    return resolved;
}

QString caseInsensitivePath::resolve(const QString& path) {
    if (path.isEmpty())
        return path;
    const QFileInfo info(path);
    // exists() follows links; a dangling link under the exact name still counts as that name.
    if (info.exists() || info.isSymLink())
        return path;
    const QString wanted = info.fileName();
    if (wanted.isEmpty())
        return path;
    const QDir folder = info.dir();
    const QStringList entries = folder.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            const qsizetype nameStart = path.size() - wanted.size();
            return path.left(nameStart) + entry;
        }
    }
    return path;
}

} // namespace zorbin
