// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeagueHistory.h"

#include "files/CaseInsensitivePath.h"
#include "files/GameFiles.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/RecordFileReader.h"
#include "records/TeamRecord.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <QHash>
#include <span>
#include <utility>

namespace zorbin {

namespace {

constexpr int firstIdentity = LeagueHistory::firstIdentity;
constexpr std::size_t identitySpan = LeagueHistory::identitySpan;

[[nodiscard]] std::size_t slotOf(int identity) {
    return static_cast<std::size_t>(identity - firstIdentity);
}

// Names a player by identity, kept as the records' two raw name fields and made into display
// names only for the players listed, so a pass over a file copies bytes instead of building
// strings.
class NameTable {
public:
    NameTable() : fields_(std::make_unique_for_overwrite<std::uint8_t[]>(identitySpan * width)) {}

    void set(std::size_t at, std::span<const std::uint8_t> fields) {
        std::uint8_t* entry = fields_.get() + at * width;
        std::memset(entry, 0, width);
        std::memcpy(entry, fields.data(), std::min(fields.size(), width));
        present_[at] = 1;
    }
    [[nodiscard]] bool has(std::size_t at) const { return present_[at] != 0; }
    // "Last,First" into `out`, which holds 31 bytes; its length.
    std::uint8_t displayName(std::size_t at, char* out) const {
        const std::span<const std::uint8_t> entry(fields_.get() + at * width, width);
        char* end = appendFieldText(out, entry.subspan(firstWidth));
        *end++ = ',';
        end = appendFieldText(end, entry.first(firstWidth));
        return static_cast<std::uint8_t>(end - out);
    }

private:
    // The field's text, as fieldText() has it, copied to `out`; where it ends.
    static char* appendFieldText(char* out, std::span<const std::uint8_t> field) {
        const void* nul = std::memchr(field.data(), 0, field.size());
        const std::size_t size =
            nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - field.data())
                : field.size();
        std::memcpy(out, field.data(), size);
        return out + size;
    }

    // The first-name field, then the last-name field, as both player layouts have them.
    static constexpr std::size_t firstWidth = PlayerRecord::firstNameField.width;
    static constexpr std::size_t width = firstWidth + PlayerRecord::lastNameField.width;
    static_assert(firstWidth == MasterPlayerRecord::firstNameField.width &&
                  width - firstWidth == MasterPlayerRecord::lastNameField.width);

    std::unique_ptr<std::uint8_t[]> fields_; // read only where present_ is set
    std::vector<std::uint8_t> present_ = std::vector<std::uint8_t>(identitySpan);
};

// Hands every record of a file to `take`; the failure when the file can't be opened or read.
template <typename Take>
std::optional<FileFailure> readRecords(const QString& path, std::size_t length, Take take) {
    RecordFileReader reader(path, length);
    if (auto failure = reader.open())
        return failure;
    while (const auto record = reader.nextRecord())
        take(*record);
    return reader.failure();
}

} // namespace

Result<LeagueHistory> LeagueHistory::read(const QString& masterFile,
                                          const QList<SeasonFolder>& seasons) {
    NameTable masterNames;
    if (auto failure =
            readRecords(masterFile, MasterPlayerRecord::length, [&masterNames](auto record) {
                const MasterPlayerRecord player = MasterPlayerRecord::decode(record);
                if (player.accepted())
                    masterNames.set(slotOf(player.identity), player.nameFields());
            }))
        return std::move(*failure);

    LeagueHistory history;
    // Later seasons overwrite earlier ones, so each name left is the latest season's.
    NameTable seasonNames;
    QHash<QByteArray, std::int32_t> teamNumbers;
    std::vector<std::int32_t> roster(identitySpan);
    // Whether any season holds the identity: a row of the history.
    std::vector<std::uint8_t> held(identitySpan);
    std::vector<std::int32_t>& columns = history.columns_;
    columns.reserve(static_cast<std::size_t>(seasons.size()) * identitySpan);
    for (const SeasonFolder& season : seasons) {
        history.seasonNames_.append(season.name);
        std::fill(roster.begin(), roster.end(), noTeam);
        const auto takeTeam = [&](auto record) {
            const TeamRecord team = TeamRecord::decode(record);
            if (!team.accepted())
                return;
            const QByteArray name = team.displayName();
            auto number = teamNumbers.constFind(name);
            if (number == teamNumbers.cend()) {
                number = teamNumbers.insert(name, static_cast<std::int32_t>(history.teamCount()));
                history.teamNames_.append(name);
            }
            // A later team overwrites an earlier one; slots below 10000 name no player.
            for (int slot = 0; slot < TeamRecord::rosterSlots; ++slot) {
                if (const int identity = team.rosterSlot(slot); identity >= firstIdentity)
                    roster[slotOf(identity)] = *number;
            }
        };
        std::optional<FileFailure> failure =
            season.teamFile.isEmpty()
                ? FileFailure{QStringLiteral("read"),
                              caseInsensitivePath::absolute(season.folder + QLatin1Char('/') +
                                                            gameFiles::team),
                              qt_error_string(ENOENT), true}
                : readRecords(season.teamFile, TeamRecord::length, takeTeam);
        if (failure && !failure->missing)
            return std::move(*failure);
        if (failure)
            history.missingTeamFiles_.append(std::move(*failure));

        columns.resize(columns.size() + identitySpan, absent);
        std::int32_t* column = columns.data() + columns.size() - identitySpan;
        const std::int32_t* before = history.counts_.isEmpty() ? nullptr : column - identitySpan;
        // Counted as the records come, against the season before: no pass of its own.
        SeasonCounts counts;
        int stayed = 0;
        failure = readRecords(season.playerFile, PlayerRecord::length, [&](auto record) {
            const PlayerRecord player = PlayerRecord::decode(record);
            if (!player.accepted())
                return;
            const std::size_t at = slotOf(player.identity);
            // A second record of the same player in one file is the same player.
            if (column[at] == absent) {
                ++counts.players;
                if (before && before[at] == absent) {
                    ++counts.arrived;
                } else if (before) {
                    ++stayed;
                    counts.moved += before[at] != roster[at];
                }
            }
            column[at] = roster[at];
            held[at] = 1;
            // Most players have a master name, and their records are most of the file.
            if (!masterNames.has(at))
                seasonNames.set(at, player.nameFields());
        });
        if (failure)
            return std::move(*failure);
        if (before)
            counts.left = history.counts_.constLast().players - stayed;
        history.counts_.append(counts);
    }

    static_assert(sizeof(Name::bytes) ==
                  PlayerRecord::lastNameField.width + 1 + PlayerRecord::firstNameField.width);
    const auto rows = static_cast<std::size_t>(std::count(held.begin(), held.end(), 1));
    history.slots_.reserve(rows);
    history.names_.reserve(rows);
    for (std::size_t at = 0; at < identitySpan; ++at) {
        if (!held[at])
            continue;
        history.slots_.push_back(at);
        Name& name = history.names_.emplace_back();
        name.size =
            (masterNames.has(at) ? masterNames : seasonNames).displayName(at, name.bytes.data());
    }

    return history;
}

} // namespace zorbin
