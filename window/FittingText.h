// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace zorbin {

// The window's captions stand in boxes sized for a small design font. A caption keeps the
// platform font when it fits its box and otherwise gets the largest smaller size at which it does,
// so no caption is cut off.
namespace fittingText {

inline constexpr qreal smallestPointSize = 6.0;

// `flags` are the alignment and wrapping flags the caption is drawn with.
[[nodiscard]] QFont fittingFont(const QFont& preferred, const QRect& area, int flags,
                                const QString& text);

} // namespace fittingText

} // namespace zorbin
