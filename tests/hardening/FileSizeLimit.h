// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/resource.h>

namespace zorbin::test {

// Lets files grow only to a given size while it lives; a write beyond fails with EFBIG. To a writer
// this looks like a disk that fills up mid-write, without filling a disk for the whole machine.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
    bool active_ = false;
};

} // namespace zorbin::test
