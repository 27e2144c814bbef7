// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/UserDialogs.h"

#include <QString>

namespace zorbin {

// The real dialogs: modal, on screen.
class DesktopDialogs final : public UserDialogs {
public:
    // Message boxes bear the program's name, as the platform's default title for a program would.
    static inline const QString messageTitle = QStringLiteral("Zorbin");

    [[nodiscard]] QString chooseExportFile(QFileDialog& dialog) override;
    void showMessage(QWidget* parent, const QString& text) override;

    // Qt's own file dialog keeps its history, sidebar and sizes in a settings file of Qt's in the
    // user's configuration folder, written whenever a dialog is destroyed, even one never shown.
    // Zorbin leaves nothing behind but its lists and remembered folders, so a program calls this
    // before it makes a window.
    static void keepQtSettingsUnwritten();
};

} // namespace zorbin
