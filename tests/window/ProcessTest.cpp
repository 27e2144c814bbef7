// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Process" from the window: the lists it fills, their font, the messages and the export buttons.
#include "compare/SeasonComparison.h"
#include "settings/RememberedFolders.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"
#include "window/ReportListModel.h"
#include "WindowFixture.h"

#include <map>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace zorbin::test {
namespace {

// A report line as the library builds it: name padded to 21, two spaces, identity, one space, team.
QByteArray reportLine(const QByteArray& name, int identity, const QByteArray& team) {
    return name.leftJustified(21, ' ') + "  " + QByteArray::number(identity) + ' ' + team;
}

class ProcessTest : public WindowFixture {
protected:
    // Prior season: 10001 to 10004; current season: 10002, 10004, 10005, 10006.
    void writeLeague() {
        league_.writeTeams({team("Lake City", "Comets", {10001, 10003}),
                            team("River Town", "Rapids", {10002, 10004})});
        league_.writePriorPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim"),
                                   player(10003, "M\xfcller", "J\xfcrgen"),
                                   player(10004, "Nagy", "Peter")});
        league_.writeCurrentPlayers({player(10002, "Lee", "Kim"), player(10004, "Nagy", "Peter"),
                                     player(10005, "Dvo\x9a\xe1k", "Anton"),
                                     player(10006, "Smith", "Tom")});
        league_.writeMasterPlayers(
            {player(10001, "Ortega", "Luis"), player(10006, "Smyth", "Tom")});
    }

    MainWindow& openOnLeague() {
        MainWindow& form = openWindow();
        form.setFolder(PickerColumn::Prior, league_.priorFolder());
        form.setFolder(PickerColumn::Current, league_.currentFolder());
        form.setFolder(PickerColumn::Master, league_.masterFolder());
        return form;
    }

    // Presses "Process" and checks that the run left the league's files as they were.
    void clickProcess() {
        const auto before = league_.snapshot();
        QTest::mouseClick(control<QPushButton>("cmdProcess"), Qt::LeftButton);
        EXPECT_EQ(league_.snapshot(), before) << "a run changed the league";
    }

    [[nodiscard]] bool enabled(const char* button) const {
        return control<QPushButton>(button)->isEnabled();
    }

    LeagueFolder league_;
};

TEST_F(ProcessTest, ARunOnALeagueFillsBothListsAsTheGameWroteThem) {
    writeLeague();
    openOnLeague();
    clickProcess();

    EXPECT_EQ(lines("List1"),
              (QList<QByteArray>{reportLine("Ortega,Luis", 10001, "Lake City Comets"),
                                 reportLine("", 10003, "Lake City Comets")}));
    EXPECT_EQ(lines("List2"), (QList<QByteArray>{reportLine("Dvo\x9a\xe1k,Anton", 10005, ""),
                                                 reportLine("Smyth,Tom", 10006, "")}));
    // Shown decoded from the game's code page, kept as bytes.
    const auto* list2 = control<QListView>("List2");
    EXPECT_EQ(list2->model()->index(0, 0).data().toString(),
              QString::fromUtf8("Dvošák,Anton").leftJustified(21) + "  10005 ");
    for (const char* list : {"List1", "List2"}) {
        const QFont font = control<QListView>(list)->font();
        EXPECT_EQ(font.family(), "Courier New") << list;
        EXPECT_EQ(font.styleHint(), QFont::TypeWriter) << list;
    }
    EXPECT_TRUE(enabled("cmdFile"));
    EXPECT_TRUE(enabled("cmdFile2"));
    EXPECT_TRUE(dialogs_.messages.isEmpty());

    // The folders are remembered in the working folder.
    EXPECT_EQ(contentOf(RememberedFolders::seasonFileReadName),
              RememberedFolders::entryLine(league_.priorFolder()) +
                  RememberedFolders::entryLine(league_.currentFolder()));
    EXPECT_EQ(contentOf(RememberedFolders::masterFileReadName),
              RememberedFolders::entryLine(league_.masterFolder()));

    // Pressing it again gives the same lists, not doubled ones.
    clickProcess();
    EXPECT_EQ(lines("List1").size(), 2);
    EXPECT_EQ(lines("List2").size(), 2);

    // Paths typed as Windows paths, in any letter case, reach the same files through ~/.wine.
    const QList<QByteArray> left = lines("List1");
    home_.makePrefix(".wine", FakeHome::driveC + QList<FakeHome::Link>{{"l:", league_.root()}});
    control<QLineEdit>("Text1")->setText(R"(l:\PRIOR\QELPLYR.DAT)");
    control<QLineEdit>("Text2")->setText(R"(L:\Current\qelplyr.dat)");
    control<QLineEdit>("Text3")->setText(R"(L:\master\mastplyr.dat)");
    clickProcess();
    EXPECT_EQ(lines("List1"), left);
    EXPECT_EQ(lines("List2").size(), 2);
    EXPECT_EQ(text("Text1"), R"(l:\PRIOR\QELPLYR.DAT)");
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ProcessTest, ScreenReadersFindEveryControlByNameAndHearHowManyPlayersAListHolds) {
    writeLeague();
    MainWindow& form = openOnLeague();
    const std::map<QString, QString> names = {
        {"Drive1", "Prior season drive"},
        {"Dir1", "Prior season folder"},
        {"fleOld", "Prior season player file"},
        {"Text1", "Prior season player file path"},
        {"Drive2", "Current season drive"},
        {"Dir2", "Current season folder"},
        {"fleNew", "Current season player file"},
        {"Text2", "Current season player file path"},
        {"Drive3", "Master drive"},
        {"Dir3", "Master folder"},
        {"File1", "Master player file"},
        {"Text3", "Master player file path"},
        {"List1", "Players of the prior season missing from the current one"},
        {"List2", "Players of the current season missing from the prior one"},
        {"cmdExit", "EXIT"},
        {"Label1", "Point to Prior Season Path"},
    };
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->childCount(), 21);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        const QString objectName = child->object()->objectName();
        const QString name = child->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << objectName.toStdString();
        if (const auto expected = names.find(objectName); expected != names.end()) {
            EXPECT_EQ(name, expected->second);
        }
        // A folder list is a plain list of folders, with no column header to read out.
        for (int row = 0; row < child->childCount(); ++row)
            EXPECT_NE(child->child(row)->role(), QAccessible::ColumnHeader)
                << objectName.toStdString();
    }

    const auto description = [this](const char* list) {
        return QAccessible::queryAccessibleInterface(control<QListView>(list))
            ->text(QAccessible::Description);
    };
    clickProcess();
    EXPECT_EQ(description("List1"), "2 players");
    EXPECT_EQ(description("List2"), "2 players");
    league_.writeCurrentPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim"),
                                 player(10004, "Nagy", "Peter")});
    clickProcess();
    EXPECT_EQ(description("List1"), "1 player");
    EXPECT_EQ(description("List2"), "0 players");
}

// What the user came for: whole lines at the opening size, to copy as shown.
TEST_F(ProcessTest, TheListsOpenWideEnoughForLongLinesAndCopyTheSelectedOnes) {
    league_.writeTeams({team("Lake City", "Lumberjacks", {10001, 10003})});
    league_.writePriorPlayers(
        {player(10001, "Vandenberg", "Maximilian"), player(10002, "M\xfcller", "Jan")});
    league_.writeCurrentPlayers({player(10003, "Abcdefghij", "Klmnopqrst")});
    league_.writeMasterPlayers(
        {player(10001, "Vandenberg", "Maximilian"), player(10002, "M\xfcller", "Jan")});
    // A font small enough for the test's screen to have room for the lines.
    useFontSize(designFontSize);
    MainWindow& form = openOnLeague();
    clickProcess();
    // Whole as opened, and in the larger text of an enlarged window.
    for (const QSize size : {form.size(), form.size() * 3 / 2}) {
        form.resize(size);
        QApplication::processEvents();
        for (const char* name : {"List1", "List2"})
            EXPECT_EQ(control<QListView>(name)->horizontalScrollBar()->maximum(), 0) << name;
    }
    EXPECT_GT(control<QListView>("List1")->font().pointSizeF(), designFontSize * 1.3);

    auto* list = control<QListView>("List1");
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromUtf8("Vandenberg,Maximilian  10001 Lake City Lumberjacks\n"
                                "Müller,Jan             10002 "));
    // Selected bottom-up, they still copy in the list's order.
    const QAbstractItemModel& model = *list->model();
    list->selectionModel()->select(model.index(1, 0), QItemSelectionModel::ClearAndSelect);
    list->selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Vandenberg"));
}

TEST_F(ProcessTest, TheCursorShowsTheRunIsBusyUntilItsMessage) {
    writeLeague();
    openOnLeague();
    Qt::CursorShape whileFilling = Qt::ArrowCursor;
    QObject::connect(control<QListView>("List1")->model(), &QAbstractItemModel::modelReset,
                     [&whileFilling] {
                         if (const QCursor* cursor = QGuiApplication::overrideCursor())
                             whileFilling = cursor->shape();
                     });
    bool busyDuringMessage = true;
    dialogs_.onMessage = [&busyDuringMessage](const QString&) {
        busyDuringMessage = QGuiApplication::overrideCursor() != nullptr;
    };
    control<QLineEdit>("Text2")->setText(league_.currentFolder() + "/missing.dat");
    clickProcess();
    EXPECT_EQ(whileFilling, Qt::WaitCursor);
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_FALSE(busyDuringMessage);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ProcessTest, EachExportButtonIsEnabledExactlyWhenItsListHoldsALine) {
    league_.writePriorPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim")});
    league_.writeCurrentPlayers({player(10002, "Lee", "Kim")});
    league_.writeMasterPlayers({});
    league_.writeTeams({team("Lake City", "Comets", {})});
    MainWindow& form = openOnLeague();
    clickProcess();
    EXPECT_EQ(lines("List1").size(), 1);
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_TRUE(enabled("cmdFile"));
    EXPECT_FALSE(enabled("cmdFile2"));

    // Folder changes and typing leave the buttons alone until the next run.
    form.setFolder(PickerColumn::Prior, league_.root());
    control<QLineEdit>("Text2")->setText("elsewhere");
    EXPECT_TRUE(enabled("cmdFile"));

    // Identical seasons: nothing in either list.
    LeagueFolder::writeBytes(league_.currentFolder() + "/qelteam.dat",
                             league::LeagueFileWriter::teamFile({team("Lake City", "Comets", {})}));
    form.setFolder(PickerColumn::Prior, league_.currentFolder());
    form.setFolder(PickerColumn::Current, league_.currentFolder());
    clickProcess();
    EXPECT_TRUE(lines("List1").isEmpty());
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_FALSE(enabled("cmdFile"));
    EXPECT_FALSE(enabled("cmdFile2"));
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(ProcessTest, AMissingSeasonFileShowsTheMessageAndEmptiesAnEarlierResult) {
    writeLeague();
    openOnLeague();
    clickProcess();
    ASSERT_TRUE(enabled("cmdFile"));

    control<QLineEdit>("Text2")->setText(league_.currentFolder() + "/missing.dat");
    clickProcess();
    EXPECT_EQ(dialogs_.messages, QStringList{" Not a valid QEL Directory for Prior Season"});
    EXPECT_TRUE(lines("List1").isEmpty());
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_FALSE(enabled("cmdFile"));
    EXPECT_FALSE(enabled("cmdFile2"));

    // A path typed into a box is used as typed.
    QFile::copy(league_.currentPlayerFile(), league_.root() + "/typed.dat");
    control<QLineEdit>("Text2")->setText(league_.root() + "/typed.dat");
    clickProcess();
    EXPECT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(lines("List2").size(), 2);

    // A master path that names no file still gives both lists, and says their names are the
    // current season's only.
    const QString masterSlip = league_.masterFolder() + "/Mastplyr.da";
    control<QLineEdit>("Text3")->setText(masterSlip);
    clickProcess();
    ASSERT_EQ(dialogs_.messages.size(), 2);
    EXPECT_TRUE(dialogs_.messages[1].contains(masterSlip)) << dialogs_.messages[1].toStdString();
    EXPECT_EQ(lines("List1").size(), 2);
    EXPECT_TRUE(enabled("cmdFile"));

    // One behind a folder the user can't enter (as one left by "sudo wine") is there, not missing.
    const QString locked = league_.root() + "/locked";
    ASSERT_TRUE(QDir().mkpath(locked + "/season"));
    ASSERT_TRUE(QFile::copy(league_.currentPlayerFile(), locked + "/season/qelplyr.dat"));
    ASSERT_TRUE(QFile::setPermissions(locked, {}));
    control<QLineEdit>("Text2")->setText(locked + "/season/qelplyr.dat");
    dialogs_.messages.clear();
    {
        const OrdinaryUser ordinary;
        clickProcess();
    }
    ASSERT_TRUE(
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(dialogs_.messages,
              QStringList{QStringLiteral("Could not read \"%1\": %2")
                              .arg(locked + "/season/qelplyr.dat", qt_error_string(EACCES))});
    EXPECT_TRUE(lines("List2").isEmpty());
}

TEST_F(ProcessTest, AnEmptyPathBoxRunsNothingAndWritesNothing) {
    writeLeague();
    openOnLeague();
    control<QLineEdit>("Text3")->clear();
    clickProcess();
    EXPECT_TRUE(dialogs_.messages.isEmpty());
    EXPECT_TRUE(lines("List1").isEmpty());
    EXPECT_FALSE(enabled("cmdFile"));
    EXPECT_FALSE(enabled("cmdFile2"));
    EXPECT_EQ(contentOf(RememberedFolders::seasonFileReadName), QByteArray());
    EXPECT_EQ(contentOf(RememberedFolders::masterFileReadName), QByteArray());
}

TEST_F(ProcessTest, FoldersThatCannotBeRememberedAreReportedOnceAndTheRunGoesOn) {
    writeLeague();
    // A folder where the season-folders file belongs can't be replaced by a file.
    ASSERT_TRUE(QDir().mkdir(RememberedFolders::seasonFileReadName));
    openOnLeague();
    ASSERT_TRUE(dialogs_.messages.isEmpty());
    clickProcess();
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].contains(RememberedFolders::seasonFileReadName));
    EXPECT_EQ(lines("List1").size(), 2);
    EXPECT_TRUE(enabled("cmdFile"));
    // Said once: the same failure at every run would only nag.
    clickProcess();
    EXPECT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(lines("List1").size(), 2);

    // A season-folders file that leads to a game file is not written through: clickProcess()
    // checks that the league keeps its bytes.
    ASSERT_TRUE(QDir().rmdir(RememberedFolders::seasonFileReadName));
    ASSERT_TRUE(QFile::link(league_.priorPlayerFile(), RememberedFolders::seasonFileReadName));
    clickProcess();
    ASSERT_EQ(dialogs_.messages.size(), 2);
    EXPECT_TRUE(dialogs_.messages[1].startsWith(
        QStringLiteral("Could not write \"%1/%2\": This leads to the QEL data file")
            .arg(workingFolder(), RememberedFolders::seasonFileReadName)))
        << dialogs_.messages[1].toStdString();
    EXPECT_EQ(lines("List1").size(), 2);
}

} // namespace
} // namespace zorbin::test
