// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "league/SeasonFolders.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zorbin {

// Every player of a league's seasons with his team in each, as the game's files have it: a row a
// player who is in at least one season's player file, in identity order, with the name from the
// master file or else from the latest season that holds him. Names and teams stay the game's
// bytes. A player's team in a season is read as the comparison reads it: the last accepted team of
// that season's team file whose roster holds him. The league context reads it (see
// LeagueContext::history); the tools print it through these accessors.
class LeagueHistory {
public:
    // What a season holds for a player instead of a team number.
    static constexpr std::int32_t absent = -2; // its player file does not hold him
    static constexpr std::int32_t noTeam = -1; // it does, but no roster holds him

    // A season against the one before it; the first season has none to be counted against.
    struct SeasonCounts {
        int players = 0;
        int left = 0;    // in the season before, not in this one
        int arrived = 0; // in this season, not in the one before
        int moved = 0;   // in both, on a team of another name (or on none) in one of them
        int renamed = 0; // of those moved, the ones a rename of their team explains
    };

    // A team name on no roster in `season` whose roster of the season before has more than half
    // its players on one team name that is new in `season` (on no roster the season before): the
    // same team under another name. Its players who went along moved only by name.
    struct Rename {
        qsizetype season;
        std::int32_t from;
        std::int32_t to;
        int carried; // players of the old roster on the new name
        int of;      // players of the old roster, the season before
    };

    // Reads the master file, then each season's team file and player file, every file once and in
    // the order given. A season whose team file is missing has no teams, and is listed in
    // missingTeamFiles(); one whose team file is empty, or whose team or player file can't be
    // read, is left out, and the reason listed in passedOver(). A master file that can't be read
    // is the failure.
    [[nodiscard]] static Result<LeagueHistory> read(const QString& masterFile,
                                                    const QList<SeasonFolder>& seasons);

    [[nodiscard]] const QStringList& seasonNames() const { return seasonNames_; }
    [[nodiscard]] qsizetype seasonCount() const { return seasonNames_.size(); }
    [[nodiscard]] qsizetype playerCount() const { return static_cast<qsizetype>(slots_.size()); }
    [[nodiscard]] int identity(qsizetype row) const;
    // "Last,First", as the game's bytes.
    [[nodiscard]] QByteArrayView name(qsizetype row) const { return names_[index(row)].view(); }
    // absent, noTeam or the number of the team for teamName().
    [[nodiscard]] std::int32_t team(qsizetype row, qsizetype season) const {
        return columns_[index(season) * columnSize_ + slots_[index(row)]];
    }
    // Numbers stand for names, the same name for the same number in every season: a team is known
    // by its name alone, so a renamed team is another team.
    [[nodiscard]] const QByteArray& teamName(std::int32_t team) const { return teamNames_[team]; }
    [[nodiscard]] qsizetype teamCount() const { return teamNames_.size(); }
    // One a season; the first season's left, arrived, moved and renamed are 0.
    [[nodiscard]] const QList<SeasonCounts>& counts() const { return counts_; }
    // In season order, a season's by the old name as the game's bytes order it.
    [[nodiscard]] const QList<Rename>& renames() const { return renames_; }
    [[nodiscard]] const QList<FileFailure>& missingTeamFiles() const { return missingTeamFiles_; }
    [[nodiscard]] const QList<FileFailure>& passedOver() const { return passedOver_; }

private:
    class NameTable;
    // A season that could not be read, by its place in the seasons read, and why.
    struct SeasonFailure {
        qsizetype season;
        FileFailure cause;
    };

    LeagueHistory() = default;

    // The seasons as read with the master names `masterNames`; the first season that can't be used
    // is the failure, before the history holds anything of it.
    [[nodiscard]] static Result<LeagueHistory, SeasonFailure>
    readSeasons(const NameTable& masterNames, const QList<SeasonFolder>& seasons);

    [[nodiscard]] static std::size_t index(qsizetype at) { return static_cast<std::size_t>(at); }

    // The renames into the season just read, whose team sizes are `now` against `before`, from
    // the players who moved from a team to another, counted by (old team, new team).
    void addRenames(const std::vector<int>& before, const std::vector<int>& now,
                    const QHash<std::pair<std::int32_t, std::int32_t>, int>& moves);

    QStringList seasonNames_;
    std::vector<std::size_t> slots_; // a row's identity, less the first identity
    // A display name held in place: a row needs no allocation of its own.
    struct Name {
        std::array<char, 31> bytes; // a last name of 16, the comma, a first name of 14
        std::uint8_t size;

        [[nodiscard]] QByteArrayView view() const { return {bytes.data(), size}; }
    };
    std::vector<Name> names_;
    // A column a season, indexed by identity, as read: the rows look their cells up there, so the
    // table is never copied over into rows.
    std::vector<std::int32_t> columns_;
    std::size_t columnSize_ = 0; // an entry an identity
    QList<QByteArray> teamNames_;
    QList<SeasonCounts> counts_;
    QList<Rename> renames_;
    QList<FileFailure> missingTeamFiles_;
    QList<FileFailure> passedOver_;
};

} // namespace zorbin
