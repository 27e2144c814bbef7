// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/ReportLine.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <span>
#include <vector>

namespace zorbin {

// The run's tables, indexed directly by player identity from 10000 to 40000. Names are kept as the
// records' raw name fields and turned into display names only for the identities that get listed,
// so a pass over 100,000 records copies bytes instead of building strings.
class IdentityTables {
public:
    static constexpr int firstIdentity = 10000;
    static constexpr int lastIdentity = 40000;

    IdentityTables();

    [[nodiscard]] static bool inRange(int identity) {
        return identity >= firstIdentity && identity <= lastIdentity;
    }

    // Teams of both seasons are numbered in the order they are added; a later assignment overwrites
    // an earlier one.
    [[nodiscard]] int addTeam(QByteArray displayName);
    // These run once a record and are kept inline for that reason.
    void assignTeam(int identity, int team) {
        if (inRange(identity))
            teamOf_[index(identity)] = team;
    }
    void assignCurrentTeam(int identity, int team) {
        if (!inRange(identity))
            return;
        // Only the moved list reads it, so only its runs pay for the table.
        if (currentTeamOf_.empty())
            currentTeamOf_.assign(teamOf_.size(), noTeam);
        currentTeamOf_[index(identity)] = team;
    }
    void markPrior(int identity) {
        if (inRange(identity))
            inPrior_[index(identity)] = 1;
    }
    // With the master names already read, a current-season name that one of them would hide is
    // not kept: most players have a master name, and their records are most of the file.
    void markCurrent(const PlayerRecord& player) {
        if (!inRange(player.identity))
            return;
        const std::size_t at = index(player.identity);
        inCurrent_[at] = 1;
        if (!masterName_.present[at])
            currentName_.set(at, player.nameFields());
    }
    void setMasterName(const MasterPlayerRecord& player) {
        if (inRange(player.identity))
            masterName_.set(index(player.identity), player.nameFields());
    }
    // A team file that fails part way gives no teams at all rather than some.
    void forgetTeams() { std::fill(teamOf_.begin(), teamOf_.end(), noTeam); }
    // A master file that fails part way gives no names at all rather than some.
    void forgetMasterNames() {
        std::fill(masterName_.present.begin(), masterName_.present.end(), 0);
    }

    [[nodiscard]] bool inPrior(int identity) const { return inPrior_[index(identity)] != 0; }
    [[nodiscard]] bool inCurrent(int identity) const { return inCurrent_[index(identity)] != 0; }
    // The team that held the identity in the prior season; empty when none did. A copy shares the
    // name's bytes, so a team's many rows take no allocation each.
    [[nodiscard]] const QByteArray& teamOf(int identity) const;
    // The team that holds the identity in the current season; empty when none does.
    [[nodiscard]] const QByteArray& currentTeamOf(int identity) const;
    // The master name when there is one, else the current season's name, else none. A master name
    // is never empty once set: a display name always holds its comma.
    [[nodiscard]] std::optional<DisplayNameParts> reportName(int identity) const;

private:
    // The first-name and last-name fields as they lie in both player layouts: side by side.
    struct NameFields {
        static constexpr std::size_t firstNameWidth = PlayerRecord::firstNameField.width;
        static constexpr std::size_t lastNameWidth = PlayerRecord::lastNameField.width;
        static_assert(firstNameWidth == MasterPlayerRecord::firstNameField.width &&
                      lastNameWidth == MasterPlayerRecord::lastNameField.width);
        std::array<std::uint8_t, firstNameWidth + lastNameWidth> bytes;

        // `fields` is a record's first-name field followed by its last-name field.
        void assign(std::span<const std::uint8_t> fields) {
            if (fields.size() == bytes.size()) {
                std::memcpy(bytes.data(), fields.data(), bytes.size());
                return;
            }
            bytes.fill(0);
            std::copy_n(fields.begin(), std::min(fields.size(), bytes.size()), bytes.begin());
        }
        [[nodiscard]] DisplayNameParts parts() const;
    };
    // A name table: entries are only read where `present` is set, so they start uninitialised.
    struct NameTable {
        std::unique_ptr<NameFields[]> names;
        std::vector<std::uint8_t> present;

        void set(std::size_t at, std::span<const std::uint8_t> fields) {
            names[at].assign(fields);
            present[at] = 1;
        }
    };

    [[nodiscard]] static std::size_t index(int identity) {
        return static_cast<std::size_t>(identity - firstIdentity);
    }

    static constexpr std::int32_t noTeam = -1;

    [[nodiscard]] const QByteArray& teamName(std::int32_t team) const;

    QList<QByteArray> teamNames_;
    std::vector<std::int32_t> teamOf_;
    std::vector<std::int32_t> currentTeamOf_; // empty until a current team is assigned
    std::vector<std::uint8_t> inPrior_;
    std::vector<std::uint8_t> inCurrent_;
    NameTable masterName_;
    NameTable currentName_;
};

} // namespace zorbin
