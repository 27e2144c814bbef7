#include "window/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorbin {

namespace {
constexpr qreal smallestPointSize = 6.0;
}

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

QFont WrappingButton::fittingFont(const QRect& area, int flags) const {
    QFont candidate = font();
    while (candidate.pointSizeF() > smallestPointSize) {
        const QRect needed = QFontMetrics(candidate).boundingRect(area, flags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        candidate.setPointSizeF(std::max(candidate.pointSizeF() - 0.5, smallestPointSize));
    }
    return candidate;
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setFont(fittingFont(area, flags));
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(),
                          QPalette::ButtonText);
}

} // namespace zorbin
