// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WinePrefixes.h"

#include "support/FakeHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace zorbin {
namespace {

using test::FakeHome;

// Limits whose time no busy or instrumented build can reach, so only the counts bound a search.
WineDiscoveryLimits patient() {
    WineDiscoveryLimits limits;
    limits.time = std::chrono::minutes(1);
    return limits;
}

QStringList labels(const QList<WinePrefix>& prefixes) {
    QStringList labels;
    for (const WinePrefix& prefix : prefixes) {
        for (const WineDrive& drive : prefix.drives)
            labels.append(drive.label + " " + drive.root);
    }
    return labels;
}

TEST(WinePrefixes, EveryLauncherIsSearchedAndBrokenDrivesAreSimplyNotOffered) {
    FakeHome home;
    const QString h = home.path();
    ASSERT_TRUE(QDir().mkpath(h + "/data"));
    home.makePrefix(".wine", FakeHome::driveC +
                                 QList<FakeHome::Link>{{"d:", h + "/data"}, {"c::", "/dev/null"}});
    home.makePrefix("custom");
    home.makePrefix(".local/share/Steam/steamapps/compatdata/22380/pfx");
    // Steam's usual second way in to the same folder: read once.
    ASSERT_TRUE(QDir().mkpath(h + "/.steam"));
    ASSERT_TRUE(QFile::link(h + "/.local/share/Steam", h + "/.steam/steam"));
    home.makePrefix(".local/share/bottles/bottles/Games");
    home.makePrefix("Games/epic");
    home.makePrefix(".PlayOnLinux/wineprefix/qel");
    // Prefixes whose drives lead nowhere, and folders that are no prefix at all.
    home.makePrefix("Games/dangling", {{"c:", h + "/nowhere"}});
    home.makePrefix("Games/loop", {{"c:", "c:"}});
    const QString fileDrive = home.makePrefix("Games/file-drive", {});
    QFile(fileDrive + "/dosdevices/c:").open(QIODevice::WriteOnly);
    const QString looped = home.makePrefix("Games/looped-dosdevices", {});
    QDir(looped).rmdir("dosdevices");
    ASSERT_TRUE(QFile::link(looped + "/dosdevices", looped + "/dosdevices"));
    ASSERT_TRUE(QDir().mkpath(h + "/Games/no-drive_c/dosdevices"));
    const QString locked = home.makePrefix("Games/locked");
    ASSERT_TRUE(QFile::setPermissions(locked + "/dosdevices", {}));

    const WineEnvironment environment{h, h + "/custom/"};
    const QList<WinePrefix> found = winePrefixes::discover(environment, patient());
    QFile::setPermissions(locked + "/dosdevices",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QStringList expected = {
        "C: (~/custom) " + h + "/custom/drive_c",
        "C: (~/.wine) " + h + "/.wine/drive_c",
        "D: (~/.wine) " + h + "/data",
        "C: (Steam 22380) " + h + "/.local/share/Steam/steamapps/compatdata/22380/pfx/drive_c",
        "C: (Bottles Games) " + h + "/.local/share/bottles/bottles/Games/drive_c",
        "C: (~/Games/epic) " + h + "/Games/epic/drive_c",
    };
    // Root reads every folder whatever its permissions.
    if (::geteuid() == 0)
        expected.append("C: (~/Games/locked) " + h + "/Games/locked/drive_c");
    expected.append("C: (PlayOnLinux qel) " + h + "/.PlayOnLinux/wineprefix/qel/drive_c");
    EXPECT_EQ(labels(found), expected);
}

TEST(WinePrefixes, ALauncherFolderWithThousandsOfEntriesIsReadOnlyAsFarAsTheBounds) {
    FakeHome home;
    for (int i = 0; i < 300; ++i)
        home.makePrefix(QStringLiteral("Games/g%1").arg(i, 3, 10, QLatin1Char('0')));
    WineDiscoveryLimits fewPrefixes = patient();
    fewPrefixes.prefixes = 10;
    EXPECT_EQ(winePrefixes::discover(home.environment(), fewPrefixes).size(), 10);
    WineDiscoveryLimits fewEntries = patient();
    fewEntries.entriesPerLauncherFolder = 40;
    EXPECT_EQ(winePrefixes::discover(home.environment(), fewEntries).size(), 40);
    WineDiscoveryLimits noTime;
    noTime.time = std::chrono::milliseconds(0);
    EXPECT_TRUE(winePrefixes::discover(home.environment(), noTime).isEmpty());
}

TEST(WinePrefixes, TheDefaultIsWineprefixElseDotWineElseTheOnlyOneFound) {
    struct Case {
        const char* what;
        QStringList prefixes;
        QString winePrefix;
        QString expected; // the default's folder below the home; empty for none
    };
    const Case cases[] = {
        {"$WINEPREFIX first", {".wine", "custom"}, "custom", "custom"},
        {"$WINEPREFIX not a prefix", {".wine"}, "nothing-here", ".wine"},
        {"~/.wine", {".wine", "Games/a"}, "", ".wine"},
        {"the only one", {"Games/a"}, "", "Games/a"},
        {"two to choose from", {"Games/a", "Games/b"}, "", ""},
        {"none", {}, "", ""},
    };
    for (const Case& test : cases) {
        FakeHome home;
        for (const QString& prefix : test.prefixes)
            home.makePrefix(prefix);
        WineEnvironment environment = home.environment();
        if (!test.winePrefix.isEmpty())
            environment.winePrefix = home.path() + "/" + test.winePrefix;
        const std::optional<WinePrefix> found = winePrefixes::defaultPrefix(environment, patient());
        if (test.expected.isEmpty()) {
            EXPECT_FALSE(found) << test.what;
        } else {
            ASSERT_TRUE(found) << test.what;
            EXPECT_EQ(found->folder, home.path() + "/" + test.expected) << test.what;
        }
    }
}

} // namespace
} // namespace zorbin
