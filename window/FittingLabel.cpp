// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FittingLabel.h"

#include "window/FittingText.h"

#include <QPainter>
#include <QStyle>

namespace zorbin {

FittingLabel::FittingLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FittingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    const int flags = int(alignment());
    painter.setFont(FittingText::fittingFont(font(), area, flags, text()));
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
}

} // namespace zorbin
