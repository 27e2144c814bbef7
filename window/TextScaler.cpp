// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/TextScaler.h"

#include <algorithm>
#include <cmath>
#include <QAbstractItemView>
#include <QStyle>
#include <QWidget>

namespace zorbin {

namespace {

constexpr qreal pointsPerInch = 72.0;
// How far below its share of the window's size the text may go to show whole.
constexpr qreal leastOfProportion = 0.9;

} // namespace

TextScaler::TextScaler(QWidget* window, std::function<bool()> showsWhole)
    : QObject(window), window_(window), showsWhole_(std::move(showsWhole)) {}

void TextScaler::setOpening(QSize clientSize) {
    opening_ = clientSize;
    openingFont_ = window_->font();
    inPixels_ = openingFont_.pointSizeF() <= 0;
    openingSize_ = inPixels_ ? openingFont_.pixelSize() : openingFont_.pointSizeF();
    size_ = openingSize_;
}

qreal TextScaler::floor() const {
    const qreal legible =
        inPixels_ ? legiblePointSize * window_->logicalDpiY() / pointsPerInch : legiblePointSize;
    return std::min(openingSize_, legible);
}

qreal TextScaler::leastStretch() const {
    if (openingSize_ <= 0)
        return 2.0 / 3;
    return std::clamp(floor() / openingSize_ * leastOfProportion, 0.5, 2.0 / 3);
}

void TextScaler::fit() {
    if (opening_.isEmpty() || openingSize_ <= 0)
        return;
    const QSize now = window_->size();
    // The lesser of the two stretches: text that grows with the wider one would outgrow the other.
    const qreal stretch =
        std::min(qreal(now.width()) / opening_.width(), qreal(now.height()) / opening_.height());
    // Quarter points (or whole pixels), so that a window dragged a pixel at a time changes its
    // font only now and then.
    const qreal step = inPixels_ ? 1.0 : 0.25;
    const qreal least = floor();
    qreal size = std::max(least, std::floor(openingSize_ * stretch / step) * step);
    if (std::abs(size - openingSize_) < step)
        size = openingSize_;
    apply(size);
    if (size == openingSize_ && stretch >= 1)
        return; // whole at the opening size, and the controls are no smaller
    // Letters do not grow exactly in proportion to their size: a text that comes out a little too
    // long takes a step or two smaller. Much smaller would be hard to read; where the room is that
    // short, captions wrap and the lists give up room instead.
    const qreal smallest = std::max(least, std::floor(size * leastOfProportion / step) * step);
    while (size > smallest && !showsWhole_()) {
        size = std::max(smallest, size - step);
        apply(size);
    }
}

void TextScaler::apply(qreal size) {
    if (size == size_)
        return;
    size_ = size;
    const qreal ratio = size / openingSize_;
    if (size == openingSize_) {
        // Back to following the platform's font.
        window_->setFont(QFont());
    } else {
        // The size alone: each kind of control keeps the platform's face for it.
        QFont font;
        if (inPixels_)
            font.setPixelSize(qRound(size));
        else
            font.setPointSizeF(size);
        window_->setFont(font);
    }
    // Rows grow with their text, icons included, or a taller font would be squeezed beside them.
    const int icon = window_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, window_);
    const QSize iconSize = size == openingSize_ ? QSize() : QSize(1, 1) * qRound(icon * ratio);
    for (QAbstractItemView* view : window_->findChildren<QAbstractItemView*>()) {
        // Not those of popups and dialogs, which are windows of their own.
        if (view->window() == window_)
            view->setIconSize(iconSize);
    }
}

} // namespace zorbin
