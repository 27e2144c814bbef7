// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DriveList.h"

#include "league/LeagueContext.h"
#include "league/LeagueFiles.h"
#include "window/DriveListAccessible.h"
#include "window/FittingText.h"

#include <QHelpEvent>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zorbin {

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
    QStringList roots;
    for (int index = 0; index < count(); ++index)
        roots.append(itemData(index).toString());
    return leagueFiles::driveHolding(folder, roots);
}

void DriveList::showPopup() {
    setDrives(league_.refreshedDrives());
    QComboBox::showPopup();
}

QString DriveList::shownName(const QStyleOptionComboBox& option) const {
    // The style draws the name a pixel in from either side of its field, after any icon.
    int room =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
            .width() -
        2;
    if (!option.currentIcon.isNull())
        room -= option.iconSize.width() + 4;
    return option.fontMetrics.elidedText(option.currentText, Qt::ElideMiddle, room);
}

bool DriveList::nameIsCut() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return shownName(option) != option.currentText;
}

void DriveList::paintEvent(QPaintEvent*) {
    // As the list paints itself, but with a name that shows where it was shortened: cut off at
    // the field's edge, "C: (QEL Pro Football 201" reads as another game.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownName(option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool DriveList::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return fittingText::showCutText(static_cast<QHelpEvent*>(event), this, nameIsCut(),
                                        currentText());
    return QComboBox::event(event);
}

} // namespace zorbin
