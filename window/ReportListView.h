// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/FramedList.h"

#include <QListView>

namespace zorbin {

// A result list. Its lines are posted in forums and chats, so several can be selected (click,
// Shift, Ctrl, Ctrl+A) and copied with Ctrl+C or from its context menu, as shown, one a line.
class ReportListView final : public FramedList<QListView> {
    Q_OBJECT
public:
    explicit ReportListView(QWidget* parent = nullptr);

    // The width a row needs to show `line` whole in `font` (resolved against the list's own).
    [[nodiscard]] int rowWidth(const QString& line, const QFont& font) const;
    // The width of the list whose rows are `row` wide, beside a vertical scroll bar.
    [[nodiscard]] int widthAround(int row) const;

    // Puts the selected lines, in list order, on the clipboard; nothing when none is selected.
    void copySelected() const;
    void copyAll() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void copyRows(QModelIndexList rows) const;
};

} // namespace zorbin
