#pragma once

#include <array>
#include <cstdint>
#include <QByteArray>
#include <QList>
#include <span>
#include <vector>

namespace zorbin {

class PlayerRecord;
class MasterPlayerRecord;

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

    // Teams are numbered in the order they are added; a later assignment overwrites an earlier one.
    [[nodiscard]] int addTeam(QByteArray displayName);
    void assignTeam(int identity, int team);
    void markPrior(int identity);
    void markCurrent(const PlayerRecord& player);
    void setMasterName(const MasterPlayerRecord& player);

    [[nodiscard]] bool inPrior(int identity) const { return inPrior_[index(identity)] != 0; }
    [[nodiscard]] bool inCurrent(int identity) const { return inCurrent_[index(identity)] != 0; }
    // The team that held the identity in the prior season; empty when none did.
    [[nodiscard]] QByteArray teamOf(int identity) const;
    // The master name when there is one, else the current season's name, else empty. A master name
    // is never empty once set: a display name always holds its comma.
    [[nodiscard]] QByteArray reportName(int identity) const;

private:
    struct NameFields {
        std::array<std::uint8_t, 16> lastName{};
        std::array<std::uint8_t, 14> firstName{};
        bool present = false;

        void assign(std::span<const std::uint8_t> last, std::span<const std::uint8_t> first);
        [[nodiscard]] QByteArray displayName() const;
    };

    [[nodiscard]] static std::size_t index(int identity) {
        return static_cast<std::size_t>(identity - firstIdentity);
    }

    QList<QByteArray> teamNames_;
    std::vector<std::int32_t> teamOf_;
    std::vector<std::uint8_t> inPrior_;
    std::vector<std::uint8_t> inCurrent_;
    std::vector<NameFields> masterName_;
    std::vector<NameFields> currentName_;
};

} // namespace zorbin
