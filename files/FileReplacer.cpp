// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/FileReplacer.h"

#include <cerrno>
#include <QSaveFile>

namespace zorbin {

std::optional<FileFailure> fileReplacer::replace(const QString& path, const QByteArray& content) {
    const auto failure = [&path](const QString& reason) {
        return FileFailure{QStringLiteral("write"), path, reason};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    // Flushed and checked here: commit() overlooks a failure of its own final flush (disk full) and
    // would put a cut-off file in place of the old one. Qt gives no reason for a write that comes
    // up short, as one does when the disk fills up part-way; errno still holds it then.
    errno = 0;
    if (file.write(content) != content.size() || !file.flush()) {
        const int error = errno;
        const QString reason = error != 0 ? qt_error_string(error) : file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    return std::nullopt;
}

} // namespace zorbin
