// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Remembered-folder files that cannot be written or are not files: saving names the file and the
// reason while the run goes on, restoring never hangs, and an older file survives a failed save.

#include "files/FileFailure.h"
#include "FileSizeLimit.h"
#include "HangWatchdog.h"
#include "HardeningTest.h"
#include "settings/RememberedFolders.h"

#include <QDir>

namespace zorbin::test {
namespace {

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
    const RememberedFolders unwritable(QStringLiteral("/proc"), WineEnvironment{});
    const std::optional<FileFailure> failure =
        unwritable.SaveFolders(league.priorFolder(), league.currentFolder(), league.masterFolder());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message(), writeFailure("/proc/MissDir.Txt", qt_error_string(ENOENT)));

    const auto before = league.snapshot();
    const ProcessOutcome result =
        test::shown(runComparison(input(), WineEnvironment{}, &unwritable));
    EXPECT_EQ(league.snapshot(), before);
    EXPECT_EQ(result.saveNotice, failure->message());
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(result.leftPlayers, leftLines);
    EXPECT_EQ(result.arrivedPlayers, arrivedLines);

    QStringList restored;
    {
        const HangWatchdog watchdog("Restoring from /proc", std::chrono::seconds(60));
        restored = restoredFolders(unwritable.RestoreFolders());
    }
    EXPECT_TRUE(restored.isEmpty());
}

TEST_F(RememberedFolderFailureTest,
       ASeasonFileThatIsAFolderIsReportedAndKeptWhileTheMasterIsSaved) {
    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Folder);
    const ProcessOutcome result = process();
    // Qt words the reason itself ("Filename refers to a directory").
    EXPECT_TRUE(result.saveNotice.startsWith(writeFailure(scratch.filePath("MissDir.txt"), {})) &&
                result.saveNotice.contains("directory"))
        << result.saveNotice.toStdString();
    EXPECT_EQ(result.leftPlayers, leftLines);
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt/keep.txt")), "kept");
    EXPECT_EQ(contentOf(scratch.filePath("QELMdir.txt")),
              RememberedFolders::entryLine(league.masterFolder()));

    (void)RememberedFolders(scratch.path(), WineEnvironment{}).RestoreFolders();
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt/keep.txt")), "kept");
}

TEST_F(RememberedFolderFailureTest, RememberedFilesThatAreFifosNeverBlockSavingOrRestoring) {
    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    placeObstacle(scratch.filePath("QELMDir.txt"), Obstacle::Fifo);
    const RememberedFolders remembered(scratch.path(), WineEnvironment{});
    {
        const HangWatchdog watchdog("Restoring from FIFOs", std::chrono::seconds(60));
        EXPECT_TRUE(restoredFolders(remembered.RestoreFolders()).isEmpty());
    }

    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    const ProcessOutcome result = process();
    EXPECT_TRUE(result.saveNotice.isEmpty()) << result.saveNotice.toStdString();
    EXPECT_EQ(restoredFolders(remembered.RestoreFolders()),
              (QStringList{"0 " + league.priorFolder() + "/", "1 " + league.currentFolder() + "/",
                           "2 " + league.masterFolder() + "/"}));
}

TEST_F(RememberedFolderFailureTest, AFullDiskKeepsTheFoldersRememberedBefore) {
    const RememberedFolders remembered(scratch.path(), WineEnvironment{});
    ASSERT_FALSE(remembered.SaveFolders("/earlier/prior", "/earlier/current", "/earlier/master"));
    const QByteArray season = contentOf(scratch.filePath("MissDir.Txt"));
    const QByteArray master = contentOf(scratch.filePath("QELMdir.txt"));

    std::optional<FileFailure> failure;
    {
        const FileSizeLimit limit(8);
        ASSERT_TRUE(limit.active());
        failure = remembered.SaveFolders(league.priorFolder(), league.currentFolder(),
                                         league.masterFolder());
    }
    ASSERT_TRUE(failure.has_value()) << "saving claimed success";
    EXPECT_EQ(failure->message(),
              writeFailure(scratch.filePath("MissDir.Txt"), qt_error_string(EFBIG)));
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.Txt")), season);
    EXPECT_EQ(contentOf(scratch.filePath("QELMdir.txt")), master);
    EXPECT_EQ(entriesOf(scratch.path()), (QStringList{"MissDir.Txt", "QELMdir.txt"}));
}

} // namespace
} // namespace zorbin::test
