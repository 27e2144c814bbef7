// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/WrappingButton.h"

#include "window/FittingText.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorbin {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent, CaptionGroup* group)
    : QPushButton(caption, parent), group_(group) {
    if (group_)
        group_->add(this);
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

QFont WrappingButton::ownFittingFont() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return fittingText::fittingFont(font(), captionArea(option), captionFlags(option), text());
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setFont(captionFont());
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

} // namespace zorbin
