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

class RecordingColumns : public FolderColumnSetter {
public:
    void setDrive(PickerColumn, const QString&) override {}
    void setFolder(PickerColumn column, const QString& folder) override {
        restored.append(QStringLiteral("%1 %2").arg(int(column)).arg(folder));
    }
    QStringList restored;
};

QString writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), path, reason}.message();
}

using RememberedFolderFailureTest = HardeningTest;

TEST_F(RememberedFolderFailureTest, AWorkingFolderUnderProcIsReportedAndTheRunGoesOn) {
    // /proc takes no new files, not even from root.
    const RememberedFolders unwritable(QStringLiteral("/proc"));
    const std::optional<FileFailure> failure =
        unwritable.SaveFolders(league.priorFolder(), league.currentFolder(), league.masterFolder());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message(), writeFailure("/proc/MissDir.Txt", qt_error_string(ENOENT)));

    const auto before = league.snapshot();
    const ProcessOutcome result = processSteps(input(), &unwritable);
    EXPECT_EQ(league.snapshot(), before);
    EXPECT_EQ(result.saveNotice, failure->message());
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(result.leftPlayers, leftLines);
    EXPECT_EQ(result.arrivedPlayers, arrivedLines);

    RecordingColumns columns;
    {
        const HangWatchdog watchdog("Restoring from /proc", std::chrono::seconds(60));
        unwritable.RestoreFolders(columns);
    }
    EXPECT_TRUE(columns.restored.isEmpty());
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

    RecordingColumns columns;
    RememberedFolders(scratch.path()).RestoreFolders(columns);
    EXPECT_EQ(contentOf(scratch.filePath("MissDir.txt/keep.txt")), "kept");
}

TEST_F(RememberedFolderFailureTest, RememberedFilesThatAreFifosNeverBlockSavingOrRestoring) {
    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    placeObstacle(scratch.filePath("QELMDir.txt"), Obstacle::Fifo);
    const RememberedFolders remembered(scratch.path());
    RecordingColumns columns;
    {
        const HangWatchdog watchdog("Restoring from FIFOs", std::chrono::seconds(60));
        remembered.RestoreFolders(columns);
    }
    EXPECT_TRUE(columns.restored.isEmpty());

    placeObstacle(scratch.filePath("MissDir.txt"), Obstacle::Fifo);
    const ProcessOutcome result = process();
    EXPECT_TRUE(result.saveNotice.isEmpty()) << result.saveNotice.toStdString();
    remembered.RestoreFolders(columns);
    EXPECT_EQ(columns.restored,
              (QStringList{"0 " + league.priorFolder() + "/", "1 " + league.currentFolder() + "/",
                           "2 " + league.masterFolder() + "/"}));
}

TEST_F(RememberedFolderFailureTest, AFullDiskKeepsTheFoldersRememberedBefore) {
    const RememberedFolders remembered(scratch.path());
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
