// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

namespace zorbin {

// A picker column's drive list: the mounted volumes, each shown by its root path. The list is read
// afresh each time it opens, so a volume mounted meanwhile appears.
class DriveList final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    [[nodiscard]] QString currentVolume() const { return currentText(); }

    // Shows `root` as the current volume without announcing a choice; a volume missing from the
    // list (one of a kind the list leaves out) is added.
    void showVolume(const QString& root);

    void showPopup() override;

signals:
    // The user chose a volume; it may be the one already shown.
    void volumeChosen(const QString& root);

private:
    void refill();
};

} // namespace zorbin
