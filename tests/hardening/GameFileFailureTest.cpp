// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Game files that are not what they should be: folders, FIFOs, empty files, files of odd or huge
// length, and season folders that vanish before "Process". Every case goes through the comparison
// run and the report tool (the obstacles through the history tool too), and each leaves the league
// exactly as it was.

#include "compare/SeasonComparison.h"
#include "files/Exists.h"
#include "files/FileFailure.h"
#include "HardeningTest.h"
#include "LeagueFileWriter.h"
#include "support/OrdinaryUser.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <unistd.h>

namespace zorbin::test {
namespace {

enum class GameFile { PriorPlayers, CurrentPlayers, Teams, Master, CurrentTeams };

const char* gameFileName(GameFile file) {
    switch (file) {
    case GameFile::PriorPlayers:
        return "PriorPlayers";
    case GameFile::CurrentPlayers:
        return "CurrentPlayers";
    case GameFile::Teams:
        return "Teams";
    case GameFile::Master:
        return "Master";
    case GameFile::CurrentTeams:
        return "CurrentTeams";
    }
    return "";
}

QString readFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("read"), path, reason}.message();
}

class GameFileObstacleTest : public HardeningTest,
                             public ::testing::WithParamInterface<std::tuple<GameFile, Obstacle>> {
protected:
    QString pathOf(GameFile file) const {
        switch (file) {
        case GameFile::PriorPlayers:
            return league.priorPlayerFile();
        case GameFile::CurrentPlayers:
            return league.currentPlayerFile();
        case GameFile::Teams:
            return league.teamFile();
        case GameFile::Master:
            return league.masterPlayerFile();
        case GameFile::CurrentTeams:
            return league.currentFolder() + "/qelteam.dat";
        }
        return {};
    }
};

TEST_P(GameFileObstacleTest, EndsWithAClearMessageOrReadsAsEmptyAndNeverHangs) {
    const auto [file, obstacle] = GetParam();
    const QString path = pathOf(file);
    if (file == GameFile::CurrentTeams)
        LeagueFolder::writeBytes(
            path, league::LeagueFileWriter::teamFile({team("Lake City", "Comets", {12400})}));
    placeObstacle(path, obstacle);

    // What must come of it: a player file that is not a file with records is a missing one; a
    // team or master file that cannot be read leaves the lists without its teams or names and is
    // named in a notice; an empty master file has no entries, while an empty team file, as a save
    // that crashed leaves it, is one that can't be read.
    // A player file that can't be reached is not missing: the run ends with the system's reason.
    const bool teamFile = file == GameFile::Teams || file == GameFile::CurrentTeams;
    const QString unreadable = obstacle == Obstacle::Folder ? qt_error_string(EISDIR)
                               : obstacle == Obstacle::Fifo ? QStringLiteral("Not a regular file")
                               : obstacle == Obstacle::LockedFolder ? qt_error_string(EACCES)
                               : teamFile                           ? emptyFileReason
                                                                    : QString();
    QString message;
    QString masterFailure;
    QString teamFailure;
    QList<QByteArray> left = leftLines;
    QList<QByteArray> arrived = arrivedLines;
    const bool playerFile = file == GameFile::PriorPlayers || file == GameFile::CurrentPlayers;
    if (playerFile && obstacle == Obstacle::LockedFolder)
        message = readFailure(path, unreadable);
    else if (playerFile)
        message = missingPlayerFileMessage;
    else if (file == GameFile::Teams)
        left = {"Ortega,Luis            12345 ", "                       12500 "};
    if (file == GameFile::Teams && !unreadable.isEmpty())
        teamFailure = readFailure(path, unreadable);
    else if (file == GameFile::Master)
        left = {"                       12345 Lake City Comets", leftLines[1]};
    if (file == GameFile::Master && !unreadable.isEmpty())
        masterFailure = readFailure(path, unreadable);
    if (!message.isEmpty())
        left = arrived = {};

    const OrdinaryUser ordinary;
    const ComparisonOutcome result = process();
    EXPECT_EQ(result.message(RunMessage::Kind::Stopped), message);
    EXPECT_EQ(result.message(RunMessage::Kind::TeamUnread).isEmpty(), teamFailure.isEmpty());
    EXPECT_TRUE(result.message(RunMessage::Kind::TeamUnread).startsWith(teamFailure));
    EXPECT_EQ(result.leftPlayers(), left);
    EXPECT_EQ(result.arrivedPlayers(), arrived);
    EXPECT_EQ(result.message(RunMessage::Kind::MasterUnread).isEmpty(), masterFailure.isEmpty());
    EXPECT_TRUE(result.message(RunMessage::Kind::MasterUnread).startsWith(masterFailure))
        << result.message(RunMessage::Kind::MasterUnread).toStdString();

    // The failure names its file by kind, so callers never need to read the message.
    const auto compared = compareSeasons({league.teamFile(), league.priorPlayerFile(),
                                          league.currentPlayerFile(), league.masterPlayerFile()});
    ASSERT_EQ(compared.ok(), message.isEmpty());
    if (!compared.ok()) {
        const SeasonFile expectedFile = file == GameFile::PriorPlayers ? SeasonFile::PriorPlayer
                                        : file == GameFile::CurrentPlayers
                                            ? SeasonFile::CurrentPlayer
                                            : SeasonFile::MasterPlayer;
        EXPECT_EQ(compared.failure().file, expectedFile);
        EXPECT_EQ(compared.failure().missingPlayerFile(), message == missingPlayerFileMessage);
    }

    // Named on the command line, a folder without a usable master or team file is a slip.
    const ReportOutcome outcome = report();
    if (message.isEmpty() && masterFailure.isEmpty() && teamFailure.isEmpty()) {
        EXPECT_EQ(outcome.status, 0) << outcome.err.constData();
        for (const QByteArray& line : left + arrived)
            EXPECT_TRUE(outcome.out.contains(line + '\n')) << line.constData();
    } else {
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(QString::fromLocal8Bit(outcome.err),
                  "zorbin-report: " +
                      (!message.isEmpty()       ? message
                       : !teamFailure.isEmpty() ? teamFailure
                                                : masterFailure) +
                      '\n');
    }

    // The current season's team file is read only for the moved list, and then like the prior
    // season's: one that can't be read ends the run naming it.
    if (file == GameFile::CurrentTeams) {
        const auto withMoved =
            compareSeasons({league.teamFile(), league.priorPlayerFile(), league.currentPlayerFile(),
                            league.masterPlayerFile(), path},
                           ReportRows::Included, MovedRows::Included);
        const ReportOutcome moved = report({"--moved"});
        if (unreadable.isEmpty()) {
            EXPECT_TRUE(withMoved.ok());
            EXPECT_EQ(moved.status, 0) << moved.err.constData();
            EXPECT_TRUE(moved.out.endsWith("Players who changed teams (1):\n"
                                           "Kept,One               12400 Lake City Comets -> \n"))
                << moved.out.constData();
        } else {
            ASSERT_FALSE(withMoved.ok());
            EXPECT_EQ(withMoved.failure().file, SeasonFile::CurrentTeam);
            EXPECT_EQ(moved.status, 1);
            EXPECT_EQ(QString::fromLocal8Bit(moved.err),
                      "zorbin-report: " + readFailure(path, unreadable) + '\n');
        }
    }

    // The history reads the seasons by the same rules: a season whose file can't be used is named
    // and left out, the other still printed; a master file that can't be read ends it.
    if (file != GameFile::CurrentTeams)
        LeagueFolder::writeBytes(league.currentFolder() + "/qelteam.dat",
                                 league::LeagueFileWriter::teamFile({team("Bay", "Owls", {})}));
    QStringList seasons = {"prior", "current"};
    QString historyFailure = file != GameFile::Master || unreadable.isEmpty()
                                 ? QString()
                                 : readFailure(path, unreadable);
    if (file != GameFile::Master) {
        const QString reason = !playerFile || obstacle == Obstacle::LockedFolder ? unreadable
                               : obstacle == Obstacle::EmptyFile
                                   ? emptyFileReason
                                   : QStringLiteral("Not a regular file");
        historyFailure = readFailure(path, reason) + "; passed over";
        seasons.removeOne(file == GameFile::PriorPlayers || file == GameFile::Teams ? "prior"
                                                                                    : "current");
    } else if (!historyFailure.isEmpty()) {
        seasons.clear();
    }
    const ReportOutcome history =
        this->history({league.priorFolder(), league.currentFolder(), "--format", "json"});
    EXPECT_EQ(history.status, historyFailure.isEmpty() ? 0 : 1);
    EXPECT_EQ(QString::fromLocal8Bit(history.err),
              historyFailure.isEmpty() ? QString() : "zorbin-history: " + historyFailure + '\n');
    EXPECT_EQ(QJsonDocument::fromJson(history.out)["seasons"].toVariant().toStringList(), seasons);
    unlockObstacle(path);
}

INSTANTIATE_TEST_SUITE_P(
    EveryGameFile, GameFileObstacleTest,
    ::testing::Combine(::testing::Values(GameFile::PriorPlayers, GameFile::CurrentPlayers,
                                         GameFile::Teams, GameFile::Master, GameFile::CurrentTeams),
                       ::testing::Values(Obstacle::Folder, Obstacle::Fifo, Obstacle::EmptyFile,
                                         Obstacle::LockedFolder)),
    [](const auto& info) {
        return std::string(gameFileName(std::get<0>(info.param))) + "Is" +
               obstacleName(std::get<1>(info.param));
    });

using GameFileTest = HardeningTest;

TEST_F(GameFileTest, PlayerFilesOfOneByteAnd655BytesAreReadAsOnePaddedRecord) {
    const QByteArray ortega =
        league::LeagueFileWriter::playerRecord(player(12345, "Ortega", "Luis"));
    const QList<QByteArray> everyCurrentPlayer = {"Kept,One               12400 Lake City Comets",
                                                  arrivedLines[0]};
    struct Case {
        QByteArray prior;
        QList<QByteArray> left;
        QList<QByteArray> arrived;
    };
    for (const Case& sized : {Case{QByteArray(1, '\0'), {}, everyCurrentPlayer},
                              Case{QByteArray(1, '\x7f'), {}, everyCurrentPlayer},
                              Case{ortega.left(655), {leftLines[0]}, everyCurrentPlayer}}) {
        SCOPED_TRACE(sized.prior.size());
        LeagueFolder::writeBytes(league.priorPlayerFile(), sized.prior);
        const ComparisonOutcome result = process();
        EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty())
            << result.message(RunMessage::Kind::Stopped).toStdString();
        EXPECT_EQ(result.leftPlayers(), sized.left);
        EXPECT_EQ(result.arrivedPlayers(), sized.arrived);
        const ReportOutcome outcome = report();
        EXPECT_EQ(outcome.status, 0);
        for (const QByteArray& line : sized.left + sized.arrived)
            EXPECT_TRUE(outcome.out.contains(line + '\n')) << line.constData();
    }
}

TEST_F(GameFileTest, AHundredMegabytePlayerFileIsReadToItsEnd) {
    // Sparse: 100 MiB of zero records (all skipped), the real ones near the end, then a partial
    // one.
    const qint64 size = 100LL * 1024 * 1024;
    const QByteArray players = contentOf(league.priorPlayerFile());
    const qint64 offset = (size / 656 - 3) * 656;
    {
        QFile file(league.priorPlayerFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(size));
        ASSERT_TRUE(file.seek(offset));
        ASSERT_EQ(file.write(players), players.size());
    }
    ASSERT_EQ(QFileInfo(league.priorPlayerFile()).size(), size);

    const ComparisonOutcome result = process();
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty())
        << result.message(RunMessage::Kind::Stopped).toStdString();
    EXPECT_EQ(result.leftPlayers(), leftLines);
    EXPECT_EQ(result.arrivedPlayers(), arrivedLines);
    const ReportOutcome outcome = report();
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.contains(leftLines[0] + '\n'));
}

TEST_F(GameFileTest, ASeasonFolderThatVanishesBeforeTheRunGivesTheMessageAndIsNotRecreated) {
    const ComparisonRequest paths = input();
    for (const QString& folder : {league.priorFolder(), league.currentFolder()}) {
        SCOPED_TRACE(folder.toStdString());
        const QString kept = folder + ".kept";
        ASSERT_TRUE(QDir().rename(folder, kept));
        const ComparisonOutcome result = process(paths);
        EXPECT_EQ(result.message(RunMessage::Kind::Stopped), missingPlayerFileMessage);
        EXPECT_TRUE(result.leftPlayers().isEmpty() && result.arrivedPlayers().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(folder));

        const ReportOutcome outcome = report();
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(QString::fromLocal8Bit(outcome.err),
                  QStringLiteral("zorbin-report: Could not read folder \"%1\": %2\n")
                      .arg(folder, qt_error_string(ENOENT)));
        ASSERT_TRUE(QDir().rename(kept, folder));
    }

    // A file where the prior season's folder was.
    ASSERT_TRUE(QDir(league.priorFolder()).removeRecursively());
    LeagueFolder::writeBytes(league.priorFolder(), "not a folder");
    EXPECT_EQ(process(paths).message(RunMessage::Kind::Stopped), missingPlayerFileMessage);
}

TEST_F(GameFileTest, AMasterFolderThatVanishesLeavesNamesToTheCurrentSeason) {
    const ComparisonRequest paths = input();
    ASSERT_TRUE(QDir(league.masterFolder()).removeRecursively());
    const ComparisonOutcome result = process(paths);
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty())
        << result.message(RunMessage::Kind::Stopped).toStdString();
    EXPECT_EQ(result.leftPlayers(),
              (QList<QByteArray>{"                       12345 Lake City Comets", leftLines[1]}));
    EXPECT_EQ(result.arrivedPlayers(), arrivedLines);
    EXPECT_FALSE(QFileInfo::exists(league.masterFolder()));
}

} // namespace
} // namespace zorbin::test
