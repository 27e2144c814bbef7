// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/RunMessage.h"

#include <optional>
#include <QList>
#include <QString>

namespace zorbin {

// Where the restore points one picker column: the drive list at `drive`, the root of its drive that
// holds the folder (see leagueFiles::driveHolding), then the folder list at `folder`. `folder` is
// empty when a Wine drive is there but the folder on it is gone or can't be entered: the column
// then rests on the drive, as on a drive whose folder was removed.
struct RestoredColumn {
    QString drive;
    QString folder;
    QString prefix; // the Wine prefix a Windows entry was read through; empty for a native one
};

// What the remembered-folder files hold for each column; nothing for a column whose entry is
// missing or names nothing here, or whose folder on a volume is gone or can't be entered (without
// drive letters, such a folder can't be told from a volume that has gone).
struct RestoredFolders {
    std::optional<RestoredColumn> prior;
    std::optional<RestoredColumn> current;
    std::optional<RestoredColumn> master;
    // What the window says once the columns stand: a $WINEPREFIX that is no prefix, other
    // prefixes holding the remembered folders.
    QList<RunMessage> messages = {};
};

} // namespace zorbin
