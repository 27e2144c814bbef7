// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Leagues under Wine: prefixes' drives in the drive lists, hidden folders, remembered Windows paths
// written by the original program, and remembered folders whose drive has gone.
#include "settings/RememberedFolders.h"
#include "window/DriveList.h"
#include "window/FolderList.h"
#include "window/FolderPicker.h"
#include "WindowFixture.h"

#include <QLineEdit>

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
    form_ = std::make_unique<MainWindow>(dialogs_, wrong);
    form_->show();
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

} // namespace
} // namespace zorbin::test
