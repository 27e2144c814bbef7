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

// "Last,First".
[[nodiscard]] QByteArray displayName(const DisplayNameParts& name);

// A listed player's fields apart, as the game wrote them. A line cannot be split back into them: a
// name may itself end in spaces or hold digits, and a long one moves the identity.
struct ReportRow {
    int identity = 0;
    QByteArray name; // "Last,First"; empty when no file names the player
    QByteArray team; // empty when no team had the player in the prior season
};

// The name ("Last,First", or nothing) padded with spaces to 21 characters (a longer name is kept
// whole and widens its line), two spaces, the identity, one space, the team name.
[[nodiscard]] QByteArray reportLine(const std::optional<DisplayNameParts>& name, int identity,
                                    QByteArrayView team);

} // namespace zorbin
