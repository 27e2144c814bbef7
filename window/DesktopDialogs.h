// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/UserDialogs.h"

namespace zorbin {

// The real dialogs: modal, on screen.
class DesktopDialogs final : public UserDialogs {
public:
    [[nodiscard]] QString chooseExportFile(QFileDialog& dialog) override;
    // Titled with the application's display name.
    void showMessage(QWidget* parent, const QString& text) override;
};

} // namespace zorbin
