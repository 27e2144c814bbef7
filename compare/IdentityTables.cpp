#include "compare/IdentityTables.h"

#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"

#include <algorithm>
#include <cstring>

namespace zorbin {

namespace {
constexpr std::size_t tableSize = IdentityTables::lastIdentity - IdentityTables::firstIdentity + 1;
constexpr std::int32_t noTeam = -1;
} // namespace

IdentityTables::IdentityTables()
    : teamOf_(tableSize, noTeam), inPrior_(tableSize, 0),
      inCurrent_(tableSize, 0), masterName_{std::make_unique_for_overwrite<NameFields[]>(tableSize),
                                            std::vector<std::uint8_t>(tableSize, 0)},
      currentName_{std::make_unique_for_overwrite<NameFields[]>(tableSize),
                   std::vector<std::uint8_t>(tableSize, 0)} {}

void IdentityTables::NameFields::assign(std::span<const std::uint8_t> fields) {
    if (fields.size() == bytes.size()) {
        std::memcpy(bytes.data(), fields.data(), bytes.size());
        return;
    }
    bytes.fill(0);
    std::copy_n(fields.begin(), std::min(fields.size(), bytes.size()), bytes.begin());
}

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

void IdentityTables::assignTeam(int identity, int team) {
    if (inRange(identity))
        teamOf_[index(identity)] = team;
}

void IdentityTables::markPrior(int identity) {
    if (inRange(identity))
        inPrior_[index(identity)] = 1;
}

void IdentityTables::markCurrent(const PlayerRecord& player) {
    if (!inRange(player.identity))
        return;
    inCurrent_[index(player.identity)] = 1;
    currentName_.names[index(player.identity)].assign(player.nameFields());
    currentName_.present[index(player.identity)] = 1;
}

void IdentityTables::setMasterName(const MasterPlayerRecord& player) {
    if (!inRange(player.identity))
        return;
    masterName_.names[index(player.identity)].assign(player.nameFields());
    masterName_.present[index(player.identity)] = 1;
}

QByteArrayView IdentityTables::teamOf(int identity) const {
    const std::int32_t team = teamOf_[index(identity)];
    return team == noTeam ? QByteArrayView() : QByteArrayView(teamNames_[team]);
}

std::optional<DisplayNameParts> IdentityTables::reportName(int identity) const {
    for (const NameTable* table : {&masterName_, &currentName_}) {
        if (table->present[index(identity)])
            return table->names[index(identity)].parts();
    }
    return std::nullopt;
}

} // namespace zorbin
