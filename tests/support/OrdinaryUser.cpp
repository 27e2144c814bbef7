// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/OrdinaryUser.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zorbin::test {

namespace {

// Capabilities are a thread's own; the raw calls change only the calling thread's, which is the
// one whose file accesses are under test.
bool capabilities(__user_cap_data_struct* data, bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

OrdinaryUser::OrdinaryUser() {
    if (!capabilities(previous_, false)) {
        ADD_FAILURE() << "capget failed";
        return;
    }
    __user_cap_data_struct reduced[_LINUX_CAPABILITY_U32S_3];
    std::memcpy(reduced, previous_, sizeof reduced);
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        reduced[CAP_TO_INDEX(capability)].effective &= ~CAP_TO_MASK(capability);
    changed_ = capabilities(reduced, true);
    EXPECT_TRUE(changed_) << "capset failed";
}

OrdinaryUser::~OrdinaryUser() {
    if (changed_) {
        EXPECT_TRUE(capabilities(previous_, true)) << "capset failed";
    }
}

} // namespace zorbin::test
