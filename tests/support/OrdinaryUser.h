// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <linux/capability.h>

namespace zorbin::test {

// While it lives, the calling thread meets file permissions as an ordinary user does, also when the
// tests run as root (as they do in CI): the capabilities that let root pass any permission are
// left out of its effective set, and put back afterwards. The files' owner bits then decide, so a
// folder of mode 0 can't be entered and one of mode 0555 takes no new file.
class OrdinaryUser {
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    __user_cap_data_struct previous_[_LINUX_CAPABILITY_U32S_3]{};
    bool changed_ = false;
};

} // namespace zorbin::test
