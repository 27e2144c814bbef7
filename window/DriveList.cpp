// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DriveList.h"

#include "window/DriveListAccessible.h"
#include "window/MountedVolumes.h"

#include <QSignalBlocker>

namespace zorbin {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    DriveListAccessible::install();
    refill();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit volumeChosen(itemText(index)); });
}

void DriveList::refill() {
    const QSignalBlocker quiet(this);
    const QString shown = currentText();
    clear();
    addItems(MountedVolumes::roots());
    if (!shown.isEmpty())
        showVolume(shown);
}

void DriveList::showVolume(const QString& root) {
    const QSignalBlocker quiet(this);
    int index = findText(root, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void DriveList::showPopup() {
    refill();
    QComboBox::showPopup();
}

} // namespace zorbin
