// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zorbin {

// A caption drawn in the platform's font, which must have room to show whole.
class FittingCaption {
public:
    virtual ~FittingCaption() = default;

    // Whether the caption shows whole in its box as the box is now.
    [[nodiscard]] virtual bool showsWhole() const = 0;
    // The height the box needs, at its width now, for every line of the caption.
    [[nodiscard]] virtual int heightToShowWhole() const = 0;
};

// The window's captions, for which it makes room. Members and group may go in either order.
class CaptionGroup final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // `caption` is a widget that is a FittingCaption.
    void add(QWidget* caption) { members_.append(caption); }

    [[nodiscard]] bool allWhole() const;

private:
    QList<QPointer<QWidget>> members_;
};

} // namespace zorbin
