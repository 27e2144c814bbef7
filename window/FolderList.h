// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/FramedList.h"

#include <QListWidget>
#include <QStringList>

namespace zorbin {

// A picker column's folder list: the chain of folders from the root down to the current folder,
// then the current folder's subfolders, each row indented by its depth. Double-click or Enter
// opens a folder. A flat list rather than a tree: every row is always open anyway, and a tree
// shows screen readers a column header that means nothing here.
class FolderList final : public FramedList<QListWidget> {
    Q_OBJECT
public:
    static constexpr int pathRole = Qt::UserRole;
    static constexpr int depthRole = Qt::UserRole + 1;

    explicit FolderList(QWidget* parent = nullptr);

    [[nodiscard]] QString currentFolder() const { return currentFolder_; }

    // Shows `folder` (a folder string) with `subfolders` (names) beneath it, `folder` selected.
    void showFolder(const QString& folder, const QStringList& subfolders);

    // The row of the folder with full path `path`, or null.
    [[nodiscard]] QListWidgetItem* itemFor(const QString& path) const;

    // How far a row at `depth` is indented.
    [[nodiscard]] int indentOf(int depth) const;

signals:
    void folderChosen(const QString& path);

protected:
    bool viewportEvent(QEvent* event) override;
    void updateGeometries() override;
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] bool nameIsCut(const QModelIndex& index) const;
    // Gives every row its folder icon: open for the current folder and those above it, closed for
    // the subfolders.
    void drawIcons();
    // Brings the current folder's row into view, at the top after a folder change; a no-op until
    // the list is laid out at its size on screen, where a scroll would be undone.
    void revealCurrentFolder();

    QString currentFolder_;
    int deepest_ = 0; // the depth of the deepest row
    int firstSubfolderRow_ = 0;
    bool iconsAwaited_ = false;
    bool currentAtTop_ = false; // a folder change not yet shown on screen
};

} // namespace zorbin
