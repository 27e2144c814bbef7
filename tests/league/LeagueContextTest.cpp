// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueContext.h"

#include "settings/RememberedFolders.h"
#include "support/FakeHome.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace zorbin {
namespace {

// Where restoring points the columns, as the window applies it: each column's drive, then its
// folder, columns in order.
std::vector<QString> restoredCalls(const RestoredFolders& restored) {
    std::vector<QString> calls;
    int number = 0;
    for (const auto& column : {restored.prior, restored.current, restored.master}) {
        if (column) {
            calls.push_back(QStringLiteral("drive %1 %2").arg(number).arg(column->drive));
            calls.push_back(QStringLiteral("folder %1 %2").arg(number).arg(column->folder));
        }
        ++number;
    }
    return calls;
}

class RestoreTest : public ::testing::Test {
protected:
    QByteArray read(const QString& name) const {
        QFile file(working.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A folder below the scratch folder, made so that the restore finds it there.
    QString made(const QString& name) const {
        const QString path = working.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    // The drive the drive lists show for the scratch folder: the volume that holds it.
    static QString volume(const QString& folder) { return QStorageInfo(folder).rootPath(); }

    // What the window's start-up does with the remembered folders of `folder`.
    RestoredFolders startUp(const QString& folder) const {
        LeagueContext league(WineEnvironment{}, folder);
        RestoredFolders restored = league.restoreFolders();
        league.createMissingRememberedFiles();
        return restored;
    }
    RestoredFolders startUp() const { return startUp(working.path()); }

    QTemporaryDir working;
    RememberedFolders folders{working.path()};
};

TEST_F(RestoreTest, RestoreSetsDriveThenFolderForEachColumnFromWhatWasSaved) {
    const QString prior = made("League/S10");
    const QString current = made("League/S11");
    ASSERT_FALSE(folders.saveFolders(prior, current, "/"));
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 0 " + volume(prior), "folder 0 " + prior + "/",
                                    "drive 1 " + volume(current), "folder 1 " + current + "/",
                                    "drive 2 /", "folder 2 //"}));

    // A folder that is gone, or that this user may not enter, can't be told from a volume that
    // has gone: its column stays where it stood, and the others are restored.
    QDir(prior).removeRecursively();
    const QString closed = made("League/Closed/S11");
    ASSERT_FALSE(folders.saveFolders(prior, closed, "/"));
    QFile::setPermissions(working.filePath("League/Closed"), QFileDevice::ReadOwner);
    std::vector<QString> calls;
    {
        const test::OrdinaryUser refused;
        calls = restoredCalls(startUp());
    }
    QFile::setPermissions(working.filePath("League/Closed"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(calls, (std::vector<QString>{"drive 2 /", "folder 2 //"}));
}

TEST_F(RestoreTest, FirstStartCreatesBothFilesEmptyAndRestoresNothing) {
    EXPECT_TRUE(restoredCalls(startUp()).empty());
    EXPECT_EQ(read("MissDir.txt"), QByteArray());
    EXPECT_EQ(read("QELMDir.txt"), QByteArray());
}

TEST_F(RestoreTest, EachFileIsRestoredOnItsOwnAndAShortSeasonFileRestoresWhatItHas) {
    const QByteArray master = made("master").toUtf8();
    test::LeagueFolder::writeBytes(working.filePath("QELMdir.txt"), '"' + master + "/\"\r\n");
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 2 " + volume(master), "folder 2 " + master + "/"}));
    EXPECT_EQ(read("MissDir.txt"), QByteArray()); // created empty

    const QByteArray prior = made("prior").toUtf8();
    test::LeagueFolder::writeBytes(working.filePath("MissDir.txt"), '"' + prior + "/\"\r\n");
    QFile::remove(working.filePath("QELMdir.txt"));
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 0 " + volume(prior), "folder 0 " + prior + "/"}));
    EXPECT_EQ(read("QELMDir.txt"), QByteArray());
}

TEST_F(RestoreTest, ASeasonFileThatCannotBeReadOrCreatedStillLetsTheMasterRestore) {
    EXPECT_TRUE(restoredCalls(startUp(QStringLiteral("/proc/zorbin-missing"))).empty());

    // A season-folders file that is a folder can be neither read nor created empty.
    QDir(working.path()).mkdir("MissDir.txt");
    const QByteArray master = made("master").toUtf8();
    test::LeagueFolder::writeBytes(working.filePath("QELMdir.txt"), '"' + master + "/\"\r\n");
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 2 " + volume(master), "folder 2 " + master + "/"}));
}

// A Steam user's league, remembered by the Windows program as Windows paths (its master folder
// since gone), then compared on typed Windows paths: one look for prefixes serves it all, and only
// opening a drive list looks again.
TEST(LeagueContextTest, OneLookForPrefixesServesAStartUpAndARun) {
    using test::player;
    test::LeagueFolder league;
    league.writeTeams({test::team("Lake City", "Comets", {12000})});
    league.writePriorPlayers({player(12000, "Left", "One")});
    league.writeCurrentPlayers({player(13000, "New", "One")});
    league.writeMasterPlayers({});
    test::FakeHome home;
    const QString steam = ".local/share/Steam";
    home.makeSteamPrefix(steam, "555", "QEL Pro Football 2011",
                         {{"c:", league.root()}, {"z:", "/"}});
    home.writeLibraryFolders(steam, {home.path() + "/" + steam});
    const QTemporaryDir working;
    test::LeagueFolder::writeBytes(working.filePath("MissDir.txt"),
                                   "\"C:\\prior\\\"\r\n\"C:\\current\\\"\r\n");
    test::LeagueFolder::writeBytes(working.filePath("QELMDir.txt"), "\"C:\\gone\\\"\r\n");

    LeagueContext context(home.environment(), working.path());
    const RestoredFolders restored = context.restoreFolders();
    context.createMissingRememberedFiles();
    (void)context.drives();
    ASSERT_TRUE(restored.prior && restored.master);
    EXPECT_EQ(restored.prior->folder, league.priorFolder());
    EXPECT_EQ(restored.master->folder, QString()); // rests on its drive
    const ComparisonOutcome outcome =
        context.run({R"(C:\prior\QELPLYR.DAT)", R"(c:\CURRENT)", R"(C:\master\)",
                     league.priorFolder(), league.currentFolder(), league.masterFolder()});
    EXPECT_EQ(outcome.leftPlayers(),
              QList<QByteArray>{"                       12000 Lake City Comets"});
    for (const RunMessage& message : outcome.messages)
        EXPECT_FALSE(message.forTheWindow()) << message.text.toStdString();
    EXPECT_EQ(context.discoveries(), 1);
    // Written back as the Windows program wrote them, so that it keeps them.
    EXPECT_EQ(test::contentOf(working.filePath("MissDir.txt")),
              "\"C:\\prior\\\"\r\n\"C:\\current\\\"\r\n");

    (void)context.refreshedDrives();
    EXPECT_EQ(context.discoveries(), 2);
}

} // namespace
} // namespace zorbin
