// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/TeamView.h"

#include "files/Windows1252.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace zorbin {

namespace {

// What a reader means by a name: "goteborg" for "Göteborg", letter case and accents aside.
QString folded(QStringView text) {
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar character : decomposed) {
        if (character.category() != QChar::Mark_NonSpacing)
            out += character.toCaseFolded();
    }
    return out;
}

// The letters to change, insert or remove to make one text the other.
qsizetype editDistance(QStringView a, QStringView b) {
    std::vector<qsizetype> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<qsizetype>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const qsizetype above = row[at];
            row[at] = std::min({above + 1, row[at - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

TeamView::TeamView(const LeagueHistory& history, std::int32_t team) : team_(team) {
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        Season& now = seasons_.emplace_back();
        for (qsizetype row = 0; row < history.playerCount(); ++row) {
            if (history.team(row, season) == team)
                now.roster.append(row);
        }
        if (season == 0)
            continue;
        const QList<qsizetype>& before = seasons_[season - 1].roster;
        std::set_difference(now.roster.cbegin(), now.roster.cend(), before.cbegin(), before.cend(),
                            std::back_inserter(now.arrived));
        std::set_difference(before.cbegin(), before.cend(), now.roster.cbegin(), now.roster.cend(),
                            std::back_inserter(now.left));
    }
}

std::optional<TeamView> TeamView::named(const LeagueHistory& history, QStringView name) {
    for (std::int32_t team = 0; team < history.teamCount(); ++team) {
        if (windows1252::decode(history.teamName(team)) == name)
            return TeamView(history, team);
    }
    return std::nullopt;
}

QStringList TeamView::closestNames(const LeagueHistory& history, QStringView name, qsizetype most) {
    const QString wanted = folded(name);
    struct Candidate {
        bool holds;
        qsizetype distance;
        QString name;
    };
    std::vector<Candidate> candidates;
    for (std::int32_t team = 0; team < history.teamCount(); ++team) {
        QString shown = windows1252::decode(history.teamName(team));
        const QString key = folded(shown);
        candidates.push_back({key.contains(wanted), editDistance(wanted, key), std::move(shown)});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.holds != b.holds)
            return a.holds;
        return a.distance != b.distance ? a.distance < b.distance : a.name < b.name;
    });
    QStringList names;
    for (std::size_t at = 0; at < candidates.size() && names.size() < most; ++at)
        names.append(candidates[at].name);
    return names;
}

} // namespace zorbin
