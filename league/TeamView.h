// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/LeagueHistory.h"

#include <cstdint>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zorbin {

// One team of a league's history season by season, as a manager posts it: who is on its roster,
// who arrived and who left since the season before. A team is its name: its roster in a season is
// the players whose team that season is that name, so a renamed team starts afresh (the history's
// renames() say so).
class TeamView {
public:
    // Rows of the history, so in identity order.
    struct Season {
        QList<qsizetype> roster;
        QList<qsizetype> arrived; // on the roster, not on the one of the season before
        QList<qsizetype> left;    // on the roster of the season before, not on this one
    };

    // The team of `history` whose name, as shown, is `name` exactly; nothing when no season's team
    // file names it.
    [[nodiscard]] static std::optional<TeamView> named(const LeagueHistory& history,
                                                       QStringView name);
    // Up to `most` team names of `history` nearest to `name`, as shown, the nearest first: those
    // that hold it, then by how few letters differ, letter case and accents aside.
    [[nodiscard]] static QStringList closestNames(const LeagueHistory& history, QStringView name,
                                                  qsizetype most = 3);

    [[nodiscard]] std::int32_t team() const { return team_; }
    // One a season of the history; the first season's arrived and left are empty, as it has none
    // before it.
    [[nodiscard]] const QList<Season>& seasons() const { return seasons_; }

private:
    TeamView(const LeagueHistory& history, std::int32_t team);

    std::int32_t team_;
    QList<Season> seasons_;
};

} // namespace zorbin
