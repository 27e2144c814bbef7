// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zorbin {

// A caption that may have to shrink to fit its box.
class FittingCaption {
public:
    virtual ~FittingCaption() = default;

    // The largest font, at most the widget's own, at which its caption fits its box as it is now.
    [[nodiscard]] virtual QFont ownFittingFont() const = 0;
};

// Captions of one kind (the labels, the buttons) read as a set only when they share one size: the
// size at which the longest of them still fits, which is the platform's own while all fit.
// Members and group may go in either order.
class CaptionGroup final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // `caption` is a widget that is a FittingCaption.
    void add(QWidget* caption) { members_.append(caption); }

    [[nodiscard]] QFont font() const;

private:
    QList<QPointer<QWidget>> members_;
};

} // namespace zorbin
