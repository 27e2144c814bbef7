// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "HistoryRows.h"
#include "league/LeagueHistory.h"

#include <optional>
#include <QByteArrayView>
#include <QStringView>

namespace zorbin {

// The forms in which the history tool prints a league's history on standard output, each with
// every player in identity order.
namespace historyformat {

enum class Format { Text, Csv, Json, Html };

// The format called `name` on the command line ("text", "csv", "json" or "html"), nothing for
// another.
[[nodiscard]] std::optional<Format> named(QStringView name);

// What a CSV cell and a text cell hold for a player who played a season on no roster; it holds no
// space, and every team's name does, so it can't be taken for a team.
inline constexpr QByteArrayView noTeamCell = "(none)";

// Prints `history` through `sink`, a part at a time. Text is in the locale's encoding, the others
// in UTF-8.
void print(Format format, const LeagueHistory& history, const historyRows::Sink& sink);

} // namespace historyformat

} // namespace zorbin
