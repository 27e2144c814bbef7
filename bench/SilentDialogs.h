// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/UserDialogs.h"

#include <QFileDialog>
#include <QString>
#include <QWidget>

namespace zorbin::bench {

// A benchmarked window on a sound league asks nothing; anything shown would be a fault worth
// seeing.
class SilentDialogs final : public UserDialogs {
public:
    QString chooseExportFile(QFileDialog&) override { return {}; }
    void showMessage(QWidget*, const QString& text) override {
        qFatal("unexpected message: %s", qPrintable(text));
    }
};

} // namespace zorbin::bench
