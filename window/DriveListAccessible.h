// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace zorbin {

// What a screen reader sees of a drive list. Qt's own interface for a combo box on this platform
// gives the current entry as its name, so the three drive lists would all read "/"; this one gives
// the list's accessible name as its name and the current entry as its value.
class DriveListAccessible final : public QAccessibleWidget {
public:
    explicit DriveListAccessible(QComboBox* list);

    // Makes every drive list use this interface; safe to call more than once.
    static void install();

    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    [[nodiscard]] QComboBox* list() const;
};

} // namespace zorbin
