// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/ComparisonRun.h"

#include "league/LeagueFiles.h"
#include "records/TeamRecord.h"
#include "settings/RememberedFolders.h"

namespace zorbin {

QString ComparisonOutcome::masterNotice() const {
    if (!lists || !lists->masterUnread)
        return {};
    return lists->masterUnread->message() +
           QStringLiteral("\nThe names in the lists come from the current season only.");
}

ComparisonOutcome runComparison(const ComparisonRequest& request, const WineEnvironment& wine,
                                const RememberedFolders* remembered, ReportRows rows,
                                MovedRows moved) {
    ComparisonOutcome outcome;
    if (request.priorPlayerFile.isEmpty() || request.currentPlayerFile.isEmpty() ||
        request.masterPlayerFile.isEmpty())
        return outcome;
    outcome.compared = true;

    // A typed path may be a Windows one, or differ from the disk in letter case; one that names
    // nothing here is read as typed, so that the failure names what the user wrote.
    const SeasonFiles files{leagueFiles::pathIn(request.priorFolder, TeamRecord::fileName),
                            leagueFiles::typedFile(request.priorPlayerFile, wine),
                            leagueFiles::typedFile(request.currentPlayerFile, wine),
                            leagueFiles::typedFile(request.masterPlayerFile, wine),
                            moved == MovedRows::Included
                                ? leagueFiles::pathIn(request.currentFolder, TeamRecord::fileName)
                                : QString()};

    // The typed files may lie outside the three folders; a remembered file must not be a second
    // name of one of them either.
    if (remembered) {
        outcome.notRemembered = remembered->SaveFolders(
            request.priorFolder, request.currentFolder, request.masterFolder,
            {files.priorPlayerFile, files.currentPlayerFile, files.masterPlayerFile});
    }
    outcome.lists = compareSeasons(files, rows, moved);
    return outcome;
}

} // namespace zorbin
