// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace zorbin {

// A frame in the palette's highlight colour around a list while it has the keyboard focus. Most
// styles show a list's focus only on its current row, which an empty list lacks and which the
// selection already highlights. It lies over the list, hidden while the list has no focus, and
// takes neither focus nor clicks.
class FocusOutline final : public QWidget {
    Q_OBJECT
public:
    // Outlines `list`, which owns the outline.
    explicit FocusOutline(QWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbin
