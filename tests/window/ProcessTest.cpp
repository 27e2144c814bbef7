// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Process" from the window: the lists it fills, their font, the messages and the export buttons.
#include "compare/ReportListModel.h"
#include "compare/SeasonComparison.h"
#include "settings/RememberedFolders.h"
#include "support/LeagueFolder.h"
#include "WindowFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
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

    Form1& openOnLeague() {
        Form1& form = openWindow();
        form.setFolder(PickerColumn::Prior, league_.priorFolder());
        form.setFolder(PickerColumn::Current, league_.currentFolder());
        form.setFolder(PickerColumn::Master, league_.masterFolder());
        return form;
    }

    void clickProcess() { QTest::mouseClick(control<QPushButton>("cmdProcess"), Qt::LeftButton); }

    [[nodiscard]] QList<QByteArray> lines(const char* list) const {
        const auto* model = qobject_cast<const ReportListModel*>(control<QListView>(list)->model());
        QList<QByteArray> result;
        for (int row = 0; model && row < model->rowCount(); ++row)
            result.append(model->line(row));
        return result;
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

TEST_F(ProcessTest, EachExportButtonIsEnabledExactlyWhenItsListHoldsALine) {
    league_.writePriorPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim")});
    league_.writeCurrentPlayers({player(10002, "Lee", "Kim")});
    league_.writeMasterPlayers({});
    Form1& form = openOnLeague();
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
}

} // namespace
} // namespace zorbin::test
