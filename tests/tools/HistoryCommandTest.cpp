// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"

#include "files/ProseList.h"
#include "LeagueFileWriter.h"
#include "ReportCommand.h"
#include "SampleLeague.h"
#include "support/CommandOutput.h"
#include "support/CsvRecords.h"
#include "support/FakeHome.h"
#include "support/LeagueFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

namespace zorbin {
namespace {

using league::LeagueFileWriter;
using league::PlayerEntry;
using league::TeamEntry;
using test::player;
using test::team;

test::CommandOutput history(const QStringList& arguments, const WineEnvironment& wine = {}) {
    return test::captureCommand([&arguments, &wine](std::FILE* out, std::FILE* err) {
        return HistoryCommand::run(arguments, wine, out, err);
    });
}

struct Season {
    QString folder;
    std::vector<PlayerEntry> players = {};
    std::vector<TeamEntry> teams = {};
    bool teamFile = true;
    bool upperCaseFiles = false; // QELPLYR.DAT and QELTEAM.DAT
};

// A player as the history must give him: a letter a season for his team, '.' for a season on no
// roster ("" in JSON) and '-' for a season he was not in (null).
struct Career {
    int identity;
    QString name;
    QString teams;
};

struct LeagueCase {
    const char* what;
    std::vector<Season> seasons = {};
    std::vector<PlayerEntry> master = {};
    QString masterFile = {};
    QStringList named = {}; // the season folders given, in order; none: --league
    QStringList expectedSeasons = {};
    QMap<QChar, QString> teamOf = {};
    QList<Career> careers = {};
    QList<QStringList> counts = {}; // per season: players, left, arrived, moved, renamed
    QStringList renames = {};       // as the text form says them
    QStringList err = {};           // lines of standard error; %1: the league's folder
};

std::vector<LeagueCase> leagues() {
    // Four seasons named in order: a player who leaves and returns, one on no roster for a season,
    // one on two rosters, identity 10000 (a player, but no master entry), a stale record.
    LeagueCase four{"four named seasons, upper-case file names"};
    four.seasons = {
        {"2009",
         {player(10001, "Dub\xE9", "Zo\xE9"), player(10002, "Ortega", "Luis"),
          player(10003, "K\xF6hler", "Etienne"), player(10004, "Early", "Name")},
         {team("\xD6rebro", "Owls", {10001}), team("Lake City", "Comets", {10002, 10003, 10004})}},
        {"2010",
         {player(10000, "Old", "Name"), player(10001, "Dub\xE9", "Zo\xE9"),
          player(10003, "K\xF6hler", "Etienne"), player(10004, "Early", "Name"),
          player(10005, "Stale", "Record", 1)},
         {team("\xD6rebro", "Owls", {10001, 10000, 10005}), team("Lake City", "Comets", {10004})},
         true,
         true},
        {"2011",
         {player(10000, "New", "Name"), player(10001, "Dub\xE9", "Zo\xE9"),
          player(10003, "K\xF6hler", "Etienne"), player(10004, "Early", "Name")},
         {team("Lake City", "Comets", {10003, 10004}),
          team("\xD6rebro", "Owls", {10001, 10000, 10004})}},
        {"2012",
         {player(10001, "Dub\xE9", "Zo\xE9"), player(10002, "Ortega", "Luis"),
          player(10003, "K\xF6hler", "Etienne"), player(10004, "Kept", "Last")},
         {team("\xD6rebro", "Owls", {10001, 10002}), team("Lake City", "Comets", {10003, 10004})}}};
    four.master = {player(10000, "Master", "Ignored"), player(10001, "Dub\xE9", "Zo\xE9"),
                   player(10002, "Ortega", "Luis"), player(10003, "K\xF6hler", "\xC9tienne")};
    four.masterFile = "MASTPLYR.DAT";
    four.named = four.expectedSeasons = {"2009", "2010", "2011", "2012"};
    four.teamOf = {{'O', "Örebro Owls"}, {'C', "Lake City Comets"}};
    four.careers = {{10000, "New,Name", "-OO-"},
                    {10001, "Dubé,Zoé", "OOOO"},
                    {10002, "Ortega,Luis", "C--O"},
                    {10003, "Köhler,Étienne", "C.CC"},
                    {10004, "Kept,Last", "CCOC"}};
    four.counts = {{"4", "-", "-", "-", "-"},
                   {"4", "1", "1", "1", "0"},
                   {"4", "0", "0", "2", "0"},
                   {"4", "1", "1", "1", "0"}};

    // Twelve seasons found under --league: a team renamed half-way, a season without a team file,
    // a name taken from the latest season that holds the player.
    LeagueCase twelve{"twelve seasons under --league, a renamed team, a missing team file"};
    for (int number = 12; number >= 1; --number) {
        Season season{QStringLiteral("Season %1").arg(number)};
        std::vector<std::int16_t> comets = {10010, 5, 9999};
        std::vector<std::int16_t> owls;
        season.players = {player(10010, "Ortega", "Luis"), player(9999, "Below", "Range")};
        if (number <= 3 || number >= 10) {
            season.players.push_back(player(10011, "Dub\xE9", "Zo\xE9"));
            (number <= 3 ? owls : comets).push_back(10011);
        }
        if (number <= 11)
            season.players.push_back(player(10012, number < 9 ? "First" : "Later", "Name"));
        season.teams = {team("Lake City", number <= 6 ? "Comets" : "Meteors", comets),
                        team("\xD6rebro", "Owls", owls)};
        season.teamFile = number != 5;
        twelve.seasons.push_back(season);
        twelve.expectedSeasons.prepend(season.folder);
    }
    twelve.master = {player(10010, "Ortega", "Luis"), player(10011, "Dub\xE9", "Zo\xE9")};
    twelve.masterFile = "Mastplyr.dat";
    twelve.teamOf = {{'O', "Örebro Owls"}, {'C', "Lake City Comets"}, {'M', "Lake City Meteors"}};
    twelve.careers = {{10010, "Ortega,Luis", "CCCC.CMMMMMM"},
                      {10011, "Dubé,Zoé", "OOO------MMM"},
                      {10012, "Later,Name", "...........-"}};
    twelve.renames = {
        "Season 7: Lake City Comets became Lake City Meteors (1 of 1 players went along)"};
    twelve.err = {"Could not read \"%1/Season 5/qelteam.dat\": No such file or directory: that "
                  "season's players are on no roster"};

    // Seven seasons named out of order keep the order given.
    LeagueCase seven{"seven seasons named out of order"};
    seven.masterFile = "Mastplyr.dat";
    for (const char* year : {"2015", "2009", "2013", "2010", "2012", "2011", "2014"}) {
        seven.seasons.push_back(
            {year, {player(10020, "Moved", "Often")}, {team("Club", year, {10020})}});
        seven.named.append(year);
        seven.teamOf.insert(QChar(year[3]), QStringLiteral("Club %1").arg(year));
    }
    seven.expectedSeasons = seven.named;
    seven.careers = {{10020, "Moved,Often", "5930214"}};
    seven.renames = {"2009: Club 2015 became Club 2009 (1 of 1 players went along)",
                     "2013: Club 2009 became Club 2013 (1 of 1 players went along)",
                     "2010: Club 2013 became Club 2010 (1 of 1 players went along)",
                     "2012: Club 2010 became Club 2012 (1 of 1 players went along)",
                     "2011: Club 2012 became Club 2011 (1 of 1 players went along)",
                     "2014: Club 2011 became Club 2014 (1 of 1 players went along)"};

    // A name gone whose players mostly went to a new name is renamed; half is not most, and a
    // name seen before is no new name.
    LeagueCase renamed{"a renamed team among teams that fold"};
    renamed.masterFile = "Mastplyr.dat";
    std::vector<PlayerEntry> players;
    for (std::int16_t identity = 10001; identity <= 10009; ++identity)
        players.push_back(player(identity, "P" + QByteArray::number(identity), "Q"));
    const std::vector<TeamEntry> after = {
        team("North", "Bees", {10004, 10005, 10006, 10008, 10009}),
        team("North", "Eels", {10001, 10002, 10003}), team("North", "Fish", {10007})};
    renamed.seasons = {{"Säsong1",
                        players,
                        {team("North", "Ants", {10001, 10002, 10003, 10004}),
                         team("North", "Bees", {10005, 10006}),
                         team("North", "Cats", {10007, 10008}), team("North", "Dogs", {10009})}},
                       {"Säsong2", players, after},
                       {"Säsong3", players, after}};
    renamed.named = renamed.expectedSeasons = {"Säsong1", "Säsong2", "Säsong3"};
    renamed.teamOf = {{'A', "North Ants"}, {'B', "North Bees"}, {'C', "North Cats"},
                      {'D', "North Dogs"}, {'E', "North Eels"}, {'F', "North Fish"}};
    for (const char* teams : {"AEE", "AEE", "AEE", "ABB", "BBB", "BBB", "CFF", "CBB", "DBB"})
        renamed.careers.append({10001 + static_cast<int>(renamed.careers.size()),
                                "P" + QString::number(10001 + renamed.careers.size()) + ",Q",
                                teams});
    renamed.counts = {
        {"9", "-", "-", "-", "-"}, {"9", "0", "0", "7", "3"}, {"9", "0", "0", "0", "0"}};
    renamed.renames = {"Säsong2: North Ants became North Eels (3 of 4 players went along)"};
    return {four, twelve, seven, renamed};
}

// What a CSV cell, a JSON array element and a text cell hold for a season's letter.
QString teamText(const LeagueCase& league, QChar letter) {
    return letter == u'-'   ? QString()
           : letter == u'.' ? QStringLiteral("(none)")
                            : league.teamOf.value(letter);
}

void writeLeague(const LeagueCase& league, const QString& root) {
    for (const Season& season : league.seasons) {
        const QString folder = root + '/' + season.folder;
        QDir().mkpath(folder);
        const bool upper = season.upperCaseFiles;
        test::LeagueFolder::writeBytes(folder + (upper ? "/QELPLYR.DAT" : "/qelplyr.dat"),
                                       LeagueFileWriter::playerFile(season.players));
        if (season.teamFile)
            test::LeagueFolder::writeBytes(folder + (upper ? "/QELTEAM.DAT" : "/qelteam.dat"),
                                           LeagueFileWriter::teamFile(season.teams));
    }
    QDir().mkpath(root + "/master");
    test::LeagueFolder::writeBytes(root + "/master/" + league.masterFile,
                                   LeagueFileWriter::masterFile(league.master));
}

TEST(HistoryCommandTest, EveryLeagueGivesEachPlayersTeamSeasonBySeasonInEveryForm) {
    for (const LeagueCase& league : leagues()) {
        SCOPED_TRACE(league.what);
        const QTemporaryDir root;
        writeLeague(league, root.path());
        QStringList arguments = {root.path() + "/master"};
        QStringList err = league.err;
        if (league.named.isEmpty()) {
            arguments += {"--league", root.path()};
            QStringList quoted;
            for (const QString& season : league.expectedSeasons)
                quoted.append('"' + season + '"');
            err.append("The seasons in \"%1\", in order: " + proseList::joined(quoted));
        }
        for (const QString& season : league.named)
            arguments.append(root.path() + '/' + season);
        const auto run = [&](const QStringList& options, const char* format) {
            const test::CommandOutput output = history(arguments + options);
            // A missing team file is said, and fails, as in zorbin-report.
            EXPECT_EQ(output.status,
                      league.err.isEmpty() ? HistoryCommand::success : HistoryCommand::failure)
                << format;
            QString said;
            for (const QString& line : std::as_const(err))
                said += "zorbin-history: " + QString(line).replace("%1", root.path()) + '\n';
            EXPECT_EQ(QString::fromUtf8(output.err), said) << format;
            return QString::fromUtf8(output.out);
        };
        const auto runForm = [&run](const char* format) {
            return run({"--format", format}, format);
        };

        const QJsonDocument json = QJsonDocument::fromJson(runForm("json").toUtf8());
        ASSERT_EQ(json.object().keys(), (QStringList{"players", "renames", "seasons"}));
        QStringList renames;
        for (const QJsonValue rename : json["renames"].toArray())
            renames.append(QStringLiteral("%1: %2 became %3 (%4 of %5 players went along)")
                               .arg(rename["season"].toString(), rename["from"].toString(),
                                    rename["to"].toString())
                               .arg(rename["carried"].toInt())
                               .arg(rename["of"].toInt()));
        EXPECT_EQ(renames, league.renames);
        EXPECT_EQ(json["seasons"].toVariant().toStringList(), league.expectedSeasons);
        const QJsonArray players = json["players"].toArray();
        ASSERT_EQ(players.size(), league.careers.size());
        const std::optional<QList<QStringList>> csv = test::csvRecords(runForm("csv"));
        ASSERT_TRUE(csv && csv->size() == players.size() + 1) << "not RFC 4180, or not a row each";
        EXPECT_EQ(csv->front(), QStringList({"identity", "name"}) + league.expectedSeasons);
        const QStringList text = runForm("text").split('\n');
        for (qsizetype row = 0; row < players.size(); ++row) {
            const Career& career = league.careers[row];
            SCOPED_TRACE(career.identity);
            const QJsonObject object = players[row].toObject();
            EXPECT_EQ(object.keys(), (QStringList{"identity", "name", "teams"}));
            EXPECT_TRUE(object["identity"].isDouble());
            EXPECT_EQ(object["identity"].toInt(), career.identity);
            EXPECT_EQ(object["name"].toString(), career.name);
            const QJsonArray teams = object["teams"].toArray();
            EXPECT_EQ(csv->at(row + 1).mid(0, 2),
                      (QStringList{QString::number(career.identity), career.name}));
            ASSERT_EQ(teams.size(), career.teams.size());
            ASSERT_EQ(csv->at(row + 1).size(), career.teams.size() + 2);
            for (qsizetype season = 0; season < teams.size(); ++season) {
                const QChar letter = career.teams[season];
                EXPECT_EQ(teams[season].isNull(), letter == u'-') << season;
                EXPECT_EQ(teams[season].toString(),
                          letter == u'.' ? QString() : teamText(league, letter));
                EXPECT_EQ(csv->at(row + 1)[season + 2], teamText(league, letter)) << season;
                // Each cell of the text table starts under its season's heading.
                qsizetype column = 0;
                for (qsizetype heading = 0; heading <= season; ++heading)
                    column = text[0].indexOf(league.expectedSeasons[heading], column + 1);
                EXPECT_EQ(text[row + 1].mid(column, teamText(league, letter).size()),
                          teamText(league, letter));
            }
        }
        for (qsizetype season = 0; season < league.counts.size(); ++season) {
            const QString line =
                text[text.indexOf(QRegularExpression("season +players.*")) + 1 + season];
            EXPECT_EQ(line.split(' ', Qt::SkipEmptyParts).mid(1), league.counts[season])
                << line.toStdString();
        }
        const QString said = runForm("text");
        EXPECT_EQ(league.renames.isEmpty() ? QStringList()
                                           : said.sliced(said.indexOf("\nRenamed teams:"))
                                                 .split('\n', Qt::SkipEmptyParts)
                                                 .mid(1),
                  league.renames);
        const QString page = runForm("html");
        EXPECT_EQ(page.sliced(page.indexOf("<table id=careers>")).count("<tr><td>"),
                  league.careers.size());
        EXPECT_EQ(page.count("<li>"), league.renames.size());

        // Each team's roster is the players whose team it is that season, in every form.
        for (auto team = league.teamOf.cbegin(); team != league.teamOf.cend(); ++team) {
            SCOPED_TRACE(team.value().toStdString());
            QJsonArray seasons;
            QList<QStringList> rows = {{"season", "identity", "name", "status"}};
            for (qsizetype season = 0; season < league.expectedSeasons.size(); ++season) {
                QJsonArray roster, arrived, left; // NOLINT(readability-isolate-declaration)
                QList<QStringList> leftRows;
                for (const Career& career : league.careers) {
                    const bool is = career.teams[season] == team.key();
                    const bool was = season > 0 && career.teams[season - 1] == team.key();
                    const QStringList row = {league.expectedSeasons[season],
                                             QString::number(career.identity), career.name};
                    if (is)
                        roster.append(career.identity);
                    if (is)
                        rows.append(row + QStringList{season == 0 ? ""
                                                      : was       ? "stayed"
                                                                  : "arrived"});
                    if (is && !was)
                        arrived.append(career.identity);
                    if (was && !is)
                        left.append(career.identity);
                    if (was && !is)
                        leftRows.append(row + QStringList{"left"});
                }
                rows += leftRows;
                seasons.append(QJsonObject{{"season", league.expectedSeasons[season]},
                                           {"roster", roster},
                                           {"arrived", season == 0 ? QJsonValue() : arrived},
                                           {"left", season == 0 ? QJsonValue() : left}});
            }
            const QStringList byTeam = {"--team", team.value(), "--format"};
            EXPECT_EQ(QJsonDocument::fromJson(run(byTeam + QStringList{"json"}, "json").toUtf8()),
                      QJsonDocument(QJsonObject{{"team", team.value()}, {"seasons", seasons}}));
            EXPECT_EQ(test::csvRecords(run(byTeam + QStringList{"csv"}, "csv")), rows);
            EXPECT_TRUE(run(byTeam + QStringList{"text"}, "text")
                            .startsWith(team.value() + ", season by season\n"));
        }
    }
}

// A slip is one line and a pointer to --help; a season that can't be used is named and passed
// over, the rest printed, and fails the run; anything else that can't be used ends it.
TEST(HistoryCommandTest, ArgumentsAndFoldersThatCantBeUsedEndWithTheirStatusAndWhy) {
    test::LeagueFolder league;
    league.writePriorPlayers({player(12345, "Ortega", "Luis")});
    league.writeCurrentPlayers({player(12345, "Ortega", "Luis")});
    league.writeMasterPlayers({player(12345, "Ortega", "Luis")});
    const QByteArray teams = LeagueFileWriter::teamFile({team("Lake City", "Comets", {12345})});
    league.writeTeams({team("Lake City", "Comets", {12345})});
    test::LeagueFolder::writeBytes(league.currentFolder() + "/qelteam.dat", teams);
    // A season folder whose name is not UTF-8, which an argument can only spell with U+FFFD.
    const QByteArray unspellable = QFile::encodeName(league.root()) + "/Saison \xE9t\xE9";
    ASSERT_TRUE(QDir().mkpath(league.root() + "/latin"));
    ASSERT_EQ(std::rename(QFile::encodeName(league.root() + "/latin").constData(),
                          unspellable.constData()),
              0);
    test::FakeHome home;
    home.makePrefix(".wine",
                    test::FakeHome::driveC + QList<test::FakeHome::Link>{{"l:", league.root()}});
    const QString master = league.masterFolder();
    const QString prior = league.priorFolder();
    const QString current = league.currentFolder();
    const QString slip = "Try 'zorbin-history --help'.\n";
    struct Row {
        QStringList arguments;
        int status;
        QString err;       // standard error, after the program's name; %1: the league's folder
        bool printed;      // a history on standard output
        bool whole = true; // `err` is all of standard error, not how it starts
    };
    const Row rows[] = {
        {{}, 2, "a master folder is needed\n" + slip, false},
        {{master}, 2, "at least one season folder is needed, or --league\n" + slip, false},
        {{master, prior, "--league", league.root()}, 2, "--league finds the seasons", false, false},
        {{master, "--league", prior, "--league", prior},
         2,
         "--league names one league",
         false,
         false},
        {{master, prior, "--format", "xml"},
         2,
         "unknown format \"xml\" for --format",
         false,
         false},
        {{"", prior}, 2, "MASTER_FOLDER is empty\n" + slip, false},
        {{master, prior, ""}, 2, "SEASON_FOLDER is empty\n" + slip, false},
        {{master, "--league", ""}, 2, "--league needs LEAGUE_FOLDER\n" + slip, false},
        {{"--version"}, 0, "", true},
        {{"%1/gone", prior},
         1,
         "Could not read folder \"%1/gone\": No such file or directory\n",
         false},
        {{master, master},
         1,
         "Could not read \"%1/master/qelplyr.dat\": No such file or directory; passed over\n"
         "zorbin-history: No season named can be read\n",
         false},
        {{prior, prior},
         1,
         "Could not read \"%1/prior/Mastplyr.dat\": No such file or directory",
         false,
         false},
        {{master, "--league", master},
         1,
         "No season in \"%1/master\": no subfolder holds ",
         false,
         false},
        {{master, prior, "%1/gone", current},
         1,
         "Could not read folder \"%1/gone\": No such file or directory; passed over\n",
         true},
        {{master, prior, QFile::decodeName(unspellable)},
         1,
         "Could not read folder \"%1/Saison \uFFFDt\uFFFD\": Its name is not valid UTF-8; passed "
         "over\n",
         true},
        {{master, prior, current, prior + "/", "%1/current/../prior"},
         0,
         "\"%1/prior/\" names the same folder as \"%1/prior\": the season is read once\n"
         "zorbin-history: \"%1/current/../prior\" names the same folder as \"%1/prior\": the "
         "season is read once\n",
         true},
        {{R"(L:\MASTER)", R"(l:\Prior)", R"(L:\CURRENT\)"}, 0, "", true},
        {{"%1/MASTER", "--league", R"(l:\)"},
         0,
         "The seasons in \"%1\", in order: \"current\" and \"prior\"\n",
         true},
        {{master, "--league", "%1", "--skip", "prior/", "--skip", "gone"},
         0,
         "No subfolder of \"%1\" is named \"gone\": nothing was left out for it\n"
         "zorbin-history: The seasons in \"%1\", in order: \"current\"\n",
         true},
        {{master, prior, "--skip", "current"},
         2,
         "--skip leaves out a subfolder of --league: use it with --league\n" + slip,
         false},
        {{master, prior, "--team", "comets"},
         1,
         "No season has a team named \"comets\"; the closest: \"Lake City Comets\"\n",
         false},
        {{master, prior, "--team", "Lake City Comets", "--team", "x"},
         2,
         "--team names one team\n" + slip,
         false}};
    for (const Row& row : rows) {
        QStringList arguments = row.arguments;
        arguments.replaceInStrings("%1", league.root());
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const test::CommandOutput output = history(arguments, home.environment());
        EXPECT_EQ(output.status, row.status);
        const QString expected =
            row.err.isEmpty() ? QString()
                              : "zorbin-history: " + QString(row.err).replace("%1", league.root());
        const QString err = QString::fromUtf8(output.err);
        EXPECT_EQ(row.whole ? err : err.left(expected.size()), expected);
        EXPECT_EQ(output.out.isEmpty(), !row.printed);
    }
    std::filesystem::remove(unspellable.toStdString());
}

// The history gives each player the team that zorbin-report --moved gives him, in both seasons,
// over leagues of trades, releases, signings and a renamed team.
TEST(HistoryCommandTest, EachPlayersTeamsAreTheReportToolsMovedRows) {
    for (const std::uint32_t seed : {1U, 2U, 3U}) {
        SCOPED_TRACE(seed);
        const QTemporaryDir root;
        ASSERT_TRUE(sample::SampleLeague(seed).writeTo(root.path()) == std::nullopt);
        const QString master = sample::SampleLeague::masterFolder(root.path());
        const QString prior = sample::SampleLeague::priorFolder(root.path());
        const QString current = sample::SampleLeague::currentFolder(root.path());
        const test::CommandOutput reported =
            test::captureCommand([&](std::FILE* out, std::FILE* err) {
                return ReportCommand::run({prior, current, master, "--moved", "--format", "json"},
                                          {}, out, err);
            });
        ASSERT_EQ(reported.status, 0) << reported.err.toStdString();
        const QJsonDocument report = QJsonDocument::fromJson(reported.out);
        const QJsonDocument history = QJsonDocument::fromJson(
            test::captureCommand([&](std::FILE* out, std::FILE* err) {
                return HistoryCommand::run({master, prior, current, "--format", "json"}, {}, out,
                                           err);
            }).out);
        // Every player in both seasons whom the report does not list kept his team.
        QMap<int, QJsonArray> listed;
        for (const char* list : {"gone", "new", "moved"}) {
            for (const QJsonValue row : report[list].toArray()) {
                const QString priorTeam = row["team"].toString();
                const QString currentTeam = row["currentTeam"].toString();
                listed.insert(
                    row["identity"].toInt(),
                    {list == QByteArrayView("new") ? QJsonValue() : QJsonValue(priorTeam),
                     list == QByteArrayView("gone") ? QJsonValue() : QJsonValue(currentTeam)});
            }
        }
        const QJsonArray players = history["players"].toArray();
        ASSERT_GT(players.size(), 100);
        qsizetype found = 0;
        for (const QJsonValue player : players) {
            const int identity = player["identity"].toInt();
            const QJsonArray teams = player["teams"].toArray();
            SCOPED_TRACE(identity);
            if (listed.contains(identity)) {
                ++found;
                EXPECT_EQ(teams, listed.value(identity));
            } else {
                EXPECT_EQ(teams[0], teams[1]);
                EXPECT_FALSE(teams[0].isNull());
            }
        }
        EXPECT_EQ(found, listed.size());
    }
}

} // namespace
} // namespace zorbin
