// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FittingText.h"

#include <QFontMetrics>

namespace zorbin {

QFont fittingText::fittingFont(const QFont& preferred, const QRect& area, int flags,
                               const QString& text) {
    QFont candidate = preferred;
    // A font given in pixels has no point size to step down from.
    while (candidate.pointSizeF() > smallestPointSize) {
        const QRect needed = QFontMetrics(candidate).boundingRect(area, flags, text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        candidate.setPointSizeF(std::max(candidate.pointSizeF() - 0.5, smallestPointSize));
    }
    return candidate;
}

} // namespace zorbin
