// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace zorbin {

// The window's only two ways of waiting on the user, kept behind one seam so that tests can answer
// them without a modal event loop.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows `dialog` modally and returns the chosen file as a full path, or an empty string when
    // the user cancelled or gave no name.
    [[nodiscard]] virtual QString chooseExportFile(QFileDialog& dialog) = 0;

    // A message box over `parent` with one OK button and no icon; returns when it is dismissed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
};

} // namespace zorbin
