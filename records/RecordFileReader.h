// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <QString>
#include <span>

namespace zorbin {

// Delivers the fixed-length records of one file in file order, each exactly once. A trailing
// partial record is delivered padded with zero bytes to full length, so a truncated last record
// still counts. Only regular files are read: a folder, FIFO or device fails on open instead of
// blocking or streaming forever.
class RecordFileReader {
public:
    // Records are read in batches of about this size: large enough that the system call cost
    // vanishes against the copy, small enough that the batch and the run's tables stay in cache.
    static constexpr std::size_t bufferTargetBytes = 128 * 1024;

    RecordFileReader(QString path, std::size_t recordLength);
    ~RecordFileReader();
    RecordFileReader(const RecordFileReader&) = delete;
    RecordFileReader& operator=(const RecordFileReader&) = delete;

    // Nothing of that name (found without regard to letter case) gives a failure marked missing;
    // nothing is ever created.
    [[nodiscard]] std::optional<FileFailure> open();
    // The next record, or nothing at the end of the file or after a failure (see failure()).
    [[nodiscard]] std::optional<std::span<const std::uint8_t>> nextRecord() {
        if (position_ >= bufferedBytes_ && (descriptor_ < 0 || endOfFile_ || !fillBuffer()))
            return std::nullopt;
        const std::span<const std::uint8_t> record(buffer_.get() + position_, recordLength_);
        position_ += recordLength_;
        return record;
    }
    void close();

    [[nodiscard]] const std::optional<FileFailure>& failure() const { return failure_; }

private:
    bool fillBuffer();
    std::optional<FileFailure> missing(int errorNumber);
    void fail(int errorNumber);

    QString path_;
    std::size_t recordLength_;
    int descriptor_ = -1;
    // Not zero-filled: only bytes read (or padding written) are ever handed out.
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t bufferSize_ = 0;
    std::size_t bufferedBytes_ = 0;
    std::size_t position_ = 0;
    bool endOfFile_ = false;
    std::optional<FileFailure> failure_;
};

} // namespace zorbin
