// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeDialogs.h"
#include "support/FakeHome.h"
#include "window/MainWindow.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTemporaryDir>

// Readable strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zorbin::test {

// Every window test runs in a fresh working folder of its own, where the remembered-folder files
// live, with a home folder of its own, where Wine prefixes are looked for, and talks to the window
// through fake dialogs.
class WindowFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(workingFolder_.isValid());
        previousFolder_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(workingFolder_.path()));
    }

    void TearDown() override {
        form_.reset();
        QApplication::setFont(platformFont_);
        QDir::setCurrent(previousFolder_);
    }

    [[nodiscard]] QString workingFolder() const { return QDir::currentPath(); }

    // The platform's font at `pointSize` for the windows opened afterwards; designFontSize is one
    // the design fits, where the window opens at its design size.
    static constexpr qreal designFontSize = 7;
    void useFontSize(qreal pointSize) const {
        QFont font = platformFont_;
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }

    // Runs the start-up, shows the window and lets it tell what it has to tell once shown.
    MainWindow& openWindow() { return openWindow(home_.environment()); }
    MainWindow& openWindow(const WineEnvironment& wine) {
        form_ = std::make_unique<MainWindow>(dialogs_, wine);
        form_->show();
        QApplication::processEvents();
        return *form_;
    }

    template <typename Control> [[nodiscard]] Control* control(const char* name) const {
        auto* found = form_->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    [[nodiscard]] QString text(const char* pathBox) const;
    // The lines of a result list, as the game's bytes.
    [[nodiscard]] QList<QByteArray> lines(const char* list) const;
    // Writes a file of some bytes; a path box is only filled for a file that is really there.
    static void touch(const QString& path, const QByteArray& bytes = "x");
    // The remembered-folder files, as restoreFolders expects them.
    void rememberFolders(const QString& prior, const QString& current, const QString& master) const;

    FakeHome home_;
    FakeDialogs dialogs_;
    std::unique_ptr<MainWindow> form_;

private:
    QTemporaryDir workingFolder_;
    QString previousFolder_;
    QFont platformFont_ = QApplication::font();
};

} // namespace zorbin::test
