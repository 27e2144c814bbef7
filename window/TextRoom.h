// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zorbin {

// Makes room for texts where the window's proportions leave too little: on a screen too small for
// the size the platform's font asks for, a caption that wraps needs its further lines, a path box
// the whole height of its letters and a file list its one row. Such a control grows, and the
// controls below it move down; the nearest lists of folders or players give up the room, down to
// two rows each. Nothing grows further than they can give, so controls never overlap.
class TextRoom final : public QObject {
    Q_OBJECT
public:
    // Takes the controls of `window` as they stand now: those whose tops are level form one row,
    // and the rows stack down the window in that order.
    explicit TextRoom(QWidget* window);

    // Run after every proportional placement, which it adjusts.
    void makeRoom();

private:
    struct Row {
        QList<QPointer<QWidget>> controls;
        int top = 0;
        int height = 0;
        int need = 0;       // the least height that shows every text of the row whole
        int floor = 0;      // the least height a row of lists may give up room down to
        bool gives = false; // a row of lists, which may give up room
    };

    [[nodiscard]] Row measured(const QList<QPointer<QWidget>>& controls) const;

    QWidget* window_;
    QList<QList<QPointer<QWidget>>> rows_;
};

} // namespace zorbin
