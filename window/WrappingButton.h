// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace zorbin {

// A push button whose caption wraps onto several lines, as the window's long captions need to in
// their narrow buttons. When even the wrapped caption does not fit, its font shrinks until it does.
// text() stays the caption as given.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbin
