// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/UserDialogs.h"

#include <functional>
#include <QFileDialog>
#include <QList>
#include <QStringList>

namespace zorbin::test {

// Answers the window's questions at once, from a script, and remembers what it was shown.
class FakeDialogs final : public UserDialogs {
public:
    QStringList exportAnswers;                     // taken in turn; an empty string cancels
    QList<QFileDialog*> dialogsShown;              // the dialog of each export
    QStringList directoriesShown;                  // the folder each dialog started in
    QStringList messages;                          // every message box text, in order
    QWidget* messageParent = nullptr;              // the window over the last message
    std::function<void(const QString&)> onMessage; // runs while a message is "on screen"

    QString chooseExportFile(QFileDialog& dialog) override {
        dialogsShown.append(&dialog);
        directoriesShown.append(dialog.directory().absolutePath());
        return exportAnswers.isEmpty() ? QString() : exportAnswers.takeFirst();
    }

    void showMessage(QWidget* parent, const QString& text) override {
        messages.append(text);
        messageParent = parent;
        if (onMessage)
            onMessage(text);
    }
};

} // namespace zorbin::test
