// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three picker columns: opening folders with the mouse and the keyboard, the file each column
// looks for, drive changes and folders that can't be read.
#include "window/DriveList.h"
#include "window/FileList.h"
#include "window/FolderList.h"
#include "window/FolderPicker.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QStorageInfo>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

namespace zorbin::test {
namespace {

class PickerColumnTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath("League/S10"));
        ASSERT_TRUE(QDir().mkpath("League/S11"));
        ASSERT_TRUE(QDir().mkpath("League/Game"));
        touch("League/S10/qelplyr.dat");
        touch("League/S11/QELPLYR.DAT");
        touch("League/Game/Mastplyr.dat");
        touch("League/Game/qelplyr.dat");
        league_ = workingFolder() + "/League";
    }

    // Double-clicks the row of `path` in a folder list, as the user would.
    static void doubleClick(FolderList* folders, const QString& path) {
        QListWidgetItem* item = folders->itemFor(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        folders->scrollToItem(item);
        const QPoint centre = folders->visualItemRect(item).center();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, centre);
    }

    static void pressEnterOn(FolderList* folders, const QString& path) {
        QListWidgetItem* item = folders->itemFor(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
        folders->setCurrentItem(item);
        QTest::keyClick(folders, Qt::Key_Return);
    }

    QString league_;
};

TEST_F(PickerColumnTest, OpeningAFolderWithTheFileFillsOnlyThatColumnsPathBox) {
    MainWindow& form = openWindow();
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    control<QLineEdit>("Text2")->setText("typed by hand");

    doubleClick(prior.folderList(), league_);
    EXPECT_EQ(prior.folder(), league_);
    EXPECT_EQ(text("Text1"), "");
    // The chain from the root down, then the subfolders in order.
    EXPECT_NE(prior.folderList()->itemFor("/"), nullptr);
    FolderList* folders = prior.folderList();
    const int current = folders->currentRow();
    ASSERT_EQ(folders->count(), current + 4);
    EXPECT_EQ(folders->item(current)->text(), "League");
    EXPECT_EQ(folders->item(current + 1)->text(), "Game");
    EXPECT_EQ(folders->item(current + 3)->text(), "S11");
    EXPECT_EQ(folders->item(current + 3)->data(FolderList::depthRole).toInt(),
              folders->item(current)->data(FolderList::depthRole).toInt() + 1);

    doubleClick(prior.folderList(), league_ + "/S10");
    EXPECT_EQ(prior.folder(), league_ + "/S10");
    EXPECT_EQ(text("Text1"), league_ + "/S10/qelplyr.dat");
    EXPECT_EQ(prior.fileList()->selectedFileName(), "qelplyr.dat");
    EXPECT_EQ(prior.fileList()->currentRow(), 0);
    EXPECT_EQ(text("Text2"), "typed by hand");
    EXPECT_EQ(text("Text3"), "");

    // Back up the chain with Enter: the folder without the file empties the box.
    pressEnterOn(prior.folderList(), league_);
    EXPECT_EQ(prior.folder(), league_);
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(prior.fileList()->count(), 0);
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

// A league inside a Steam prefix lies some fifteen folders down; its folder's name stays in view
// in the narrow list, and the path box's tooltip holds the path its box cuts.
TEST_F(PickerColumnTest, AFolderAtSteamDepthKeepsItsNameInView) {
    MainWindow& form = openWindow();
    const QString deep = workingFolder() +
                         "/.local/share/Steam/steamapps/compatdata/22380/pfx/drive_c/"
                         "Program Files (x86)/QEL/Leagues/Pro League/2009";
    ASSERT_TRUE(QDir().mkpath(deep));
    touch(deep + "/qelplyr.dat");
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    ASSERT_FALSE(prior.changeFolder(deep));
    QApplication::processEvents();

    FolderList* folders = prior.folderList();
    QStyleOptionViewItem option;
    option.initFrom(folders->viewport());
    const int icon = folders->style()->pixelMetric(QStyle::PM_SmallIconSize);
    option.decorationSize = QSize(icon, icon);
    option.rect = folders->visualRect(folders->currentIndex());
    EXPECT_LE(option.rect.left() +
                  folders->itemDelegate()->sizeHint(option, folders->currentIndex()).width(),
              folders->viewport()->width());
    EXPECT_EQ(prior.pathBox()->toolTip(), deep + "/qelplyr.dat");
}

TEST_F(PickerColumnTest, EachColumnLooksForItsOwnFileWithoutRegardToCase) {
    MainWindow& form = openWindow();
    form.setFolder(PickerColumn::Current, league_ + "/S11");
    // The file's name as it is on disk.
    EXPECT_EQ(text("Text2"), league_ + "/S11/QELPLYR.DAT");

    form.setFolder(PickerColumn::Master, league_ + "/S10");
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(form.picker(PickerColumn::Master).fileList()->count(), 0);
    form.setFolder(PickerColumn::Master, league_ + "/Game");
    EXPECT_EQ(text("Text3"), league_ + "/Game/Mastplyr.dat");
    ASSERT_EQ(form.picker(PickerColumn::Master).fileList()->count(), 1);
}

TEST_F(PickerColumnTest, TwoSpellingsOfTheFileListTheExactOneFirst) {
    touch("League/S11/qelplyr.dat");
    MainWindow& form = openWindow();
    form.setFolder(PickerColumn::Current, league_ + "/S11");
    EXPECT_EQ(form.picker(PickerColumn::Current).fileList()->count(), 2);
    EXPECT_EQ(text("Text2"), league_ + "/S11/qelplyr.dat");
}

TEST_F(PickerColumnTest, TheRootIsJoinedToTheFileNameWithoutLooking) {
    MainWindow& form = openWindow();
    form.setFolder(PickerColumn::Prior, "//");
    EXPECT_EQ(form.picker(PickerColumn::Prior).folder(), "/");
    // Nothing may be written at the root, so this checks the join with whatever the root holds.
    if (form.picker(PickerColumn::Prior).fileList()->count() > 0) {
        EXPECT_TRUE(text("Text1").startsWith("//"));
    } else {
        EXPECT_EQ(text("Text1"), "");
    }
}

TEST_F(PickerColumnTest, AFolderThatCannotBeOpenedIsReportedAndTheColumnStays) {
    MainWindow& form = openWindow();
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    ASSERT_TRUE(QDir().mkpath("League/Gone"));
    form.setFolder(PickerColumn::Prior, league_);
    ASSERT_TRUE(QDir(league_ + "/Gone").removeRecursively());
    ASSERT_EQ(prior.folder(), league_);
    const QString before = prior.pathBox()->text();

    doubleClick(prior.folderList(), league_ + "/Gone");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].contains(league_ + "/Gone"));
    EXPECT_TRUE(dialogs_.messages[0].contains("No such file or directory"));
    EXPECT_EQ(prior.folder(), league_);
    EXPECT_EQ(prior.folderList()->currentFolder(), league_);
    EXPECT_EQ(prior.pathBox()->text(), before);
    // The column keeps working.
    form.setFolder(PickerColumn::Prior, league_ + "/S10");
    EXPECT_EQ(text("Text1"), league_ + "/S10/qelplyr.dat");
}

// Drive changes need a second volume; shared memory is one on most Linux systems.
class DriveChangeTest : public PickerColumnTest {
protected:
    void SetUp() override {
        PickerColumnTest::SetUp();
        if (QStorageInfo("/dev/shm").rootPath() != "/dev/shm" ||
            QStorageInfo(workingFolder()).rootPath() == "/dev/shm")
            GTEST_SKIP() << "no second volume at /dev/shm";
        otherVolume_ = std::make_unique<QTemporaryDir>("/dev/shm/zorbin-test-XXXXXX");
        ASSERT_TRUE(otherVolume_->isValid());
        ASSERT_TRUE(QDir(otherVolume_->path()).mkpath("Season"));
        touch(otherVolume_->path() + "/Season/qelplyr.dat");
    }

    std::unique_ptr<QTemporaryDir> otherVolume_;
};

TEST_F(DriveChangeTest, ADriveChangeReturnsToTheLastFolderShownOnThatVolume) {
    MainWindow& form = openWindow();
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    const QString homeVolume = prior.driveList()->currentVolume();
    form.setFolder(PickerColumn::Prior, league_ + "/S10");

    // First visit: the volume's root.
    ASSERT_FALSE(prior.changeDrive("/dev/shm"));
    EXPECT_EQ(prior.folder(), "/dev/shm");
    EXPECT_EQ(prior.driveList()->currentVolume(), "/dev/shm");
    EXPECT_EQ(text("Text1"), "");

    form.setFolder(PickerColumn::Prior, otherVolume_->path() + "/Season");
    EXPECT_EQ(text("Text1"), otherVolume_->path() + "/Season/qelplyr.dat");

    // The user picks the first volume in the drive list: back where the column was there.
    const int homeIndex = prior.driveList()->findText(homeVolume);
    ASSERT_GE(homeIndex, 0);
    prior.driveList()->setCurrentIndex(homeIndex);
    emit prior.driveList()->activated(homeIndex);
    EXPECT_EQ(prior.folder(), league_ + "/S10");
    EXPECT_EQ(text("Text1"), league_ + "/S10/qelplyr.dat");

    // And the restore's drive setting finds the volume from a remembered entry.
    form.setDrive(PickerColumn::Prior, otherVolume_->path() + "/Season/");
    EXPECT_EQ(prior.folder(), otherVolume_->path() + "/Season");
    EXPECT_EQ(text("Text1"), otherVolume_->path() + "/Season/qelplyr.dat");
    EXPECT_EQ(form.picker(PickerColumn::Current).folder(), workingFolder());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(DriveChangeTest, AVolumeWhoseLastFolderIsGoneFallsBackToItsRoot) {
    MainWindow& form = openWindow();
    FolderPicker& prior = form.picker(PickerColumn::Prior);
    const QString homeVolume = prior.driveList()->currentVolume();
    form.setFolder(PickerColumn::Prior, otherVolume_->path() + "/Season");
    form.setFolder(PickerColumn::Prior, league_ + "/S10");
    ASSERT_TRUE(QDir(otherVolume_->path() + "/Season").removeRecursively());

    EXPECT_FALSE(prior.changeDrive("/dev/shm"));
    EXPECT_EQ(prior.folder(), "/dev/shm");
    EXPECT_EQ(text("Text1"), "");
    EXPECT_FALSE(prior.changeDrive(homeVolume));
    EXPECT_EQ(prior.folder(), league_ + "/S10");
}

} // namespace
} // namespace zorbin::test
