// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QHelpEvent;
class QWidget;

namespace zorbin {

// The window's captions stand in boxes laid out for a small design font. A caption always keeps
// the platform's font, never a smaller one: the window opens large enough for every caption to
// show whole, and a caption that is cut all the same (on a screen too small for that) tells its
// full text in a tooltip.
namespace fittingText {

// Whether `text`, drawn in `font` with `flags` (alignment and wrapping), shows whole in `area`.
[[nodiscard]] bool fits(const QFont& font, const QRect& area, int flags, const QString& text);

// The height of the lines `text` takes, drawn in `font` with `flags`, at the width of `area`.
[[nodiscard]] int heightOfLines(const QFont& font, const QRect& area, int flags,
                                const QString& text);

// Answers a tooltip request on `control` with `text` when `cut`, else with none. Returns true:
// the event is handled either way.
bool showCutText(QHelpEvent* event, QWidget* control, bool cut, const QString& text);

} // namespace fittingText

} // namespace zorbin
