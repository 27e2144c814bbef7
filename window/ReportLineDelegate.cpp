// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ReportLineDelegate.h"

#include "window/ReportListModel.h"

namespace zorbin {

QSize ReportLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const auto* model = qobject_cast<const ReportListModel*>(index.model());
    if (!model || model->rowCount() == 0)
        return QStyledItemDelegate::sizeHint(option, index);
    return QStyledItemDelegate::sizeHint(option, index.siblingAtRow(model->longestLineRow()));
}

} // namespace zorbin
