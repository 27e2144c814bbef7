// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DriveList.h"

#include "league/LeagueContext.h"
#include "window/DriveListAccessible.h"

#include <QFileInfo>
#include <QSignalBlocker>

namespace zorbin {

namespace {
bool holds(const QString& root, const QString& path) {
    if (root.endsWith(QLatin1Char('/')))
        return path.startsWith(root);
    return path == root || path.startsWith(root + QLatin1Char('/'));
}
} // namespace

DriveList::DriveList(LeagueContext& league, QWidget* parent) : QComboBox(parent), league_(league) {
    DriveListAccessible::install();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit volumeChosen(itemData(index).toString()); });
}

void DriveList::setDrives(const QList<Drive>& drives) {
    const QSignalBlocker quiet(this);
    const QString shown = currentVolume();
    clear();
    for (const Drive& drive : drives) {
        addItem(drive.label, drive.root);
        if (drive.label != drive.root)
            setItemData(count() - 1, drive.root, Qt::ToolTipRole);
    }
    if (!shown.isEmpty())
        showVolume(shown);
}

void DriveList::showVolume(const QString& root) {
    const QSignalBlocker quiet(this);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

QString DriveList::driveHolding(const QString& folder) const {
    QString best = mountedVolumes::rootHolding(folder);
    // A folder reached through a link (dosdevices/c:/...) belongs where the link leads.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return best;
    for (int index = 0; index < count(); ++index) {
        const QString root = itemData(index).toString();
        if (root.size() > best.size() && holds(root, canonical))
            best = root;
    }
    return best;
}

void DriveList::showPopup() {
    setDrives(league_.refreshedDrives());
    QComboBox::showPopup();
}

} // namespace zorbin
