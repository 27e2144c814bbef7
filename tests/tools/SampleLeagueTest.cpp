// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeague.h"

#include "league/LeagueContext.h"
#include "ReportCommand.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

namespace zorbin::sample {
namespace {

using league::LeagueFileWriter;
using league::PlayerEntry;

QByteArray filesOf(const SampleLeague& league) {
    return LeagueFileWriter::teamFile(league.priorTeams()) +
           LeagueFileWriter::teamFile(league.currentTeams()) +
           LeagueFileWriter::playerFile(league.priorPlayers()) +
           LeagueFileWriter::playerFile(league.currentPlayers()) +
           LeagueFileWriter::masterFile(league.masterPlayers());
}

QSet<int> liveIdentities(const std::vector<PlayerEntry>& players) {
    QSet<int> identities;
    for (const PlayerEntry& player : players) {
        if (player.status == 0)
            identities.insert(player.identity);
    }
    return identities;
}

qsizetype staleCount(const auto& entries) {
    return std::count_if(entries.begin(), entries.end(),
                         [](const auto& entry) { return entry.status != 0; });
}

int identityOf(const QByteArray& line) {
    // Names hold no digits, so the first five digits between two spaces and one are the identity.
    static const QRegularExpression identity(QStringLiteral("  (\\d{5}) "));
    return identity.match(QString::fromLatin1(line)).captured(1).toInt();
}

// A written league and what a comparison run makes of it.
struct Compared {
    explicit Compared(std::uint32_t seed) : league(seed) {
        EXPECT_EQ(league.writeTo(folder.path()), std::nullopt);
        const QString root = folder.path();
        ComparisonRequest input;
        input.priorFolder = SampleLeague::priorFolder(root);
        input.currentFolder = SampleLeague::currentFolder(root);
        input.masterFolder = SampleLeague::masterFolder(root);
        input.priorPlayerFile = input.priorFolder + "/qelplyr.dat";
        input.currentPlayerFile = input.currentFolder + "/qelplyr.dat";
        input.masterPlayerFile = input.masterFolder + "/Mastplyr.dat";
        result = LeagueContext(WineEnvironment{}, std::nullopt).run(input);
    }

    SampleLeague league;
    QTemporaryDir folder;
    ComparisonOutcome result;
};

TEST(SampleLeagueTest, SameSeedGivesTheSameBytesAndAnotherSeedAnotherLeague) {
    EXPECT_EQ(filesOf(SampleLeague(7)), filesOf(SampleLeague(7)));
    EXPECT_NE(filesOf(SampleLeague(7)), filesOf(SampleLeague(8)));
    EXPECT_EQ(filesOf(SampleLeague()), filesOf(SampleLeague(SampleLeague::defaultSeed)));
}

TEST(SampleLeagueTest, LooksLikeARealLeagueForEverySeed) {
    for (const std::uint32_t seed : {0u, 1u, SampleLeague::defaultSeed, 4294967295u}) {
        SCOPED_TRACE(seed);
        const SampleLeague league(seed);

        int liveTeams = 0;
        QSet<int> rostered;
        for (const league::TeamEntry& team : league.priorTeams()) {
            if (team.status != 0)
                continue;
            ++liveTeams;
            EXPECT_GE(team.roster.size(), 20u);
            EXPECT_LE(team.roster.size(), 30u);
            rostered.unite(QSet<int>(team.roster.begin(), team.roster.end()));
        }
        EXPECT_EQ(liveTeams, 30);

        const QSet<int> prior = liveIdentities(league.priorPlayers());
        EXPECT_GE(QSet<int>(prior).subtract(rostered).size(), 3) << "a few on no roster";
        for (const int identity : liveIdentities(league.masterPlayers())) {
            EXPECT_GT(identity, 10000);
            EXPECT_LE(identity, 35000) << "beyond the comparison's scan";
        }

        // Between the seasons' team files: at least one trade, release and signing, and a renamed
        // team, among the players of both seasons.
        const auto teamsOf = [](const std::vector<league::TeamEntry>& teams) {
            QHash<int, QByteArray> teamOf;
            for (const league::TeamEntry& team : teams) {
                EXPECT_LE(team.roster.size(), 80u);
                for (const int identity : team.roster) {
                    if (team.status == 0)
                        teamOf[identity] = team.nameFirstPart + ' ' + team.nameSecondPart;
                }
            }
            return teamOf;
        };
        const QHash<int, QByteArray> priorTeamOf = teamsOf(league.priorTeams());
        const QHash<int, QByteArray> currentTeamOf = teamsOf(league.currentTeams());
        int trades = 0, releases = 0, signings = 0, renamed = 0;
        const QSet<int> inBoth =
            QSet<int>(prior).intersect(liveIdentities(league.currentPlayers()));
        for (const int identity : inBoth) {
            const QByteArray before = priorTeamOf.value(identity);
            const QByteArray now = currentTeamOf.value(identity);
            if (before == now)
                continue;
            const bool sameCity =
                before.left(before.lastIndexOf(' ')) == now.left(now.lastIndexOf(' '));
            ++(before.isEmpty() ? signings
               : now.isEmpty()  ? releases
               : sameCity       ? renamed
                                : trades);
        }
        EXPECT_GE(trades, 1);
        EXPECT_GE(releases, 1);
        EXPECT_GE(signings, 1);
        EXPECT_GE(renamed, 15) << "a whole roster";

        EXPECT_GE(staleCount(league.priorTeams()), 1);
        EXPECT_GE(staleCount(league.priorPlayers()), 1);
        EXPECT_GE(staleCount(league.currentPlayers()), 1);
        EXPECT_GE(staleCount(league.masterPlayers()), 1);

        // Windows-1252 single bytes (é ö ñ ß), never UTF-8 sequences or unmapped letters.
        QByteArray names;
        for (const PlayerEntry& player : league.masterPlayers())
            names += player.lastName + ',' + player.firstName + '\n';
        for (const char letter : {'\xE9', '\xF6', '\xF1', '\xDF'})
            EXPECT_TRUE(names.contains(letter)) << int(static_cast<unsigned char>(letter));
        EXPECT_FALSE(names.contains('\xC3')) << "UTF-8 lead byte";
        EXPECT_FALSE(names.contains('?'));
    }
}

TEST(SampleLeagueTest, ComparisonFindsAboutOneInEightEachWayWithEveryKindOfLine) {
    for (const std::uint32_t seed : {3u, SampleLeague::defaultSeed}) {
        SCOPED_TRACE(seed);
        const Compared compared(seed);
        const ComparisonOutcome& result = compared.result;
        ASSERT_TRUE(result.messages.isEmpty()) << result.messages.value(0).text.toStdString();
        const auto prior = liveIdentities(compared.league.priorPlayers()).size();
        for (const auto& list : {result.leftPlayers(), result.arrivedPlayers()}) {
            EXPECT_GT(list.size(), prior / 12);
            EXPECT_LT(list.size(), prior / 5);
        }

        const QByteArray noName(21, ' ');
        const auto count = [](const QList<QByteArray>& lines, auto predicate) {
            return std::count_if(lines.begin(), lines.end(), predicate);
        };
        // Left and missing from the master file: no name at all.
        EXPECT_GE(
            count(result.leftPlayers(), [&](const QByteArray& l) { return l.startsWith(noName); }),
            2);
        // Left from no roster: an empty team column.
        EXPECT_GE(count(result.leftPlayers(), [](const QByteArray& l) { return l.endsWith(' '); }),
                  1);
        // Every arrival has a name: from the master file or, failing that, the current season.
        EXPECT_EQ(count(result.arrivedPlayers(),
                        [&](const QByteArray& l) { return l.startsWith(noName); }),
                  0);
        const QSet<int> master = liveIdentities(compared.league.masterPlayers());
        EXPECT_GE(count(result.arrivedPlayers(),
                        [&](const QByteArray& l) { return !master.contains(identityOf(l)); }),
                  2);

        // Exactly one name overflows the 21-character column, and it is kept whole.
        const QByteArray longName = "Castellanos-Pe\xF1"
                                    "a,Jean-S\xE9"
                                    "bastien";
        ASSERT_EQ(longName.size(), 31);
        const auto wide = [](const QByteArray& l) { return l.indexOf("  ") > 21; };
        EXPECT_EQ(count(result.leftPlayers(), wide) + count(result.arrivedPlayers(), wide), 1);
        EXPECT_EQ(count(result.arrivedPlayers(),
                        [&](const QByteArray& l) { return l.startsWith(longName + "  "); }),
                  1);

        // Stale records are skipped: a deleted current record keeps no leaver in the league, a
        // deleted prior record makes no arrival old, a folded team takes no player.
        for (const PlayerEntry& player : compared.league.currentPlayers()) {
            if (player.status != 0) {
                EXPECT_EQ(
                    count(result.leftPlayers(),
                          [&](const QByteArray& l) { return identityOf(l) == player.identity; }),
                    1);
            }
        }
        for (const PlayerEntry& player : compared.league.priorPlayers()) {
            if (player.status != 0) {
                EXPECT_EQ(
                    count(result.arrivedPlayers(),
                          [&](const QByteArray& l) { return identityOf(l) == player.identity; }),
                    1);
            }
        }
        for (const QByteArray& line : result.leftPlayers())
            EXPECT_FALSE(line.contains("Ghosts")) << line.toStdString();
    }
}

TEST(SampleLeagueTest, ReportOnTheDefaultLeagueMatchesTheGoldenListing) {
    QTemporaryDir folder;
    ASSERT_EQ(SampleLeague().writeTo(folder.path()), std::nullopt);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = ReportCommand::run({SampleLeague::priorFolder(folder.path()),
                                           SampleLeague::currentFolder(folder.path()),
                                           SampleLeague::masterFolder(folder.path())},
                                          WineEnvironment{}, out, err);
    EXPECT_EQ(status, ReportCommand::success);
    std::rewind(out);
    QFile printed;
    ASSERT_TRUE(printed.open(out, QIODevice::ReadOnly));
    QFile golden(QStringLiteral(ZORBIN_GOLDEN_DIR "/sample-league-report.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    // On a mismatch, regenerate with: zorbin-sample-league DIR && zorbin-report
    // DIR/{prior,current,master}
    EXPECT_TRUE(printed.readAll() == golden.readAll())
        << "the report differs from " << golden.fileName().toStdString();
    printed.close();
    std::fclose(out);
    std::fclose(err);
}

} // namespace
} // namespace zorbin::sample
