// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueContext.h"

#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
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
              (std::vector<QString>{"drive 0 " + prior + "/", "folder 0 " + prior + "/",
                                    "drive 1 " + current + "/", "folder 1 " + current + "/",
                                    "drive 2 //", "folder 2 //"}));

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
    EXPECT_EQ(calls, (std::vector<QString>{"drive 2 //", "folder 2 //"}));
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
              (std::vector<QString>{"drive 2 " + master + "/", "folder 2 " + master + "/"}));
    EXPECT_EQ(read("MissDir.txt"), QByteArray()); // created empty

    const QByteArray prior = made("prior").toUtf8();
    test::LeagueFolder::writeBytes(working.filePath("MissDir.txt"), '"' + prior + "/\"\r\n");
    QFile::remove(working.filePath("QELMdir.txt"));
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 0 " + prior + "/", "folder 0 " + prior + "/"}));
    EXPECT_EQ(read("QELMDir.txt"), QByteArray());
}

TEST_F(RestoreTest, ASeasonFileThatCannotBeReadOrCreatedStillLetsTheMasterRestore) {
    EXPECT_TRUE(restoredCalls(startUp(QStringLiteral("/proc/zorbin-missing"))).empty());

    // A season-folders file that is a folder can be neither read nor created empty.
    QDir(working.path()).mkdir("MissDir.txt");
    const QByteArray master = made("master").toUtf8();
    test::LeagueFolder::writeBytes(working.filePath("QELMdir.txt"), '"' + master + "/\"\r\n");
    EXPECT_EQ(restoredCalls(startUp()),
              (std::vector<QString>{"drive 2 " + master + "/", "folder 2 " + master + "/"}));
}

} // namespace
} // namespace zorbin
