// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbin {
class RememberedFolders;
}

namespace zorbin::test {

// The six strings "Process" takes from the window: three path boxes and three folder lists.
struct ProcessPaths {
    QString priorPlayerFile;   // Text1
    QString currentPlayerFile; // Text2
    QString masterPlayerFile;  // Text3
    QString priorFolder;       // Dir1: also where the team file is found
    QString currentFolder;     // Dir2: only remembered
    QString masterFolder;      // Dir3: only remembered
};

// What "Process" ends with: the two lists, the message it shows and the notice of folders it could
// not remember.
struct ProcessOutcome {
    QList<QByteArray> leftPlayers;
    QList<QByteArray> arrivedPlayers;
    QString message;
    QString saveNotice;
};

// The library's steps of "Process", in the window's order, for tests below the window: nothing
// when a path is empty, then the folders remembered in `remembered` (skipped when null), then the
// comparison of the league files the window would find.
[[nodiscard]] ProcessOutcome processSteps(const ProcessPaths& paths,
                                          const RememberedFolders* remembered);

} // namespace zorbin::test
