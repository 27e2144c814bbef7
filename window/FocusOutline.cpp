// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FocusOutline.h"

#include <QEvent>
#include <QPainter>

namespace zorbin {

namespace {

// Thick enough to tell at a glance from a list's own one-pixel frame.
constexpr int outlineWidth = 2;

} // namespace

FocusOutline::FocusOutline(QWidget* list) : QWidget(list) {
    setObjectName(QStringLiteral("focusOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    list->installEventFilter(this);
}

bool FocusOutline::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent()) {
        switch (event->type()) {
        case QEvent::FocusIn:
            setGeometry(parentWidget()->rect());
            raise();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Resize:
            setGeometry(parentWidget()->rect());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal inset = outlineWidth / 2.0;
    // Dark themes pick a muted highlight that a selected row's light text stands out on, but that
    // a thin line barely tells from the dark list: there it is lightened.
    QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
    if (palette().color(QPalette::Base).lightness() < 128)
        colour = colour.lighter(170);
    painter.setPen(QPen(colour, outlineWidth));
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace zorbin
