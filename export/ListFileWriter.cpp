#include "export/ListFileWriter.h"

#include <cerrno>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// Qt gives no reason when a write comes up short, as it does when the disk fills up part-way; the
// system's reason is still in errno then.
QString shortWriteReason(const QFileDevice& file, int error) {
    return error != 0 ? qt_error_string(error) : file.errorString();
}

FileFailure writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), path, reason};
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

std::optional<FileFailure> ListFileWriter::write(const QString& path,
                                                 const QList<QByteArray>& lines) {
    if (path.isEmpty())
        return writeFailure(path, QStringLiteral("No file name was given"));
    const QByteArray content = fileContent(lines);

    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return writeFailure(path, qt_error_string(EISDIR));
        if (S_ISCHR(status.st_mode))
            return writeInPlace(path, content);
        if (!S_ISREG(status.st_mode))
            return writeFailure(path, QStringLiteral("Not a regular file"));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(path, file.errorString());
    // Flushed and checked here: commit() overlooks a failure of its own final flush (disk full)
    // and would put a cut-off file in place of the old one.
    errno = 0;
    if (file.write(content) != content.size() || !file.flush()) {
        const QString reason = shortWriteReason(file, errno);
        file.cancelWriting();
        return writeFailure(path, reason);
    }
    if (!file.commit())
        return writeFailure(path, file.errorString());
    return std::nullopt;
}

QString ListFileWriter::confirmationText(const QString& fileName) {
    return QStringLiteral("file ") + fileName + QStringLiteral(" was written ");
}

} // namespace zorbin
