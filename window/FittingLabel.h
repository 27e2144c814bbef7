// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace zorbin {

// A label whose caption stays on one line, in a smaller font when the platform's would not fit
// its box. text() stays the caption as given.
class FittingLabel final : public QLabel {
    Q_OBJECT
public:
    explicit FittingLabel(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbin
