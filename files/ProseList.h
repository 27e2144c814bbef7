// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace zorbin::proseList {

// `items` as a sentence lists them: "a", "a and b", "a, b and c".
[[nodiscard]] inline QString joined(const QStringList& items) {
    if (items.size() <= 1)
        return items.value(0);
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

} // namespace zorbin::proseList
