// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes, under the folder given, a league of fifteen seasons and 15,000 players on 300 teams
// whose names carry accents (Göteborg, Malmö...), one team renamed half-way and a backup copy
// beside the seasons, then the history page of it (zorbin-history --league --skip --format html)
// as page.html. The browser test drives that page.
#include "HistoryCommand.h"
#include "LeagueFileWriter.h"

#include <array>
#include <cstdio>
#include <QDir>
#include <QFile>
#include <vector>

namespace {

using zorbin::league::LeagueFileWriter;
using zorbin::league::PlayerEntry;
using zorbin::league::TeamEntry;

constexpr int seasons = 15;
constexpr int teams = 300;
constexpr int firstIdentity = 10001;
constexpr int veterans = 2000; // the first identities, in every season
constexpr int window = 6000;   // the others of a season,
constexpr int turnover = 500;  // of whom this many leave and arrive each season: 15,000 in all

bool write(const QString& path, const QByteArray& bytes) {
    return QDir().mkpath(path.section('/', 0, -2)) && !LeagueFileWriter::write(path, bytes);
}

QByteArray teamCity(int team) {
    static const std::array<const char*, 10> cities = {
        "G\xF6teborg",  "Malm\xF6", "K\xF6ln", "Z\xFCrich", "Montr\xE9\x61l",
        "Link\xF6ping", "\xC5rhus", "Bod\xF8", "Sevilla",   "Lake City"};
    return QByteArray(cities[static_cast<std::size_t>(team % 10)]) + ' ' +
           QByteArray::number(team / 10 + 1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: write-page-league FOLDER\n", stderr);
        return 2;
    }
    const QString root = QFile::decodeName(argv[1]);
    std::vector<PlayerEntry> master;
    for (int identity = firstIdentity; identity < firstIdentity + 15000; ++identity)
        master.push_back({static_cast<std::int16_t>(identity), identity % 3 ? "Zo\xE9" : "Luis",
                          (identity % 2 ? "Dub\xE9" : "Ortega") + QByteArray::number(identity)});
    bool written = write(root + "/master/Mastplyr.dat", LeagueFileWriter::masterFile(master));
    for (int season = 0; season < seasons; ++season) {
        std::vector<PlayerEntry> players;
        std::vector<TeamEntry> rosters(teams);
        for (int team = 0; team < teams; ++team) {
            rosters[static_cast<std::size_t>(team)].nameFirstPart = teamCity(team);
            // The first team takes another name half-way, its players with it.
            rosters[static_cast<std::size_t>(team)].nameSecondPart =
                team == 0 && season >= seasons / 2 ? "Rangers" : "Rovers";
        }
        const int first = firstIdentity + veterans + season * turnover;
        // The veterans, then the others of this season.
        for (int identity = firstIdentity; identity < first + window; ++identity) {
            if (identity == firstIdentity + veterans)
                identity = first;
            players.push_back(master[static_cast<std::size_t>(identity - firstIdentity)]);
            // Every seventh player changes teams each season; the others stay. A roster holds up
            // to 80: the rest of a team's players are on none.
            auto& roster = rosters[static_cast<std::size_t>(
                                       (identity + (identity % 7 == 0 ? season : 0)) % teams)]
                               .roster;
            if (roster.size() < 80)
                roster.push_back(static_cast<std::int16_t>(identity));
        }
        const QString folder = root + QStringLiteral("/Season %1").arg(season + 1);
        written = written &&
                  write(folder + "/qelplyr.dat", LeagueFileWriter::playerFile(players)) &&
                  write(folder + "/qelteam.dat", LeagueFileWriter::teamFile(rosters));
        // A copy left beside the seasons, which --skip leaves out.
        if (season == 0)
            written = written && write(root + "/backup-old/qelplyr.dat",
                                       LeagueFileWriter::playerFile(players));
    }
    if (!written) {
        std::fputs("write-page-league: could not write the league\n", stderr);
        return 1;
    }
    std::FILE* page = std::fopen(QFile::encodeName(root + "/page.html").constData(), "wb");
    if (!page)
        return 1;
    const int status = zorbin::HistoryCommand::run(
        {root + "/master", "--league", root, "--skip", "backup-old", "--format", "html"}, {}, page,
        stderr);
    return std::fclose(page) == 0 ? status : 1;
}
