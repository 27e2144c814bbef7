// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FittingLabel.h"

#include "window/FittingText.h"

#include <QHelpEvent>

namespace zorbin {

FittingLabel::FittingLabel(const QString& caption, QWidget* parent, CaptionGroup* group)
    : QLabel(caption, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    if (group)
        group->add(this);
}

bool FittingLabel::showsWhole() const {
    return fittingText::fits(font(), contentsRect(), captionFlags(), text());
}

int FittingLabel::heightToShowWhole() const {
    return fittingText::heightOfLines(font(), contentsRect(), captionFlags(), text()) + height() -
           contentsRect().height();
}

bool FittingLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return fittingText::showCutText(static_cast<QHelpEvent*>(event), this, !showsWhole(),
                                        text());
    return QLabel::event(event);
}

} // namespace zorbin
