// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wine/Drive.h"

#include <QComboBox>

class QStyleOptionComboBox;

namespace zorbin {

class LeagueContext;

// A picker column's drive list: the mounted volumes, each shown by its root path, then the drives
// of the Wine prefixes found, each shown by its letter and prefix. The list is read afresh each
// time it opens, so a volume mounted or a prefix made meanwhile appears. A name too long for the
// closed list shows shortened in its middle, marked "…", and whole in the open list and a tooltip.
class DriveList final : public QComboBox {
    Q_OBJECT
public:
    // `league` is asked afresh for the drives each time the list opens.
    explicit DriveList(LeagueContext& league, QWidget* parent = nullptr);

    // The root folder of the drive shown.
    [[nodiscard]] QString currentVolume() const { return currentData().toString(); }

    // Shows `drives`, keeping the drive shown; for a window that reads the drives once for all
    // its lists.
    void setDrives(const QList<Drive>& drives);

    // Shows the drive with root folder `root` as the current one without announcing a choice; a
    // root missing from the list (a volume of a kind the list leaves out) is added.
    void showVolume(const QString& root);

    // The root of the listed drive that holds `folder` most closely: a Wine drive inside the
    // folder's volume wins over the volume, the volume over a Wine drive with the same root.
    [[nodiscard]] QString driveHolding(const QString& folder) const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

signals:
    // The user chose the drive with root folder `root`; it may be the one already shown.
    void volumeChosen(const QString& root);

private:
    // The current drive's name as the closed list has room for it.
    [[nodiscard]] QString shownName(const QStyleOptionComboBox& option) const;
    [[nodiscard]] bool nameIsCut() const;

    LeagueContext& league_;
};

} // namespace zorbin
