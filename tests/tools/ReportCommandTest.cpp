// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "support/CommandOutput.h"
#include "support/FakeHome.h"
#include "support/LeagueFolder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zorbin {
namespace {

using test::LeagueFolder;
using test::player;
using test::team;

test::CommandOutput report(const QStringList& arguments) {
    return test::captureCommand([&arguments](std::FILE* out, std::FILE* err) {
        return ReportCommand::run(arguments, out, err);
    });
}

using test::contentOf;

class ReportCommandTest : public ::testing::Test {
protected:
    ReportCommandTest() {
        league.writeTeams(
            {team("Lake City", "Comets", {12345, 20000}), team("M\xFCnchen", "L\xF6wen", {12400})});
        league.writePriorPlayers({player(12345, "Ortega", "Luis"), player(12400, "Kept", "One"),
                                  player(12500, "Unlisted", "Gone")});
        league.writeCurrentPlayers({player(12400, "Kept", "One"),
                                    player(20000, "Ib\xE1\xF1\x65z", "Jos\xE9"),
                                    player(21000, "Abcdefghijklmnop", "Qrstuvwxyzabcd")});
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
}

TEST_F(ReportCommandTest, WritesEachListAsAnExportWould) {
    const QString gone = working.filePath("gone.txt");
    const QString arrived = working.filePath("new.txt");
    const test::CommandOutput captured =
        report(folders() + QStringList{"--gone", gone, QStringLiteral("--new=") + arrived});
    EXPECT_EQ(captured.status, ReportCommand::success);
    EXPECT_TRUE(captured.out.isEmpty());
    EXPECT_EQ(contentOf(gone), QByteArray("Ortega,Luis            12345 Lake City Comets\r\n"
                                          "                       12500 \r\n"));
    EXPECT_EQ(contentOf(arrived),
              QByteArray("Ib\xE1\xF1\x65z,Jos\xE9            20000 Lake City Comets\r\n"
                         "Abcdefghijklmnop,Qrstuvwxyzabcd  21000 \r\n"));
    QFile::remove(gone);
    QFile::remove(arrived);
}

TEST_F(ReportCommandTest, FolderWithoutPlayerFileGivesTheMessageAndWritesNothing) {
    QFile::remove(league.currentPlayerFile());
    const QString gone = working.filePath("gone.txt");
    const test::CommandOutput captured = report(folders() + QStringList{"--gone", gone});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_EQ(captured.err, QByteArray(" Not a valid QEL Directory for Prior Season\n"));
    EXPECT_FALSE(QFile::exists(gone));
}

TEST_F(ReportCommandTest, OtherFailuresNameTheFileAndReason) {
    QFile::remove(league.teamFile());
    QDir().mkpath(league.teamFile());
    test::CommandOutput captured = report(folders());
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("qelteam.dat")) << captured.err.toStdString();
    EXPECT_TRUE(captured.err.contains(qt_error_string(EISDIR).toUtf8()));
    QDir().rmdir(league.teamFile());

    captured = report({league.priorFolder(), league.root() + "/nowhere", league.masterFolder()});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("nowhere"));

    captured = report(folders() + QStringList{"--gone", "/dev/full"});
    EXPECT_EQ(captured.status, ReportCommand::failure);
    EXPECT_TRUE(captured.err.contains("/dev/full"));
}

TEST_F(ReportCommandTest, WindowsPathsAreReadThroughTheWinePrefixInAnyLetterCase) {
    test::FakeHome home;
    home.makePrefix(".wine",
                    test::FakeHome::driveC + QList<test::FakeHome::Link>{{"l:", league.root()}});
    const auto before = league.snapshot();
    const test::CommandOutput captured = report({R"(L:\PRIOR\)", R"(l:\Current)", R"(L:\MASTER\)"});
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
            report({bad.folder, league.currentFolder(), league.masterFolder()});
        EXPECT_EQ(failed.status, ReportCommand::failure) << bad.folder.toStdString();
        EXPECT_TRUE(failed.err.contains(bad.reason)) << failed.err.toStdString();
        EXPECT_TRUE(failed.out.isEmpty());
    }
    EXPECT_EQ(league.snapshot(), before);
}

TEST_F(ReportCommandTest, BadUsageExitsTwoAndHelpExitsZero) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"one", "two"}, folders() + QStringList{"extra"},
          folders() + QStringList{"--gone"}, folders() + QStringList{"--bogus"}}) {
        const test::CommandOutput captured = report(arguments);
        EXPECT_EQ(captured.status, ReportCommand::badUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(captured.err.contains("Usage: zorbin-report"));
    }
    const test::CommandOutput help = report({"--help"});
    EXPECT_EQ(help.status, ReportCommand::success);
    EXPECT_TRUE(help.out.startsWith("Usage: zorbin-report"));
}

} // namespace
} // namespace zorbin
