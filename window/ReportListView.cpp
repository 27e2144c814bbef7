// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ReportListView.h"

#include <algorithm>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

namespace zorbin {

ReportListView::ReportListView(QWidget* parent) : FramedList(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ReportListView::rowWidth(const QString& line, const QFont& font) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.font = font.resolve(this->font());
    option.fontMetrics = QFontMetrics(option.font);
    option.text = line;
    option.features |= QStyleOptionViewItem::HasDisplay;
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
}

int ReportListView::widthAround(int row) const {
    int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this))
        scrollBar += style()->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, this);
    return row + width() - contentsRect().width() + frameMargin + scrollBar;
}

void ReportListView::copyRows(QModelIndexList rows) const {
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    lines.reserve(rows.size());
    for (const QModelIndex& row : std::as_const(rows))
        lines.append(row.data(Qt::DisplayRole).toString());
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void ReportListView::copySelected() const {
    copyRows(selectionModel()->selectedRows());
}

void ReportListView::copyAll() const {
    QModelIndexList rows;
    for (int row = 0; row < model()->rowCount(); ++row)
        rows.append(model()->index(row, 0));
    copyRows(rows);
}

void ReportListView::keyPressEvent(QKeyEvent* event) {
    // The list's own copy takes the current line only.
    if (event->matches(QKeySequence::Copy)) {
        copySelected();
        event->accept();
        return;
    }
    FramedList::keyPressEvent(event);
}

void ReportListView::contextMenuEvent(QContextMenuEvent* event) {
    const bool listed = model() && model()->rowCount() > 0;
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel() && selectionModel()->hasSelection());
    connect(copy, &QAction::triggered, this, &ReportListView::copySelected);
    QAction* copyEvery = menu.addAction(QStringLiteral("Copy &All"));
    copyEvery->setEnabled(listed);
    connect(copyEvery, &QAction::triggered, this, &ReportListView::copyAll);
    menu.addSeparator();
    QAction* selectEvery = menu.addAction(QStringLiteral("Select A&ll"));
    selectEvery->setShortcut(QKeySequence::SelectAll);
    selectEvery->setEnabled(listed);
    connect(selectEvery, &QAction::triggered, this, &QAbstractItemView::selectAll);
    menu.exec(event->globalPos());
}

} // namespace zorbin
