// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two export buttons: the shared dialog, the file written, the confirmation and the failures.
#include "settings/RememberedFolders.h"
#include "support/LeagueFolder.h"
#include "window/ReportListModel.h"
#include "WindowFixture.h"

#include <functional>
#include <map>
#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>
#include <unistd.h>

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
        leagueBefore_ = gameFolders();
        openOnLeague();
    }

    void TearDown() override {
        EXPECT_EQ(gameFolders(), leagueBefore_) << "an export changed the league";
        WindowFixture::TearDown();
    }

    void openOnLeague() {
        MainWindow& form = openWindow();
        form.setFolder(PickerColumn::Prior, league_.priorFolder());
        form.setFolder(PickerColumn::Current, league_.currentFolder());
        form.setFolder(PickerColumn::Master, league_.masterFolder());
        form.process();
        ASSERT_TRUE(dialogs_.messages.isEmpty());
        ASSERT_EQ(control<QListView>("List1")->model()->rowCount(), 3);
    }

    // The league's three folders, byte for byte; lists may be written beside them.
    [[nodiscard]] QMap<QString, QByteArray> gameFolders() const {
        QMap<QString, QByteArray> files = league_.snapshot();
        files.removeIf([this](const auto& file) {
            return QFileInfo(file.key()).absolutePath() == league_.root();
        });
        return files;
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
    QMap<QString, QByteArray> leagueBefore_;
};

// Every file under `folder`, hidden ones too, with its size and when it last changed.
std::map<QString, QString> filesUnder(const QString& folder) {
    std::map<QString, QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = QStringLiteral("%1 bytes, changed %2")
                          .arg(it.fileInfo().size())
                          .arg(it.fileInfo().lastModified().toString(Qt::ISODateWithMs));
    }
    return files;
}

TEST_F(ExportTest, PriorSeasonNamesAreWrittenLineByLineAndConfirmedOnceComplete) {
    const QString path = output("left.txt");
    dialogs_.exportAnswers = {path};
    QByteArray contentWhenConfirmed;
    bool busyWhenConfirmed = true;
    dialogs_.onMessage = [&](const QString&) {
        contentWhenConfirmed = contentOf(path);
        busyWhenConfirmed = QGuiApplication::overrideCursor() != nullptr;
    };
    Qt::CursorShape cursorWhileWriting = Qt::ArrowCursor;
    QObject::connect(control<QListView>("List1")->selectionModel(),
                     &QItemSelectionModel::currentChanged, [&cursorWhileWriting] {
                         if (const QCursor* cursor = QGuiApplication::overrideCursor())
                             cursorWhileWriting = cursor->shape();
                     });
    // Lines selected for copying change neither the file nor the one line an export leaves.
    control<QListView>("List1")->selectAll();
    click("cmdFile");
    EXPECT_EQ(cursorWhileWriting, Qt::WaitCursor);
    EXPECT_FALSE(busyWhenConfirmed);

    const QByteArray expected = "Ortega,Luis            10001 Lake City Comets\r\n"
                                "Lee,Kim                10002 Lake City Comets\r\n"
                                "M\xfcller,Jan             10003 \r\n";
    EXPECT_EQ(contentOf(path), expected);
    EXPECT_EQ(contentWhenConfirmed, expected);
    EXPECT_EQ(dialogs_.messages, QStringList{"file " + path + " was written "});
    EXPECT_EQ(control<QListView>("List1")->currentIndex().row(), 2);
    EXPECT_EQ(control<QListView>("List1")->selectionModel()->selectedRows(),
              QModelIndexList{control<QListView>("List1")->model()->index(2, 0)});

    ASSERT_EQ(dialogs_.dialogsShown.size(), 1);
    const QFileDialog* dialog = dialogs_.dialogsShown[0];
    EXPECT_EQ(dialog->objectName(), "CommonDialog1");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_TRUE(control<QPushButton>("cmdFile")->isEnabled());
}

// Qt sizes the dialog's columns for a smaller font than many desktops use (a larger one than this
// leaves the test's small screen too narrow for all four).
TEST_F(ExportTest, TheDialogShowsItsFileColumnsWholeAtTheFontInUse) {
    useFontSize(12);
    click("cmdFile");
    ASSERT_EQ(dialogs_.dialogsShown.size(), 1);
    QFileDialog& dialog = *dialogs_.dialogsShown[0];
    dialog.show();
    QApplication::processEvents();
    const auto* files = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(files, nullptr);
    const QHeaderView* header = files->header();
    const QFontMetrics metrics(files->font());
    const QLocale locale = QLocale::system();
    const QString shown[] = {"left.txt", locale.formattedDataSize(132),
                             QMimeDatabase().mimeTypeForName("text/plain").comment(),
                             locale.toString(QDateTime::currentDateTime(), QLocale::ShortFormat)};
    for (int section = 0; section < 4; ++section)
        EXPECT_GT(header->sectionSize(section), metrics.horizontalAdvance(shown[section]));
    EXPECT_LE(header->length(), files->viewport()->width());
    const QSize room = dialog.screen()->availableSize();
    EXPECT_EQ(dialog.frameGeometry().size().boundedTo(room), dialog.frameGeometry().size());
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
    // Links to the season's game files: by name through a symbolic link, and a second name that
    // only the folders chosen in the window reveal.
    const QString linkToPlayers = output("players.txt");
    ASSERT_TRUE(QFile::link(league_.priorPlayerFile(), linkToPlayers));
    const QString secondName = output("second-name.txt");
    ASSERT_EQ(::link(QFile::encodeName(league_.masterPlayerFile()).constData(),
                     QFile::encodeName(secondName).constData()),
              0);
    const Case cases[] = {
        {output("no-such-folder/out.txt"), ""},
        {workingFolder(), "Is a directory"},
        {"/dev/full", "No space left on device"},
        {linkToPlayers, "QEL data file"},
        {secondName, "QEL data file"},
        {output(RememberedFolders::seasonFileReadName), "remembers its folders"},
    };
    const QByteArray rememberedBefore = contentOf(RememberedFolders::seasonFileReadName);
    // A failure leaves the list's selection where the user had it.
    auto* list = control<QListView>("List2");
    list->setCurrentIndex(list->model()->index(0, 0));
    for (const Case& failing : cases) {
        dialogs_.messages.clear();
        dialogs_.exportAnswers = {failing.path};
        click("cmdFile2");
        EXPECT_EQ(list->currentIndex().row(), 0) << failing.path.toStdString();
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
    EXPECT_EQ(contentOf(RememberedFolders::seasonFileReadName), rememberedBefore);
    EXPECT_FALSE(QFile::exists(output("no-such-folder")));
    EXPECT_TRUE(QFileInfo(workingFolder()).isDir());

    // The next export starts afresh.
    dialogs_.messages.clear();
    dialogs_.exportAnswers = {earlier};
    click("cmdFile2");
    EXPECT_EQ(dialogs_.messages, QStringList{"file " + earlier + " was written "});
    EXPECT_EQ(contentOf(earlier), fileOf("List2"));
}

TEST_F(ExportTest, AWholeSessionWritesOnlyTheListsAndTheRememberedFolders) {
    const QString home = QDir::homePath();
    const auto homeBefore = filesUnder(home);
    const std::function<void(MainWindow&)> waysToLeave[] = {
        [this](MainWindow&) { click("cmdExit"); },
        [](MainWindow& form) {
            QApplication::setActiveWindow(&form);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
        },
        [](MainWindow& form) { form.close(); }, // as the frame's close button does
    };
    for (const auto& leave : waysToLeave) {
        dialogs_.exportAnswers = {output("gone.txt"), output("new.txt")};
        click("cmdFile");
        click("cmdFile2");
        leave(*form_);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form_->isVisible(); }, 2000));
        form_.reset();
        EXPECT_EQ(filesUnder(home), homeBefore) << "written in " << home.toStdString();
        QStringList written =
            QDir(workingFolder())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (QString& name : written)
            name = name.toLower();
        written.sort();
        EXPECT_EQ(written, (QStringList{"gone.txt", "missdir.txt", "new.txt", "qelmdir.txt"}));
        dialogs_.messages.clear();
        openOnLeague();
    }
}

} // namespace
} // namespace zorbin::test
