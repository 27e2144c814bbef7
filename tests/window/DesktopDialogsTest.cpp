// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real dialogs, answered by a timer from inside their own modal loops.
#include "window/DesktopDialogs.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace zorbin {
namespace {

// Runs `answer` on the modal dialog once it is up.
template <typename Dialog, typename Answer> void whenShown(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(DesktopDialogs, AMessageHasOneOkButtonNoIconAndTheProgramsNameAsTitle) {
    DesktopDialogs dialogs;
    QWidget window;
    bool seen = false;
    whenShown<QMessageBox>([&seen](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Zorbin");
        EXPECT_EQ(box.text(), " Not a valid QEL Directory for Prior Season");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        seen = true;
        box.button(QMessageBox::Ok)->click();
    });
    dialogs.showMessage(&window, " Not a valid QEL Directory for Prior Season");
    EXPECT_TRUE(seen);
}

TEST(DesktopDialogs, TheFileDialogGivesTheChosenNameOrNothingWhenCancelled) {
    DesktopDialogs dialogs;
    QTemporaryDir folder;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(folder.path());

    whenShown<QFileDialog>([](QFileDialog& shown) {
        shown.selectFile(QStringLiteral("new-list.txt"));
        // As the Open button does.
        static_cast<QDialog&>(shown).accept();
    });
    EXPECT_EQ(dialogs.chooseExportFile(dialog), folder.path() + "/new-list.txt");

    whenShown<QFileDialog>([](QFileDialog& shown) { shown.reject(); });
    EXPECT_EQ(dialogs.chooseExportFile(dialog), "");
}

} // namespace
} // namespace zorbin
