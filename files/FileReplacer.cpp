// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/FileReplacer.h"

#include "files/CaseInsensitivePath.h"
#include "files/WriteTarget.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbin {

namespace {

// Tries at names nobody else uses before giving up on a temporary file.
constexpr int temporaryNameAttempts = 64;

// Closes a descriptor on every way out unless released.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const { return descriptor_; }
    [[nodiscard]] bool valid() const { return descriptor_ >= 0; }
    // The errno of closing it; a network file system may report a failed write only here.
    [[nodiscard]] int close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0 ? 0 : errno;
    }

private:
    int descriptor_;
};

// Writes all of `content` from the descriptor's start; the errno of the first failure, else 0.
int writeAll(int descriptor, const QByteArray& content) {
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t count = ::pwrite(descriptor, content.constData() + written,
                                       static_cast<std::size_t>(content.size() - written),
                                       static_cast<off_t>(written));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (count == 0)
            return ENOSPC;
        written += count;
    }
    return 0;
}

// fsync's errno, leaving out file systems that can't sync, which lose nothing by it.
int syncError(int descriptor) {
    if (::fsync(descriptor) == 0 || errno == EINVAL || errno == EROFS)
        return 0;
    return errno;
}

FileFailure writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), caseInsensitivePath::absolute(path), reason};
}

struct Temporary {
    QByteArray name;
    int descriptor = -1;
    int error = 0; // the errno of the last attempt when none could be made
};

// A new file beside `target`. One replacing an existing file is readable only by its owner until
// it has that file's permissions; a new one gets what the umask lets through.
Temporary createTemporaryBeside(const QString& target, bool replacing) {
    const QFileInfo info(target);
    const QString stem = info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.');
    Temporary temporary;
    for (int attempt = 0; attempt < temporaryNameAttempts; ++attempt) {
        temporary.name =
            QFile::encodeName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        temporary.descriptor =
            ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                   replacing ? 0600 : 0666);
        if (temporary.descriptor >= 0)
            return temporary;
        temporary.error = errno;
        if (temporary.error != EEXIST)
            break;
    }
    return temporary;
}

// Why `size` bytes can't be written to `descriptor`, known before any byte is: the size limit of
// this process, or a disk without room for them. 0 when nothing says so.
int roomError(int descriptor, qsizetype size) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur)
        return EFBIG;
    // Reserves the blocks without changing the file; file systems that can't do so just go on.
    if (size > 0 &&
        ::fallocate(descriptor, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT || errno == EFBIG))
        return errno;
    return 0;
}

// The only way left when the folder takes no new file: the old content is overwritten, and only
// once all the new content is at hand and there is room for it.
std::optional<FileFailure> rewriteInPlace(const QString& path, const QString& target,
                                          const QByteArray& content) {
    const auto failure = [&path](const QString& reason) { return writeFailure(path, reason); };
    // Neither O_TRUNC nor O_CREAT: the old content stays whole until the new one can go in.
    Descriptor file(::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC));
    if (!file.valid())
        return failure(qt_error_string(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return failure(qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return failure(QStringLiteral("Not a regular file"));
    if (const int error = roomError(file.get(), content.size()))
        return failure(qt_error_string(error));

    int error = writeAll(file.get(), content);
    if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(content.size())) != 0)
        error = errno;
    if (error == 0)
        error = syncError(file.get());
    if (const int closeError = file.close(); error == 0)
        error = closeError;
    if (error != 0) {
        return failure(qt_error_string(error) +
                       QStringLiteral("; its folder takes no new file, so it was being rewritten "
                                      "in place and may now be incomplete"));
    }
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> fileReplacer::replace(const QString& path, const QByteArray& content) {
    const auto failure = [&path](const QString& reason) { return writeFailure(path, reason); };
    const auto systemFailure = [&failure](int error) { return failure(qt_error_string(error)); };

    // Links are followed, so that a link keeps leading where it led.
    const QString target = writeTarget::finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return systemFailure(EISDIR);
    // Renaming a file over a device node would destroy the node.
    if (exists && (S_ISCHR(existing.st_mode) || S_ISBLK(existing.st_mode)))
        return failure(QStringLiteral("Not a regular file"));

    const Temporary temporary = createTemporaryBeside(target, exists);
    if (temporary.descriptor < 0) {
        // A folder that takes no new file (a shared folder) may still hold a file the user may
        // write.
        if (exists && S_ISREG(existing.st_mode) &&
            (temporary.error == EACCES || temporary.error == EPERM))
            return rewriteInPlace(path, target, content);
        return systemFailure(temporary.error);
    }
    Descriptor file(temporary.descriptor);
    const auto discard = [&temporary, &systemFailure](int error) {
        ::unlink(temporary.name.constData());
        return systemFailure(error);
    };
    int error = writeAll(file.get(), content);
    if (error == 0)
        error = syncError(file.get());
    if (error == 0 && exists && ::fchmod(file.get(), existing.st_mode & 07777) != 0)
        error = errno;
    if (const int closeError = file.close(); error == 0)
        error = closeError;
    if (error == 0 && ::rename(temporary.name.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0)
        return discard(error);
    return std::nullopt;
}

} // namespace zorbin
