// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/CaptionGroup.h"

#include <QLabel>

namespace zorbin {

// A label whose caption wraps at word boundaries within its box, in the platform's font. When the
// box is too small for it all the same, the caption's full text shows as a tooltip.
class FittingLabel final : public QLabel, public FittingCaption {
    Q_OBJECT
public:
    explicit FittingLabel(const QString& caption, QWidget* parent = nullptr,
                          CaptionGroup* group = nullptr);

    [[nodiscard]] bool showsWhole() const override;
    [[nodiscard]] int heightToShowWhole() const override;

protected:
    bool event(QEvent* event) override;

private:
    [[nodiscard]] int captionFlags() const { return int(alignment()) | Qt::TextWordWrap; }
};

} // namespace zorbin
