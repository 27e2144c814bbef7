// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueResolver.h"

#include "files/CaseInsensitivePath.h"
#include "support/FakeHome.h"

#include <gtest/gtest.h>
#include <QDir>

namespace zorbin {
namespace {

using test::FakeHome;

// `text` on this machine, read as a run reads the paths it is given.
Result<userPath::Resolved> resolved(const QString& text, const WineEnvironment& environment) {
    std::optional<WineDiscovery> found;
    const LeagueResolver resolver(environment, [&]() -> const WineDiscovery& {
        if (!found)
            found = winePrefixes::discoverAll(environment);
        return *found;
    });
    const Result<ResolvedPaths> paths = resolver.resolvePaths({{text}});
    if (!paths)
        return paths.failure();
    return paths->paths[0];
}

// A home with ~/.wine, whose C: holds a league as the game lays it out.
class LeagueResolverTest : public ::testing::Test {
protected:
    LeagueResolverTest() {
        prefix = home.makePrefix(".wine");
        driveC = prefix + "/drive_c";
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/QEL/Leagues/Pro/2009"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/PRO"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/Pro"));
        EXPECT_TRUE(QDir().mkpath(driveC + "/Games/Twice/pro"));
    }

    // The resolved path, or "failure: " and the reason.
    QString outcome(const QString& text) const {
        const Result<userPath::Resolved> found = resolved(text, home.environment());
        return found ? found->path : "failure: " + found.failure().reason;
    }

    FakeHome home;
    QString prefix;
    QString driveC;
};

TEST_F(LeagueResolverTest, WindowsPathsGoThroughTheDefaultPrefixMatchingEveryComponentsCase) {
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
        {R"(C:\Games/../../etc)", R"(failure: a Windows path may not step with "." or "..")"},
        // Spelled as Wine also reads them: "/" for "\", a long-path prefix, pasted spaces.
        {"C:/Games/QEL/Leagues/pro/2009", league},
        {R"(C:\Games/QEL\leagues/Pro/2009/)", league},
        {R"(\\?\C:\Games\QEL\Leagues\Pro\2009)", league},
        {"  C:\\Games\\QEL\\Leagues\\Pro\\2009\t ", league},
        // Forms that name no folder on a drive are refused for what they are.
        {R"(\\server\share\QEL)", R"(failure: it is a network path (\\server\share\...), and )"
                                  "Zorbin reads only folders on this machine"},
        {R"(\\localhost\C$\Games)", R"(failure: it is a network path (\\server\share\...), and )"
                                    "Zorbin reads only folders on this machine"},
        {R"(c:Games\QEL)", R"(failure: it is relative to the current folder of drive C:, which )"
                           R"(Zorbin can't know; write it from the drive's root, as C:\Games\QEL)"},
        {QStringLiteral("C:\\Games\\QEL") + QChar(0) + "x", "failure: it holds a NUL character"},
        {R"(Q:\Games)", R"(failure: no Wine prefix holds Q:\Games; looked in ~/.wine, which has )"
                        "no drive Q: (set WINEPREFIX to the prefix that holds it)"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(outcome(test.text), test.expected) << test.text.toStdString();
}

TEST_F(LeagueResolverTest, NativePathsAreMatchedWithoutRegardToCaseComponentByComponent) {
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

TEST_F(LeagueResolverTest, WithoutAPrefixAWindowsPathNamesNothing) {
    FakeHome empty;
    const auto found = resolved(R"(C:\Games)", empty.environment());
    ASSERT_FALSE(found);
    EXPECT_EQ(found.failure().message(),
              R"(Could not use the path "C:\Games": no Wine prefix was found to read Windows )"
              "paths through; looked for ~/.wine and the prefixes of Steam, Lutris, Heroic, "
              "Bottles, winetricks and PlayOnLinux (set WINEPREFIX to the prefix that holds it)");
}

TEST(PrefixChoice, AWindowsPathGoesThroughWineprefixElseDotWineElseTheFirstPrefixHoldingIt) {
    struct Case {
        const char* what;
        QStringList prefixes;
        QStringList holding; // the prefixes whose C: holds the league
        QString winePrefix;
        QString expected; // the prefix read through below the home, or "failure: " and a part of it
    };
    const QString steam = ".local/share/Steam/steamapps/compatdata/";
    const Case cases[] = {
        {"$WINEPREFIX first", {".wine", "custom"}, {".wine", "custom"}, "custom", "custom"},
        {"$WINEPREFIX without the league", {".wine", "custom"}, {".wine"}, "custom", "custom"},
        {"$WINEPREFIX missing",
         {".wine"},
         {".wine"},
         "nothing-here",
         "failure: there is no such folder, so it is not a Wine prefix"},
        {"$WINEPREFIX an empty folder",
         {".wine"},
         {".wine"},
         "empty",
         "failure: it holds neither drive_c nor dosdevices, so"},
        {"$WINEPREFIX a Steam game's folder, not its prefix",
         {".wine", steam + "555/pfx"},
         {".wine", steam + "555/pfx"},
         steam + "555",
         "failure: it holds neither drive_c nor dosdevices (did you mean ~/" + steam +
             "555/pfx?), so"},
        {"~/.wine", {".wine", "Games/a"}, {".wine", "Games/a"}, "", ".wine"},
        {"~/.wine without it", {".wine", "Games/a"}, {"Games/a"}, "", "Games/a"},
        {"the only one", {"Games/a"}, {"Games/a"}, "", "Games/a"},
        {"the first of two by name", {"Games/B", "Games/a"}, {"Games/B", "Games/a"}, "", "Games/a"},
        {"an installed game first",
         {"Games/a", steam + "555/pfx"},
         {"Games/a", steam + "555/pfx"},
         "",
         steam + "555/pfx"},
        {"none holds it",
         {".wine", "Games/a", steam + "1/pfx"},
         {},
         "",
         "failure: no Wine prefix holds C:\\League; looked in ~/.wine, 1 Steam prefix and 1 "
         "Lutris prefix"},
        {"none", {}, {}, "", "failure: no Wine prefix was found"},
    };
    for (const Case& test : cases) {
        FakeHome home;
        for (const QString& prefix : test.prefixes)
            home.makePrefix(prefix);
        for (const QString& prefix : test.holding)
            ASSERT_TRUE(QDir().mkpath(home.path() + "/" + prefix + "/drive_c/League/2009"));
        home.write(".local/share/Steam/steamapps/appmanifest_555.acf",
                   R"("AppState" { "name" "QEL Pro Football 2011" })");
        WineEnvironment environment = home.environment();
        if (!test.winePrefix.isEmpty()) {
            environment.winePrefix = home.path() + "/" + test.winePrefix;
            home.write("empty/readme", {});
        }
        const Result<userPath::Resolved> found = resolved(R"(C:\League)", environment);
        if (test.expected.startsWith("failure: ")) {
            ASSERT_FALSE(found) << test.what;
            EXPECT_TRUE(found.failure().message().contains(test.expected.mid(9)))
                << test.what << ": " << found.failure().message().toStdString();
            if (!test.winePrefix.isEmpty()) {
                EXPECT_TRUE(found.failure().message().contains("WINEPREFIX \"" +
                                                               environment.winePrefix + "\""))
                    << found.failure().message().toStdString();
            }
        } else {
            ASSERT_TRUE(found) << test.what << ": " << found.failure().message().toStdString();
            EXPECT_EQ(found->prefixFolder, home.path() + "/" + test.expected) << test.what;
        }
    }
}

} // namespace
} // namespace zorbin
