// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <optional>
#include <QByteArray>
#include <QByteArrayView>

namespace zorbin {

// The layout of a report line, wherever one is shown or written: the name left-aligned in a column
// of 21 characters (a longer name is kept whole and widens its line), two spaces, the identity in
// decimal, one space, the team.
namespace reportLayout {
inline constexpr qsizetype nameColumnWidth = 21;
// The spaces between a name of `nameSize` characters and the identity.
[[nodiscard]] constexpr qsizetype spacesAfterName(qsizetype nameSize) {
    return std::max(nameColumnWidth - nameSize, qsizetype{0}) + 2;
}
inline constexpr char afterIdentity = ' ';
} // namespace reportLayout

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
    // Filled only with the moved list: the team that has the player now, empty when none has.
    QByteArray currentTeam = {};
};

// Appends the report line of a player to `out`: the name ("Last,First", or nothing), the identity
// and the team name, laid out as reportLayout says.
void appendReportLine(QByteArray& out, const std::optional<DisplayNameParts>& name, int identity,
                      QByteArrayView team);

} // namespace zorbin
