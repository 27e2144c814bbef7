// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/Result.h"
#include "league/LeagueHistory.h"
#include "league/RunMessage.h"
#include "league/TeamView.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// What the history tool names: the master folder, and either the seasons' folders in their order or
// a league folder whose subfolders are the seasons; each native or a Windows path.
struct HistoryRequest {
    QString masterFolder;
    QStringList seasonFolders = {};
    std::optional<QString> leagueFolder = {};
    QStringList leftOut = {};         // subfolders of the league folder that are no seasons
    std::optional<QString> team = {}; // a team's name, as shown, to view season by season
};

// How a history run ended: the history of the seasons that could be read (none when nothing
// could), and what the user is to be told of it, in the order to tell it.
struct HistoryOutcome {
    std::optional<LeagueHistory> history;
    QList<RunMessage> messages;
    std::optional<TeamView> team; // the team the request names, of `history`
};

namespace historyRun {

// The history `request` names, its folders found on this machine as `folders`: the master folder,
// then the league folder or each season's, in the request's order.
[[nodiscard]] HistoryOutcome read(const HistoryRequest& request,
                                  const QList<Result<QString>>& folders);

} // namespace historyRun

} // namespace zorbin
