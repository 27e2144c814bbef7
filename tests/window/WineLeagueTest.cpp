// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Leagues under Wine: prefixes' drives in the drive lists, hidden folders, remembered Windows paths
// written by the original program, and remembered folders whose drive has gone.
#include "league/LeagueContext.h"
#include "LeagueFileWriter.h"
#include "ReportCommand.h"
#include "settings/RememberedFolders.h"
#include "support/CommandOutput.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"
#include "window/DriveList.h"
#include "window/FolderList.h"
#include "window/FolderPicker.h"
#include "WindowFixture.h"

#include <cstdlib>
#include <filesystem>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zorbin::test {
namespace {

class WineLeagueTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        wine_ = home_.makePrefix(
            ".wine", FakeHome::driveC + QList<FakeHome::Link>{{"d:", "../drive_c/Games"},
                                                              {"e:", home_.path() + "/gone"}});
        driveC_ = wine_ + "/drive_c";
        master_ = driveC_ + "/Games/QEL";
        prior_ = master_ + QString::fromUtf8("/Leagues/Pro/Saison é");
        current_ = master_ + "/Leagues/Pro/2010";
        for (const QString& season : {prior_, current_}) {
            ASSERT_TRUE(QDir().mkpath(season));
            touch(season + "/qelplyr.dat");
        }
        touch(master_ + "/Mastplyr.dat");
    }

    static QStringList itemTexts(const DriveList* drives) {
        QStringList texts;
        for (int index = 0; index < drives->count(); ++index)
            texts.append(drives->itemText(index));
        return texts;
    }

    QString wine_, driveC_, master_, prior_, current_;
};

TEST_F(WineLeagueTest, FoldersTheOriginalProgramRememberedRestoreTheColumns) {
    // As the original program writes them under Wine: Windows code page, another letter case.
    touch("MissDir.txt", "\"C:\\GAMES\\qel\\Leagues\\Pro\\SAISON \xC9\\\"\r\n"
                         "\"c:\\Games\\QEL\\leagues\\PRO\\2010\\\"\r\n");
    touch("QELMDir.txt", "\"C:\\Games\\QEL\\\"\r\n");
    MainWindow& form = openWindow();

    EXPECT_EQ(text("Text1"), prior_ + "/qelplyr.dat");
    EXPECT_EQ(text("Text2"), current_ + "/qelplyr.dat");
    EXPECT_EQ(text("Text3"), master_ + "/Mastplyr.dat");
    // D: is C:'s Games folder: the most specific drive wins.
    EXPECT_EQ(form.picker(PickerColumn::Prior).driveList()->currentText(), "D: (~/.wine)");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(WineLeagueTest, DriveListsOfferEachPrefixDriveAndTheHiddenFoldersLeadThere) {
    const QString steam = home_.makePrefix(".local/share/Steam/steamapps/compatdata/7/pfx");
    ASSERT_TRUE(QDir().mkpath(driveC_ + "/users"));
    ASSERT_TRUE(QDir().mkpath(home_.path() + "/Documents"));
    MainWindow& form = openWindow();
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    DriveList* drives = prior.driveList();

    const QStringList offered = itemTexts(drives);
    for (const char* label : {"C: (~/.wine)", "D: (~/.wine)", "C: (Steam 7)"})
        EXPECT_TRUE(offered.contains(label)) << label;
    // E: leads nowhere and Z: is the whole file system: neither is offered.
    EXPECT_FALSE(offered.join(' ').contains("E:"));
    EXPECT_FALSE(offered.join(' ').contains("Z:"));

    // From the home folder the prefix is reached through its hidden folder, listed after the
    // others.
    form.setFolder(PickerColumn::Prior, home_.path());
    const FolderList* folders = prior.folderList();
    const int home = folders->currentRow();
    ASSERT_EQ(folders->count(), home + 4);
    EXPECT_EQ(folders->item(home + 1)->text(), "Documents");
    EXPECT_EQ(folders->item(home + 2)->text(), ".local");
    EXPECT_EQ(folders->item(home + 3)->text(), ".wine");

    // A folder reached through the prefix's own link belongs to its drive.
    form.setFolder(PickerColumn::Prior, wine_ + "/dosdevices/c:/users");
    EXPECT_EQ(drives->currentText(), "C: (~/.wine)");

    // Choosing a Wine drive behaves as any drive change: its root first, then the last folder.
    const int steamIndex = drives->findText("C: (Steam 7)");
    ASSERT_GE(steamIndex, 0);
    drives->setCurrentIndex(steamIndex);
    emit drives->activated(steamIndex);
    EXPECT_EQ(prior.folder(), steam + "/drive_c");
    const int wineIndex = drives->findText("C: (~/.wine)");
    drives->setCurrentIndex(wineIndex);
    emit drives->activated(wineIndex);
    EXPECT_EQ(prior.folder(), wine_ + "/dosdevices/c:/users");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(WineLeagueTest, TheGamesPrefixIsOfferedByNameAndAWrongWineprefixIsSaidOnce) {
    // A Steam user's 70 Proton prefixes, the game's in a second library, and a winetricks prefix.
    const QString steam = ".local/share/Steam";
    for (int appid = 1000; appid < 1070; ++appid)
        home_.makeSteamPrefix(steam, QString::number(appid));
    const QString game =
        home_.makeSteamPrefix("SDCard/SteamLibrary", "223750", "QEL Pro Football 2011");
    home_.writeLibraryFolders(steam,
                              {home_.path() + "/" + steam, home_.path() + "/SDCard/SteamLibrary"});
    home_.makePrefix(".local/share/wineprefixes/qel");
    const QString league = game + "/drive_c/Games/QEL/Leagues/Pro/2010";
    ASSERT_TRUE(QDir().mkpath(league));
    touch(league + "/qelplyr.dat");
    touch("MissDir.txt",
          RememberedFolders::entryLine(league) + RememberedFolders::entryLine(league));
    MainWindow& form = openWindow();
    for (const PickerColumn column :
         {PickerColumn::Prior, PickerColumn::Current, PickerColumn::Master}) {
        const QStringList offered = itemTexts(form.picker(column).driveList());
        // The prefix of a remembered folder comes first, before ~/.wine.
        EXPECT_LT(offered.indexOf("C: (QEL Pro Football 2011)"), offered.indexOf("C: (~/.wine)"));
        EXPECT_TRUE(offered.contains("C: (qel)"));
        EXPECT_TRUE(offered.contains("C: (Steam 1069)"));
    }
    EXPECT_EQ(form.picker(PickerColumn::Prior).driveList()->currentText(),
              "C: (QEL Pro Football 2011)");
    EXPECT_EQ(text("Text2"), league + "/qelplyr.dat");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
    form_.reset();

    // Windows paths can't be read while WINEPREFIX names no prefix: the window says so, once.
    WineEnvironment wrong = home_.environment();
    wrong.winePrefix = home_.path() + "/typo";
    touch("MissDir.txt", "\"C:\\Games\\QEL\\\"\r\n\"C:\\Games\\QEL\\\"\r\n");
    // Over the window, once it shows, never alone on an empty screen.
    bool shownFirst = false;
    dialogs_.onMessage = [this, &shownFirst](const QString&) {
        shownFirst = form_ && form_->isVisible();
    };
    openWindow(wrong);
    EXPECT_TRUE(shownFirst);
    EXPECT_EQ(dialogs_.messageParent, form_.get());
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].contains("WINEPREFIX \"" + home_.path() + "/typo\""))
        << dialogs_.messages[0].toStdString();
}

TEST_F(WineLeagueTest, RememberedFoldersOnDrivesThatAreGoneLeaveTheColumnsWhereTheyStood) {
    const QByteArray entries[] = {
        "/zorbin-unplugged-stick/League/S10/", // a volume no longer mounted
        "Q:\\League\\S10\\",                   // no prefix has Q:
        "E:\\League\\",                        // E:'s link leads nowhere
        "C:\\..\\..\\etc\\",                   // refused, as any path that can't be mapped
        QByteArray("/tmp\0/x/", 8),
    };
    for (const QByteArray& entry : entries) {
        touch("MissDir.txt", '"' + entry + "\"\r\n\"" + entry + "\"\r\n");
        touch("QELMDir.txt", RememberedFolders::entryLine(master_));
        MainWindow& form = openWindow();
        for (const PickerColumn column : {PickerColumn::Prior, PickerColumn::Current}) {
            EXPECT_EQ(form.picker(column).folder(), workingFolder()) << entry.toStdString();
            EXPECT_EQ(form.picker(column).pathBox()->text(), "") << entry.toStdString();
        }
        EXPECT_EQ(text("Text3"), master_ + "/Mastplyr.dat") << entry.toStdString();
        EXPECT_TRUE(dialogs_.messages.isEmpty()) << entry.toStdString();
        form_.reset();
    }

    // A Windows folder gone from a drive that is there: the column rests on the drive.
    touch("MissDir.txt", "\"C:\\Games\\Gone\\\"\r\n\"C:\\Games\\Gone\\\"\r\n");
    MainWindow& form = openWindow();
    EXPECT_EQ(form.picker(PickerColumn::Prior).driveList()->currentText(), "C: (~/.wine)");
    EXPECT_EQ(form.picker(PickerColumn::Prior).pathBox()->text(), "");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

// Homes as players have them, with the league in several prefixes at the same Windows paths: the
// window (from its remembered folders, or paths typed into its boxes) and zorbin-report read it
// through one prefix, the right one, and say so; never a mixture, never a stale copy, and where
// they can't be sure, they say that too.
class PrefixChoiceTest : public WindowFixture {};

TEST_F(PrefixChoiceTest, EveryHomeGivesTheTrueListsOrAnHonestFailureAlikeInWindowAndTool) {
    using league::LeagueFileWriter;
    // One copy of a league in a prefix: its seasons and master folder, some left out.
    struct Copy {
        QString prefix; // below the home; "steam:<library>" a Proton prefix there
        bool stale;     // an older league, with other players
        QStringList parts = {"2010", "2011", "master", "teams"}; // "2011/" the folder alone
        int daysOld = 0; // when its season files were written
        QList<FakeHome::Link> drives = FakeHome::driveC;
        QString locked = {}; // a folder of its league an ordinary user can't enter; "~/" the home's
        QString sameAs = {}; // its Games folder is a link to this copy's, or with
        bool byteCopy = false; // a copy of it with the same times, as `cp -a` makes
    };
    struct Home {
        const char* what;
        QList<Copy> copies;
        QString startedIn = {};     // below the home; empty for a folder outside every prefix
        QByteArray remembered = {}; // MissDir.txt there, as the Windows program wrote it
        QString drive = "C";
        QString truth = {};      // the prefix whose copy must be read; empty when none may be
        QString said = {};       // what the window says and the report tool writes on stderr
        bool doubt = false;      // the lists are printed, with status 1
        QString prior = {};      // typed instead of the prior season's Windows path; %h is the home
        QString winePrefix = {}; // below the home
        int unnamedSteamPrefixes = 0;
        QString unsaid = "other files"; // what neither may say
        // The launchers' records, below the home (%h is its path), as written natively.
        QList<std::pair<QString, QByteArray>> records = {};
    };
    const QStringList all = {"2010", "2011", "master", "teams"};
    const QString sd = "steam:sdcard/SteamLibrary";
    const QString internal = "steam:.local/share/Steam";
    const QString bottle = ".local/share/bottles/bottles/QEL";
    const QString heroic = "Games/Heroic/Prefixes/default/QEL/pfx";
    const QString wineD = ".wine/drive_c/Games/QEL/Leagues/Pro/2010";
    const Home homes[] = {
        {"an old ~/.wine with half the league beside a Lutris prefix with all of it",
         {{".wine", true, {"2010", "master", "teams"}}, {"Games/qel", false, all, 3}},
         {},
         {},
         "C",
         "Games/qel"},
        {"the Windows program's remembered files in a bottle, an older league in ~/.wine",
         {{".wine", true, all, 0}, {bottle, false, all, 9}},
         bottle + "/drive_c/Program Files/QEL",
         "\"C:\\Games\\QEL\\Leagues\\Pro\\2010\\\"\r\n\"C:\\Games\\QEL\\Leagues\\Pro\\2011\\\"\r\n",
         "C",
         bottle,
         "~/.wine holds the same folders with other files, written",
         false,
         {},
         {},
         0,
         "Not a valid"},
        {"a Steam prefix on the SD card and a leftover copy on internal storage",
         {{internal, true, all, 20}, {sd, false, all, 1}},
         {},
         {},
         "C",
         sd,
         "~/.local/share/Steam/steamapps/compatdata/555/pfx) holds the same folders",
         false,
         {},
         {},
         0,
         "Not a valid"},
        {"an old ~/.wine and a Heroic prefix with Proton",
         {{".wine", true, all, 40}, {heroic, false, all, 2}},
         {},
         {},
         "C",
         heroic,
         "whose season files were written last (",
         false,
         {},
         {},
         0,
         "Not a valid"},
        {"no prefix holds the whole league",
         {{".wine", false, {"2010", "master", "teams"}}, {"Games/qel", false, {"2011"}}},
         {},
         {},
         "C",
         {},
         "C:\\Games\\QEL\\Leagues\\Pro\\2010 is in ~/.wine"},
        {"a prior season without its team file",
         {{".wine", false, {"2010", "2011", "master"}}},
         {},
         {},
         "C",
         ".wine",
         "qelteam.dat"},
        {"a dual-boot partition that ~/.wine maps as D:",
         {{"ntfs", false}},
         "ntfs/Program Files/QEL",
         "\"D:\\Games\\QEL\\Leagues\\Pro\\2010\\\"\r\n\"D:\\Games\\QEL\\Leagues\\Pro\\2011\\\"\r\n",
         "D",
         "ntfs"},
        {"the newest copy's league folder closed to the user, by a sudo copy",
         {{".wine", false, all, 9}, {"Games/qel", true, all, 1, FakeHome::driveC, "Leagues"}},
         {},
         {},
         "C",
         ".wine",
         "could not tell whether another copy of the league is newer: \"qel\" (~/Games/qel): "
         "Could not read",
         true},
        {"Lutris's folder closed to the user",
         {{".wine", false, all, 9}, {"Games/qel", true, all, 1, FakeHome::driveC, "~/Games"}},
         {},
         {},
         "C",
         ".wine",
         "is newer: ~/Games: Permission denied",
         true},
        {"a newer copy on a USB disk that is unplugged",
         {{".wine", false, all, 9, FakeHome::driveC + QList<FakeHome::Link>{{"d:", "../drive_c"}}},
          {"Games/qel",
           true,
           {},
           0,
           FakeHome::driveC + QList<FakeHome::Link>{{"d:", "/zorbin-unplugged-usb-disk"}}}},
         {},
         {},
         "D",
         ".wine",
         "its drive D: leads to \"/zorbin-unplugged-usb-disk\", which is not there",
         true},
        {"600 Proton prefixes, a stale installed copy in Steam and the league in Lutris",
         {{internal, true, all, 20}, {"Games/qel", false, all, 2}},
         {},
         {},
         "C",
         "Games/qel",
         "~/.local/share/Steam/steamapps/compatdata: the search for Wine prefixes stopped",
         true,
         {},
         {},
         600,
         "Not a valid"},
        {"a prior season typed as a path inside ~/.wine, a newer Lutris copy",
         {{".wine", false, all, 9}, {"Games/qel", true, all, 1}},
         {},
         {},
         "C",
         ".wine",
         "in which %h/" + wineD + " lies; \"qel\" (~/Games/qel) holds the same folders",
         false,
         "%h/" + wineD,
         {},
         0,
         "Not a valid"},
        {"a prior season typed as a Z: path inside ~/.wine, a newer Lutris copy",
         {{".wine", false, all, 9}, {"Games/qel", true, all, 1}},
         {},
         {},
         "C",
         ".wine",
         "through the Wine prefix ~/.wine, in which Z:\\",
         false,
         "Z:%h/" + wineD,
         {},
         0,
         "Not a valid"},
        {"a prior season typed inside ~/.wine, which lacks the current one Lutris holds",
         {{".wine", false, {"2010", "master", "teams"}, 9}, {"Games/qel", true, all, 1}},
         {},
         {},
         "C",
         {},
         "lies in ~/.wine, which does not hold them, and a league is never read from two",
         false,
         "%h/" + wineD},
        {"WINEPREFIX names an old ~/.wine, and Lutris and Steam hold newer copies",
         {{".wine", false, all, 30}, {"Games/qel", true, all, 1}, {internal, true, all, 2}},
         {},
         {},
         "C",
         ".wine",
         "named in WINEPREFIX; \"QEL Pro Football\" (~/.local/share/Steam/steamapps/compatdata/"
         "555/pfx) holds the same folders with other files, written",
         false,
         {},
         ".wine",
         0,
         "Not a valid"},
        {"a bottle whose Games folder links to ~/.wine's, and a cp -a backup",
         {{".wine", false, all, 5},
          {bottle, false, {}, 0, FakeHome::driveC, {}, ".wine"},
          {"Games/backup", false, {}, 0, FakeHome::driveC, {}, ".wine", true}},
         {},
         {},
         "C",
         ".wine"},
        {"two copies with other files written at the same time",
         {{".wine", false, all, 5}, {"Games/qel", true, all, 5}},
         {},
         {},
         "C",
         ".wine",
         "written at the same time as another copy's, and which comes first in Zorbin's order; "
         "\"qel\" (~/Games/qel) holds",
         false,
         {},
         {},
         0,
         "Not a valid"},
        {"a new prefix with the prior season and an empty current-season folder",
         {{".wine", false, all, 9}, {"Games/new", true, {"2010", "2011/", "master", "teams"}, 0}},
         {},
         {},
         "C",
         ".wine",
         {},
         false,
         {},
         {},
         0,
         "Not a valid"},
        {"the master folder only in another prefix",
         {{".wine", false, {"2010", "2011", "teams"}, 9}, {"Games/qel", true, {"master"}, 1}},
         {},
         {},
         "C",
         ".wine",
         "\"C:\\Games\\QEL\" is not in the Wine prefix ~/.wine, through which the league was read, "
         "but \"qel\" (~/Games/qel) holds it; nothing is read from there"},
        {"Lutris with its game folder set to ~/Games/Lutris, half the league in ~/.wine",
         {{".wine", true, {"2010", "master", "teams"}}, {"Games/Lutris/qel-pro", false}},
         {},
         {},
         "C",
         "Games/Lutris/qel-pro",
         {},
         false,
         {},
         {},
         0,
         "other files",
         {{".config/lutris/system.yml", "system:\n  game_path: %h/Games/Lutris\n"}}},
        {"a Lutris game whose prefix was set by hand, an older league in ~/.wine",
         {{".wine", true, all, 30}, {"Wine/QEL Pro", false, all, 1}},
         {},
         {},
         "C",
         "Wine/QEL Pro",
         "\"QEL Pro\" (~/Wine/QEL Pro)",
         false,
         {},
         {},
         0,
         "Not a valid",
         {{".local/share/lutris/games/qel-pro-1700000000.yml",
           "game:\n  exe: ~/Wine/QEL Pro/drive_c/QEL/qel.exe\n  prefix: ~/Wine/QEL Pro\n"}}},
        {"a Heroic game with Proton whose prefix is outside Heroic's folder",
         {{".wine", true, {"2011"}}, {"Heroic QEL/pfx", false}},
         {},
         {},
         "C",
         "Heroic QEL/pfx",
         {},
         false,
         {},
         {},
         0,
         "other files",
         {{".config/heroic/GamesConfig/Qel.json",
           R"({"Qel": {"winePrefix": "~/Heroic QEL", "wineVersion": {"type": "proton"}}})"}}},
        {"Bottles with a custom bottles folder, an older league in ~/.wine",
         {{".wine", true, all, 10}, {"Bottles/QEL", false, all, 1}},
         {},
         {},
         "C",
         "Bottles/QEL",
         "\"QEL\" (~/Bottles/QEL)",
         false,
         {},
         {},
         0,
         "Not a valid",
         {{".local/share/bottles/data.yml", "custom_bottles_path: %h/Bottles\n"}}},
        {"umu's prefix", {{"Games/umu/umu-2525", false}}, {}, {}, "C", "Games/umu/umu-2525"},
        {"Faugus's prefix", {{"Faugus/qel-pro", false}}, {}, {}, "C", "Faugus/qel-pro"},
        {"a Faugus game whose prefix is elsewhere, an older league in ~/.wine",
         {{".wine", true, all, 5}, {"Prefixes/QEL", false}},
         {},
         {},
         "C",
         "Prefixes/QEL",
         "\"QEL Pro\" (~/Prefixes/QEL)",
         false,
         {},
         {},
         0,
         "Not a valid",
         {{".local/share/faugus-launcher/games.json",
           R"([{"gameid": "qel", "title": "QEL Pro", "prefix": "$HOME/Prefixes/QEL"}])"}}},
    };
    const auto put = [](const QString& file, const QByteArray& content) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        LeagueFolder::writeBytes(file, content);
    };
    const QString scratch = workingFolder();
    for (const Home& home : homes) {
        SCOPED_TRACE(home.what);
        FakeHome fake;
        const QString h = fake.path();
        const auto expanded = [&h](QString text) {
            text.replace("%h", h);
            if (text.startsWith("Z:"))
                text.replace('/', '\\');
            return text;
        };
        for (const auto& [file, content] : home.records)
            fake.write(file, QByteArray(content).replace("%h", QFile::encodeName(h)));
        QStringList libraries;
        QString truthFolder; // where the true copy's Games\QEL folder is on this machine
        QHash<QString, QString> gamesOf;
        QStringList locked;
        const auto now = std::filesystem::file_time_type::clock::now();
        for (const Copy& copy : home.copies) {
            QString games;
            if (copy.prefix.startsWith("steam:")) {
                libraries.append(h + "/" + copy.prefix.mid(6));
                games = fake.makeSteamPrefix(copy.prefix.mid(6), "555", "QEL Pro Football") +
                        "/drive_c/Games";
            } else if (copy.prefix == "ntfs") {
                games = h + "/ntfs/Games";
                fake.makePrefix(".wine",
                                FakeHome::driveC + QList<FakeHome::Link>{{"d:", h + "/ntfs"}});
            } else {
                games = fake.makePrefix(copy.prefix, copy.drives) + "/drive_c/Games";
            }
            gamesOf[copy.prefix] = games;
            if (!copy.sameAs.isEmpty()) {
                const QString original = gamesOf[copy.sameAs];
                const QString how = copy.byteCopy ? "cp -a " : "ln -s ";
                ASSERT_EQ(
                    std::system(
                        QFile::encodeName(how + "'" + original + "' '" + games + "'").constData()),
                    0);
                continue;
            }
            const QString qel = games + "/QEL";
            const int first = copy.stale ? 20000 : 12000;
            const auto players = [first](int from, int to) {
                std::vector<PlayerEntry> list;
                for (int i = from; i < to; ++i)
                    list.push_back(player(first + i, "Player", QByteArray::number(i)));
                return list;
            };
            const auto written = now - std::chrono::hours(24 * copy.daysOld);
            for (const auto& [part, content] :
                 {std::pair{QString("2010"), LeagueFileWriter::playerFile(players(0, 8))},
                  std::pair{QString("2011"), LeagueFileWriter::playerFile(players(3, 12))}}) {
                if (copy.parts.contains(part + "/")) {
                    ASSERT_TRUE(QDir().mkpath(qel + "/Leagues/Pro/" + part));
                }
                if (!copy.parts.contains(part))
                    continue;
                const QString file = qel + "/Leagues/Pro/" + part + "/QELPLYR.DAT";
                put(file, content);
                std::filesystem::last_write_time(QFile::encodeName(file).toStdString(), written);
            }
            if (copy.parts.contains("teams"))
                put(qel + "/Leagues/Pro/2010/qelteam.dat",
                    LeagueFileWriter::teamFile(
                        {team("Lake City", "Comets", {static_cast<std::int16_t>(first + 1)})}));
            if (copy.parts.contains("master"))
                put(qel + "/Mastplyr.dat", LeagueFileWriter::masterFile(players(0, 4)));
            if (copy.locked.startsWith("~/"))
                locked.append(h + copy.locked.mid(1));
            else if (!copy.locked.isEmpty())
                locked.append(qel + "/" + copy.locked);
            if (copy.prefix == home.truth)
                truthFolder = qel;
        }
        if (!libraries.isEmpty())
            fake.writeLibraryFolders(".local/share/Steam", libraries);
        for (int appid = 1; appid <= home.unnamedSteamPrefixes; ++appid)
            fake.makeSteamPrefix(".local/share/Steam", QString::number(100000 + appid));

        const QString started =
            home.startedIn.isEmpty() ? workingFolder() : h + "/" + home.startedIn;
        ASSERT_TRUE(QDir().mkpath(started));
        ASSERT_TRUE(QDir::setCurrent(started));
        const QString windows = home.drive + ":\\Games\\QEL";
        const QStringList folders = {home.prior.isEmpty() ? windows + "\\Leagues\\Pro\\2010"
                                                          : expanded(home.prior),
                                     windows + "\\Leagues\\Pro\\2011", windows};
        // The truth, read from the true copy's own folders.
        const ComparisonOutcome truth = LeagueContext(WineEnvironment{}, std::nullopt)
                                            .run({truthFolder + "/Leagues/Pro/2010",
                                                  truthFolder + "/Leagues/Pro/2011", truthFolder});
        WineEnvironment environment = fake.environment();
        if (!home.winePrefix.isEmpty())
            environment.winePrefix = h + "/" + home.winePrefix;
        for (const QString& folder : std::as_const(locked))
            ASSERT_TRUE(QFile::setPermissions(folder, {}));
        std::optional<OrdinaryUser> ordinary;
        if (!locked.isEmpty())
            ordinary.emplace();
        const QString said = expanded(home.said);

        const CommandOutput tool = captureCommand([&](std::FILE* out, std::FILE* err) {
            return ReportCommand::run(folders, environment, out, err);
        });
        const QString toolSaid = QString::fromLocal8Bit(tool.err);
        EXPECT_TRUE(toolSaid.contains(said)) << tool.err.constData();
        EXPECT_FALSE(toolSaid.contains(home.unsaid)) << tool.err.constData();
        const bool listed = !home.truth.isEmpty() && home.said != "qelteam.dat" &&
                            !home.said.contains("is not in the Wine prefix");
        EXPECT_EQ(tool.status, listed && !home.doubt ? 0 : 1) << tool.err.constData();
        for (const QByteArray& line : truth.leftPlayers() + truth.arrivedPlayers())
            EXPECT_EQ(tool.out.contains(line + '\n'), listed) << line.constData();

        // The window: from the remembered folders, or with the folders typed into its boxes.
        if (!home.remembered.isEmpty()) {
            touch("MissDir.txt", home.remembered);
            touch("QELMDir.txt", '"' + folders[2].toLatin1() + "\\\"\r\n");
        }
        dialogs_.messages.clear();
        openWindow(environment);
        if (home.remembered.isEmpty()) {
            for (const auto& [box, typed] :
                 {std::pair{"Text1", folders[0]}, std::pair{"Text2", folders[1]},
                  std::pair{"Text3", folders[2]}})
                control<QLineEdit>(box)->setText(typed);
        }
        QTest::mouseClick(control<QPushButton>("cmdProcess"), Qt::LeftButton);
        EXPECT_EQ(lines("List1"), truth.leftPlayers());
        EXPECT_EQ(lines("List2"), truth.arrivedPlayers());
        const QString shown = dialogs_.messages.join('\n');
        EXPECT_TRUE(shown.contains(said)) << shown.toStdString();
        EXPECT_FALSE(shown.contains(home.unsaid)) << shown.toStdString();
        // The Windows program beside it keeps its folders.
        if (!home.remembered.isEmpty()) {
            EXPECT_EQ(contentOf("MissDir.txt"), home.remembered);
        }
        form_.reset();
        ordinary.reset();
        for (const QString& folder : std::as_const(locked))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove("MissDir.txt");
        QFile::remove("QELMDir.txt");
        QDir::setCurrent(scratch);
    }
}

} // namespace
} // namespace zorbin::test
