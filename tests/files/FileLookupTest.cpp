// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace zorbin {
namespace {

using test::LeagueFolder;

TEST(CaseInsensitivePath, PrefersTheExactNameElseTheFirstSortedMatch) {
    LeagueFolder league;
    const QString folder = league.priorFolder();
    LeagueFolder::writeBytes(folder + "/QELPLYR.DAT", "x");
    LeagueFolder::writeBytes(folder + "/QelPlyr.dat", "x");
    EXPECT_EQ(caseInsensitivePath::resolve(folder + "/qelplyr.dat"), folder + "/QELPLYR.DAT");
    LeagueFolder::writeBytes(folder + "/qelplyr.dat", "x");
    EXPECT_EQ(caseInsensitivePath::resolve(folder + "/qelplyr.dat"), folder + "/qelplyr.dat");
    EXPECT_EQ(caseInsensitivePath::resolve(folder + "/qelteam.dat"), folder + "/qelteam.dat");
    EXPECT_EQ(caseInsensitivePath::resolve(QString()), QString());
}

TEST(Exists, TrueOnlyForAFileWithALengthAboveZero) {
    LeagueFolder league;
    LeagueFolder::writeBytes(league.priorFolder() + "/Qelplyr.DAT", "1");
    LeagueFolder::writeBytes(league.currentPlayerFile(), {});
    EXPECT_TRUE(exists(league.priorPlayerFile())); // found in another letter case
    EXPECT_FALSE(exists(league.currentPlayerFile()));
    EXPECT_FALSE(exists(league.masterPlayerFile()));
    EXPECT_FALSE(exists(league.masterFolder()));
    EXPECT_FALSE(exists(QString()));
    EXPECT_FALSE(exists(QStringLiteral("/proc/self/no such file")));

    // A bare name is taken relative to the working folder at the moment of the test.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(league.priorFolder()));
    EXPECT_TRUE(exists(QStringLiteral("qelplyr.dat")));
    QDir::setCurrent(before);
}

// Why a player file is not there, as the comparison tells the user: a folder that can't be entered,
// or can't be read for the case-blind search, is not a missing file.
TEST(Exists, TheReasonItIsFalseTellsAFolderThatCannotBeEnteredFromAMissingFile) {
    LeagueFolder league;
    const QString root = league.root();
    for (const char* folder : {"open", "closed", "unlisted"})
        ASSERT_TRUE(QDir(root).mkdir(QLatin1String(folder)));
    LeagueFolder::writeBytes(root + "/open/qelplyr.dat", "1");
    LeagueFolder::writeBytes(root + "/open/empty.dat", {});
    LeagueFolder::writeBytes(root + "/closed/qelplyr.dat", "1");
    LeagueFolder::writeBytes(root + "/unlisted/QELPLYR.DAT", "1");
    const QFile::Permissions enterOnly = QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(root + "/closed", {}));
    ASSERT_TRUE(QFile::setPermissions(root + "/unlisted", enterOnly));
    const QString denied = qt_error_string(EACCES);
    const struct {
        QString path;
        QString reason; // empty: present
        bool missing = false;
    } cases[] = {
        {root + "/open/qelplyr.dat", {}},
        {root + "/open/QELPLYR.dat", {}},
        {root + "/open/empty.dat", "The file is missing or empty", true},
        {root + "/open/missing.dat", qt_error_string(ENOENT), true},
        {root + "/gone/qelplyr.dat", qt_error_string(ENOENT), true},
        {root + "/open/qelplyr.dat/x", qt_error_string(ENOTDIR), true},
        {root + "/closed/qelplyr.dat", denied},
        {root + "/closed/season/qelplyr.dat", denied},
        {root + "/unlisted/QELPLYR.DAT", {}},
        {root + "/unlisted/qelplyr.dat", denied},
    };
    {
        const test::OrdinaryUser ordinary;
        for (const auto& file : cases) {
            SCOPED_TRACE(file.path.toStdString());
            const std::optional<FileFailure> failure = presenceFailure(file.path);
            ASSERT_EQ(failure.has_value(), !file.reason.isEmpty());
            if (!failure)
                continue;
            EXPECT_EQ(failure->reason, file.reason);
            EXPECT_EQ(failure->missing, file.missing);
            EXPECT_EQ(failure->path, file.path);
        }
        // A relative name is named from the working folder.
        const QString before = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(root));
        EXPECT_EQ(presenceFailure(QStringLiteral("closed/../closed/qelplyr.dat"))->path,
                  root + "/closed/qelplyr.dat");
        QDir::setCurrent(before);
    }
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(root + "/closed", open);
    QFile::setPermissions(root + "/unlisted", open);
}

} // namespace
} // namespace zorbin
