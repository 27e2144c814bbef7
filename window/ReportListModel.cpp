// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ReportListModel.h"

#include "files/Windows1252.h"

namespace zorbin {

void ReportListModel::setLines(QList<QByteArray> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    longestLineRow_ = 0;
    for (int row = 1; row < rowCount(); ++row) {
        if (lines_.at(row).size() > lines_.at(longestLineRow_).size())
            longestLineRow_ = row;
    }
    endResetModel();
}

void ReportListModel::clear() {
    setLines({});
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return windows1252::decode(lines_.at(index.row()));
    return {};
}

} // namespace zorbin
