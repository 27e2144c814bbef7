// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "HistoryRows.h"
#include "league/LeagueHistory.h"

namespace zorbin::historyPage {

// One HTML page in UTF-8 that opens from disk and fetches nothing: the per-season counts with a
// chart of them drawn in the page (inline SVG), and the career table, which a reader can sort by
// any column and filter by any text. Every name is escaped; the page's own policy forbids loading
// anything, so even a name that got through could not fetch. Once its script has run, the root
// element carries data-ready="true". A click on a team's name or a player opens his view at an
// address of its own (#team=NAME, #player=IDENTITY); the page opens on `openTeam`'s view unless
// that is empty.
void print(const LeagueHistory& history, const historyRows::Sink& sink, QByteArrayView openTeam);

} // namespace zorbin::historyPage
