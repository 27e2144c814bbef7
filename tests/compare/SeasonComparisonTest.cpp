// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/SeasonComparison.h"

#include "league/LeagueContext.h"
#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace zorbin {
namespace {

using test::LeagueFolder;
using test::player;
using test::team;

class SeasonComparisonTest : public ::testing::Test {
protected:
    ComparisonRequest input() const {
        return ComparisonRequest{league.priorPlayerFile(),  league.currentPlayerFile(),
                                 league.masterPlayerFile(), league.priorFolder(),
                                 league.currentFolder(),    league.masterFolder()};
    }

    // Runs with the remembered folders kept in their own scratch folder and checks that the league
    // folders are byte for byte what they were.
    ComparisonOutcome run(const ComparisonRequest& in) {
        const auto before = league.snapshot();
        ComparisonOutcome result = LeagueContext(WineEnvironment{}, settingsFolder.path()).run(in);
        EXPECT_EQ(league.snapshot(), before) << "a run changed the league folders";
        return result;
    }
    ComparisonOutcome run() { return run(input()); }

    LeagueFolder league;
    QTemporaryDir settingsFolder;
};

TEST_F(SeasonComparisonTest, ListsLeftAndArrivedPlayersInAlignedLinesWithPriorTeams) {
    league.writeTeams(
        {team("Lake City", "Comets", {12345, 12346, 12347}), team("North", "Bears", {-1, 12500})});
    league.writePriorPlayers({player(12345, "Ortega", "Luis"), player(12346, "Stay", "Put"),
                              player(12500, "Gone", "Too")});
    league.writeCurrentPlayers({player(12346, "Stay", "Renamed"), player(20000, "Neu", "Ling"),
                                player(12347, "Back", "Again")});
    league.writeMasterPlayers({player(12345, "Ortega", "Luis"), player(12347, "Master", "Name")});

    const ComparisonOutcome result = run();
    // A player who left has no current-season name, so without a master entry his name is empty.
    EXPECT_EQ(result.leftPlayers(),
              (QList<QByteArray>{"Ortega,Luis            12345 Lake City Comets",
                                 "                       12500 North Bears"}));
    // The master name wins over the current season's; a player missing from the master file keeps
    // his current-season name; a player on no roster ends with the single space of an empty team.
    EXPECT_EQ(result.arrivedPlayers(),
              (QList<QByteArray>{"Master,Name            12347 Lake City Comets",
                                 "Neu,Ling               20000 "}));
    EXPECT_EQ(QByteArray("Ortega,Luis            12345 ").size(), 29);
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
    EXPECT_TRUE(result.message(RunMessage::Kind::NotRemembered).isEmpty());
}

TEST_F(SeasonComparisonTest, AnyEmptyPathTextEndsTheRunBeforeAnythingIsOpenedOrSaved) {
    league.writePriorPlayers({player(12345, "A", "B")});
    league.writeCurrentPlayers({});
    for (int emptied = 0; emptied < 3; ++emptied) {
        ComparisonRequest in = input();
        QString* paths[] = {&in.priorPlayerFile, &in.currentPlayerFile, &in.masterPlayerFile};
        paths[emptied]->clear();
        const ComparisonOutcome result = run(in);
        EXPECT_TRUE(result.leftPlayers().isEmpty());
        EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
    }
    EXPECT_TRUE(QDir(settingsFolder.path()).isEmpty()) << "remembered folders were written";
}

TEST_F(SeasonComparisonTest, IdenticalSeasonsGiveEmptyListsAndRunsDoNotAccumulate) {
    const std::vector players = {player(10000, "A", "B"), player(32767, "C", "D")};
    league.writePriorPlayers(players);
    league.writeCurrentPlayers(players);
    ComparisonOutcome result = run();
    EXPECT_TRUE(result.leftPlayers().isEmpty() && result.arrivedPlayers().isEmpty());

    league.writeCurrentPlayers({player(32767, "C", "D")});
    const ComparisonOutcome first = run();
    const ComparisonOutcome second = run();
    EXPECT_EQ(first.leftPlayers(), QList<QByteArray>{"                       10000 "});
    EXPECT_EQ(second.leftPlayers(), first.leftPlayers());
}

TEST_F(SeasonComparisonTest, AcceptanceRulesDecideWhoTakesPart) {
    // 10000 counts in a season file but is no master entry; stale records (status not 0) and
    // identities below 10000 never count.
    league.writePriorPlayers({player(9999, "Low", "Id"), player(11111, "Stale", "One", 1)});
    league.writeCurrentPlayers({player(10000, "Season", "Name"), player(11112, "Fresh", "One")});
    league.writeMasterPlayers(
        {player(10000, "Master", "Name"), player(11112, "M", "N", 3), player(11112, "", "")});
    const ComparisonOutcome result = run();
    EXPECT_TRUE(result.leftPlayers().isEmpty());
    // A master entry made of two empty fields is a lone comma and still wins.
    EXPECT_EQ(result.arrivedPlayers(), (QList<QByteArray>{"Season,Name            10000 ",
                                                          ",                      11112 "}));
}

TEST_F(SeasonComparisonTest, TeamRulesLaterRosterWinsAndLowSlotsAndStaleTeamsAreIgnored) {
    league::TeamEntry stale = team("Old", "Club", {15000});
    stale.status = 1;
    league::TeamEntry noGames = team("Zero", "Six", {15000});
    noGames.word6 = 0;
    league.writeTeams({team("First", "Club", {15000, 15001}),
                       team("Second", "Club", {15000, 0, 9999}), stale, noGames});
    league.writePriorPlayers({player(15000, "A", "A"), player(15001, "B", "B")});
    league.writeCurrentPlayers({player(30000, "C", "C")});
    const ComparisonOutcome result = run();
    EXPECT_EQ(result.leftPlayers(), (QList<QByteArray>{"                       15000 Second Club",
                                                       "                       15001 First Club"}));
}

TEST_F(SeasonComparisonTest, ALongNameWidensItsLineInsteadOfBeingCut) {
    league.writePriorPlayers({});
    LeagueFolder::writeBytes(league.priorPlayerFile(), QByteArray(1, '\0')); // one stale byte
    league.writeCurrentPlayers({player(12000, "Abcdefghijklmnop", "Qrstuvwxyzabcd")});
    const ComparisonOutcome result = run();
    EXPECT_EQ(result.arrivedPlayers(),
              QList<QByteArray>{"Abcdefghijklmnop,Qrstuvwxyzabcd  12000 "});
}

TEST_F(SeasonComparisonTest, MissingOrEmptyPlayerFileGivesTheMessageAfterSavingTheFolders) {
    league.writePriorPlayers({player(12000, "A", "B")});
    for (const QByteArray& current : {QByteArray(), QByteArray("<none>")}) {
        QFile::remove(league.currentPlayerFile());
        if (current.isEmpty())
            LeagueFolder::writeBytes(league.currentPlayerFile(), {});
        const ComparisonOutcome result = run();
        EXPECT_EQ(result.message(RunMessage::Kind::Stopped),
                  QString(" Not a valid QEL Directory for Prior Season"));
        EXPECT_TRUE(result.leftPlayers().isEmpty() && result.arrivedPlayers().isEmpty());
        EXPECT_TRUE(QFile::exists(settingsFolder.filePath("MissDir.Txt")));
        EXPECT_TRUE(QFile::exists(settingsFolder.filePath("QELMdir.txt")));
    }
    // A typed folder stands for the player file in it, which is missing here too.
    ComparisonRequest folderAsPlayerFile = input();
    folderAsPlayerFile.currentPlayerFile = league.currentFolder();
    EXPECT_EQ(run(folderAsPlayerFile).message(RunMessage::Kind::Stopped), missingPlayerFileMessage);

    // Nothing is left open: the next run with a good file works.
    league.writeCurrentPlayers({player(13000, "C", "D")});
    const ComparisonOutcome result = run();
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
    EXPECT_EQ(result.leftPlayers().size(), 1);
    EXPECT_EQ(result.arrivedPlayers().size(), 1);
}

TEST_F(SeasonComparisonTest, MissingTeamAndMasterFilesReadAsEmptyAndAreNeverCreated) {
    league.writePriorPlayers({player(12000, "Prior", "Only")});
    league.writeCurrentPlayers({player(13000, "Current", "Only")});
    const ComparisonOutcome result = run();
    EXPECT_EQ(result.leftPlayers(), QList<QByteArray>{"                       12000 "});
    EXPECT_EQ(result.arrivedPlayers(), QList<QByteArray>{"Current,Only           13000 "});
    EXPECT_FALSE(QFile::exists(league.teamFile()));
    EXPECT_FALSE(QFile::exists(league.masterPlayerFile()));
}

TEST_F(SeasonComparisonTest, AnUnreadableTeamFileOnlyLosesItsTeamsAndAMasterFileItsNames) {
    league.writePriorPlayers({player(12000, "A", "B")});
    league.writeCurrentPlayers({player(13000, "C", "D")});
    QDir().mkpath(league.teamFile());
    ComparisonOutcome result = run();
    EXPECT_EQ(result.message(RunMessage::Kind::TeamUnread),
              QStringLiteral("Could not read \"%1\": %2\nThe lists show no prior-season teams.")
                  .arg(league.priorFolder() + "/qelteam.dat", qt_error_string(EISDIR)));
    EXPECT_EQ(result.leftPlayers(), QList<QByteArray>{"                       12000 "});

    // A master path that is a folder, or names nothing (a typing slip): the lists still come,
    // with the current season's names, and a notice names the path.
    QDir().rmdir(league.teamFile());
    for (const QString& master : {league.masterFolder(), league.masterFolder() + "/Mastplyr.da"}) {
        ComparisonRequest masterUnread = input();
        masterUnread.masterPlayerFile = master;
        result = run(masterUnread);
        EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
        EXPECT_EQ(result.arrivedPlayers(), QList<QByteArray>{"C,D                    13000 "});
        EXPECT_TRUE(result.message(RunMessage::Kind::MasterUnread).contains(master))
            << result.message(RunMessage::Kind::MasterUnread).toStdString();
        EXPECT_TRUE(result.message(RunMessage::Kind::MasterUnread).contains("current season only"));
    }

    // A typed Windows path that no Wine prefix holds says where prefixes were looked for, rather
    // than that a file by that odd name is missing.
    ComparisonRequest windowsPaths = input();
    windowsPaths.masterPlayerFile = R"(C:\QEL\Mastplyr.dat)";
    result = run(windowsPaths);
    EXPECT_TRUE(result.message(RunMessage::Kind::MasterUnread).contains("Wine prefix"))
        << result.message(RunMessage::Kind::MasterUnread).toStdString();
    windowsPaths.currentPlayerFile = R"(C:\QEL\S11\qelplyr.dat)";
    result = run(windowsPaths);
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).contains("Wine prefix"))
        << result.message(RunMessage::Kind::Stopped).toStdString();
    EXPECT_TRUE(result.arrivedPlayers().isEmpty());
}

TEST_F(SeasonComparisonTest, FilesAreFoundWithoutRegardToLetterCase) {
    LeagueFolder::writeBytes(league.priorFolder() + "/QELTEAM.DAT",
                             league::LeagueFileWriter::teamFile({team("Upper", "Case", {12000})}));
    league.writePriorPlayers({player(12000, "A", "B")});
    league.writeCurrentPlayers({});
    LeagueFolder::writeBytes(league.currentPlayerFile(), QByteArray(656, '\0'));
    const ComparisonOutcome result = run();
    EXPECT_EQ(result.leftPlayers(), QList<QByteArray>{"                       12000 Upper Case"});
}

TEST_F(SeasonComparisonTest, UnwritableRememberedFoldersGiveANoticeAndTheRunGoesOn) {
    league.writePriorPlayers({player(12000, "A", "B")});
    league.writeCurrentPlayers({player(13000, "C", "D")});
    LeagueContext unwritable(WineEnvironment{}, QStringLiteral("/proc/zorbin-no-such-folder"));
    const ComparisonOutcome result = unwritable.run(input());
    EXPECT_TRUE(result.message(RunMessage::Kind::NotRemembered).contains("MissDir.Txt"))
        << result.message(RunMessage::Kind::NotRemembered).toStdString();
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
    EXPECT_EQ(result.leftPlayers().size(), 1);
}

// The lines of a list share one buffer; each must still behave as a string of its own.
TEST(SeasonComparisonLinesTest, EachLineOutlivesTheRunEndsInNulAndChangesAlone) {
    const LeagueFolder league;
    league.writePriorPlayers({player(12345, "Ortega", "Luis"), player(12500, "Gone", "Too")});
    league.writeCurrentPlayers({player(20000, "Neu", "Ling")});
    QList<QByteArray> left;
    {
        const auto lists =
            compareSeasons(SeasonFiles{league.teamFile(), league.priorPlayerFile(),
                                       league.currentPlayerFile(), league.masterPlayerFile()});
        ASSERT_TRUE(lists);
        for (const QByteArray& line : lists->leftPlayers + lists->arrivedPlayers)
            EXPECT_EQ(line.constData()[line.size()], '\0') << line.toStdString();
        left = lists->leftPlayers;
    }
    ASSERT_EQ(left.size(), 2);
    left[0][0] = 'X';
    left[0].append(" and more");
    EXPECT_EQ(left[1], "                       12500 ");
    left[1].append("Team");
    // Without a master file, a player who left has no name.
    EXPECT_EQ(left[0], "X                      12345  and more");
    EXPECT_EQ(left[1], "                       12500 Team");
}

} // namespace
} // namespace zorbin
