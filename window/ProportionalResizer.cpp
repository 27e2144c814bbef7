// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ProportionalResizer.h"

#include <cmath>
#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

namespace zorbin {

namespace {

int scaled(int design, int actualTotal, int designTotal) {
    return static_cast<int>(std::lround(double(design) * actualTotal / designTotal));
}

} // namespace

ProportionalResizer::ProportionalResizer(QWidget* window, QSize designClientSize)
    : QObject(window), window_(window), designClientSize_(designClientSize) {
    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        // Dialogs parented to the window are windows of their own.
        if (!child->isWindow())
            places_.append({child, child->geometry()});
    }
    window->installEventFilter(this);
}

void ProportionalResizer::scaleTo(QSize clientSize) {
    if (designClientSize_.isEmpty())
        return;
    const int width = clientSize.width();
    const int height = clientSize.height();
    for (const DesignPlace& place : std::as_const(places_)) {
        if (!place.control)
            continue;
        // Scaling both edges rather than position and size keeps neighbours that touch at design
        // touching at every size.
        const QRect& design = place.geometry;
        const int left = scaled(design.left(), width, designClientSize_.width());
        const int top = scaled(design.top(), height, designClientSize_.height());
        const int right = scaled(design.left() + design.width(), width, designClientSize_.width());
        const int bottom =
            scaled(design.top() + design.height(), height, designClientSize_.height());
        place.control->setGeometry(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
    }
}

bool ProportionalResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize)
        scaleTo(static_cast<QResizeEvent*>(event)->size());
    return QObject::eventFilter(watched, event);
}

} // namespace zorbin
