// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

namespace zorbin {

// Draws the lines of a result list. The list lays out every row at the size of one row, which keeps
// a list of tens of thousands of lines fast; this delegate makes that one size the size of the
// longest line, so that no team name is cut off and the list scrolls sideways to show it.
class ReportLineDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;
};

} // namespace zorbin
