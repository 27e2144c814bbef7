// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a league folder may hold besides its seasons, as the history tool finds them under --league:
// odd and non-UTF-8 names, links that loop or lead nowhere or twice to one season, player files
// that are no files or hold nothing, and folders that can't be read. Beside the league's "prior"
// and "current" seasons (its "master" folder holds no player file), each row adds entries; none may
// hang the tool or change a file, each season comes once, in natural order, and standard error says
// which folders were taken as seasons.

#include "files/ProseList.h"
#include "HardeningTest.h"
#include "support/OrdinaryUser.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <sys/stat.h>

namespace zorbin::test {
namespace {

struct DiscoveryCase {
    const char* name;
    std::function<void(const QString& league, const QByteArray& players)> arrange;
    QStringList seasons; // in the order printed
    int status = 0;
    QStringList errors = {}; // lines of standard error, in any order; %1: the league folder
    QString league = {};     // a subfolder given as the league folder instead
};

// A team file with a team and no roster.
QByteArray teams() {
    return league::LeagueFileWriter::teamFile({team("Bay", "Owls", {})});
}

// A season folder with its players and a team file that rosters none of them.
void season(const QString& folder, const QByteArray& players, const QString& file = "qelplyr.dat") {
    QDir().mkpath(folder);
    LeagueFolder::writeBytes(folder + '/' + file, players);
    LeagueFolder::writeBytes(folder + "/qelteam.dat", teams());
}

void link(const QString& target, const QString& path) {
    ASSERT_TRUE(QFile::link(target, path)) << path.toStdString();
}

const DiscoveryCase cases[] = {
    {"NamesInNaturalOrderHiddenFoldersAndFilesPassedOver",
     [](const QString& league, const QByteArray& players) {
         for (const char* name : {"Season 10", "Season 9", "season 2", "2009", "Season 09"})
             season(league + '/' + name, players);
         season(league + "/.backup", players);
         QDir().mkpath(league + "/notes");
         LeagueFolder::writeBytes(league + "/2008", players);
     },
     {"2009", "current", "prior", "season 2", "Season 09", "Season 9", "Season 10"}},
    {"PlayerFilesThatAreNoFilesMakeNoSeason",
     [](const QString& league, const QByteArray& players) {
         QDir().mkpath(league + "/folder/qelplyr.dat");
         QDir().mkpath(league + "/fifo");
         ASSERT_EQ(::mkfifo(QFile::encodeName(league + "/fifo/qelplyr.dat").constData(), 0600), 0);
         QDir().mkpath(league + "/dangling");
         link(league + "/nowhere", league + "/dangling/qelplyr.dat");
         season(league + "/UPPER", players, "QELPLYR.DAT");
     },
     {"current", "prior", "UPPER"}},
    {"LinksCountOnceAndLoopsEnd",
     [](const QString& league, const QByteArray& players) {
         link(league + "/prior", league + "/latest");
         link("prior", league + "/Prior copy");
         season(league + "/master/kept", players);
         link(league + "/master/kept", league + "/elsewhere");
         link(league + "/loop", league + "/loop");
         link(league + "/nowhere", league + "/dangling");
         link("..", league + "/up");
         link(".", league + "/here");
         QDir().mkpath(league + "/deep");
         link("..", league + "/deep/back");
     },
     {"current", "elsewhere", "prior"}},
    {"FoldersThatCantBeReadAreNamedAndTheRestStillPrinted",
     [](const QString& league, const QByteArray& players) {
         season(league + "/locked", players);
         ASSERT_TRUE(QFile::setPermissions(league + "/locked", {}));
         season(league + "/behind", players);
         placeObstacle(league + "/behind", Obstacle::LockedFolder);
         // As a save that crashed leaves them, beside a season whose empty team file has a full
         // copy in other letter case, which is read.
         season(league + "/crashed", {});
         season(league + "/no teams", players);
         LeagueFolder::writeBytes(league + "/no teams/qelteam.dat", {});
         season(league + "/upper teams", players);
         LeagueFolder::writeBytes(league + "/upper teams/qelteam.dat", {});
         LeagueFolder::writeBytes(league + "/upper teams/QELTEAM.DAT", teams());
     },
     {"current", "prior", "upper teams"},
     1,
     {"Could not read folder \"%1/locked\": Permission denied; passed over",
      "Could not read folder \"%1/behind\": Permission denied; passed over",
      "Could not read folder \"%1/behind.locked\": Permission denied; passed over",
      "Could not read \"%1/crashed/qelplyr.dat\": The file is empty; passed over",
      "Could not read \"%1/no teams/qelteam.dat\": The file is empty; passed over"}},
    {"NamesThatAreNotUtf8AreNamedWhenTheyMayBeSeasons",
     [](const QString& league, const QByteArray& players) {
         season(league + "/latin", players);
         QDir().mkpath(league + "/notes");
         for (const auto& [from, to] :
              {std::pair{"/latin", "/Saison \xE9t\xE9"}, std::pair{"/notes", "/Notes \xE9"}})
             ASSERT_EQ(std::rename(QFile::encodeName(league + from).constData(),
                                   (QFile::encodeName(league) + to).constData()),
                       0);
     },
     {"current", "prior"},
     1,
     {"Could not read folder \"%1/Saison \uFFFDt\uFFFD\": Its name is not valid UTF-8; passed "
      "over"}},
    {"OddNamesAreSeasonsLikeAnyOther",
     [](const QString& league, const QByteArray& players) {
         for (const char* name :
              {" leading", "<b>&\"'", "a\nb", "tab\there", "\xC3\xBCnic\xC3\xB6"})
             season(league + '/' + QString::fromUtf8(name), players);
     },
     {" leading", "<b>&\"'", "a\nb", "current", "prior", "tab\there", "\u00FCnic\u00F6"}},
    {"ALeagueWithoutSeasonsIsAFailure",
     [](const QString&, const QByteArray&) {},
     {},
     1,
     {"No season in \"%1/master\": no subfolder holds qelplyr.dat"},
     "master"},
};

void PrintTo(const DiscoveryCase& row, std::ostream* stream) {
    *stream << row.name;
}

class SeasonDiscoveryTest : public HardeningTest,
                            public ::testing::WithParamInterface<DiscoveryCase> {};

TEST_P(SeasonDiscoveryTest, FindsEachSeasonOnceInNaturalOrderAndNamesWhatItCantRead) {
    const DiscoveryCase& row = GetParam();
    // Every season has its team file here: one that lacks it fails the run, which is not the point.
    LeagueFolder::writeBytes(league.currentFolder() + "/qelteam.dat", teams());
    GetParam().arrange(league.root(), contentOf(league.priorPlayerFile()));
    const QString folder = row.league.isEmpty() ? league.root() : league.root() + '/' + row.league;
    ReportOutcome outcome;
    {
        const OrdinaryUser ordinary;
        outcome = history({"--league", folder, "--format", "json"});
    }
    // What the league folder's removal needs: permissions back, and names Qt can spell.
    for (const QString& entry : entriesOf(league.root()))
        QFile::setPermissions(league.root() + '/' + entry,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const auto& entry : std::filesystem::directory_iterator(league.root().toStdString())) {
        const std::string name = entry.path().filename().native();
        if (QFile::encodeName(QFile::decodeName(name.c_str())) != name.c_str())
            std::filesystem::remove_all(entry.path());
    }

    EXPECT_EQ(outcome.status, row.status);
    QStringList errors = QString::fromUtf8(outcome.err).split('\n', Qt::SkipEmptyParts);
    QStringList quoted;
    for (const QString& season : row.seasons)
        quoted.append('"' + season + '"');
    QString found = QStringLiteral("zorbin-history: The seasons in \"%1\", in order: %2")
                        .arg(folder, proseList::joined(quoted));
    // A line break or a tab in a name shows as the text form shows it, and the line stays one.
    found.replace(QRegularExpression("[\\x00-\\x1f]"), QStringLiteral("\uFFFD"));
    EXPECT_EQ(errors.removeAll(found), row.seasons.isEmpty() ? 0 : 1) << outcome.err.toStdString();
    for (QString& line : errors) {
        EXPECT_TRUE(line.startsWith("zorbin-history: ")) << line.toStdString();
        line.remove(0, QStringLiteral("zorbin-history: ").size());
    }
    QStringList expected = row.errors;
    expected.replaceInStrings("%1", league.root());
    errors.sort();
    expected.sort();
    EXPECT_EQ(errors, expected);
    const QJsonArray seasons = QJsonDocument::fromJson(outcome.out)["seasons"].toArray();
    EXPECT_EQ(seasons.toVariantList(), QVariant(row.seasons).toList());
    EXPECT_EQ(outcome.out.isEmpty(), row.seasons.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LeagueFolders, SeasonDiscoveryTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zorbin::test
