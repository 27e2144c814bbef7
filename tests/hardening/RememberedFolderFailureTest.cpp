// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Remembered-folder files that cannot be written or are not files: saving names the file by its
// absolute path and the reason while the run goes on, restoring never hangs, an older file
// survives a failed save, and no game file is ever written through one of them.

#include "files/FileFailure.h"
#include "FileSizeLimit.h"
#include "HangWatchdog.h"
#include "HardeningTest.h"
#include "league/LeagueContext.h"
#include "settings/RememberedFolders.h"
#include "support/OrdinaryUser.h"

#include <QDir>
#include <unistd.h>

namespace zorbin::test {
namespace {

// What a start-up in `folder` restores: the folders' files read, then made where missing.
RestoredFolders startUpIn(const QString& folder) {
    LeagueContext league(WineEnvironment{}, folder);
    RestoredFolders restored = league.restoreFolders();
    league.createMissingRememberedFiles();
    return restored;
}

// The folders restored, each after its column's number.
QStringList restoredFolders(const RestoredFolders& restored) {
    QStringList folders;
    int number = 0;
    for (const auto& column : {restored.prior, restored.current, restored.master}) {
        if (column)
            folders.append(QStringLiteral("%1 %2").arg(number).arg(column->folder));
        ++number;
    }
    return folders;
}

QString writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), path, reason}.message();
}

using RememberedFolderFailureTest = HardeningTest;

TEST_F(RememberedFolderFailureTest, AWorkingFolderUnderProcIsReportedAndTheRunGoesOn) {
    // /proc takes no new files, not even from root.
    const RememberedFolders unwritable(QStringLiteral("/proc"));
    const std::optional<FileFailure> failure =
        unwritable.saveFolders(league.priorFolder(), league.currentFolder(), league.masterFolder());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message(), writeFailure("/proc/MissDir.Txt", qt_error_string(ENOENT)));

    const auto before = league.snapshot();
    const ComparisonOutcome result =
        LeagueContext(WineEnvironment{}, QStringLiteral("/proc")).run(input());
    EXPECT_EQ(league.snapshot(), before);
    EXPECT_EQ(result.message(RunMessage::Kind::NotRemembered), failure->message());
    EXPECT_TRUE(result.message(RunMessage::Kind::Stopped).isEmpty());
    EXPECT_EQ(result.leftPlayers(), leftLines);
    EXPECT_EQ(result.arrivedPlayers(), arrivedLines);

    QStringList restored;
    {
        const HangWatchdog watchdog("Restoring from /proc", std::chrono::seconds(60));
        restored = restoredFolders(startUpIn(QStringLiteral("/proc")));
    }
    EXPECT_TRUE(restored.isEmpty());
}

TEST_F(RememberedFolderFailureTest,
       ASeasonFileThatIsAFolderIsReportedAndKeptWhileTheMasterIsSaved) {
    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Folder);
    const ComparisonOutcome result = process();
    // Qt words the reason itself ("Filename refers to a directory").
    EXPECT_TRUE(result.message(RunMessage::Kind::NotRemembered)
                    .startsWith(writeFailure(scratch.filePath("MissDir.txt"), {})) &&
                result.message(RunMessage::Kind::NotRemembered).contains("directory"))
        << result.message(RunMessage::Kind::NotRemembered).toStdString();
    EXPECT_EQ(result.leftPlayers(), leftLines);
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt/keep.txt")), "kept");
    EXPECT_EQ(contentOf(scratch.filePath("QELMdir.txt")),
              RememberedFolders::entryLine(league.masterFolder()));

    (void)startUpIn(scratch.path());
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt/keep.txt")), "kept");
}

TEST_F(RememberedFolderFailureTest, RememberedFilesThatAreFifosNeverBlockSavingOrRestoring) {
    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    placeObstacle(scratch.filePath("QELMDir.txt"), Obstacle::Fifo);
    {
        const HangWatchdog watchdog("Restoring from FIFOs", std::chrono::seconds(60));
        EXPECT_TRUE(restoredFolders(startUpIn(scratch.path())).isEmpty());
    }

    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    const ComparisonOutcome result = process();
    EXPECT_TRUE(result.message(RunMessage::Kind::NotRemembered).isEmpty())
        << result.message(RunMessage::Kind::NotRemembered).toStdString();
    EXPECT_EQ(restoredFolders(startUpIn(scratch.path())),
              (QStringList{"0 " + league.priorFolder() + "/", "1 " + league.currentFolder() + "/",
                           "2 " + league.masterFolder() + "/"}));
}

TEST_F(RememberedFolderFailureTest, AFullDiskKeepsTheFoldersRememberedBefore) {
    const RememberedFolders remembered(scratch.path());
    ASSERT_FALSE(remembered.saveFolders("/earlier/prior", "/earlier/current", "/earlier/master"));
    const QByteArray season = contentOf(scratch.filePath("MissDir.Txt"));
    const QByteArray master = contentOf(scratch.filePath("QELMdir.txt"));

    std::optional<FileFailure> failure;
    {
        const FileSizeLimit limit(8);
        ASSERT_TRUE(limit.active());
        failure = remembered.saveFolders(league.priorFolder(), league.currentFolder(),
                                         league.masterFolder());
    }
    ASSERT_TRUE(failure.has_value()) << "saving claimed success";
    EXPECT_EQ(failure->message(),
              writeFailure(scratch.filePath("MissDir.Txt"), qt_error_string(EFBIG)));
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.Txt")), season);
    EXPECT_EQ(contentOf(scratch.filePath("QELMdir.txt")), master);
    EXPECT_EQ(entriesOf(scratch.path()), (QStringList{"MissDir.Txt", "QELMdir.txt"}));
}

TEST_F(RememberedFolderFailureTest, AFileLeadingToAGameFileIsRefusedAndTheRunGoesOn) {
    const QString season = scratch.filePath("MissDir.Txt");
    const QString master = scratch.filePath("QELMdir.txt");
    const QString elsewhere = scratch.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    const auto symbolicLink = [](const QString& target, const QString& link) {
        ASSERT_TRUE(QFile::link(target, link));
    };
    const auto hardLink = [](const QString& target, const QString& link) {
        ASSERT_EQ(
            ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    };
    const struct {
        const char* what;
        QString remembered; // the remembered file made a link
        QString target;     // what it leads to
        std::function<void(const QString&, const QString&)> makeLink;
        QString reason; // empty: the link is followed and the target rewritten
    } cases[] = {
        {"a link to a season's player file", season, league.priorPlayerFile(), symbolicLink,
         QStringLiteral("This leads to the QEL data file \"%1\"").arg(league.priorPlayerFile())},
        {"a link to the master file", master, league.masterPlayerFile(), symbolicLink,
         QStringLiteral("This leads to the QEL data file \"%1\"").arg(league.masterPlayerFile())},
        {"a link to a game file of another league", season, elsewhere + "/QELTEAM.DAT",
         symbolicLink,
         QStringLiteral("This leads to the QEL data file \"%1\"").arg(elsewhere + "/QELTEAM.DAT")},
        {"a second name of the current season's player file", season, league.currentPlayerFile(),
         hardLink,
         QStringLiteral("This is the QEL data file \"%1\" under another name")
             .arg(league.currentPlayerFile())},
        {"a link to a file of the user's", season, elsewhere + "/folders.txt", symbolicLink, {}},
    };
    for (const auto& link : cases) {
        SCOPED_TRACE(link.what);
        if (!QFileInfo::exists(link.target))
            LeagueFolder::writeBytes(link.target, "the user's own\r\n");
        const QByteArray targetBefore = contentOf(link.target);
        QFile::remove(season);
        QFile::remove(master);
        link.makeLink(link.target, link.remembered);

        // process() checks that the league's files come out byte for byte as they went in.
        const ComparisonOutcome result = process();
        EXPECT_EQ(result.leftPlayers(), leftLines);
        EXPECT_EQ(result.arrivedPlayers(), arrivedLines);
        if (link.reason.isEmpty()) {
            EXPECT_TRUE(result.message(RunMessage::Kind::NotRemembered).isEmpty())
                << result.message(RunMessage::Kind::NotRemembered).toStdString();
            EXPECT_TRUE(QFileInfo(link.remembered).isSymLink());
            EXPECT_EQ(contentOf(link.target),
                      RememberedFolders::entryLine(league.priorFolder()) +
                          RememberedFolders::entryLine(league.currentFolder()));
            continue;
        }
        EXPECT_EQ(
            result.message(RunMessage::Kind::NotRemembered),
            writeFailure(link.remembered, link.reason + "; Zorbin never changes the game's files"));
        EXPECT_EQ(contentOf(link.target), targetBefore);
        // The other file is saved all the same.
        const QString other = link.remembered == season ? master : season;
        EXPECT_FALSE(contentOf(other).isEmpty());

        // Nor does the restore, which creates a missing or empty file, write through the link.
        LeagueFolder::writeBytes(other, {});
        (void)startUpIn(scratch.path());
        EXPECT_EQ(contentOf(link.target), targetBefore);
    }
}

TEST_F(RememberedFolderFailureTest, AWorkingFolderTheUserCannotWriteToNamesTheFileAsOnDisk) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    const QByteArray earlier = RememberedFolders::entryLine("/earlier/prior") +
                               RememberedFolders::entryLine("/earlier/current");
    const struct {
        const char* what;
        QFile::Permissions seasonFile;
        QString notice;
        QByteArray seasonContent;
    } cases[] = {
        // The season file can be rewritten in place; the master file can't be created.
        {"a writable season file", QFile::ReadOwner | QFile::WriteOwner,
         writeFailure(scratch.filePath("QELMdir.txt"), qt_error_string(EACCES)),
         RememberedFolders::entryLine(league.priorFolder()) +
             RememberedFolders::entryLine(league.currentFolder())},
        {"a read-only season file", QFile::ReadOwner,
         writeFailure(scratch.filePath("MissDir.txt"), qt_error_string(EACCES)), earlier},
    };
    for (const auto& folder : cases) {
        SCOPED_TRACE(folder.what);
        // Written in another letter case than the one the save uses.
        LeagueFolder::writeBytes(scratch.filePath("MissDir.txt"), earlier);
        ASSERT_TRUE(QFile::setPermissions(scratch.filePath("MissDir.txt"), folder.seasonFile));
        ASSERT_TRUE(QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::ExeOwner));
        std::optional<FileFailure> failure;
        {
            const OrdinaryUser ordinary;
            failure = RememberedFolders(QStringLiteral("."))
                          .saveFolders(league.priorFolder(), league.currentFolder(),
                                       league.masterFolder());
        }
        ASSERT_TRUE(QFile::setPermissions(scratch.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->message(), folder.notice);
        EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt")), folder.seasonContent);
        EXPECT_EQ(entriesOf(scratch.path()), QStringList{"MissDir.txt"});
        QFile::remove(scratch.filePath("MissDir.txt"));
    }
    QDir::setCurrent(previous);
}

} // namespace
} // namespace zorbin::test
