// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CaseInsensitivePath.h"

#include <QDir>
#include <QFileInfo>

namespace zorbin {

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
