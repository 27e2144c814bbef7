// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace zorbin {

// Keeps a window's controls in proportion to its design client size. The design geometry of each
// child is recorded once, so repeated resizing never accumulates rounding errors. Edges fall on
// whole device pixels, also at fractional scales. Fonts keep their size.
class ProportionalResizer final : public QObject {
    Q_OBJECT
public:
    // Records the current geometry of every child control of `window` as its place at
    // `designClientSize`; call it once the controls stand where the design puts them.
    ProportionalResizer(QWidget* window, QSize designClientSize);

    // Places every recorded control for a client area of `clientSize`.
    void scaleTo(QSize clientSize);

signals:
    // Every control stands at its place in proportion; a later adjustment may follow.
    void placed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DesignPlace {
        QPointer<QWidget> control;
        QRect geometry;
    };

    QWidget* window_;
    QSize designClientSize_;
    QList<DesignPlace> places_;
};

} // namespace zorbin
