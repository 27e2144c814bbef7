// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

enum class PickerColumn { Prior, Current, Master };

// What restoring the remembered folders needs of the window: per picker column, its drive and its
// folder. Each call runs the column's own change handling to its end before it returns.
class FolderColumnSetter {
public:
    virtual ~FolderColumnSetter() = default;

    // Points the column's drive list at the volume that holds `entry` (a remembered folder entry;
    // this platform has no drive letters, so the volume is found from the path itself).
    virtual void setDrive(PickerColumn column, const QString& entry) = 0;
    // Points the column's folder list at `folder`, a full path that may end in separators.
    virtual void setFolder(PickerColumn column, const QString& folder) = 0;
};

} // namespace zorbin
