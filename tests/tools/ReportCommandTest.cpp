// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "settings/RememberedFolders.h"
#include "support/CommandOutput.h"
#include "support/CsvRecords.h"
#include "support/FakeHome.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"
#include "ZorbinVersion.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <unistd.h>
#include <utility>

namespace zorbin {
namespace {

using namespace Qt::StringLiterals;

using test::LeagueFolder;
using test::player;
using test::team;

// Runs the tool as from a session without Wine, unless `wine` says otherwise.
test::CommandOutput report(const QStringList& arguments, const WineEnvironment& wine = {}) {
    return test::captureCommand([&arguments, &wine](std::FILE* out, std::FILE* err) {
        return ReportCommand::run(arguments, wine, out, err);
    });
}

using test::contentOf;
using test::csvRecords;

struct ReportedRow {
    QString list;
    int identity = 0;
    QString name;
    QString team;
    QString currentTeam = {}; // only with --moved
    bool operator==(const ReportedRow&) const = default;
};

std::ostream& operator<<(std::ostream& stream, const ReportedRow& row) {
    return stream << row.list.toStdString() << ' ' << row.identity << " [" << row.name.toStdString()
                  << "] [" << row.team.toStdString() << "] [" << row.currentTeam.toStdString()
                  << ']';
}

// Without --moved, four columns; with it, five.
QList<ReportedRow> rowsOfCsv(const QString& text, bool moved) {
    const std::optional<QList<QStringList>> records = csvRecords(text);
    const QStringList header = QStringList{"list", "identity", "name", "team"} +
                               (moved ? QStringList{"currentTeam"} : QStringList{});
    if (!records || records->isEmpty() || records->front() != header) {
        ADD_FAILURE() << "not RFC 4180 with the header row";
        return {};
    }
    QList<ReportedRow> rows;
    for (const QStringList& record : records->sliced(1)) {
        if (record.size() != header.size()) {
            ADD_FAILURE() << "a row of " << record.size() << " fields";
            return {};
        }
        rows.append({record[0], record[1].toInt(), record[2], record[3], record.value(4)});
    }
    return rows;
}

// Without --moved, two lists of rows of three fields; with it, three lists of four.
QList<ReportedRow> rowsOfJson(const QString& text, bool moved) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    const QStringList lists =
        moved ? QStringList{"gone", "new", "moved"} : QStringList{"gone", "new"};
    // Keys come back sorted.
    const QStringList keys = moved ? QStringList{"gone", "moved", "new"} : lists;
    const QStringList fields = moved ? QStringList{"currentTeam", "identity", "name", "team"}
                                     : QStringList{"identity", "name", "team"};
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        document.object().keys() != keys) {
        ADD_FAILURE() << "not one object of the lists: " << error.errorString().toStdString();
        return {};
    }
    QList<ReportedRow> rows;
    for (const QString& list : lists) {
        for (const QJsonValue value : document[list].toArray()) {
            const QJsonObject row = value.toObject();
            if (row.keys() != fields || !row["identity"].isDouble() || !row["name"].isString() ||
                !row["team"].isString() || (moved && !row["currentTeam"].isString())) {
                ADD_FAILURE() << "a row not of a number and strings";
                return {};
            }
            rows.append({list, row["identity"].toInt(), row["name"].toString(),
                         row["team"].toString(), row["currentTeam"].toString()});
        }
    }
    return rows;
}

class ReportCommandTest : public ::testing::Test {
protected:
    ReportCommandTest() {
        // Names and teams hold what a spreadsheet, a parser or a terminal could trip on: commas,
        // quotes, control bytes (0x81 and 0x9D are undefined in the code page), edge spaces.
        league.writeTeams({team("Lake City", "Comets", {12345, 20000}),
                           team("M\xFCnchen", "L\xF6wen", {12400, 12600}),
                           team("\"Quote\",", "Bell\x07\x7F\x9D", {22000})});
        league.writePriorPlayers({player(12345, "Ortega", "Luis"), player(12400, "Kept", "One"),
                                  player(12500, "Unlisted", "Gone"),
                                  player(12600, "Unlisted", "Teamed")});
        league.writeCurrentPlayers({player(12400, "Kept", "One"),
                                    player(20000, "Ib\xE1\xF1\x65z", "Jos\xE9"),
                                    player(21000, "Abcdefghijklmnop", "Qrstuvwxyzabcd"),
                                    player(22000, "O\"Brien, Jr", "Tab\tEsc\x1B\x81 ")});
        league.writeMasterPlayers({player(12345, "Ortega", "Luis")});
        // Run from an empty working folder to show that nothing is remembered there.
        previousWorkingFolder = QDir::currentPath();
        QDir::setCurrent(working.path());
    }
    ~ReportCommandTest() override {
        QDir::setCurrent(previousWorkingFolder);
        EXPECT_TRUE(QDir(working.path()).isEmpty()) << "the tool wrote into the working folder";
    }

    QStringList folders() const {
        return {league.priorFolder(), league.currentFolder(), league.masterFolder()};
    }

    LeagueFolder league;
    QTemporaryDir working;
    QString previousWorkingFolder;
};

TEST_F(ReportCommandTest, PrintsBothListsUnderCountedHeadingsAsTheGoldenFileHasThem) {
    const auto before = league.snapshot();
    const test::CommandOutput captured = report(folders());
    EXPECT_EQ(captured.status, ReportCommand::success);
    EXPECT_EQ(captured.out, contentOf(QStringLiteral(ZORBIN_GOLDEN_DIR "/report-small.txt")));
    EXPECT_TRUE(captured.err.isEmpty());
    EXPECT_EQ(league.snapshot(), before);

    // A folder named as the player file is not it: the file beside it in another case is, as the
    // window's file list has it.
    ASSERT_TRUE(QFile::rename(league.priorPlayerFile(), league.priorFolder() + "/QELPLYR.DAT"));
    ASSERT_TRUE(QDir().mkdir(league.priorPlayerFile()));
    EXPECT_EQ(report(folders()).out, captured.out);
}

TEST_F(ReportCommandTest, WritesEachListAsAnExportWould) {
    const QString gone = working.filePath("gone.txt");
    const QString arrived = working.filePath("new.txt");
    const test::CommandOutput captured =
        report(folders() +
               QStringList{"--gone", gone, QStringLiteral("--new=") + arrived, "--format=json"});
    EXPECT_EQ(captured.status, ReportCommand::success);
    EXPECT_TRUE(captured.out.isEmpty());
    EXPECT_EQ(contentOf(gone), QByteArray("Ortega,Luis            12345 Lake City Comets\r\n"
                                          "                       12500 \r\n"
                                          "                       12600 M\xFCnchen L\xF6wen\r\n"));
    EXPECT_EQ(contentOf(arrived),
              QByteArray("Ib\xE1\xF1\x65z,Jos\xE9            20000 Lake City Comets\r\n"
                         "Abcdefghijklmnop,Qrstuvwxyzabcd  21000 \r\n"
                         "O\"Brien, Jr,Tab\tEsc\x1B\x81   22000 \"Quote\", Bell\x07\x7F\x9D\r\n"));
    QFile::remove(gone);
    QFile::remove(arrived);
}

// The exact text of each field, read back by a real parser of each format; CSV shows a control
// character as the text form does, JSON escapes it.
TEST_F(ReportCommandTest, CsvAndJsonHoldEveryFieldExactlyForAParser) {
    // A backslash left bare would make the JSON invalid.
    league.writeMasterPlayers(
        {player(12345, "Ortega", "Luis"), player(12500, "Back\\slash\\", "\\u0041")});
    QList<ReportedRow> expected = {
        {"gone", 12345, u"Ortega,Luis"_s, u"Lake City Comets"_s},
        {"gone", 12500, u"Back\\slash\\,\\u0041"_s, {}},
        {"gone", 12600, {}, u"M\u00FCnchen L\u00F6wen"_s},
        {"new", 20000, u"Ib\u00E1\u00F1ez,Jos\u00E9"_s, u"Lake City Comets"_s},
        {"new", 21000, u"Abcdefghijklmnop,Qrstuvwxyzabcd"_s, {}},
        {"new", 22000, u"O\"Brien, Jr,Tab\uFFFDEsc\uFFFD\uFFFD "_s,
         u"\"Quote\", Bell\uFFFD\uFFFD\uFFFD"_s}};
    for (const auto& [format, read] :
         {std::pair{"csv", &rowsOfCsv}, std::pair{"json", &rowsOfJson}}) {
        if (QByteArrayView(format) == "json")
            expected.back() = {"new", 22000, u"O\"Brien, Jr,Tab\tEsc\u001B\u0081 "_s,
                               u"\"Quote\", Bell\u0007\u007F\u009D"_s};
        const test::CommandOutput captured = report(folders() + QStringList{"--format", format});
        EXPECT_EQ(captured.status, ReportCommand::success) << format;
        EXPECT_TRUE(captured.err.isEmpty()) << format;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(captured.out);
        EXPECT_FALSE(utf8.hasError()) << format << ": not UTF-8";
        EXPECT_EQ(read(text, false), expected) << format << ":\n" << captured.out.toStdString();
    }
}

// Who changed teams, and where each player is now, in every format. The current team file is found
// in any letter case.
TEST_F(ReportCommandTest, MovedListsTradesReleasesSigningsAndRenamedTeamsInEveryFormat) {
    const struct {
        int identity;
        QByteArray lastName;
        QByteArray priorTeam; // first part of a "... Owls" team; empty for none
        QByteArray currentTeam;
        QString list; // empty when in no list
    } players[] = {
        {13000, "Stays", "Bay", "Bay", {}},        {13001, "Traded", "Bay", "Lake", "moved"},
        {13002, "Released", "Bay", {}, "moved"},   {13003, "Signed", {}, "Lake", "moved"},
        {13004, "Renamed", "Old", "New", "moved"}, {13005, "Unsigned", {}, {}, {}},
        {13006, "Left", "Bay", "Lake", "gone"},    {13007, "Arrived", {}, "Lake", "new"},
    };
    std::vector<league::TeamEntry> priorTeams;
    std::vector<league::TeamEntry> currentTeams;
    std::vector<league::PlayerEntry> priorPlayers;
    std::vector<league::PlayerEntry> currentPlayers;
    QList<ReportedRow> expected;
    QByteArray expectedText;
    const auto teamName = [](const QByteArray& part) {
        return part.isEmpty() ? QByteArray() : part + " Owls";
    };
    for (const auto& row : players) {
        for (const auto& [part, teams] :
             {std::pair{row.priorTeam, &priorTeams}, std::pair{row.currentTeam, &currentTeams}}) {
            if (!part.isEmpty())
                teams->push_back(team(part, "Owls", {static_cast<std::int16_t>(row.identity)}));
        }
        if (row.list != "new")
            priorPlayers.push_back(player(row.identity, row.lastName, "A"));
        if (row.list != "gone")
            currentPlayers.push_back(player(row.identity, row.lastName, "A"));
        if (!row.list.isEmpty()) {
            // A player who left has no name without a master file.
            const QByteArray name = row.list == "gone" ? QByteArray() : row.lastName + ",A";
            expected.append({row.list, row.identity, QString::fromLatin1(name),
                             QString::fromLatin1(teamName(row.priorTeam)),
                             QString::fromLatin1(teamName(row.currentTeam))});
        }
    }
    league.writeTeams(priorTeams);
    LeagueFolder::writeBytes(league.currentFolder() + "/QELTEAM.DAT",
                             league::LeagueFileWriter::teamFile(currentTeams));
    league.writePriorPlayers(priorPlayers);
    league.writeCurrentPlayers(currentPlayers);
    league.writeMasterPlayers({});
    // Gone and new first, then moved, each in identity order.
    std::stable_partition(expected.begin(), expected.end(),
                          [](const ReportedRow& row) { return row.list == "gone"; });
    std::stable_partition(expected.begin(), expected.end(),
                          [](const ReportedRow& row) { return row.list != "moved"; });

    for (const auto& [format, read] :
         {std::pair{"csv", &rowsOfCsv}, std::pair{"json", &rowsOfJson}}) {
        const test::CommandOutput captured =
            report(folders() + QStringList{"--moved", "--format", format});
        EXPECT_EQ(captured.status, ReportCommand::success) << captured.err.toStdString();
        EXPECT_EQ(read(QString::fromUtf8(captured.out), true), expected) << format;
    }
    const test::CommandOutput text = report(folders() + QStringList{"--moved"});
    EXPECT_EQ(text.out, QByteArray("Players of the prior season missing from the current one (1):\n"
                                   "                       13006 Bay Owls\n"
                                   "Players of the current season missing from the prior one (1):\n"
                                   "Arrived,A              13007 \n"
                                   "Players who changed teams (4):\n"
                                   "Traded,A               13001 Bay Owls -> Lake Owls\n"
                                   "Released,A             13002 Bay Owls -> \n"
                                   "Signed,A               13003  -> Lake Owls\n"
                                   "Renamed,A              13004 Old Owls -> New Owls\n"));

    // Without --moved nothing of it shows; without the current team file everyone is unsigned.
    EXPECT_FALSE(report(folders()).out.contains("changed teams"));
    QFile::remove(league.currentFolder() + "/QELTEAM.DAT");
    EXPECT_TRUE(report(folders() + QStringList{"--moved"})
                    .out.endsWith("Players who changed teams (4):\n"
                                  "Stays,A                13000 Bay Owls -> \n"
                                  "Traded,A               13001 Bay Owls -> \n"
                                  "Released,A             13002 Bay Owls -> \n"
                                  "Renamed,A              13004 Old Owls -> \n"));
}

TEST_F(ReportCommandTest, FolderWithoutPlayerFileGivesTheMessageAndWritesNothing) {
    QFile::remove(league.currentPlayerFile());
    const QString gone = working.filePath("gone.txt");
    const test::CommandOutput captured = report(folders() + QStringList{"--gone", gone});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_EQ(captured.err,
              QByteArray("zorbin-report:  Not a valid QEL Directory for Prior Season\n"));
    EXPECT_FALSE(QFile::exists(gone));
}

TEST_F(ReportCommandTest, OtherFailuresNameTheFileAndReason) {
    const QByteArray teams = contentOf(league.teamFile());
    QFile::remove(league.teamFile());
    QDir().mkpath(league.teamFile());
    test::CommandOutput captured = report(folders());
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("qelteam.dat")) << captured.err.toStdString();
    EXPECT_TRUE(captured.err.contains(qt_error_string(EISDIR).toUtf8()));
    QDir().rmdir(league.teamFile());
    LeagueFolder::writeBytes(league.teamFile(), teams);

    // The current season's, read only for --moved, likewise.
    const QString currentTeamFile = league.currentFolder() + "/qelteam.dat";
    QDir().mkpath(currentTeamFile);
    EXPECT_EQ(report(folders()).status, ReportCommand::success);
    captured = report(folders() + QStringList{"--moved"});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains(currentTeamFile.toUtf8())) << captured.err.toStdString();
    QDir().rmdir(currentTeamFile);

    captured = report({league.priorFolder(), league.root() + "/nowhere", league.masterFolder()});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("nowhere"));

    // A season folder inside a folder the user can't enter (as one left by "sudo wine") is there,
    // but barred.
    ASSERT_TRUE(QFile::setPermissions(league.root(), {}));
    {
        const test::OrdinaryUser ordinary;
        captured = report(folders());
    }
    ASSERT_TRUE(QFile::setPermissions(league.root(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_EQ(QString::fromLocal8Bit(captured.err),
              QStringLiteral("zorbin-report: Could not read folder \"%1\": %2\n")
                  .arg(league.priorFolder(), qt_error_string(EACCES)));

    // A relative name is named from the working folder.
    captured = report(folders() + QStringList{"--gone", "no such folder/gone.txt"});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_EQ(QString::fromLocal8Bit(captured.err),
              QStringLiteral("zorbin-report: Could not write \"%1/no such folder/gone.txt\": %2\n")
                  .arg(QDir::currentPath(), qt_error_string(ENOENT)));

    captured = report(folders() + QStringList{"--gone", "/dev/full"});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("/dev/full"));

    // A symbolic link to, or a second name of, a game file is refused and the league kept.
    const QString link = working.filePath("out.txt");
    const QString secondName = working.filePath("copy.txt");
    ASSERT_TRUE(QFile::link(league.priorPlayerFile(), link));
    ASSERT_EQ(::link(QFile::encodeName(league.currentPlayerFile()).constData(),
                     QFile::encodeName(secondName).constData()),
              0);
    const auto before = league.snapshot();
    for (const QString& option : {"--gone=" + link, "--new=" + secondName}) {
        captured = report(folders() + QStringList{option});
        EXPECT_EQ(captured.status, ReportCommand::failure) << option.toStdString();
        EXPECT_TRUE(captured.err.contains("QEL data file")) << captured.err.toStdString();
        EXPECT_EQ(league.snapshot(), before) << option.toStdString();
    }
    QFile::remove(link);
    QFile::remove(secondName);

    // Nor are the remembered folders of the working folder, which the window would read back.
    const QString remembered = working.filePath(RememberedFolders::seasonFileWriteName);
    LeagueFolder::writeBytes(remembered, "kept");
    captured = report(folders() + QStringList{"--gone", "missdir.txt"});
    EXPECT_TRUE(captured.err.contains("remembers its folders")) << captured.err.toStdString();
    EXPECT_EQ(contentOf(remembered), "kept");
    QFile::remove(remembered);
}

TEST_F(ReportCommandTest, WindowsPathsAreReadThroughTheWinePrefixInAnyLetterCase) {
    test::FakeHome home;
    home.makePrefix(".wine",
                    test::FakeHome::driveC + QList<test::FakeHome::Link>{{"l:", league.root()}});
    const auto before = league.snapshot();
    const test::CommandOutput captured =
        report({R"(L:\PRIOR\)", R"(l:\Current)", R"(L:\MASTER\)"}, home.environment());
    EXPECT_EQ(captured.status, ReportCommand::success) << captured.err.toStdString();
    EXPECT_EQ(captured.out, contentOf(QStringLiteral(ZORBIN_GOLDEN_DIR "/report-small.txt")));

    // Paths that can't name anything here are refused with the reason, and nothing is touched.
    const struct {
        QString folder;
        QByteArray reason;
    } refused[] = {
        {R"(L:\prior\..\..\etc)", R"(may not step with "." or "..")"},
        {R"(Q:\prior)", "has no drive Q:"},
    };
    for (const auto& bad : refused) {
        const test::CommandOutput failed =
            report({bad.folder, league.currentFolder(), league.masterFolder()}, home.environment());
        EXPECT_EQ(failed.status, ReportCommand::failure) << bad.folder.toStdString();
        EXPECT_TRUE(failed.err.contains(bad.reason)) << failed.err.toStdString();
        EXPECT_TRUE(failed.out.isEmpty());
    }
    EXPECT_EQ(league.snapshot(), before);
}

TEST_F(ReportCommandTest, WithoutDotWineTheSteamPrefixHoldingThePathIsReadAndNamed) {
    test::FakeHome home;
    // The game in a second Steam library, among prefixes of other games that lack the league.
    const QString steam = ".local/share/Steam";
    for (const char* appid : {"100", "200", "300"})
        home.makeSteamPrefix(steam, appid, QStringLiteral("Other ") + appid);
    home.makeSteamPrefix("disk/SteamLibrary", "555", "QEL Pro Football 2011",
                         {{"c:", league.root()}, {"z:", "/"}});
    home.writeLibraryFolders(steam,
                             {home.path() + "/" + steam, home.path() + "/disk/SteamLibrary"});
    const QString zMaster = "Z:" + QString(league.masterFolder()).replace('/', '\\');
    const auto before = league.snapshot();
    const test::CommandOutput captured =
        report({R"(C:\PRIOR\)", R"(c:\Current)", zMaster}, home.environment());
    EXPECT_EQ(captured.status, ReportCommand::success) << captured.err.toStdString();
    EXPECT_EQ(captured.out, contentOf(QStringLiteral(ZORBIN_GOLDEN_DIR "/report-small.txt")));
    EXPECT_TRUE(captured.err.contains(
        R"(Read "C:\PRIOR\" and "c:\Current" through the Wine prefix "QEL Pro )"
        R"(Football 2011" (~/disk/SteamLibrary/steamapps/compatdata/)"
        "555/pfx)"))
        << captured.err.toStdString();

    // A folder no prefix holds says where prefixes were looked for.
    test::CommandOutput failed = report(
        {R"(C:\Elsewhere)", league.currentFolder(), league.masterFolder()}, home.environment());
    EXPECT_EQ(failed.status, ReportCommand::failure);
    EXPECT_TRUE(failed.err.contains(R"(no Wine prefix holds C:\Elsewhere; looked in 4 Steam )"
                                    "prefixes\n"))
        << failed.err.toStdString();

    // A WINEPREFIX that is no prefix is never passed over for ~/.wine's older copy of the league.
    LeagueFolder oldCopy;
    home.makePrefix(".wine", {{"c:", oldCopy.root()}});
    for (const QString& notAPrefix : {home.path() + "/typo", home.path() + "/disk"}) {
        WineEnvironment wine = home.environment();
        wine.winePrefix = notAPrefix;
        failed = report({R"(C:\prior)", R"(C:\current)", R"(C:\master)"}, wine);
        EXPECT_EQ(failed.status, ReportCommand::failure);
        EXPECT_TRUE(failed.err.contains(("WINEPREFIX \"" + notAPrefix + "\"").toUtf8()))
            << failed.err.toStdString();
        EXPECT_TRUE(failed.out.isEmpty());
    }
    EXPECT_EQ(league.snapshot(), before);
}

// A slip is one line naming it and where to read more; an empty folder (an unset shell variable)
// is one, and writes nothing.
TEST_F(ReportCommandTest, BadUsageExitsTwoAndHelpExitsZero) {
    const QString gone = working.filePath("gone.txt");
    const struct {
        QStringList arguments;
        QString slip;
    } slips[] = {
        {{}, "three folders are needed, 0 given"},
        {{"one", "two"}, "three folders are needed, 2 given"},
        {folders() + QStringList{"extra"}, "three folders are needed, 4 given"},
        {folders() + QStringList{"--gone"}, "--gone needs FILE"},
        {folders() + QStringList{"--gone="}, "--gone needs FILE"},
        {folders() + QStringList{"--bogus"}, "unknown option --bogus"},
        {folders() + QStringList{"--format", "xml"}, "unknown format \"xml\" for --format: use "
                                                     "text, csv or json"},
        {folders() + QStringList{"--format=CSV"}, "unknown format \"CSV\""},
        {folders() + QStringList{"--format"}, "--format needs FORMAT"},
        {folders() + QStringList{"--moved", "--new=x"}, "--moved prints a third list"},
        {folders() + QStringList{"-x"}, "unknown option -x"},
        {{"", league.currentFolder(), league.masterFolder(), "--gone", gone},
         "PRIOR_FOLDER is empty"},
        {{league.priorFolder(), "", league.masterFolder()}, "CURRENT_FOLDER is empty"},
        {{league.priorFolder(), league.currentFolder(), ""}, "MASTER_FOLDER is empty"},
    };
    for (const auto& slip : slips) {
        const test::CommandOutput captured = report(slip.arguments);
        EXPECT_EQ(captured.status, ReportCommand::badUsage)
            << slip.arguments.join(' ').toStdString();
        const QStringList lines = QString::fromLocal8Bit(captured.err).split('\n');
        EXPECT_EQ(lines.size(), 3) << captured.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith("zorbin-report: " + slip.slip)) << lines[0].toStdString();
        EXPECT_EQ(lines.value(1), "Try 'zorbin-report --help'.");
        EXPECT_TRUE(captured.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(gone));
    const test::CommandOutput help = report({"--help"});
    EXPECT_EQ(help.status, ReportCommand::success);
    EXPECT_TRUE(help.out.startsWith(
        "Usage: zorbin-report [options] PRIOR_FOLDER CURRENT_FOLDER MASTER_FOLDER\n"));
    EXPECT_TRUE(help.out.endsWith("Exit status: 0 done, 1 a folder or file could not be used, 2 "
                                  "bad usage.\n"));
    const test::CommandOutput version = report({"--version"});
    EXPECT_EQ(version.status, ReportCommand::success);
    EXPECT_EQ(version.out, QByteArray("zorbin-report ") + programVersion + '\n');
}

} // namespace
} // namespace zorbin
