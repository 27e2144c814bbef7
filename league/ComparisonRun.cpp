// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/ComparisonRun.h"

#include "wine/UserPath.h"
#include "league/LeagueFiles.h"
#include "records/TeamRecord.h"
#include "settings/RememberedFolders.h"

#include <utility>

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

    // A typed path may be a Windows one, or differ from the disk in letter case. A Windows path
    // that no Wine prefix holds keeps the reason, which says where prefixes were looked for; any
    // other path that names nothing here is read as typed, so that the failure names what the
    // user wrote.
    std::optional<FileFailure> unresolved[3];
    const auto typed = [&wine](const QString& text, std::optional<FileFailure>& reason) {
        const Result<userPath::Resolved> resolved = userPath::resolve(text, wine);
        if (resolved)
            return resolved->path;
        if (userPath::isWindowsPath(text))
            reason = resolved.failure();
        return text;
    };
    const SeasonFiles files{leagueFiles::pathIn(request.priorFolder, TeamRecord::fileName),
                            typed(request.priorPlayerFile, unresolved[0]),
                            typed(request.currentPlayerFile, unresolved[1]),
                            typed(request.masterPlayerFile, unresolved[2]),
                            moved == MovedRows::Included
                                ? leagueFiles::pathIn(request.currentFolder, TeamRecord::fileName)
                                : QString()};

    // The typed files may lie outside the three folders; a remembered file must not be a second
    // name of one of them either.
    if (remembered) {
        outcome.notRemembered = remembered->saveFolders(
            request.priorFolder, request.currentFolder, request.masterFolder,
            {files.priorPlayerFile, files.currentPlayerFile, files.masterPlayerFile});
    }
    for (const auto& [reason, file] : {std::pair{&unresolved[0], SeasonFile::PriorPlayer},
                                       std::pair{&unresolved[1], SeasonFile::CurrentPlayer}}) {
        if (*reason) {
            outcome.lists = ComparisonFailure{file, **reason};
            return outcome;
        }
    }
    outcome.lists = compareSeasons(files, rows, moved);
    if (outcome.lists && unresolved[2])
        outcome.lists.value().masterUnread = unresolved[2];
    return outcome;
}

} // namespace zorbin
