// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/IdentityTables.h"

#include <algorithm>
#include <cstring>

namespace zorbin {

namespace {
constexpr std::size_t tableSize = IdentityTables::lastIdentity - IdentityTables::firstIdentity + 1;
} // namespace

IdentityTables::IdentityTables()
    : teamOf_(tableSize, noTeam), inPrior_(tableSize, 0),
      inCurrent_(tableSize, 0), masterName_{std::make_unique_for_overwrite<NameFields[]>(tableSize),
                                            std::vector<std::uint8_t>(tableSize, 0)},
      currentName_{std::make_unique_for_overwrite<NameFields[]>(tableSize),
                   std::vector<std::uint8_t>(tableSize, 0)} {}

DisplayNameParts IdentityTables::NameFields::parts() const {
    const auto text = [this](std::size_t offset, std::size_t width) {
        const auto* field = reinterpret_cast<const char*>(bytes.data() + offset);
        return QByteArrayView(field, static_cast<qsizetype>(qstrnlen(field, width)));
    };
    return DisplayNameParts{text(firstNameWidth, lastNameWidth), text(0, firstNameWidth)};
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
    return teamName(teamOf_[index(identity)]);
}

const QByteArray& IdentityTables::currentTeamOf(int identity) const {
    return teamName(currentTeamOf_.empty() ? noTeam : currentTeamOf_[index(identity)]);
}

std::optional<DisplayNameParts> IdentityTables::reportName(int identity) const {
    for (const NameTable* table : {&masterName_, &currentName_}) {
        if (table->present[index(identity)])
            return table->names[index(identity)].parts();
    }
    return std::nullopt;
}

} // namespace zorbin
