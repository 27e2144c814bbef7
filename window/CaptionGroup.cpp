// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/CaptionGroup.h"

namespace zorbin {

QFont CaptionGroup::font() const {
    QFont smallest;
    bool first = true;
    for (const QPointer<QWidget>& member : members_) {
        const auto* caption = dynamic_cast<const FittingCaption*>(member.data());
        if (!caption)
            continue;
        const QFont fitting = caption->ownFittingFont();
        if (first || fitting.pointSizeF() < smallest.pointSizeF())
            smallest = fitting;
        first = false;
    }
    return smallest;
}

} // namespace zorbin
