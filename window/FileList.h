// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/FramedList.h"

#include <QListWidget>

namespace zorbin {

// A picker column's file list: the files of its folder that match the column's file name.
class FileList final : public FramedList<QListWidget> {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    void showFiles(const QStringList& names);

    // The file name of the selected entry; empty when none is selected.
    [[nodiscard]] QString selectedFileName() const;

    // Whether the list's box is tall enough to show one row whole, listed or not.
    [[nodiscard]] bool showsRowWhole() const;
};

} // namespace zorbin
