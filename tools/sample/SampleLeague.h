// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LeagueFileWriter.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <vector>

namespace zorbin::sample {

// A made-up QEL league of two seasons that looks like a real one: about 30 teams of 20 to 30
// players whose names carry the accented Windows-1252 letters the game writes as single bytes,
// about one player in eight leaving and one in eight arriving. It also holds what real leagues
// hold and a comparison must cope with: players missing from the master file, players on no
// roster, stale records (status not 0) in every file, and a display name longer than the 21
// characters of the name column. Between the two team files, players are traded, released and
// signed, and one team is renamed. The same seed always gives the same league, byte for byte.
class SampleLeague {
public:
    static constexpr std::uint32_t defaultSeed = 2011;

    explicit SampleLeague(std::uint32_t seed = defaultSeed);

    [[nodiscard]] std::uint32_t seed() const { return seed_; }

    // Records in file order, stale ones included.
    [[nodiscard]] const std::vector<league::TeamEntry>& priorTeams() const { return priorTeams_; }
    [[nodiscard]] const std::vector<league::PlayerEntry>& priorPlayers() const {
        return priorPlayers_;
    }
    [[nodiscard]] const std::vector<league::PlayerEntry>& currentPlayers() const {
        return currentPlayers_;
    }
    [[nodiscard]] const std::vector<league::PlayerEntry>& masterPlayers() const {
        return masterPlayers_;
    }
    [[nodiscard]] const std::vector<league::TeamEntry>& currentTeams() const {
        return currentTeams_;
    }

    // Where writeTo() puts the three QEL folders under `root`.
    [[nodiscard]] static QString priorFolder(const QString& root);
    [[nodiscard]] static QString currentFolder(const QString& root);
    [[nodiscard]] static QString masterFolder(const QString& root);

    // Writes root/prior/{qelteam.dat,qelplyr.dat}, root/current/{qelteam.dat,qelplyr.dat} and
    // root/master/Mastplyr.dat, creating the folders and replacing those five files. Returns what
    // failed and why, or nothing.
    [[nodiscard]] std::optional<FileFailure> writeTo(const QString& root) const;

private:
    std::uint32_t seed_;
    std::vector<league::TeamEntry> priorTeams_;
    std::vector<league::PlayerEntry> priorPlayers_;
    std::vector<league::PlayerEntry> currentPlayers_;
    std::vector<league::PlayerEntry> masterPlayers_;
    std::vector<league::TeamEntry> currentTeams_;
};

} // namespace zorbin::sample
