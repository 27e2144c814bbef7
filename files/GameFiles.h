// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin::gameFiles {

// The names of the game's data files, which Zorbin reads and never writes. Found without regard to
// letter case, as the game's own platform does.
inline const QString team = QStringLiteral("qelteam.dat");
inline const QString player = QStringLiteral("qelplyr.dat");
inline const QString master = QStringLiteral("Mastplyr.dat");

// True when `fileName` (a name without folder) is one of them, in any letter case.
[[nodiscard]] inline bool isGameFileName(const QString& fileName) {
    for (const QString* name : {&team, &player, &master}) {
        if (fileName.compare(*name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace zorbin::gameFiles
