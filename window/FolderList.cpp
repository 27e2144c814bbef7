// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FolderList.h"

#include "league/FolderListing.h"

#include <QDir>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidgetItemIterator>

namespace zorbin {

namespace {
constexpr int stepIndent = 8;
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setIndentation(stepIndent);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit folderChosen(item->data(0, pathRole).toString());
    });
}

void FolderList::showFolder(const QString& folder, const QStringList& subfolders) {
    setUpdatesEnabled(false);
    clear();
    currentFolder_ = folder;
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& step : FolderListing::ancestorChain(folder)) {
        const QString name = QDir(step).isRoot() ? step : QDir(step).dirName();
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, name);
        item->setIcon(0, openIcon);
        item->setData(0, pathRole, step);
        item->setToolTip(0, step);
        parentItem = item;
    }
    QTreeWidgetItem* current = parentItem;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QList<QTreeWidgetItem*> children;
    children.reserve(subfolders.size());
    for (const QString& name : subfolders) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, name);
        item->setIcon(0, closedIcon);
        item->setData(0, pathRole, prefix + name);
        children.append(item);
    }
    current->addChildren(children);
    expandAll();
    setCurrentItem(current);
    scrollToItem(current, QAbstractItemView::PositionAtTop);
    setUpdatesEnabled(true);
}

QTreeWidgetItem* FolderList::itemFor(const QString& path) {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, pathRole).toString() == path)
            return *it;
    }
    return nullptr;
}

} // namespace zorbin
