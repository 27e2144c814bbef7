// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArray>
#include <QByteArrayView>

namespace zorbin {

// A display name still in its two parts ("Last" and "First"), so that a line can be built in one
// allocation without an intermediate name string.
struct DisplayNameParts {
    QByteArrayView lastName;
    QByteArrayView firstName;
};

// The name ("Last,First", or nothing) padded with spaces to 21 characters (a longer name is kept
// whole and widens its line), two spaces, the identity, one space, the team name.
[[nodiscard]] QByteArray reportLine(const std::optional<DisplayNameParts>& name, int identity,
                                    QByteArrayView team);

} // namespace zorbin
