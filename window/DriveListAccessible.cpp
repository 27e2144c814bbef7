// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DriveListAccessible.h"

#include "window/DriveList.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace zorbin {

namespace {

QAccessibleInterface* driveListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DriveList::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new DriveListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

DriveListAccessible::DriveListAccessible(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

void DriveListAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(driveListFactory);
        return true;
    }();
    (void)installed;
}

QComboBox* DriveListAccessible::list() const {
    return static_cast<QComboBox*>(widget());
}

QString DriveListAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return list()->currentText();
    return QAccessibleWidget::text(kind);
}

// The entries, as Qt's own interface offers them.
int DriveListAccessible::childCount() const {
    return list()->view() ? 1 : 0;
}

QAccessibleInterface* DriveListAccessible::child(int index) const {
    if (index != 0 || !list()->view())
        return nullptr;
    return QAccessible::queryAccessibleInterface(list()->view());
}

int DriveListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == list()->view() ? 0 : -1;
}

QStringList DriveListAccessible::actionNames() const {
    return {showMenuAction()};
}

void DriveListAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction())
        list()->showPopup();
}

} // namespace zorbin
