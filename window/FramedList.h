// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/FocusOutline.h"
#include "window/RowHeights.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

class QWidget;

namespace zorbin {

// A list (any item view) whose frame stays whole at every scale and that shows the keyboard focus
// on its whole box.
template <typename ItemView> class FramedList : public ItemView, public RowHeights {
public:
    // At a fractional scale such as 1.25 the list's contents round outward onto the right and
    // bottom lines of its frame; a pixel of margin there keeps those lines clear.
    static constexpr int frameMargin = 1;

    explicit FramedList(QWidget* parent = nullptr) : ItemView(parent) {
        this->setViewportMargins(0, 0, frameMargin, frameMargin);
        new FocusOutline(this);
    }

    // Rows of one line of text, listed or not, above the sideways scroll bar where it shows.
    [[nodiscard]] int heightForRows(int rows) const override {
        QStyleOptionViewItem option;
        this->initViewItemOption(&option);
        option.text = QStringLiteral("Xg");
        option.features |= QStyleOptionViewItem::HasDisplay;
        const QSize row =
            this->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
        const QScrollBar* sideways = this->horizontalScrollBar();
        return rows * row.height() + this->height() - this->contentsRect().height() + frameMargin +
               (sideways->isVisible() ? sideways->height() : 0);
    }
};

} // namespace zorbin
