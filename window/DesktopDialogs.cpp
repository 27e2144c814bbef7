// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DesktopDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zorbin {

QString DesktopDialogs::chooseExportFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

void DesktopDialogs::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, messageTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace zorbin
