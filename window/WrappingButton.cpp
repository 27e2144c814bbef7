// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/WrappingButton.h"

#include "window/FittingText.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorbin {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent, CaptionGroup* group)
    : QPushButton(caption, parent) {
    if (group)
        group->add(this);
}

int WrappingButton::captionFlags(const QStyleOptionButton& option) const {
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

QRect WrappingButton::captionArea(const QStyleOptionButton& option) const {
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

bool WrappingButton::showsWhole() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return fittingText::fits(font(), captionArea(option), captionFlags(option), text());
}

int WrappingButton::heightToShowWhole() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = captionArea(option);
    return fittingText::heightOfLines(font(), area, captionFlags(option), text()) + height() -
           area.height();
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    style()->drawItemText(&painter, captionArea(option), captionFlags(option), palette(),
                          isEnabled(), text(), QPalette::ButtonText);
}

void WrappingButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Held down, it presses once, as Space does.
        if (!event->isAutoRepeat())
            animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

bool WrappingButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // The tooltip shows the caption as read, without the access key's marker.
        QString caption = text();
        caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return fittingText::showCutText(static_cast<QHelpEvent*>(event), this, !showsWhole(),
                                        caption);
    }
    return QPushButton::event(event);
}

} // namespace zorbin
