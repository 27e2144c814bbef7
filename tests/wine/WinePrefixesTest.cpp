// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeHome.h"
#include "support/OrdinaryUser.h"
#include "wine/WineDiscovery.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <sys/stat.h>
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

// Each drive but Z:, which every prefix of these homes has and maps to "/".
QStringList labels(const QList<WinePrefix>& prefixes) {
    QStringList labels;
    for (const WinePrefix& prefix : prefixes) {
        for (const WineDrive& drive : prefix.drives) {
            if (drive.letter == 'Z')
                EXPECT_EQ(drive.root, "/") << prefix.folder.toStdString();
            else
                labels.append(drive.label + " " + drive.root);
        }
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
    const QString steam = ".local/share/Steam";
    home.makeSteamPrefix(steam, "22380");
    home.makeSteamPrefix(steam, "228980", "Steamworks Common Redistributables");
    // A second library on another disk, named in libraryfolders.vdf, and shared with the flatpak.
    home.makeSteamPrefix("disk/SteamLibrary", "555", "QEL Pro Football 2011");
    home.makeSteamPrefix("disk/SteamLibrary", "777", "aardvark Racing");
    home.writeLibraryFolders(steam, {h + "/" + steam, h + "/disk/SteamLibrary"});
    const QString flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
    home.writeLibraryFolders(flatpak, {h + "/" + flatpak, h + "/disk/SteamLibrary"});
    // An older Steam's layout, keys in other case, a comment: one more library.
    home.makeSteamPrefix("old/Library", "999");
    home.write(".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/libraryfolders.vdf",
               ("// by hand\n\"LibraryFolders\" { \"TimeNextStatsReport\" \"1600000000\" \"1\" \"" +
                h + "/disk/SteamLibrary\" \"2\" \"" + h + "/old/Library\" }")
                   .toUtf8());
    // A prefix whose manifest is in a library only the flatpak's Steam names, and a non-Steam game.
    home.makeSteamPrefix(steam, "4242");
    home.writeAppManifest("old/Library", "4242", "Neon Drift");
    home.makeSteamPrefix(steam, "2147483648");
    // One game in two Steam libraries (a copy left behind) and in Heroic: three labels apart.
    home.makeSteamPrefix(steam, "555");
    home.makePrefix("Games/Heroic/Prefixes/default/QEL Pro Football 2011/pfx");
    // Steam's usual second way in to the same folder: read once.
    ASSERT_TRUE(QDir().mkpath(h + "/.steam"));
    ASSERT_TRUE(QFile::link(h + "/" + steam, h + "/.steam/steam"));
    home.makePrefix(".local/share/bottles/bottles/Games");
    home.makePrefix("Games/epic");
    home.makePrefix("Games/Heroic/Prefixes/default/Hades");
    home.makePrefix("Games/Heroic/Prefixes/default/Celeste/pfx"); // with Proton
    home.makePrefix("Games/Heroic/Prefixes/Dredge");              // Heroic 2.0
    home.makePrefix(".local/share/wineprefixes/qel2");
    // A drive_c moved to another disk and linked back: C: is where it now is.
    const QString moved = home.makePrefix(".local/share/wineprefixes/moved");
    ASSERT_TRUE(QDir().mkpath(h + "/disk2"));
    ASSERT_TRUE(QDir(moved).rename("drive_c", h + "/disk2/drive_c"));
    ASSERT_TRUE(QFile::link(h + "/disk2/drive_c", moved + "/drive_c"));
    home.makePrefix(".wine-qel");
    home.makePrefix(".PlayOnLinux/wineprefix/qel");
    // A prefix Wine made without dosdevices still has C:.
    ASSERT_TRUE(QDir().mkpath(h + "/.local/share/wineprefixes/bare/drive_c"));
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
    // Prefixes put elsewhere, as the launchers' own records name them, native and flatpak; a
    // prefix a record names and a folder holds too is found once, by the record's name.
    home.write(".config/lutris/system.yml", "system:\n  game_path: ~/Games/Lutris\n");
    home.makePrefix("Games/Lutris/qel-pro");
    home.write(
        ".local/share/lutris/games/qel-pro-1700000000.yml",
        "game:\n  exe: ~/Wine/QEL Pro/drive_c/qel.exe\n  prefix: ~/Wine/QEL Pro\nwine: {}\n");
    home.makePrefix("Wine/QEL Pro");
    home.write(".var/app/net.lutris.Lutris/data/lutris/games/old.yml",
               "game:\n  prefix: '" + (h + "/Games/Lutris/qel-pro").toUtf8() + "'\n");
    home.write(".config/heroic/GamesConfig/Qel.json",
               R"({"Qel": {"winePrefix": "~/Heroic QEL"}, "version": "v0"})");
    home.makePrefix("Heroic QEL/pfx");
    home.write(".var/app/com.heroicgameslauncher.hgl/config/heroic/config.json",
               R"({"defaultSettings": {"winePrefix": "~/Games/Heroic/Prefixes/shared",
                   "defaultWinePrefixDir": "~/Heroic"}})");
    home.makePrefix("Games/Heroic/Prefixes/shared");
    home.makePrefix("Heroic/GE-Proton/Hades II");
    home.write(".var/app/com.usebottles.bottles/data/bottles/data.yml",
               "custom_bottles_path: " + (h + "/Bottles").toUtf8() + "\n");
    home.makePrefix("Bottles/Office");
    home.write("Bottles/Retro/placeholder.yml", "Path: " + (h + "/disk2/Retro").toUtf8() + "\n");
    home.makePrefix("disk2/Retro");
    home.makePrefix("Games/umu/umu-default");
    home.makePrefix("Faugus/battlenet");
    home.write(".local/share/faugus-launcher/games.json",
               R"([{"title": "QEL Pro 2012", "prefix": "$HOME/Prefixes/qel2012"}])");
    home.makePrefix("Prefixes/qel2012");
    home.write(".var/app/net.lutris.Lutris/config/lutris/system.yml",
               "system:\n  game_path: \"~/Lutris Games\"\n");
    home.makePrefix("Lutris Games/doom");
    home.write(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig/1207658924.json",
               R"({"1207658924": {"winePrefix": "~/Heroic GOG"}})");
    home.makePrefix("Heroic GOG");
    home.write(".var/app/io.github.Faugus.faugus-launcher/data/faugus-launcher/games.json",
               R"([{"title": "Diablo", "prefix": "~/Faugus Elsewhere/diablo"}])");
    home.makePrefix("Faugus Elsewhere/diablo");

    const WineEnvironment environment{h, h + "/custom/"};
    const QList<WinePrefix> found = winePrefixes::discover(environment, patient());
    QFile::setPermissions(locked + "/dosdevices",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString library = h + "/disk/SteamLibrary/steamapps/compatdata/";
    QStringList expected = {
        "C: (~/custom) " + h + "/custom/drive_c",
        "C: (~/.wine) " + h + "/.wine/drive_c",
        "D: (~/.wine) " + h + "/data",
        // Installed games first, by name whatever its case; then the others.
        "C: (aardvark Racing) " + library + "777/pfx/drive_c",
        "C: (Neon Drift) " + h + "/" + steam + "/steamapps/compatdata/4242/pfx/drive_c",
        "C: (QEL Pro Football 2011, Steam, ~/.local/share/Steam) " + h + "/" + steam +
            "/steamapps/compatdata/555/pfx/drive_c",
        "C: (QEL Pro Football 2011, Steam, ~/disk/SteamLibrary) " + library + "555/pfx/drive_c",
        "C: (Steamworks Common Redistributables) " + h + "/" + steam +
            "/steamapps/compatdata/228980/pfx/drive_c",
        "C: (bare) " + h + "/.local/share/wineprefixes/bare/drive_c",
        "C: (battlenet) " + h + "/Faugus/battlenet/drive_c",
        "C: (Celeste) " + h + "/Games/Heroic/Prefixes/default/Celeste/pfx/drive_c",
        "C: (Diablo, Faugus) " + h + "/Faugus Elsewhere/diablo/drive_c",
        "C: (doom) " + h + "/Lutris Games/doom/drive_c",
        "C: (Dredge) " + h + "/Games/Heroic/Prefixes/Dredge/drive_c",
        "C: (epic) " + h + "/Games/epic/drive_c",
        "C: (Games) " + h + "/.local/share/bottles/bottles/Games/drive_c",
        "C: (Hades) " + h + "/Games/Heroic/Prefixes/default/Hades/drive_c",
        "C: (Hades II) " + h + "/Heroic/GE-Proton/Hades II/drive_c",
        "C: (Heroic GOG, Heroic) " + h + "/Heroic GOG/drive_c",
        "C: (Heroic QEL, Heroic) " + h + "/Heroic QEL/pfx/drive_c",
    };
    // Root reads every folder whatever its permissions.
    if (::geteuid() == 0)
        expected.append("C: (locked) " + h + "/Games/locked/drive_c");
    expected += QStringList{
        "C: (moved) " + h + "/disk2/drive_c",
        "C: (Non-Steam game 2147483648) " + h + "/" + steam +
            "/steamapps/compatdata/2147483648/pfx/drive_c",
        "C: (Office) " + h + "/Bottles/Office/drive_c",
        "C: (qel) " + h + "/.PlayOnLinux/wineprefix/qel/drive_c",
        "C: (QEL Pro, Lutris) " + h + "/Wine/QEL Pro/drive_c",
        "C: (QEL Pro 2012, Faugus) " + h + "/Prefixes/qel2012/drive_c",
        "C: (QEL Pro Football 2011, Heroic) " + h +
            "/Games/Heroic/Prefixes/default/QEL Pro Football 2011/pfx/drive_c",
        "C: (qel-pro, Lutris) " + h + "/Games/Lutris/qel-pro/drive_c",
        "C: (qel2) " + h + "/.local/share/wineprefixes/qel2/drive_c",
        "C: (Retro, Bottles) " + h + "/disk2/Retro/drive_c",
        "C: (shared, Heroic) " + h + "/Games/Heroic/Prefixes/shared/drive_c",
        "C: (Steam 22380) " + h + "/" + steam + "/steamapps/compatdata/22380/pfx/drive_c",
        "C: (Steam 999) " + h + "/old/Library/steamapps/compatdata/999/pfx/drive_c",
        "C: (umu-default) " + h + "/Games/umu/umu-default/drive_c",
        "C: (~/.wine-qel) " + h + "/.wine-qel/drive_c",
    };
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

    // Whatever the bounds, the prefixes the user named or uses come first: $WINEPREFIX, then those
    // holding a pinned folder (a prefix, a folder inside one, or one reached through its link).
    WineEnvironment pinned = home.environment();
    pinned.winePrefix = home.path() + "/Games/g299";
    const QStringList inUse = {home.path() + "/Games/g298/drive_c/League/2009",
                               home.path() + "/Games/g297/dosdevices/c:/League",
                               home.path() + "/Games/g299", "/", home.path() + "/nowhere"};
    noTime.prefixes = 0;
    QStringList names;
    for (const WinePrefix& prefix : winePrefixes::discover(pinned, noTime, inUse))
        names.append(prefix.name);
    EXPECT_EQ(names, QStringList({"~/Games/g299", "~/Games/g298", "~/Games/g297"}));
}

TEST(WinePrefixes, BadSteamFilesAndCrowdedOrLoopingFoldersEndInTime) {
    FakeHome home;
    const QString h = home.path();
    const QString steam = ".local/share/Steam";
    // 2,000 compatdata entries: the folders Steam leaves for games long gone, and among them
    // prefixes, some with manifests that are not KeyValues or not files at all.
    const QString compatdata = h + "/" + steam + "/steamapps/compatdata/";
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(QDir().mkpath(compatdata + QString::number(20000 + i)));
    for (int i = 0; i < 40; ++i)
        home.makeSteamPrefix(steam, QString::number(10000 + i), i % 3 ? QString() : "Game");
    home.write(steam + "/steamapps/appmanifest_10003.acf", "\"AppState\" { \"name\" ");
    home.write(steam + "/steamapps/appmanifest_10006.acf", QByteArray(200000, '{'));
    QFile::remove(h + "/" + steam + "/steamapps/appmanifest_10009.acf");
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(h + "/" + steam + "/steamapps/appmanifest_10009.acf"), 0600), 0);
    // Libraries that loop, lead nowhere, can't be read or are the root again.
    ASSERT_TRUE(QDir().mkpath(h + "/locked"));
    ASSERT_TRUE(QFile::link(h + "/loop", h + "/loop"));
    home.writeLibraryFolders(steam, {h + "/" + steam, h + "/loop", h + "/locked", h + "/nowhere",
                                     h + "/.steam/steam", "relative", ""});
    ASSERT_TRUE(QFile::setPermissions(h + "/locked", {}));
    // A root whose file is cut short in a path, and one whose file is far too large.
    static const char cutShort[] = "\"libraryfolders\" { \"1\" { \"path\" \"/\xff\x00\x01";
    home.write(".steam/steam/steamapps/libraryfolders.vdf",
               QByteArray(cutShort, sizeof cutShort - 1));
    home.makeSteamPrefix(".steam/steam", "4");
    const QString flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
    home.write(flatpak + "/steamapps/libraryfolders.vdf", QByteArray(2 * 1024 * 1024, '"'));
    home.makePrefix("Games/self");
    ASSERT_TRUE(QFile::link(h + "/Games", h + "/Games/self/drive_c/up"));

    WineDiscoveryLimits limits = patient();
    WineDiscovery found = winePrefixes::discoverAll(home.environment(), limits);
    EXPECT_EQ(found.prefixes.size(), 42); // and Steam 4 and Games/self
    EXPECT_FALSE(found.cutShort);
    QStringList installed;
    for (const WinePrefix& prefix : found.prefixes) {
        if (prefix.installedGame)
            installed.append(prefix.name);
    }
    // Of 10000, 10003, ... 10039 only those whose manifest reads name the game.
    EXPECT_EQ(installed.size(), 11);
    limits.prefixes = 30;
    found = winePrefixes::discoverAll(home.environment(), limits);
    EXPECT_EQ(found.prefixes.size(), 30);
    EXPECT_TRUE(found.cutShort);
    QFile::setPermissions(h + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(WinePrefixes, RecordsThatCantBeReadAreToldAndTheRestFoundInTime) {
    FakeHome home;
    const QString h = home.path();
    home.makePrefix("Wine/good");
    home.write(".config/lutris/games/good.yml", "game:\n  prefix: ~/Wine/good\n");
    // Records as damage, a crash or a stray file leave them; `told` when the user hears of it.
    struct Record {
        QString file;
        QByteArray content;
        bool told;
    };
    const Record records[] = {
        {".config/lutris/system.yml", QByteArray("system:\n  game_path: ~\0/", 24), true},
        {".config/lutris/games/empty.yml", "", false},
        {".config/lutris/games/loop.yml", "game:\n  prefix: ~/loop\n", false},
        {".local/share/lutris/system.yml", "system:\n  game_path: Games\n", false},
        {".config/heroic/config.json", "", true}, // made 100 MB below
        {".config/heroic/GamesConfig/cut.json", R"({"Qel": {"winePrefix": )", true},
        {".config/heroic/GamesConfig/locked.json", R"({"Qel": {"winePrefix": "/"}})", true},
        {".local/share/faugus-launcher/games.json", QByteArray(100000, '['), true},
        {".local/share/bottles/data.yml", "custom_bottles_path: \"/\\x\"\n", true},
        {".local/share/bottles/bottles/x/placeholder.yml", "", true}, // a FIFO below
        // In a folder closed below: a record hidden is not a record absent.
        {".var/app/com.heroicgameslauncher.hgl/config/heroic/config.json", "{}", true},
        {".var/app/com.usebottles.bottles/data/bottles/data.yml", "", true},
    };
    QStringList told;
    for (const Record& record : records) {
        home.write(record.file, record.content);
        if (record.told)
            told.append(h + "/" + record.file);
    }
    ASSERT_TRUE(QFile::link(h + "/loop", h + "/loop"));
    ASSERT_TRUE(QFile(h + "/.config/heroic/config.json").resize(100 * 1024 * 1024));
    ASSERT_TRUE(QFile::setPermissions(h + "/.config/heroic/GamesConfig/locked.json", {}));
    const QString closed = h + "/.var/app/com.heroicgameslauncher.hgl/config/heroic";
    const QString closedBottles = h + "/.var/app/com.usebottles.bottles/data";
    for (const QString& folder : {closed, closedBottles})
        ASSERT_TRUE(QFile::setPermissions(folder, {}));
    told += {closed + "/GamesConfig", closedBottles + "/bottles/bottles",
             closedBottles + "/bottles/steam"};
    const QString fifo = h + "/.local/share/bottles/bottles/x/placeholder.yml";
    ASSERT_TRUE(QFile::remove(fifo));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    WineDiscovery found;
    {
        const test::OrdinaryUser ordinary;
        found = winePrefixes::discoverAll(home.environment(), patient());
    }
    for (const QString& folder : {closed, closedBottles})
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(found.prefixes.size(), 1);
    EXPECT_EQ(found.prefixes[0].label, "good, Lutris");
    QStringList unreadable;
    for (const FileFailure& failure : found.unreadable)
        unreadable.append(failure.path);
    unreadable.sort();
    told.sort();
    EXPECT_EQ(unreadable.join('\n').toStdString(), told.join('\n').toStdString());

    // Out of time, the records there are said to be left unread.
    WineDiscoveryLimits noTime;
    noTime.time = std::chrono::milliseconds(0);
    found = winePrefixes::discoverAll(home.environment(), noTime);
    EXPECT_TRUE(found.prefixes.isEmpty());
    EXPECT_TRUE(found.cutShort);
    EXPECT_TRUE(found.notSearched.contains("~/.config/lutris/games"))
        << found.notSearched.join(", ").toStdString();
}

} // namespace
} // namespace zorbin
