// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/ReportLine.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbin {

class RememberedFolders;

// The six strings the window hands over: the three path boxes and the three folder lists' folders.
struct ComparisonInput {
    QString priorPlayerFile;   // Text1
    QString currentPlayerFile; // Text2
    QString masterPlayerFile;  // Text3
    QString priorFolder;       // Dir1: also where the team file is looked for
    QString currentFolder;     // Dir2: only remembered
    QString masterFolder;      // Dir3: only remembered
};

struct ComparisonResult {
    QList<QByteArray> leftPlayers;    // List1: in the prior season, absent from the current one
    QList<QByteArray> arrivedPlayers; // List2: in the current season, absent from the prior one
    QList<ReportRow> leftRows;        // leftPlayers field by field, with Rows::Included
    QList<ReportRow> arrivedRows;     // arrivedPlayers field by field, with Rows::Included
    QString message;                  // for a message box; empty when the run completed
    QString saveNotice;               // the remembered folders could not be saved; the run went on
    bool leftExportEnabled = false;
    bool arrivedExportEnabled = false;
};

// What "Process" does: reads the prior season's team and player files, the current season's player
// file and the master player file, and lists the identities found in one season but not the other,
// in ascending order. Game files are only ever read; a missing team or master file reads as empty.
class ComparisonRun {
public:
    static inline const QString missingPlayerFileMessage =
        QStringLiteral(" Not a valid QEL Directory for Prior Season");

    // Only the report tool's printed forms need each player's fields apart; building them would
    // add a fifth to every run of the window.
    enum class Rows { Omitted, Included };

    // `rememberedFolders` receives the three folders once the path check passes; null for callers
    // that must not write them (the report tool).
    explicit ComparisonRun(const RememberedFolders* rememberedFolders, Rows rows = Rows::Omitted)
        : rememberedFolders_(rememberedFolders), rows_(rows) {}

    [[nodiscard]] ComparisonResult run(const ComparisonInput& input) const;

private:
    const RememberedFolders* rememberedFolders_;
    Rows rows_;
};

} // namespace zorbin
