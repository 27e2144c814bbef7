// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two export buttons: the shared dialog, the file written, the confirmation and the failures.
#include "compare/ReportListModel.h"
#include "support/LeagueFolder.h"
#include "WindowFixture.h"

#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace zorbin::test {
namespace {

class ExportTest : public WindowFixture {
protected:
    // Three players left after the prior season, two arrived.
    void SetUp() override {
        WindowFixture::SetUp();
        league_.writeTeams({team("Lake City", "Comets", {10001, 10002})});
        league_.writePriorPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim"),
                                   player(10003, "M\xfcller", "Jan")});
        league_.writeCurrentPlayers(
            {player(10004, "Nagy", "Peter"), player(10005, "Smith", "Tom")});
        league_.writeMasterPlayers({player(10001, "Ortega", "Luis"), player(10002, "Lee", "Kim"),
                                    player(10003, "M\xfcller", "Jan")});
        Form1& form = openWindow();
        form.setFolder(PickerColumn::Prior, league_.priorFolder());
        form.setFolder(PickerColumn::Current, league_.currentFolder());
        form.setFolder(PickerColumn::Master, league_.masterFolder());
        form.Process();
        ASSERT_TRUE(dialogs_.messages.isEmpty());
        ASSERT_EQ(control<QListView>("List1")->model()->rowCount(), 3);
    }

    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    [[nodiscard]] QByteArray fileOf(const char* list) const {
        const auto* model = qobject_cast<const ReportListModel*>(control<QListView>(list)->model());
        QByteArray content;
        for (int row = 0; row < model->rowCount(); ++row)
            content += model->line(row) + "\r\n";
        return content;
    }

    [[nodiscard]] QString output(const QString& name) const { return workingFolder() + "/" + name; }

    LeagueFolder league_;
};

TEST_F(ExportTest, PriorSeasonNamesAreWrittenLineByLineAndConfirmedOnceComplete) {
    const QString path = output("left.txt");
    dialogs_.exportAnswers = {path};
    QByteArray contentWhenConfirmed;
    dialogs_.onMessage = [&](const QString&) { contentWhenConfirmed = contentOf(path); };
    click("cmdFile");

    const QByteArray expected = "Ortega,Luis            10001 Lake City Comets\r\n"
                                "Lee,Kim                10002 Lake City Comets\r\n"
                                "M\xfcller,Jan             10003 \r\n";
    EXPECT_EQ(contentOf(path), expected);
    EXPECT_EQ(contentWhenConfirmed, expected);
    EXPECT_EQ(dialogs_.messages, QStringList{"file " + path + " was written "});
    EXPECT_EQ(control<QListView>("List1")->currentIndex().row(), 2);
    EXPECT_TRUE(control<QListView>("List1")->selectionModel()->isRowSelected(2));

    ASSERT_EQ(dialogs_.dialogsShown.size(), 1);
    const QFileDialog* dialog = dialogs_.dialogsShown[0];
    EXPECT_EQ(dialog->objectName(), "CommonDialog1");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_TRUE(control<QPushButton>("cmdFile")->isEnabled());
}

TEST_F(ExportTest, BothButtonsShareTheDialogAndAnExportReplacesTheWholeFile) {
    const QString path = output("names.txt");
    touch(path, QByteArray(4096, 'z'));
    dialogs_.exportAnswers = {path, path};
    click("cmdFile");
    EXPECT_EQ(contentOf(path), fileOf("List1"));
    click("cmdFile2");
    EXPECT_EQ(contentOf(path), fileOf("List2"));
    EXPECT_EQ(contentOf(path), "Nagy,Peter             10004 \r\n"
                               "Smith,Tom              10005 \r\n");

    ASSERT_EQ(dialogs_.dialogsShown.size(), 2);
    EXPECT_EQ(dialogs_.dialogsShown[0], dialogs_.dialogsShown[1]);
    // The second time the dialog starts in the folder of the file chosen the first time.
    EXPECT_EQ(dialogs_.directoriesShown[1], workingFolder());
    EXPECT_EQ(dialogs_.messages.size(), 2);
    EXPECT_EQ(control<QListView>("List2")->currentIndex().row(), 1);
}

TEST_F(ExportTest, TheDialogStartsInTheFolderOfTheLastChosenFile) {
    dialogs_.exportAnswers = {league_.root() + "/out.txt", ""};
    click("cmdFile");
    click("cmdFile2");
    ASSERT_EQ(dialogs_.directoriesShown.size(), 2);
    EXPECT_EQ(dialogs_.directoriesShown[1], league_.root());
}

TEST_F(ExportTest, CancellingWritesNothingAndSaysNothing) {
    const QString path = output("kept.txt");
    dialogs_.exportAnswers = {path, ""};
    click("cmdFile");
    const QByteArray earlier = contentOf(path);
    control<QListView>("List2")->setCurrentIndex(control<QListView>("List2")->model()->index(0, 0));

    click("cmdFile2");
    EXPECT_EQ(contentOf(path), earlier);
    EXPECT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(control<QListView>("List2")->currentIndex().row(), 0);
}

TEST_F(ExportTest, AFailureIsReportedWithItsReasonAndLeavesEarlierFilesAlone) {
    const QString earlier = output("earlier.txt");
    dialogs_.exportAnswers = {earlier};
    click("cmdFile");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    const QByteArray earlierContent = contentOf(earlier);

    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {output("no-such-folder/out.txt"), ""},
        {workingFolder(), "Is a directory"},
        {"/dev/full", "No space left on device"},
    };
    for (const Case& failing : cases) {
        dialogs_.messages.clear();
        dialogs_.exportAnswers = {failing.path};
        click("cmdFile2");
        ASSERT_EQ(dialogs_.messages.size(), 1) << failing.path.toStdString();
        const QString& message = dialogs_.messages[0];
        EXPECT_FALSE(message.contains("was written")) << message.toStdString();
        EXPECT_TRUE(message.contains(failing.path)) << message.toStdString();
        EXPECT_FALSE(message.trimmed().endsWith(':')) << message.toStdString();
        if (!failing.reason.isEmpty()) {
            EXPECT_TRUE(message.contains(failing.reason)) << message.toStdString();
        }
        EXPECT_EQ(contentOf(earlier), earlierContent);
    }
    EXPECT_FALSE(QFile::exists(output("no-such-folder")));
    EXPECT_TRUE(QFileInfo(workingFolder()).isDir());

    // The next export starts afresh.
    dialogs_.messages.clear();
    dialogs_.exportAnswers = {earlier};
    click("cmdFile2");
    EXPECT_EQ(dialogs_.messages, QStringList{"file " + earlier + " was written "});
    EXPECT_EQ(contentOf(earlier), fileOf("List2"));
}

} // namespace
} // namespace zorbin::test
