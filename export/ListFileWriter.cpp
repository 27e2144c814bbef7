// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ListFileWriter.h"

#include "files/CaseInsensitivePath.h"
#include "files/FileReplacer.h"
#include "files/WriteTarget.h"

#include <cerrno>
#include <QFile>
#include <sys/stat.h>

namespace zorbin {

namespace {

QByteArray fileContent(const QList<QByteArray>& lines) {
    qsizetype size = 0;
    for (const QByteArray& line : lines)
        size += line.size() + 2;
    QByteArray content;
    content.reserve(size);
    for (const QByteArray& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

FileFailure writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), caseInsensitivePath::absolute(path), reason};
}

// Devices such as /dev/null or /dev/full are written in place: replacing them by renaming a
// temporary file over them would destroy the device node.
std::optional<FileFailure> writeInPlace(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size())
        return writeFailure(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return writeFailure(path, file.errorString());
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> listFileWriter::write(const QString& path,
                                                 const QList<QByteArray>& lines,
                                                 const QStringList& gameFiles,
                                                 const QStringList& ownFiles) {
    if (path.isEmpty())
        return writeFailure(path, QStringLiteral("No file name was given"));
    const QString target = writeTarget::resolve(path);
    if (auto refusal = writeTarget::refusal(path, target, gameFiles, ownFiles))
        return refusal;
    const QByteArray content = fileContent(lines);

    struct stat status {};
    if (::stat(QFile::encodeName(target).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return writeFailure(target, qt_error_string(EISDIR));
        if (S_ISCHR(status.st_mode))
            return writeInPlace(target, content);
        if (!S_ISREG(status.st_mode))
            return writeFailure(target, QStringLiteral("Not a regular file"));
    }
    return fileReplacer::replace(target, content);
}

} // namespace zorbin
