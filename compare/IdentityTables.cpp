// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/IdentityTables.h"

namespace zorbin {

std::unique_ptr<IdentityTables::Page> IdentityTables::newPage() {
    auto page = std::make_unique_for_overwrite<Page>();
    page->teamOf.fill(noTeam);
    page->currentTeamOf.fill(noTeam);
    page->inPrior.fill(0);
    page->inCurrent.fill(0);
    page->masterPresent.fill(0);
    page->currentPresent.fill(0);
    return page;
}

void IdentityTables::forgetTeams() {
    for (const std::unique_ptr<Page>& page : pages_) {
        if (page)
            page->teamOf.fill(noTeam);
    }
}

void IdentityTables::forgetMasterNames() {
    for (const std::unique_ptr<Page>& page : pages_) {
        if (page)
            page->masterPresent.fill(0);
    }
}

int IdentityTables::addTeam(QByteArray displayName) {
    teamNames_.append(std::move(displayName));
    return static_cast<int>(teamNames_.size() - 1);
}

const QByteArray& IdentityTables::teamName(std::int32_t team) const {
    static const QByteArray none;
    return team == noTeam ? none : teamNames_[team];
}

const QByteArray& IdentityTables::teamOf(int identity) const {
    const Page* page = pageAt(identity);
    return teamName(page ? page->teamOf[slot(identity)] : noTeam);
}

const QByteArray& IdentityTables::currentTeamOf(int identity) const {
    const Page* page = hasCurrentTeams_ ? pageAt(identity) : nullptr;
    return teamName(page ? page->currentTeamOf[slot(identity)] : noTeam);
}

std::optional<DisplayNameParts> IdentityTables::reportName(int identity) const {
    const Page* page = pageAt(identity);
    if (!page)
        return std::nullopt;
    const std::size_t at = slot(identity);
    if (page->masterPresent[at])
        return page->masterNames[at].parts();
    if (page->currentPresent[at])
        return page->currentNames[at].parts();
    return std::nullopt;
}

} // namespace zorbin
