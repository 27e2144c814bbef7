// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/NameFields.h"
#include "compare/ReportLine.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerIdentity.h"
#include "records/PlayerRecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>

namespace zorbin {

// The run's tables, indexed by player identity. Names are kept as the records' raw name fields and
// turned into display names only for the identities that get listed. The identities are held in
// pages made when a record first reaches them: a small league costs a few pages, an empty one none.
class IdentityTables {
public:
    static constexpr int firstIdentity = playerIdentity::first;
    static constexpr int lastIdentity = playerIdentity::last;

    [[nodiscard]] static bool inRange(int identity) { return playerIdentity::isPlayer(identity); }

    // Teams of both seasons are numbered in the order they are added; a later assignment overwrites
    // an earlier one.
    [[nodiscard]] int addTeam(QByteArray displayName);
    // These run once a record and are kept inline for that reason.
    void assignTeam(int identity, int team) {
        if (inRange(identity))
            pageFor(identity).teamOf[slot(identity)] = team;
    }
    void assignCurrentTeam(int identity, int team) {
        if (!inRange(identity))
            return;
        // Only the moved list reads it, so only its runs are told apart from runs without it.
        hasCurrentTeams_ = true;
        pageFor(identity).currentTeamOf[slot(identity)] = team;
    }
    void markPrior(int identity) {
        if (inRange(identity))
            pageFor(identity).inPrior[slot(identity)] = 1;
    }
    // With the master names already read, a current-season name that one of them would hide is
    // not kept: most players have a master name, and their records are most of the file.
    void markCurrent(const PlayerRecord& player) {
        if (!inRange(player.identity))
            return;
        Page& page = pageFor(player.identity);
        const std::size_t at = slot(player.identity);
        page.inCurrent[at] = 1;
        if (!page.masterPresent[at]) {
            page.currentNames[at].assign(player.nameFields());
            page.currentPresent[at] = 1;
        }
    }
    void setMasterName(const MasterPlayerRecord& player) {
        if (!inRange(player.identity))
            return;
        Page& page = pageFor(player.identity);
        page.masterNames[slot(player.identity)].assign(player.nameFields());
        page.masterPresent[slot(player.identity)] = 1;
    }
    // A team file that fails part way gives no teams at all rather than some.
    void forgetTeams();
    // A master file that fails part way gives no names at all rather than some.
    void forgetMasterNames();

    // The first identity from `identity` on that any record reached, or one past lastIdentity:
    // a scan skips the pages no record made.
    [[nodiscard]] int nextReached(int identity) const {
        for (; identity <= lastIdentity; identity = (identity / pageSize + 1) * pageSize) {
            if (identity >= firstIdentity && pages_[pageOf(identity)])
                return identity;
        }
        return lastIdentity + 1;
    }
    [[nodiscard]] bool inPrior(int identity) const {
        const Page* page = pageAt(identity);
        return page && page->inPrior[slot(identity)] != 0;
    }
    [[nodiscard]] bool inCurrent(int identity) const {
        const Page* page = pageAt(identity);
        return page && page->inCurrent[slot(identity)] != 0;
    }
    // The team that held the identity in the prior season; empty when none did. A copy shares the
    // name's bytes, so a team's many rows take no allocation each.
    [[nodiscard]] const QByteArray& teamOf(int identity) const;
    // The team that holds the identity in the current season; empty when none does.
    [[nodiscard]] const QByteArray& currentTeamOf(int identity) const;
    // The master name when there is one, else the current season's name, else none. A master name
    // is never empty once set: a display name always holds its comma.
    [[nodiscard]] std::optional<DisplayNameParts> reportName(int identity) const;

private:
    static constexpr int pageSize = 1024;
    static constexpr std::int32_t noTeam = -1;
    // Every table's entries for pageSize identities. Names are only read where their flag is set,
    // so they start uninitialised.
    struct Page {
        std::array<std::int32_t, pageSize> teamOf;
        std::array<std::int32_t, pageSize> currentTeamOf;
        std::array<std::uint8_t, pageSize> inPrior;
        std::array<std::uint8_t, pageSize> inCurrent;
        std::array<std::uint8_t, pageSize> masterPresent;
        std::array<std::uint8_t, pageSize> currentPresent;
        std::array<NameFields, pageSize> masterNames;
        std::array<NameFields, pageSize> currentNames;
    };

    [[nodiscard]] static std::size_t pageOf(int identity) {
        return static_cast<std::size_t>(identity / pageSize);
    }
    [[nodiscard]] static std::size_t slot(int identity) {
        return static_cast<std::size_t>(identity % pageSize);
    }
    [[nodiscard]] const Page* pageAt(int identity) const { return pages_[pageOf(identity)].get(); }
    [[nodiscard]] Page& pageFor(int identity) {
        std::unique_ptr<Page>& page = pages_[pageOf(identity)];
        if (!page)
            page = newPage();
        return *page;
    }
    [[nodiscard]] static std::unique_ptr<Page> newPage();
    [[nodiscard]] const QByteArray& teamName(std::int32_t team) const;

    QList<QByteArray> teamNames_;
    bool hasCurrentTeams_ = false;
    // Indexed by identity / pageSize, from 0, so that a page's identities share their high bits.
    std::array<std::unique_ptr<Page>, lastIdentity / pageSize + 1> pages_;
};

} // namespace zorbin
