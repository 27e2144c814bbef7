// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ProcessSteps.h"

#include "compare/SeasonComparison.h"
#include "league/LeagueFiles.h"
#include "records/TeamRecord.h"
#include "settings/RememberedFolders.h"

namespace zorbin::test {

ProcessOutcome processSteps(const ProcessPaths& paths, const RememberedFolders* remembered) {
    ProcessOutcome outcome;
    if (paths.priorPlayerFile.isEmpty() || paths.currentPlayerFile.isEmpty() ||
        paths.masterPlayerFile.isEmpty())
        return outcome;
    if (remembered) {
        if (const auto failure =
                remembered->SaveFolders(paths.priorFolder, paths.currentFolder, paths.masterFolder))
            outcome.saveNotice = failure->message();
    }
    auto lists =
        compareSeasons({leagueFiles::pathIn(paths.priorFolder, TeamRecord::fileName),
                        paths.priorPlayerFile, paths.currentPlayerFile, paths.masterPlayerFile});
    if (!lists) {
        outcome.message = lists.failure().message();
        return outcome;
    }
    outcome.leftPlayers = std::move(lists->leftPlayers);
    outcome.arrivedPlayers = std::move(lists->arrivedPlayers);
    return outcome;
}

} // namespace zorbin::test
