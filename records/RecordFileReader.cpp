// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordFileReader.h"

#include "files/CaseInsensitivePath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbin {

RecordFileReader::RecordFileReader(QString path, std::size_t recordLength)
    : path_(std::move(path)), recordLength_(std::max<std::size_t>(recordLength, 1)) {}

RecordFileReader::~RecordFileReader() {
    close();
}

std::optional<FileFailure> RecordFileReader::missing(int errorNumber) {
    // A folder that barred the case-blind search hides whether the file is there: its reason is
    // the true one.
    failure_ = caseInsensitivePath::lookupFailure(path_, QStringLiteral("read"));
    if (!failure_ || failure_->missing)
        failure_ = FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(path_),
                               qt_error_string(errorNumber), true};
    return failure_;
}

void RecordFileReader::fail(int errorNumber) {
    failure_ = FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(path_),
                           qt_error_string(errorNumber)};
    close();
}

std::optional<FileFailure> RecordFileReader::open() {
    close();
    failure_.reset();
    endOfFile_ = false;
    bufferedBytes_ = position_ = 0;
    if (path_.isEmpty())
        return missing(ENOENT);
    const QByteArray name = QFile::encodeName(caseInsensitivePath::resolve(path_));
    // Non-blocking so that a FIFO cannot hold the open; the type check below rejects it.
    descriptor_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return missing(error);
        fail(error);
        return failure_;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        fail(errno);
        return failure_;
    }
    if (S_ISDIR(status.st_mode)) {
        fail(EISDIR);
        return failure_;
    }
    if (!S_ISREG(status.st_mode)) {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        ::close(descriptor);
        failure_ = FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(path_),
                               QStringLiteral("Not a regular file")};
        return failure_;
    }
    const int flags = ::fcntl(descriptor_, F_GETFL);
    if (flags >= 0)
        ::fcntl(descriptor_, F_SETFL, flags & ~O_NONBLOCK);
    ::posix_fadvise(descriptor_, 0, 0, POSIX_FADV_SEQUENTIAL);
    const std::size_t recordsPerBuffer =
        std::max<std::size_t>(bufferTargetBytes / recordLength_, 1);
    if (bufferSize_ != recordsPerBuffer * recordLength_) {
        bufferSize_ = recordsPerBuffer * recordLength_;
        buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(bufferSize_);
    }
    return std::nullopt;
}

bool RecordFileReader::fillBuffer() {
    bufferedBytes_ = 0;
    position_ = 0;
    while (bufferedBytes_ < bufferSize_) {
        const ssize_t count =
            ::read(descriptor_, buffer_.get() + bufferedBytes_, bufferSize_ - bufferedBytes_);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            return false;
        }
        if (count == 0) {
            endOfFile_ = true;
            break;
        }
        bufferedBytes_ += static_cast<std::size_t>(count);
    }
    if (const std::size_t partial = bufferedBytes_ % recordLength_; partial != 0) {
        // Only the end of the file can leave a partial record, since the buffer holds whole ones.
        std::memset(buffer_.get() + bufferedBytes_, 0, recordLength_ - partial);
        bufferedBytes_ += recordLength_ - partial;
    }
    return bufferedBytes_ > 0;
}

void RecordFileReader::close() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
}

} // namespace zorbin
