// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FittingLabel.h"

#include "window/FittingText.h"

#include <QPainter>
#include <QStyle>

namespace zorbin {

FittingLabel::FittingLabel(const QString& caption, QWidget* parent, CaptionGroup* group)
    : QLabel(caption, parent), group_(group) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (group_)
        group_->add(this);
}

QFont FittingLabel::ownFittingFont() const {
    return fittingText::fittingFont(font(), contentsRect(), int(alignment()), text());
}

void FittingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(captionFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          text(), foregroundRole());
}

} // namespace zorbin
