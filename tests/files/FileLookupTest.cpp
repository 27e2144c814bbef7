// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>

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
    EXPECT_TRUE(Exists(league.priorPlayerFile())); // found in another letter case
    EXPECT_FALSE(Exists(league.currentPlayerFile()));
    EXPECT_FALSE(Exists(league.masterPlayerFile()));
    EXPECT_FALSE(Exists(league.masterFolder()));
    EXPECT_FALSE(Exists(QString()));
    EXPECT_FALSE(Exists(QStringLiteral("/proc/self/no such file")));

    // A bare name is taken relative to the working folder at the moment of the test.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(league.priorFolder()));
    EXPECT_TRUE(Exists(QStringLiteral("qelplyr.dat")));
    QDir::setCurrent(before);
}

} // namespace
} // namespace zorbin
