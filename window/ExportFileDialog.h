// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>

namespace zorbin {

// The file dialog of both export buttons: Qt's own, which looks and behaves the same on every
// desktop, in its open form, which still takes a new file's name. Qt sizes its columns of files
// for a small font; at a larger one names and sizes are cut and the type and date columns pushed
// out of sight. This one opens with each column as wide as what it shows, as far as the screen has
// room.
class ExportFileDialog final : public QFileDialog {
    Q_OBJECT
public:
    explicit ExportFileDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Measured once the dialog's controls stand at their sizes, just before it first appears.
    void fitColumns();

    bool fitted_ = false;
};

} // namespace zorbin
