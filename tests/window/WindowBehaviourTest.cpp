// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Leaving the program, resizing the window, and how list lines are shown.
#include "window/FileList.h"
#include "window/FittingLabel.h"
#include "window/ProportionalResizer.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace zorbin::test {
namespace {

using WindowBehaviourTest = WindowFixture;

QMap<QString, qint64> filesIn(const QString& folder) {
    QMap<QString, qint64> files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        files.insert(entry.fileName(), entry.size());
    return files;
}

TEST_F(WindowBehaviourTest, ExitClosesTheWindowAndWritesNothing) {
    MainWindow& form = openWindow();
    const auto before = filesIn(workingFolder());
    QTest::mouseClick(control<QPushButton>("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(filesIn(workingFolder()), before);
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(WindowBehaviourTest, AltXPressesExit) {
    MainWindow& form = openWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    // A shortcut presses the button with its short visible animation.
    EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.isVisible(); }, 2000));
}

TEST_F(WindowBehaviourTest, ControlsKeepTheirProportionsAtAnySize) {
    useFontSize(designFontSize);
    MainWindow& form = openWindow();
    form.resize(MainWindow::designClientSize);
    QMap<QString, QRect> design;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            design.insert(child->objectName(), child->geometry());
    }
    ASSERT_EQ(design.size(), 21);

    form.resize(2 * MainWindow::designClientSize);
    QApplication::processEvents();
    for (auto it = design.cbegin(); it != design.cend(); ++it) {
        const QRect& was = it.value();
        EXPECT_EQ(control<QWidget>(qPrintable(it.key()))->geometry(),
                  QRect(2 * was.topLeft(), 2 * was.size()))
            << it.key().toStdString();
    }

    // Shrinking and growing back leaves no rounding behind.
    form.resize(391, 380);
    QApplication::processEvents();
    form.resize(MainWindow::designClientSize);
    QApplication::processEvents();
    for (auto it = design.cbegin(); it != design.cend(); ++it)
        EXPECT_EQ(control<QWidget>(qPrintable(it.key()))->geometry(), it.value())
            << it.key().toStdString();
}

// The window opens as large as the platform's font asks, as far as the screen has room, with its
// texts whole. Resized, it is a larger or smaller version of itself: its text grows and shrinks
// with it, down to a legible size, and where room is short the texts take it from the lists.
TEST_F(WindowBehaviourTest, TheWindowOpensForThePlatformFontAndItsTextFollowsItsSize) {
    const QSize design = MainWindow::designClientSize;
    const struct {
        qreal pointSize;
        qreal leastGrowth; // of the design size, where the screen has room for it
    } rows[] = {
        {designFontSize, 1.0},
        {designFontSize + 1, 1.05},
        {10, 1.2},
        {14, 1.3}, // more than the test's screen has room for
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pointSize);
        useFontSize(row.pointSize);
        MainWindow& form = openWindow();
        const QSize opening = form.size();
        const QSize room = form.screen()->availableSize();
        EXPECT_GE(opening.width(),
                  std::min(qRound(design.width() * row.leastGrowth), room.width() * 9 / 10));
        EXPECT_GE(opening.height(),
                  std::min(qRound(design.height() * row.leastGrowth), room.height() * 9 / 10));
        EXPECT_TRUE(form.frameGeometry().size().boundedTo(room) == form.frameGeometry().size());
        EXPECT_LE(form.minimumSize().width(), opening.width() * 2 / 3);
        EXPECT_LE(form.minimumSize().height(), opening.height() * 2 / 3);
        // The text's size, as opened, half as large again, and at the smallest size.
        const struct {
            QSize size;
            qreal least, most;
            bool whole;
        } sizes[] = {
            {opening, row.pointSize, row.pointSize, true},
            {opening * 3 / 2, row.pointSize * 1.4, row.pointSize * 1.5, true},
            {form.minimumSize(), std::min(row.pointSize, 8.0),
             std::max(std::min(row.pointSize, 8.0), row.pointSize * 2 / 3), false},
        };
        for (const auto& size : sizes) {
            SCOPED_TRACE(size.size.width());
            form.resize(size.size);
            QApplication::processEvents();
            for (const QWidget* control : form.findChildren<QWidget*>()) {
                if (control->window() != &form)
                    continue;
                const auto* caption = dynamic_cast<const FittingCaption*>(control);
                EXPECT_TRUE(!size.whole || !caption || caption->showsWhole())
                    << control->objectName().toStdString();
                EXPECT_GE(control->font().pointSizeF(), size.least);
                EXPECT_LE(control->font().pointSizeF(), size.most);
            }
            for (const auto* fileList : form.findChildren<FileList*>())
                EXPECT_TRUE(fileList->showsRowWhole()) << fileList->objectName().toStdString();
            for (const auto* pathBox : form.findChildren<QLineEdit*>())
                EXPECT_GE(pathBox->height(), pathBox->minimumSizeHint().height())
                    << pathBox->objectName().toStdString();
            // Room made for a text is taken from lists, never from a neighbour it would overlap
            // (the design's labels reach a pixel into the drive lists below them).
            const int designOverlap = 2 + form.height() / design.height();
            const auto controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* one : controls) {
                EXPECT_LE(one->geometry().bottom(), form.height())
                    << one->objectName().toStdString();
                for (const QWidget* other : controls)
                    EXPECT_TRUE(one == other || one->isWindow() || other->isWindow() ||
                                one->geometry().intersected(other->geometry()).height() <=
                                    designOverlap)
                        << one->objectName().toStdString() << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(WindowBehaviourTest, EnterPressesTheFocusedButtonAndNothingElse) {
    MainWindow& form = openWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* exit = control<QPushButton>("cmdExit");
    auto* pathBox = control<QLineEdit>("Text1");
    pathBox->setFocus();
    QTest::keyClick(pathBox, Qt::Key_Return);
    QTest::keyClick(pathBox, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible()) << "Enter outside a button pressed one";
    for (QPushButton* button : form.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(button->isDefault() || button->autoDefault())
            << button->objectName().toStdString();

    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                         std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        form.show();
        exit->setFocus();
        QTest::keyClick(exit, key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.isVisible(); }, 2000)) << key;
    }
}

TEST(ProportionalResizer, NeighboursThatTouchAtDesignStillTouchWhenScaled) {
    QWidget window;
    auto* left = new QWidget(&window);
    auto* right = new QWidget(&window);
    left->setGeometry(0, 0, 33, 10);
    right->setGeometry(33, 0, 33, 10);
    ProportionalResizer resizer(&window, {66, 10});
    resizer.scaleTo({100, 10});
    EXPECT_EQ(left->geometry().right() + 1, right->geometry().left());
    EXPECT_EQ(right->geometry().right() + 1, 100);
}

} // namespace
} // namespace zorbin::test
