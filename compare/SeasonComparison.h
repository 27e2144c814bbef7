// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonLists.h"
#include "files/Result.h"

namespace zorbin {

// Lists the identities found in one season's player file but not the other's, in ascending order,
// each as a report line with the name (master file first, else the current season) and the team
// that held the player in the prior season. Reads the four files (five with the moved list) and
// writes nothing: a prior team file that is missing, empty or can't be read, or a master file that
// is missing or can't be read, reads as empty with `teamUnread` or `masterUnread` set; a missing
// current team file reads as empty, one that is empty or can't be read stops the comparison, as
// does a player file that is missing or empty.
[[nodiscard]] Result<SeasonLists, ComparisonFailure>
compareSeasons(const SeasonFiles& files, ReportRows rows = ReportRows::Omitted,
               MovedRows moved = MovedRows::Omitted);

} // namespace zorbin
