// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "HistoryFormat.h"
#include "HistoryRows.h"
#include "league/LeagueHistory.h"
#include "league/TeamView.h"

// The forms in which the history tool prints one team's roster season by season (--team).
namespace zorbin::teamformat {

// Prints `team` of `history` through `sink`. Text is a block a season, CSV a row a player and
// season with his status, JSON the rosters as identities; HTML is the history's page opened on the
// team's view.
void print(historyformat::Format format, const LeagueHistory& history, const TeamView& team,
           const historyRows::Sink& sink);

} // namespace zorbin::teamformat
