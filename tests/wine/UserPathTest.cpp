// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/UserPath.h"

#include "files/CaseInsensitivePath.h"
#include "support/FakeHome.h"

#include <gtest/gtest.h>
#include <QDir>

namespace zorbin {
namespace {

using test::FakeHome;

// A home with ~/.wine, whose C: holds a league as the game lays it out.
class UserPathTest : public ::testing::Test {
protected:
    UserPathTest() {
        prefix = home.makePrefix(".wine");
        driveC = prefix + "/drive_c";
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/QEL/Leagues/Pro/2009"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/PRO"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/Pro"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/pro"));
    }

    // The resolved path, or "failure: " and the reason.
    QString outcome(const QString& text) const {
        const Result<userPath::Resolved> resolved = userPath::resolve(text, home.environment());
        return resolved ? resolved->path : "failure: " + resolved.failure().reason;
    }

    FakeHome home;
    QString prefix;
    QString driveC;
};

TEST_F(UserPathTest, WindowsPathsGoThroughTheDefaultPrefixMatchingEveryComponentsCase) {
    const QString league = driveC + "/Games/QEL/Leagues/Pro/2009";
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {R"(C:\Games\QEL\Leagues\Pro\2009\)", league},
        {R"(c:\GAMES\qel\leagues\PRO\2009)", league},
        {R"(C:\games\qel\Leagues\Pro\2009\\)", league},
        {R"(C:\)", driveC},
        {"C:", driveC},
        // Exact spelling first, else the first match in sorted order.
        {R"(C:\Games\Twice\pro)", driveC + "/Games/Twice/pro"},
        {R"(C:\Games\Twice\pRO)", driveC + "/Games/Twice/PRO"},
        // Z: is the whole file system.
        {R"(z:\)", "/"},
        {R"(Z:\)" + QString(driveC).replace('/', '\\') + R"(\GAMES\qel)", driveC + "/Games/QEL"},
        // A path that is nowhere, or on a drive the prefix lacks, says where it was looked for.
        {R"(C:\games\Gone\2009)",
         R"(failure: no Wine prefix holds C:\games\Gone\2009; looked in ~/.wine)"},
        {R"(C:\Games\..\..\..\etc)", R"(failure: a Windows path may not step with "." or "..")"},
        {R"(C:\Games\.\QEL)", R"(failure: a Windows path may not step with "." or "..")"},
        {R"(C:\Games/../../etc)", R"(failure: a Windows path may not hold "/")"},
        {"C:/Games", R"(failure: a Windows path may not hold "/")"},
        {QStringLiteral("C:\\Games\\QEL") + QChar(0) + "x", "failure: it holds a NUL character"},
        {R"(Q:\Games)", R"(failure: no Wine prefix holds Q:\Games; looked in ~/.wine, which has )"
                        "no drive Q: (set WINEPREFIX to the prefix that holds it)"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(outcome(test.text), test.expected) << test.text.toStdString();
}

TEST_F(UserPathTest, NativePathsAreMatchedWithoutRegardToCaseComponentByComponent) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {driveC + "/GAMES/qel/leagues/pro/2009", driveC + "/Games/QEL/Leagues/Pro/2009"},
        {driveC + "/games/qel/", driveC + "/Games/QEL/"},
        {driveC + "/Games/Twice/pRo", driveC + "/Games/Twice/PRO"},
        {driveC + "/games/nothing/here", driveC + "/Games/nothing/here"},
        {driveC + "/Games/QEL", driveC + "/Games/QEL"},
        {"/zorbin-no-such-folder/League", "/zorbin-no-such-folder/League"},
        {QStringLiteral("/tmp/a") + QChar(0) + "b", "failure: it holds a NUL character"},
        {"", ""},
    };
    for (const auto& test : cases)
        EXPECT_EQ(outcome(test.text), test.expected) << test.text.toStdString();

    // Relative paths stay relative.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(driveC));
    EXPECT_EQ(caseInsensitivePath::resolveWholePath("games/qel/LEAGUES"), "Games/QEL/Leagues");
    QDir::setCurrent(before);
}

TEST_F(UserPathTest, WithoutAPrefixAWindowsPathNamesNothing) {
    FakeHome empty;
    const auto resolved = userPath::resolve(R"(C:\Games)", empty.environment());
    ASSERT_FALSE(resolved);
    EXPECT_EQ(resolved.failure().message(),
              R"(Could not use the path "C:\Games": no Wine prefix was found to read Windows )"
              "paths through; looked for ~/.wine and the prefixes of Steam, Lutris, Heroic, "
              "Bottles, winetricks and PlayOnLinux (set WINEPREFIX to the prefix that holds it)");
}

} // namespace
} // namespace zorbin
