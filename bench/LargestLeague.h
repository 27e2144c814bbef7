// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonComparison.h"
#include "LeagueFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace zorbin::bench {

// The largest league the game can hold: two season files of 100,000 player records each, every
// identity from 10000 to 32767 in exactly one of the two seasons (so all 22,768 end up listed), a
// master record for each of them and 1,000 full teams in each season, every player on a team of
// another name in the current one. Written once per process to a scratch folder.
class LargestLeague {
public:
    static constexpr int firstIdentity = 10000;
    static constexpr int lastIdentity = 32767;
    static constexpr int seasonRecords = 100000;
    static constexpr int teams = 1000;

    static const LargestLeague& instance() {
        static const LargestLeague league;
        return league;
    }

    [[nodiscard]] QString folder(const char* season) const {
        return directory_.path() + QLatin1Char('/') + QLatin1String(season);
    }
    [[nodiscard]] SeasonFiles seasonFiles() const {
        return SeasonFiles{folder("prior") + "/qelteam.dat", folder("prior") + "/qelplyr.dat",
                           folder("current") + "/qelplyr.dat", folder("master") + "/Mastplyr.dat",
                           folder("current") + "/qelteam.dat"};
    }
    // The four files a run without the moved list reads.
    [[nodiscard]] std::vector<QString> files() const {
        const SeasonFiles in = seasonFiles();
        return {in.priorTeamFile, in.priorPlayerFile, in.currentPlayerFile, in.masterPlayerFile};
    }

private:
    LargestLeague() {
        const QString root = directory_.path();
        for (const char* folder : {"prior", "current", "master"})
            QDir(root).mkpath(QString::fromLatin1(folder));

        // Even identities played only last season, odd ones only this season; each season file
        // cycles through its identities until it holds 100,000 records.
        std::vector<league::PlayerEntry> prior;
        std::vector<league::PlayerEntry> current;
        std::vector<league::PlayerEntry> master;
        for (int identity = firstIdentity; identity <= lastIdentity; ++identity)
            master.push_back(entry(identity));
        for (int i = 0; i < seasonRecords; ++i) {
            const int span = (lastIdentity - firstIdentity) / 2 + 1;
            prior.push_back(entry(firstIdentity + 2 * (i % span)));
            current.push_back(entry(firstIdentity + 1 + 2 * (i % span)));
        }
        const SeasonFiles in = seasonFiles();
        write(in.priorTeamFile, league::LeagueFileWriter::teamFile(teamsNamed("Rovers")));
        write(in.currentTeamFile, league::LeagueFileWriter::teamFile(teamsNamed("Rangers")));
        write(in.priorPlayerFile, league::LeagueFileWriter::playerFile(prior));
        write(in.currentPlayerFile, league::LeagueFileWriter::playerFile(current));
        write(in.masterPlayerFile, league::LeagueFileWriter::masterFile(master));
    }

    static std::vector<league::TeamEntry> teamsNamed(const QByteArray& secondPart) {
        std::vector<league::TeamEntry> entries;
        for (int team = 0; team < teams; ++team) {
            league::TeamEntry entry;
            entry.nameFirstPart = "City " + QByteArray::number(team);
            entry.nameSecondPart = secondPart;
            for (int slot = 0; slot < 80; ++slot)
                entry.roster.push_back(static_cast<std::int16_t>(
                    firstIdentity + (team * 80 + slot) % (lastIdentity - firstIdentity + 1)));
            entries.push_back(entry);
        }
        return entries;
    }

    static league::PlayerEntry entry(int identity) {
        return league::PlayerEntry{static_cast<std::int16_t>(identity), "Firstname",
                                   "Lastname" + QByteArray::number(identity), 0};
    }

    static void write(const QString& path, const QByteArray& content) {
        if (league::LeagueFileWriter::write(path, content))
            std::abort();
    }

    QTemporaryDir directory_;
};

} // namespace zorbin::bench
