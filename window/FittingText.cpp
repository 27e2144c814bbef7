// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FittingText.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace zorbin {

bool fittingText::fits(const QFont& font, const QRect& area, int flags, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

int fittingText::heightOfLines(const QFont& font, const QRect& area, int flags,
                               const QString& text) {
    const QRect unbounded(area.topLeft(), QSize(area.width(), QWIDGETSIZE_MAX));
    return QFontMetrics(font).boundingRect(unbounded, flags, text).height();
}

bool fittingText::showCutText(QHelpEvent* event, QWidget* control, bool cut, const QString& text) {
    if (cut)
        QToolTip::showText(event->globalPos(), text, control);
    else
        QToolTip::hideText();
    return true;
}

} // namespace zorbin
