// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeagueCommand.h"

#include "SampleLeague.h"
#include "settings/RememberedFolders.h"
#include "support/CommandOutput.h"
#include "support/LeagueFolder.h"
#include "ZorbinVersion.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zorbin::sample {
namespace {

test::CommandOutput runTool(const QStringList& arguments) {
    return test::captureCommand([&arguments](std::FILE* out, std::FILE* err) {
        return SampleLeagueCommand::run(arguments, out, err);
    });
}

using test::contentOf;

TEST(SampleLeagueCommandTest, RememberedFoldersHoldAbsolutePathsEvenForARelativeFolder) {
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(working.path());
    const test::CommandOutput outcome = runTool({"demo", "--remember", "--seed", "5"});
    QDir::setCurrent(previous);
    ASSERT_EQ(outcome.status, SampleLeagueCommand::success) << outcome.err.toStdString();

    // Zorbin runs inside the demo folder, so the entries must not depend on where the tool ran.
    const QString root = QDir(working.path()).filePath("demo");
    EXPECT_EQ(contentOf(root + "/MissDir.Txt"),
              RememberedFolders::entryLine(root + "/prior") +
                  RememberedFolders::entryLine(root + "/current"));
    EXPECT_EQ(contentOf(root + "/QELMdir.txt"), RememberedFolders::entryLine(root + "/master"));
    EXPECT_EQ(contentOf(root + "/current/qelplyr.dat"),
              league::LeagueFileWriter::playerFile(SampleLeague(5).currentPlayers()));
    EXPECT_TRUE(outcome.out.contains(root.toUtf8()));
}

TEST(SampleLeagueCommandTest, ReplacesItsOwnLeagueButNeverAnotherFolder) {
    QTemporaryDir scratch;
    const QString demo = scratch.filePath("demo");
    ASSERT_EQ(runTool({demo, "--seed", "1"}).status, SampleLeagueCommand::success);
    ASSERT_EQ(runTool({demo, "--seed=2"}).status, SampleLeagueCommand::success);
    EXPECT_EQ(contentOf(demo + "/master/Mastplyr.dat"),
              league::LeagueFileWriter::masterFile(SampleLeague(2).masterPlayers()));
    EXPECT_FALSE(QFile::exists(demo + "/MissDir.Txt")) << "remembered only when asked";

    // A folder that may hold a real league, or is not a folder at all, is left as it was.
    const test::LeagueFolder real;
    real.writePriorPlayers({test::player(12345, "Ortega", "Luis")});
    const auto before = real.snapshot();
    const test::CommandOutput refused = runTool({real.root(), "--remember"});
    EXPECT_EQ(refused.status, SampleLeagueCommand::failure);
    EXPECT_TRUE(refused.err.contains(real.root().toUtf8())) << refused.err.toStdString();
    EXPECT_EQ(real.snapshot(), before);

    const test::CommandOutput notFolder = runTool({real.priorPlayerFile()});
    EXPECT_EQ(notFolder.status, SampleLeagueCommand::failure);
    EXPECT_EQ(real.snapshot(), before);
}

TEST(SampleLeagueCommandTest, BadUsageWritesNothing) {
    QTemporaryDir scratch;
    const QString demo = scratch.filePath("demo");
    for (const QStringList& arguments :
         {QStringList{}, QStringList{demo, "other"}, QStringList{demo, "--seed"},
          QStringList{demo, "--seed", "-1"}, QStringList{demo, "--seed=4294967296"},
          QStringList{demo, "--seed", "12x"}, QStringList{demo, "--bogus"}, QStringList{""}}) {
        const test::CommandOutput outcome = runTool(arguments);
        EXPECT_EQ(outcome.status, SampleLeagueCommand::badUsage)
            << arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.err.startsWith("zorbin-sample-league: "));
        EXPECT_TRUE(outcome.err.endsWith("\nTry 'zorbin-sample-league --help'.\n"));
        EXPECT_EQ(outcome.err.count('\n'), 2);
    }
    EXPECT_FALSE(QFile::exists(demo));
    const test::CommandOutput help = runTool({"--help"});
    EXPECT_EQ(help.status, SampleLeagueCommand::success);
    EXPECT_TRUE(help.out.startsWith("Usage: zorbin-sample-league"));
    const test::CommandOutput version = runTool({"--version"});
    EXPECT_EQ(version.status, SampleLeagueCommand::success);
    EXPECT_EQ(version.out, QByteArray("zorbin-sample-league ") + programVersion + '\n');
}

} // namespace
} // namespace zorbin::sample
