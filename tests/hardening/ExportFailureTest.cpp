// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exports that cannot be written: each failure names the file and the reason, leaves whatever was
// at the chosen path as it was, leaves no stray file behind, and the next export works. Every case
// goes through the list writer and through the report tool's --gone and --new, as an ordinary user.
// A writable file in a folder that takes no new file is the one obstacle an export overcomes.

#include "export/ListFileWriter.h"
#include "FileSizeLimit.h"
#include "HardeningTest.h"
#include "support/OrdinaryUser.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace zorbin::test {
namespace {

constexpr rlim_t fullDiskBytes = 4096;

enum class Target {
    DevFull,
    MissingFolder,
    Folder,
    Fifo,
    ExistingFileOnFullDisk,
    WritableFileInUnwritableFolder,
    ReadOnlyFileInUnwritableFolder,
    WritableFileInUnwritableFolderOnFullDisk
};

struct Scenario {
    QString path;
    QString reason; // empty: the export replaces the file
    bool fullDisk = false;
};

constexpr QFile::Permissions unwritableFolder =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;

// A list several times larger than the disk allows, yet smaller than Qt's write buffer, so that
// the failure only surfaces when the buffer is flushed.
QList<QByteArray> longList() {
    QList<QByteArray> lines;
    for (int identity = 10001; identity <= 10200; ++identity)
        lines.append("Somebody,Anybody         " + QByteArray::number(identity) +
                     " Lake City Comets");
    return lines;
}

class ExportFailureTest : public HardeningTest, public ::testing::WithParamInterface<Target> {
protected:
    Scenario arrange() {
        const QString folder = scratch.path();
        switch (GetParam()) {
        case Target::DevFull:
            return {QStringLiteral("/dev/full"), qt_error_string(ENOSPC)};
        case Target::MissingFolder:
            return {folder + "/no such folder/list.txt", qt_error_string(ENOENT)};
        case Target::Folder:
            placeObstacle(folder + "/list.txt", Obstacle::Folder);
            return {folder + "/list.txt", qt_error_string(EISDIR)};
        case Target::Fifo:
            placeObstacle(folder + "/list.txt", Obstacle::Fifo);
            return {folder + "/list.txt", QStringLiteral("Not a regular file")};
        case Target::ExistingFileOnFullDisk:
            LeagueFolder::writeBytes(folder + "/list.txt", "an earlier list\r\n");
            return {folder + "/list.txt", qt_error_string(EFBIG), true};
        case Target::WritableFileInUnwritableFolder:
            return {inUnwritableFolder(QFile::ReadOwner | QFile::WriteOwner), {}};
        case Target::ReadOnlyFileInUnwritableFolder:
            return {inUnwritableFolder(QFile::ReadOwner), qt_error_string(EACCES)};
        case Target::WritableFileInUnwritableFolderOnFullDisk:
            return {inUnwritableFolder(QFile::ReadOwner | QFile::WriteOwner),
                    qt_error_string(EFBIG), true};
        }
        return {};
    }

    // A shared folder's list: a file with `permissions`, longer than any list written here, in a
    // folder that takes no new file.
    QString inUnwritableFolder(QFile::Permissions permissions) {
        const QString path = scratch.filePath("shared/list.txt");
        EXPECT_TRUE(QDir().mkdir(scratch.filePath("shared")));
        LeagueFolder::writeBytes(path, QByteArray(20000, 'x') + "\r\n");
        EXPECT_TRUE(QFile::setPermissions(path, permissions));
        EXPECT_TRUE(QFile::setPermissions(scratch.filePath("shared"), unwritableFolder));
        return path;
    }

    void TearDown() override {
        QFile::setPermissions(scratch.filePath("shared"), unwritableFolder | QFile::WriteOwner);
    }

    // Everything in the scratch folder, with the bytes of its files, and the state of the path.
    QMap<QString, QByteArray> stateOf(const QString& path) const {
        QMap<QString, QByteArray> state;
        for (const QString& name : entriesOf(scratch.path()))
            state.insert(name, contentOf(scratch.filePath(name)));
        for (const QString& name : entriesOf(scratch.filePath("shared")))
            state.insert("shared/" + name, contentOf(scratch.filePath("shared/" + name)));
        struct stat status {};
        state.insert("<path>", ::stat(QFile::encodeName(path).constData(), &status) == 0
                                   ? QByteArray::number(status.st_mode & S_IFMT)
                                   : QByteArray("<none>"));
        return state;
    }
};

TEST_P(ExportFailureTest, NamesTheFileAndReasonAndLosesNothing) {
    const OrdinaryUser ordinary;
    const Scenario scenario = arrange();
    const bool replaced = scenario.reason.isEmpty();
    const QString expected =
        QStringLiteral("Could not write \"%1\": %2").arg(scenario.path, scenario.reason);
    const QList<QByteArray> lines = longList();
    const auto before = stateOf(scenario.path);

    std::optional<FileFailure> failure;
    {
        std::optional<FileSizeLimit> limit;
        if (scenario.fullDisk) {
            ASSERT_TRUE(limit.emplace(fullDiskBytes).active());
        }
        failure = listFileWriter::write(scenario.path, lines);
    }
    if (replaced) {
        EXPECT_FALSE(failure.has_value()) << failure->message().toStdString();
        EXPECT_EQ(contentOf(scenario.path), lines.join("\r\n") + "\r\n");
    } else {
        ASSERT_TRUE(failure.has_value()) << "the export claimed success";
        EXPECT_EQ(failure->message(), expected);
        EXPECT_EQ(stateOf(scenario.path), before);
    }

    for (const auto& [option, written] :
         {std::pair{"--gone", &leftLines}, std::pair{"--new", &arrivedLines}}) {
        ReportOutcome outcome;
        {
            // The league's lists are short: only a disk that is already full refuses them.
            std::optional<FileSizeLimit> limit;
            if (scenario.fullDisk) {
                ASSERT_TRUE(limit.emplace(0).active());
            }
            outcome = report({option, scenario.path});
        }
        if (replaced) {
            EXPECT_EQ(outcome.status, 0) << option << ": " << outcome.err.constData();
            EXPECT_EQ(contentOf(scenario.path), written->join("\r\n") + "\r\n") << option;
            continue;
        }
        EXPECT_EQ(outcome.status, 1) << option;
        EXPECT_EQ(QString::fromLocal8Bit(outcome.err), "zorbin-report: " + expected + '\n')
            << option;
        EXPECT_EQ(stateOf(scenario.path), before) << option;
    }

    // The next export, to a sound path, is whole.
    const QString good = scratch.filePath("good.txt");
    ASSERT_FALSE(listFileWriter::write(good, lines).has_value());
    EXPECT_EQ(contentOf(good), lines.join("\r\n") + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, ExportFailureTest,
                         ::testing::Values(Target::DevFull, Target::MissingFolder, Target::Folder,
                                           Target::Fifo, Target::ExistingFileOnFullDisk,
                                           Target::WritableFileInUnwritableFolder,
                                           Target::ReadOnlyFileInUnwritableFolder,
                                           Target::WritableFileInUnwritableFolderOnFullDisk),
                         [](const auto& info) {
                             switch (info.param) {
                             case Target::DevFull:
                                 return "DevFull";
                             case Target::MissingFolder:
                                 return "MissingFolder";
                             case Target::Folder:
                                 return "Folder";
                             case Target::Fifo:
                                 return "Fifo";
                             case Target::ExistingFileOnFullDisk:
                                 return "ExistingFileOnFullDisk";
                             case Target::WritableFileInUnwritableFolder:
                                 return "WritableFileInUnwritableFolderIsReplaced";
                             case Target::ReadOnlyFileInUnwritableFolder:
                                 return "ReadOnlyFileInUnwritableFolder";
                             case Target::WritableFileInUnwritableFolderOnFullDisk:
                                 return "WritableFileInUnwritableFolderOnFullDisk";
                             }
                             return "";
                         });

TEST_F(HardeningTest, ReportPrintedToAFullDeviceSaysSo) {
    for (const char* format : {"text", "csv", "json"}) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        const ReportOutcome outcome = report({"--format", format}, full);
        std::fclose(full);
        EXPECT_EQ(outcome.status, 1) << format;
        EXPECT_EQ(
            QString::fromLocal8Bit(outcome.err),
            QStringLiteral("zorbin-report: Could not write the lists to standard output: %1\n")
                .arg(qt_error_string(ENOSPC)))
            << format;
    }
}

} // namespace
} // namespace zorbin::test
