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

// The nearest position to `position` that falls on a whole device pixel at `pixelRatio`, or
// `position` itself when none is near. At a fractional scale such as 1.25, a control whose edge
// falls inside a device pixel loses the line of its frame along that edge.
int onDevicePixel(int position, qreal pixelRatio) {
    const auto whole = [pixelRatio](int candidate) {
        const qreal device = candidate * pixelRatio;
        return std::abs(device - std::round(device)) < 0.01;
    };
    for (int distance = 0; distance <= 4; ++distance) {
        if (whole(position - distance))
            return position - distance;
        if (whole(position + distance))
            return position + distance;
    }
    return position;
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
    const qreal pixelRatio = window_->devicePixelRatioF();
    const auto edge = [pixelRatio](int designEdge, int actualTotal, int designTotal) {
        return onDevicePixel(scaled(designEdge, actualTotal, designTotal), pixelRatio);
    };
    for (const DesignPlace& place : std::as_const(places_)) {
        if (!place.control)
            continue;
        // Scaling both edges rather than position and size keeps neighbours that touch at design
        // touching at every size.
        const QRect& design = place.geometry;
        const int left = edge(design.left(), width, designClientSize_.width());
        const int top = edge(design.top(), height, designClientSize_.height());
        const int right = edge(design.left() + design.width(), width, designClientSize_.width());
        const int bottom = edge(design.top() + design.height(), height, designClientSize_.height());
        place.control->setGeometry(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
    }
    emit placed();
}

bool ProportionalResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize)
        scaleTo(static_cast<QResizeEvent*>(event)->size());
    return QObject::eventFilter(watched, event);
}

} // namespace zorbin
