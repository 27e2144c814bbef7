// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/CaptionGroup.h"

namespace zorbin {

bool CaptionGroup::allWhole() const {
    for (const QPointer<QWidget>& member : members_) {
        const auto* caption = dynamic_cast<const FittingCaption*>(member.data());
        if (caption && !caption->showsWhole())
            return false;
    }
    return true;
}

} // namespace zorbin
