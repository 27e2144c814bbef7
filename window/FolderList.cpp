// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FolderList.h"

#include "league/FolderListing.h"

#include <QDir>
#include <QStyle>
#include <QStyledItemDelegate>

namespace zorbin {

namespace {

constexpr int stepIndent = 8;

// Shows the chain by indentation alone: each row moves right by its depth.
class IndentingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index) {
        return stepIndent * index.data(FolderList::depthRole).toInt();
    }
};

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentingDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit folderChosen(item->data(pathRole).toString()); });
}

void FolderList::showFolder(const QString& folder, const QStringList& subfolders) {
    setUpdatesEnabled(false);
    clear();
    currentFolder_ = folder;
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& step : FolderListing::ancestorChain(folder)) {
        const QString name = QDir(step).isRoot() ? step : QDir(step).dirName();
        current = new QListWidgetItem(openIcon, name, this);
        current->setData(pathRole, step);
        current->setData(depthRole, depth++);
        current->setToolTip(step);
    }
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    // Added in one step: a folder may hold thousands of subfolders.
    const int firstSubfolder = count();
    addItems(subfolders);
    for (int row = firstSubfolder; row < count(); ++row) {
        QListWidgetItem* subfolder = item(row);
        subfolder->setIcon(closedIcon);
        subfolder->setData(pathRole, prefix + subfolder->text());
        subfolder->setData(depthRole, depth);
    }
    setCurrentItem(current);
    scrollToItem(current, QAbstractItemView::PositionAtTop);
    setUpdatesEnabled(true);
}

QListWidgetItem* FolderList::itemFor(const QString& path) const {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(pathRole).toString() == path)
            return item(row);
    }
    return nullptr;
}

} // namespace zorbin
