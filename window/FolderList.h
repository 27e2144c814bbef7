// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTreeWidget>

namespace zorbin {

// A picker column's folder list: the chain of folders from the root down to the current folder,
// then the current folder's subfolders. Double-click or Enter opens a folder.
class FolderList final : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int pathRole = Qt::UserRole;

    explicit FolderList(QWidget* parent = nullptr);

    [[nodiscard]] QString currentFolder() const { return currentFolder_; }

    // Shows `folder` (a folder string) with `subfolders` (names) beneath it, `folder` selected.
    void showFolder(const QString& folder, const QStringList& subfolders);

    // The row of the folder with full path `path`, or null.
    [[nodiscard]] QTreeWidgetItem* itemFor(const QString& path);

signals:
    void folderChosen(const QString& path);

protected:
    // Every row is always open; the chain is shown by indentation alone, without branch marks.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    QString currentFolder_;
};

} // namespace zorbin
