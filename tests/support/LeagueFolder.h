// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LeagueFileWriter.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace zorbin::test {

using league::PlayerEntry;
using league::TeamEntry;

// A temporary league: "prior", "current" and "master" folders under one scratch folder, filled
// record by record. Removed with the object.
class LeagueFolder {
public:
    LeagueFolder();

    [[nodiscard]] QString root() const { return directory_.path(); }
    [[nodiscard]] QString priorFolder() const { return root() + QStringLiteral("/prior"); }
    [[nodiscard]] QString currentFolder() const { return root() + QStringLiteral("/current"); }
    [[nodiscard]] QString masterFolder() const { return root() + QStringLiteral("/master"); }

    [[nodiscard]] QString priorPlayerFile() const { return priorFolder() + "/qelplyr.dat"; }
    [[nodiscard]] QString currentPlayerFile() const { return currentFolder() + "/qelplyr.dat"; }
    [[nodiscard]] QString masterPlayerFile() const { return masterFolder() + "/Mastplyr.dat"; }
    [[nodiscard]] QString teamFile() const { return priorFolder() + "/qelteam.dat"; }

    void writeTeams(const std::vector<TeamEntry>& teams) const;
    void writePriorPlayers(const std::vector<PlayerEntry>& players) const;
    void writeCurrentPlayers(const std::vector<PlayerEntry>& players) const;
    void writeMasterPlayers(const std::vector<PlayerEntry>& players) const;
    // Any bytes at any path, for files that are not whole records.
    static void writeBytes(const QString& path, const QByteArray& bytes);

    // Every file under the scratch folder with its bytes, to show that a run changed nothing.
    [[nodiscard]] QMap<QString, QByteArray> snapshot() const;

private:
    QTemporaryDir directory_;
};

// A file's bytes, or "<missing>" when it cannot be read as a regular file (a FIFO never blocks it).
[[nodiscard]] QByteArray contentOf(const QString& path);

// Shorthand for a player entry.
[[nodiscard]] PlayerEntry player(int identity, const QByteArray& lastName,
                                 const QByteArray& firstName, int status = 0);
// Shorthand for an accepted team.
[[nodiscard]] TeamEntry team(const QByteArray& firstPart, const QByteArray& secondPart,
                             std::vector<std::int16_t> roster);

} // namespace zorbin::test
