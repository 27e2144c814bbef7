// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Leaving the program, resizing the window, and how list lines are shown.
#include "window/ProportionalResizer.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
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
    Form1& form = openWindow();
    const auto before = filesIn(workingFolder());
    QTest::mouseClick(control<QPushButton>("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(filesIn(workingFolder()), before);
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(WindowBehaviourTest, AltXPressesExit) {
    Form1& form = openWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    // A shortcut presses the button with its short visible animation.
    EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.isVisible(); }, 2000));
}

TEST_F(WindowBehaviourTest, ControlsKeepTheirProportionsAtAnySize) {
    Form1& form = openWindow();
    QMap<QString, QRect> design;
    for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            design.insert(child->objectName(), child->geometry());
    }
    ASSERT_EQ(design.size(), 21);

    form.resize(2 * Form1::designClientSize);
    QApplication::processEvents();
    for (auto it = design.cbegin(); it != design.cend(); ++it) {
        const QRect& was = it.value();
        EXPECT_EQ(control<QWidget>(qPrintable(it.key()))->geometry(),
                  QRect(2 * was.topLeft(), 2 * was.size()))
            << it.key().toStdString();
    }

    // Shrinking and growing back leaves no rounding behind.
    form.resize(331, 250);
    QApplication::processEvents();
    form.resize(Form1::designClientSize);
    QApplication::processEvents();
    for (auto it = design.cbegin(); it != design.cend(); ++it)
        EXPECT_EQ(control<QWidget>(qPrintable(it.key()))->geometry(), it.value())
            << it.key().toStdString();
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
