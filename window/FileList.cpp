// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FileList.h"

namespace zorbin {

FileList::FileList(QWidget* parent) : FramedList(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void FileList::showFiles(const QStringList& names) {
    clear();
    addItems(names);
}

QString FileList::selectedFileName() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

bool FileList::showsRowWhole() const {
    return heightForRows(1) <= height();
}

} // namespace zorbin
