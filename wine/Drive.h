// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// One entry of a drive list: a mounted volume, or a drive letter of a Wine prefix.
struct Drive {
    QString label; // what the list shows
    QString root;  // the folder a change to this drive starts from
};

} // namespace zorbin
