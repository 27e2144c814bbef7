// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HangWatchdog.h"

#include <cstdio>
#include <cstdlib>

namespace zorbin::test {

HangWatchdog::HangWatchdog(std::string what, std::chrono::seconds limit)
    : watcher_([this, what = std::move(what), limit] {
          std::unique_lock lock(mutex_);
          if (!finished_.wait_for(lock, limit, [this] { return done_; })) {
              std::fprintf(stderr, "%s did not finish within %lld s: it hangs\n", what.c_str(),
                           static_cast<long long>(limit.count()));
              std::fflush(stderr);
              std::_Exit(EXIT_FAILURE);
          }
      }) {}

HangWatchdog::~HangWatchdog() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    watcher_.join();
}

} // namespace zorbin::test
