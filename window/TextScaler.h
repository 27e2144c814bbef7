// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <QFont>
#include <QObject>
#include <QSize>

class QWidget;

namespace zorbin {

// Scales the text of a window's controls with the window, from the font in use at its opening
// size: enlarged, the window reads as a larger version of itself rather than as stretched boxes
// around small letters; made smaller, its text shrinks down to a legible floor, below which the
// controls make room or scroll instead.
class TextScaler final : public QObject {
    Q_OBJECT
public:
    // The floor, unless the opening font is smaller still.
    static constexpr qreal legiblePointSize = 8.0;

    // `showsWhole` tells whether every text that showed whole at the opening size still does, as
    // the controls stand.
    TextScaler(QWidget* window, std::function<bool()> showsWhole);

    // The window opens at `clientSize`, with its font as it is now.
    void setOpening(QSize clientSize);

    // The least stretch of the opening size the window may be made, each way: a little below the
    // one at which its text reaches the floor, no more than two thirds and no less than half.
    [[nodiscard]] qreal leastStretch() const;

    // Gives the controls the font for the window's size now; run after each proportional placement,
    // before any adjustment that depends on the texts' size.
    void fit();

    // The size of the controls' text against the opening font.
    [[nodiscard]] qreal scale() const { return size_ / openingSize_; }

private:
    [[nodiscard]] qreal floor() const;
    void apply(qreal size);

    QWidget* window_;
    std::function<bool()> showsWhole_;
    QSize opening_;
    QFont openingFont_;
    bool inPixels_ = false; // the opening font's size is given in pixels, not points
    qreal openingSize_ = 1;
    qreal size_ = 1; // in the opening font's unit
};

} // namespace zorbin
