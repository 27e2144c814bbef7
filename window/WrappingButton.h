// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/CaptionGroup.h"

#include <QPushButton>

class QStyleOptionButton;

namespace zorbin {

// A push button whose caption wraps onto several lines, as the window's long captions need to in
// their narrow buttons, in the platform's font. When even the wrapped caption does not fit, its
// full text shows as a tooltip. text() stays the caption as given. Enter and Return press it while
// it has the focus, as Space does, without making it anyone's default button.
class WrappingButton final : public QPushButton, public FittingCaption {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr,
                            CaptionGroup* group = nullptr);

    [[nodiscard]] bool showsWhole() const override;
    [[nodiscard]] int heightToShowWhole() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    [[nodiscard]] int captionFlags(const QStyleOptionButton& option) const;
    [[nodiscard]] QRect captionArea(const QStyleOptionButton& option) const;
};

} // namespace zorbin
