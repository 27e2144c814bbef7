// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/CaptionGroup.h"

#include <QLabel>

namespace zorbin {

// A label whose caption stays on one line, in a smaller font when the platform's would not fit
// its box. In a group it takes the group's size instead. text() stays the caption as given.
class FittingLabel final : public QLabel, public FittingCaption {
    Q_OBJECT
public:
    explicit FittingLabel(const QString& caption, QWidget* parent = nullptr,
                          CaptionGroup* group = nullptr);

    [[nodiscard]] QFont ownFittingFont() const override;
    // The font the caption is drawn in.
    [[nodiscard]] QFont captionFont() const { return group_ ? group_->font() : ownFittingFont(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<CaptionGroup> group_;
};

} // namespace zorbin
