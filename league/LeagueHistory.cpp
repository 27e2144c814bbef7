// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueHistory.h"

#include "compare/NameFields.h"
#include "compare/RecordPasses.h"
#include "records/PlayerIdentity.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <QHash>
#include <utility>

namespace zorbin {

namespace {

constexpr std::size_t identityCount = playerIdentity::count;

[[nodiscard]] std::size_t slotOf(int identity) {
    return static_cast<std::size_t>(identity - playerIdentity::first);
}

} // namespace

// Names a player by identity, as the records' name fields, made into display names only for the
// players listed.
class LeagueHistory::NameTable {
public:
    NameTable() : fields_(std::make_unique_for_overwrite<NameFields[]>(identityCount)) {}

    void set(std::size_t at, std::span<const std::uint8_t> fields) {
        fields_[at].assign(fields);
        present_[at] = 1;
    }
    [[nodiscard]] bool has(std::size_t at) const { return present_[at] != 0; }
    // "Last,First" into `out`, which holds NameFields::displayNameMostBytes; its length.
    std::uint8_t displayName(std::size_t at, char* out) const {
        const DisplayNameParts parts = fields_[at].parts();
        char* end = copy(out, parts.lastName);
        *end++ = ',';
        end = copy(end, parts.firstName);
        return static_cast<std::uint8_t>(end - out);
    }

private:
    static char* copy(char* out, QByteArrayView text) {
        if (!text.isEmpty())
            std::memcpy(out, text.data(), static_cast<std::size_t>(text.size()));
        return out + text.size();
    }

    std::unique_ptr<NameFields[]> fields_; // read only where present_ is set
    std::vector<std::uint8_t> present_ = std::vector<std::uint8_t>(identityCount);
};

int LeagueHistory::identity(qsizetype row) const {
    return playerIdentity::first + static_cast<int>(slots_[index(row)]);
}

Result<LeagueHistory> LeagueHistory::read(const QString& masterFile,
                                          const QList<SeasonFolder>& seasons) {
    NameTable masterNames;
    if (auto failure = recordPasses::masterPlayers(
            masterFile, [&masterNames](const MasterPlayerRecord& player) {
                masterNames.set(slotOf(player.identity), player.nameFields());
            }))
        return std::move(*failure);

    // A season that fails is left out and the others read again from the start, so that nothing
    // of it (a team's number, a name) is left behind. That is the rare way: each file is read
    // once when every season can be used.
    QList<SeasonFolder> usable = seasons;
    QList<FileFailure> passedOver;
    for (;;) {
        Result<LeagueHistory, SeasonFailure> history = readSeasons(masterNames, usable);
        if (history) {
            history.value().passedOver_ = std::move(passedOver);
            return std::move(history).value();
        }
        passedOver.append(history.failure().cause);
        usable.removeAt(history.failure().season);
    }
}

Result<LeagueHistory, LeagueHistory::SeasonFailure>
LeagueHistory::readSeasons(const NameTable& masterNames, const QList<SeasonFolder>& seasons) {
    LeagueHistory history;
    history.columnSize_ = identityCount;
    // Later seasons overwrite earlier ones, so each name left is the latest season's.
    NameTable seasonNames;
    QHash<QByteArray, std::int32_t> teamNumbers;
    std::vector<std::int32_t> roster(identityCount);
    // Whether any season holds the identity: a row of the history.
    std::vector<std::uint8_t> held(identityCount);
    // Players a team had each season, by team number, this season and the one before.
    std::vector<int> sizes;
    std::vector<int> sizesBefore;
    QHash<std::pair<std::int32_t, std::int32_t>, int> moves;
    std::vector<std::int32_t>& columns = history.columns_;
    columns.reserve(static_cast<std::size_t>(seasons.size()) * identityCount);
    for (qsizetype at = 0; at < seasons.size(); ++at) {
        const SeasonFolder& season = seasons[at];
        std::fill(roster.begin(), roster.end(), noTeam);
        const auto number = [&](QByteArray name) {
            auto found = teamNumbers.constFind(name);
            if (found == teamNumbers.cend()) {
                found = teamNumbers.insert(name, static_cast<std::int32_t>(history.teamCount()));
                history.teamNames_.append(std::move(name));
            }
            return *found;
        };
        std::optional<FileFailure> failure = recordPasses::teams(
            season.teamFile, number,
            [&roster](int identity, std::int32_t team) { roster[slotOf(identity)] = team; });
        if (failure && !failure->missing)
            return SeasonFailure{at, std::move(*failure)};
        if (failure)
            history.missingTeamFiles_.append(std::move(*failure));

        columns.resize(columns.size() + identityCount, absent);
        std::int32_t* column = columns.data() + columns.size() - identityCount;
        const std::int32_t* before = history.counts_.isEmpty() ? nullptr : column - identityCount;
        // Counted as the records come, against the season before: no pass of its own.
        SeasonCounts counts;
        int stayed = 0;
        sizes.assign(static_cast<std::size_t>(history.teamCount()), 0);
        moves.clear();
        failure = recordPasses::players(season.playerFile, [&](const PlayerRecord& player) {
            const std::size_t slot = slotOf(player.identity);
            // A second record of the same player in one file is the same player.
            if (column[slot] == absent) {
                ++counts.players;
                const std::int32_t team = roster[slot];
                if (team >= 0)
                    ++sizes[static_cast<std::size_t>(team)];
                if (before && before[slot] == absent) {
                    ++counts.arrived;
                } else if (before && before[slot] != team) {
                    ++stayed;
                    ++counts.moved;
                    // Only a move from a team to a team can be a rename's.
                    if (before[slot] >= 0 && team >= 0)
                        ++moves[{before[slot], team}];
                } else if (before) {
                    ++stayed;
                }
            }
            column[slot] = roster[slot];
            held[slot] = 1;
            // Most players have a master name, and their records are most of the file.
            if (!masterNames.has(slot))
                seasonNames.set(slot, player.nameFields());
        });
        if (failure)
            return SeasonFailure{at, std::move(*failure)};
        if (before)
            counts.left = history.counts_.constLast().players - stayed;
        history.counts_.append(counts);
        if (before)
            history.addRenames(sizesBefore, sizes, moves);
        std::swap(sizes, sizesBefore);
        history.seasonNames_.append(season.name);
    }

    static_assert(sizeof(Name::bytes) == NameFields::displayNameMostBytes);
    const auto rows = static_cast<std::size_t>(std::count(held.begin(), held.end(), 1));
    history.slots_.reserve(rows);
    history.names_.reserve(rows);
    for (std::size_t at = 0; at < identityCount; ++at) {
        if (!held[at])
            continue;
        history.slots_.push_back(at);
        Name& name = history.names_.emplace_back();
        name.size =
            (masterNames.has(at) ? masterNames : seasonNames).displayName(at, name.bytes.data());
    }
    return history;
}

void LeagueHistory::addRenames(const std::vector<int>& before, const std::vector<int>& now,
                               const QHash<std::pair<std::int32_t, std::int32_t>, int>& moves) {
    const auto size = [](const std::vector<int>& sizes, std::int32_t team) {
        const auto at = static_cast<std::size_t>(team);
        return at < sizes.size() ? sizes[at] : 0;
    };
    const qsizetype season = counts_.size() - 1;
    const qsizetype first = renames_.size();
    for (auto move = moves.cbegin(); move != moves.cend(); ++move) {
        const auto [from, to] = move.key();
        const int of = size(before, from);
        // More than half of the old roster: no other new name can carry as many.
        if (size(now, from) == 0 && size(before, to) == 0 && 2 * move.value() > of) {
            renames_.append({season, from, to, move.value(), of});
            counts_.back().renamed += move.value();
        }
    }
    std::sort(renames_.begin() + first, renames_.end(), [this](const Rename& a, const Rename& b) {
        return teamNames_[a.from] < teamNames_[b.from];
    });
}

} // namespace zorbin
