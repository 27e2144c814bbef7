// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DesktopDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>

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

void DesktopDialogs::keepQtSettingsUnwritten() {
    // Below a device node, where nothing can be created.
    const QString nowhere = QStringLiteral("/dev/null/");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

} // namespace zorbin
