// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the window: its controls, the start-up order and the restore of the remembered folders.
#include "settings/RememberedFolders.h"
#include "support/LeagueFolder.h"
#include "window/FileList.h"
#include "window/FolderList.h"
#include "window/FolderPicker.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zorbin::test {
namespace {

using StartupTest = WindowFixture;

struct Place {
    const char* name;
    QRect pixels;
};

TEST_F(StartupTest, ControlsStandWhereTheDesignPutsThemWithTheirCaptions) {
    useFontSize(designFontSize);
    MainWindow& form = openWindow();
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "ZORBIN for QEL V10 (1/4/2011)");
    // Wider than designed, for whole list lines.
    EXPECT_EQ(form.height(), 483);
    form.resize(MainWindow::designClientSize);

    // Twips of the design divided by 15.
    const Place places[] = {
        {"Label3", {168, 8, 129, 17}},    {"Drive3", {168, 32, 105, 21}},
        {"Dir3", {168, 56, 137, 36}},     {"File1", {168, 96, 161, 19}},
        {"Text3", {168, 120, 201, 19}},   {"Label1", {24, 144, 137, 25}},
        {"Drive1", {24, 168, 137, 21}},   {"Dir1", {24, 192, 137, 66}},
        {"fleOld", {24, 264, 137, 19}},   {"Text1", {24, 288, 225, 25}},
        {"Label2", {256, 144, 137, 25}},  {"Drive2", {256, 168, 137, 21}},
        {"Dir2", {256, 192, 137, 66}},    {"fleNew", {256, 264, 137, 19}},
        {"Text2", {256, 288, 225, 25}},   {"List1", {24, 320, 225, 108}},
        {"List2", {256, 320, 225, 108}},  {"cmdProcess", {16, 440, 89, 33}},
        {"cmdFile", {120, 440, 105, 33}}, {"cmdFile2", {240, 440, 105, 33}},
        {"cmdExit", {360, 440, 105, 33}},
    };
    for (const Place& place : places) {
        const auto* widget = control<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), place.pixels) << place.name;
        EXPECT_TRUE(widget->isVisible()) << place.name;
    }

    EXPECT_EQ(control<QLabel>("Label1")->text(), "Point to Prior Season Path");
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Point to Current Season Path");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Point to QEL Path");
    EXPECT_EQ(control<QPushButton>("cmdProcess")->text(), "Process");
    EXPECT_EQ(control<QPushButton>("cmdFile")->text(), "Put Prior Season Names in a File");
    EXPECT_EQ(control<QPushButton>("cmdFile2")->text(), "Put Current Season Names in a File");
    EXPECT_EQ(control<QPushButton>("cmdExit")->text(), "E&XIT");
    for (const char* button : {"cmdProcess", "cmdFile", "cmdFile2", "cmdExit"}) {
        EXPECT_FALSE(control<QPushButton>(button)->isDefault()) << button;
        EXPECT_FALSE(control<QPushButton>(button)->autoDefault()) << button;
    }
    // The file dialog is made at the first export, not at start-up.
    EXPECT_EQ(form.findChild<QObject*>("CommonDialog1"), nullptr);
}

TEST_F(StartupTest, FocusStartsOnDrive1AndTabsInTheDesignOrder) {
    MainWindow& form = openWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Drive1");

    const QStringList expected = {"Drive1", "Dir1",  "fleOld", "cmdProcess", "Drive2",  "Dir2",
                                  "fleNew", "Text1", "Text2",  "List1",      "cmdExit", "Drive3",
                                  "Dir3",   "File1", "Text3",  "cmdFile",    "List2",   "cmdFile2"};
    // cmdFile and cmdFile2 are disabled now, so Tab passes over them; enable them to see the chain.
    control<QPushButton>("cmdFile")->setEnabled(true);
    control<QPushButton>("cmdFile2")->setEnabled(true);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < expected.size(); ++step) {
        // Each control shows that it has the focus, an empty list too.
        auto* next = control<QWidget>(qPrintable(expected[step]));
        const QImage unfocused = next->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
        EXPECT_NE(next->grab().toImage(), unfocused) << expected[step].toStdString();
    }
    EXPECT_EQ(visited, expected);
    for (const char* label : {"Label1", "Label2", "Label3"})
        EXPECT_EQ(control<QLabel>(label)->focusPolicy(), Qt::NoFocus);
}

TEST_F(StartupTest, WithoutRememberedFoldersNothingIsFilledEvenWhenTheFilesAreHere) {
    touch("qelplyr.dat");
    touch("Mastplyr.dat");
    MainWindow& form = openWindow();

    for (const char* box : {"Text1", "Text2", "Text3"})
        EXPECT_EQ(text(box), "") << box;
    EXPECT_FALSE(control<QPushButton>("cmdFile")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdFile2")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdProcess")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdExit")->isEnabled());

    // Every column stands at the working folder and lists its file there, unselected.
    for (const PickerColumn column :
         {PickerColumn::Prior, PickerColumn::Current, PickerColumn::Master}) {
        const FolderPicker& picker = form.picker(column);
        EXPECT_EQ(picker.folder(), workingFolder());
        EXPECT_EQ(picker.folderList()->currentFolder(), workingFolder());
        ASSERT_EQ(picker.fileList()->count(), 1);
        EXPECT_EQ(picker.fileList()->selectedFileName(), "");
    }
    EXPECT_EQ(form.picker(PickerColumn::Master).fileList()->item(0)->text(), "Mastplyr.dat");

    // Both remembered-folder files now exist, empty.
    for (const QString& name :
         {RememberedFolders::seasonFileReadName, RememberedFolders::masterFileReadName}) {
        const QFileInfo file(name);
        EXPECT_TRUE(file.exists()) << name.toStdString();
        EXPECT_EQ(file.size(), 0) << name.toStdString();
    }
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(StartupTest, RememberedFoldersPointTheColumnsBackAndFillThePathBoxes) {
    LeagueFolder league;
    league.writePriorPlayers({player(10001, "Ortega", "Luis")});
    league.writeCurrentPlayers({player(10002, "Lee", "Kim")});
    league.writeMasterPlayers({player(10002, "Lee", "Kim")});
    rememberFolders(league.priorFolder(), league.currentFolder(), league.masterFolder());
    MainWindow& form = openWindow();

    EXPECT_EQ(text("Text1"), league.priorPlayerFile());
    EXPECT_EQ(text("Text2"), league.currentPlayerFile());
    EXPECT_EQ(text("Text3"), league.masterPlayerFile());
    EXPECT_EQ(form.picker(PickerColumn::Prior).folder(), league.priorFolder());
    EXPECT_EQ(form.picker(PickerColumn::Master).folderList()->currentFolder(),
              league.masterFolder());
    EXPECT_EQ(form.picker(PickerColumn::Current).fileList()->selectedFileName(), "qelplyr.dat");
    EXPECT_FALSE(control<QPushButton>("cmdFile")->isEnabled());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(StartupTest, ARememberedFolderThatIsTheWorkingFolderStillFillsItsPathBox) {
    touch("qelplyr.dat");
    rememberFolders(workingFolder(), workingFolder(), workingFolder());
    openWindow();
    EXPECT_EQ(text("Text1"), workingFolder() + "/qelplyr.dat");
    EXPECT_EQ(text("Text2"), workingFolder() + "/qelplyr.dat");
    EXPECT_EQ(text("Text3"), "");
}

TEST_F(StartupTest, RememberedFoldersThatAreGoneOrNotFoldersPassInSilence) {
    LeagueFolder league;
    league.writeMasterPlayers({player(10002, "Lee", "Kim")});
    touch("plain-file");
    rememberFolders(league.root() + "/vanished", workingFolder() + "/plain-file",
                    league.masterFolder());
    MainWindow& form = openWindow();

    EXPECT_TRUE(dialogs_.messages.isEmpty());
    EXPECT_EQ(form.picker(PickerColumn::Prior).folder(), workingFolder());
    EXPECT_EQ(form.picker(PickerColumn::Current).folder(), workingFolder());
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(text("Text2"), "");
    // The master column is restored on its own.
    EXPECT_EQ(text("Text3"), league.masterPlayerFile());
}

// A deep league's chosen folder sits below the chain of folders above it; it stays in view as
// restored, and after the window is resized or the folder is changed.
TEST_F(StartupTest, EachFolderListShowsItsChosenFolderAtStartAndAtEverySize) {
    // The seasons' folders hold no folders, so theirs is the last row; the master's holds some.
    const QString deep = workingFolder() + "/drive_c/Games/QEL/Leagues/Pro";
    for (const char* season : {"2005", "2006", "2007", "2008"})
        ASSERT_TRUE(QDir().mkpath(deep + "/" + season));
    rememberFolders(deep + "/2007", deep + "/2008", deep);
    MainWindow& form = openWindow();
    const auto chosenRow = [this](const char* list) {
        const auto* folders = control<FolderList>(list);
        return folders->visualRect(folders->currentIndex());
    };
    const auto expectChosenInView = [&](const char* when) {
        QApplication::processEvents();
        for (const char* list : {"Dir1", "Dir2", "Dir3"})
            EXPECT_TRUE(control<FolderList>(list)->viewport()->rect().contains(chosenRow(list)))
                << list << " " << when << " " << chosenRow(list).y();
    };
    expectChosenInView("as restored");
    const int rowHeight = chosenRow("Dir1").height();
    form.resize(form.size() * 3 / 2);
    expectChosenInView("enlarged");
    // The rows grow with their text.
    EXPECT_GE(chosenRow("Dir1").height(), rowHeight * 13 / 10);
    form.resize(form.minimumSize());
    expectChosenInView("at the smallest size");
    form.setFolder(PickerColumn::Prior, deep + "/2005");
    form.setFolder(PickerColumn::Current, deep);
    expectChosenInView("after a folder change");
}

TEST_F(StartupTest, ARememberedRootIsShownAsTheRootFolder) {
    rememberFolders("/", "/", "/");
    ASSERT_EQ(RememberedFolders::entryLine("/"), QByteArray("\"//\"\r\n"));
    MainWindow& form = openWindow();
    EXPECT_EQ(form.picker(PickerColumn::Prior).folder(), "/");
    EXPECT_EQ(form.picker(PickerColumn::Master).folderList()->currentFolder(), "/");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

} // namespace
} // namespace zorbin::test
