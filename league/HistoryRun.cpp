// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/HistoryRun.h"

#include "files/GameFiles.h"
#include "files/ProseList.h"
#include "league/LeagueFiles.h"
#include "league/SeasonFolders.h"

#include <QFileInfo>
#include <QHash>

namespace zorbin {

namespace {

// What a season that is left out is said with; the rest of the history is still printed.
RunMessage passedOver(const FileFailure& failure) {
    return {RunMessage::Kind::SeasonPassedOver,
            failure.message() + QStringLiteral("; passed over")};
}

} // namespace

HistoryOutcome historyRun::read(const HistoryRequest& request,
                                const QList<Result<QString>>& folders) {
    HistoryOutcome outcome;
    const auto stop = [&outcome](const QString& text) {
        outcome.messages.append({RunMessage::Kind::Stopped, text});
        return std::move(outcome);
    };
    if (!folders[0])
        return stop(folders[0].failure().message());
    const QString masterFile = leagueFiles::pathIn(*folders[0], gameFiles::master);

    QList<SeasonFolder> seasons;
    // Where the seasons were looked for, for a run that is left with none.
    QString noSeason;
    if (request.leagueFolder) {
        if (!folders[1])
            return stop(folders[1].failure().message());
        const QString& league = *folders[1];
        const Result<seasonFolders::Discovered> discovered =
            seasonFolders::inLeague(league, request.leftOut);
        if (!discovered)
            return stop(discovered.failure().message());
        for (const FileFailure& skipped : discovered->passedOver)
            outcome.messages.append(passedOver(skipped));
        seasons = discovered->seasons;
        for (const QString& name : request.leftOut) {
            if (!discovered->leftOut.contains(name))
                outcome.messages.append(
                    {RunMessage::Kind::LeftOutNotFound,
                     QStringLiteral("No subfolder of \"%1\" is named \"%2\": nothing was left out "
                                    "for it")
                         .arg(league, name)});
        }
        if (seasons.isEmpty() && discovered->passedOver.isEmpty())
            return stop(QStringLiteral("No season in \"%1\": no subfolder holds %2")
                            .arg(league, gameFiles::player));
        noSeason = QStringLiteral("No season in \"%1\" can be read").arg(league);
    } else {
        noSeason = QStringLiteral("No season named can be read");
        // A folder named twice (as "2001" and "2001/", or through a link) is one season.
        QHash<QString, QString> namedAs;
        for (qsizetype at = 0; at < request.seasonFolders.size(); ++at) {
            const Result<QString>& folder = folders[at + 1];
            if (!folder) {
                outcome.messages.append(passedOver(folder.failure()));
                continue;
            }
            const Result<SeasonFolder> season = seasonFolders::named(*folder);
            if (!season) {
                outcome.messages.append(passedOver(season.failure()));
                continue;
            }
            const QString& text = request.seasonFolders[at];
            const QString canonical = QFileInfo(*folder).canonicalFilePath();
            if (const auto first = namedAs.constFind(canonical); first != namedAs.cend()) {
                outcome.messages.append(
                    {RunMessage::Kind::SeasonNamedTwice,
                     QStringLiteral("\"%1\" names the same folder as \"%2\": the season is read "
                                    "once")
                         .arg(text, *first)});
                continue;
            }
            namedAs.insert(canonical, text);
            seasons.append(*season);
        }
    }
    if (seasons.isEmpty())
        return stop(noSeason);

    Result<LeagueHistory> history = LeagueHistory::read(masterFile, seasons);
    if (!history) {
        outcome.messages.append({RunMessage::Kind::MasterUnread, history.failure().message()});
        return outcome;
    }
    for (const FileFailure& skipped : history->passedOver())
        outcome.messages.append(passedOver(skipped));
    for (const FileFailure& missing : history->missingTeamFiles())
        outcome.messages.append(
            {RunMessage::Kind::SeasonWithoutTeams,
             missing.message() + QStringLiteral(": that season's players are on no roster")});
    if (history->seasonCount() == 0)
        return stop(noSeason);
    // A copy left beside the seasons (a backup, say) would be taken for one: the user sees which
    // folders the history is of.
    if (request.leagueFolder) {
        QStringList names;
        for (const QString& name : history->seasonNames())
            names.append(QLatin1Char('"') + name + QLatin1Char('"'));
        outcome.messages.append(
            {RunMessage::Kind::SeasonsFound, QStringLiteral("The seasons in \"%1\", in order: %2")
                                                 .arg(*folders[1], proseList::joined(names))});
    }
    if (request.team) {
        outcome.team = TeamView::named(*history, *request.team);
        if (!outcome.team) {
            QStringList closest;
            for (const QString& name : TeamView::closestNames(*history, *request.team))
                closest.append(QLatin1Char('"') + name + QLatin1Char('"'));
            return stop(closest.isEmpty()
                            ? QStringLiteral("No season has a team named \"%1\": no season has "
                                             "a team")
                                  .arg(*request.team)
                            : QStringLiteral("No season has a team named \"%1\"; the closest: %2")
                                  .arg(*request.team, proseList::joined(closest)));
        }
    }
    outcome.history = std::move(history).value();
    return outcome;
}

} // namespace zorbin
