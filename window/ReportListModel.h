// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>

namespace zorbin {

// The lines of one result list, kept as the bytes the game wrote. The view shows them decoded; an
// export writes the bytes back unchanged.
class ReportListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every line at once, so that a long list costs one reset rather than one insert per
    // line.
    void setLines(QList<QByteArray> lines);
    void clear();

    [[nodiscard]] const QByteArray& line(int row) const { return lines_.at(row); }
    // The row of the line with the most characters; 0 for an empty list.
    [[nodiscard]] int longestLineRow() const { return longestLineRow_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<QByteArray> lines_;
    int longestLineRow_ = 0;
};

} // namespace zorbin
