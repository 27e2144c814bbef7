#include "compare/IdentityTables.h"

#include "records/FieldText.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"

#include <algorithm>

namespace zorbin {

namespace {
constexpr std::size_t tableSize = IdentityTables::lastIdentity - IdentityTables::firstIdentity + 1;
constexpr std::int32_t noTeam = -1;
} // namespace

IdentityTables::IdentityTables()
    : teamOf_(tableSize, noTeam), inPrior_(tableSize, 0), inCurrent_(tableSize, 0),
      masterName_(tableSize), currentName_(tableSize) {}

void IdentityTables::NameFields::assign(std::span<const std::uint8_t> last,
                                        std::span<const std::uint8_t> first) {
    lastName.fill(0);
    firstName.fill(0);
    std::copy_n(last.begin(), std::min(last.size(), lastName.size()), lastName.begin());
    std::copy_n(first.begin(), std::min(first.size(), firstName.size()), firstName.begin());
    present = true;
}

QByteArray IdentityTables::NameFields::displayName() const {
    if (!present)
        return {};
    return playerDisplayName(lastName, firstName);
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
    currentName_[index(player.identity)].assign(player.lastName, player.firstName);
}

void IdentityTables::setMasterName(const MasterPlayerRecord& player) {
    if (inRange(player.identity))
        masterName_[index(player.identity)].assign(player.lastName, player.firstName);
}

QByteArray IdentityTables::teamOf(int identity) const {
    const std::int32_t team = teamOf_[index(identity)];
    return team == noTeam ? QByteArray() : teamNames_[team];
}

QByteArray IdentityTables::reportName(int identity) const {
    const NameFields& master = masterName_[index(identity)];
    return master.present ? master.displayName() : currentName_[index(identity)].displayName();
}

} // namespace zorbin
