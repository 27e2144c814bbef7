// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace zorbin::test {

// Ends the test process with a message when the guarded scope has not finished in time, so a read
// that blocks (a FIFO, a device) fails the test at once instead of stalling the whole test run.
class HangWatchdog {
public:
    HangWatchdog(std::string what, std::chrono::seconds limit);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;
};

} // namespace zorbin::test
