// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wine/WinePrefix.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// A copy of the league in another prefix than the one read, and when its season files were
// written.
struct OtherCopy {
    WinePrefix prefix;
    QDateTime written;
};

// What could have changed which copy was read, had it been known: a prefix whose copy could not be
// checked, or a folder the search for prefixes did not get through.
struct Doubt {
    QString where;  // a prefix as a message names it, or a folder
    QString reason; // why it could not be told
};

// A path that the prefix read lacks and others hold (the master folder): it is not read from them,
// since a league is never read from two prefixes, but the user is told where it is.
struct HeldElsewhere {
    QString text;
    QList<WinePrefix> holders;
};

// The Wine prefix the Windows paths of one run were read through, and the others that hold them
// too (older copies, or a game installed twice).
struct PrefixRead {
    WinePrefix prefix;
    QStringList texts;        // the Windows paths that went through a drive of the prefix's own
    QList<OtherCopy> others;  // prefixes that hold the same paths, with other files behind them
    QString why;              // how the prefix was chosen, for the notice: "whose ... last"
    bool named = false;       // the user named it in $WINEPREFIX
    QDateTime written = {};   // when its season files were written last
    bool newest = false;      // it was chosen for its season files, written last
    bool tie = false;         // another copy's season files were written at the very same time
    QList<Doubt> doubts = {}; // what could have made another copy the one to read
    QList<HeldElsewhere> elsewhere = {};
};

// A path the user named: a file, or a folder holding the file named `fileName`. The age of a season
// folder's player file decides between prefixes that hold the same paths. A path that is not
// required (the master file, a courtesy) is read through the prefix that holds the others, or not
// at all, when no prefix holds it too.
struct NamedPath {
    QString text;
    QString fileName = {};
    bool season = false;
    bool required = true;
};

} // namespace zorbin
