// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zorbin {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    end();
}

void BusyCursor::end() {
    if (showing_)
        QGuiApplication::restoreOverrideCursor();
    showing_ = false;
}

} // namespace zorbin
