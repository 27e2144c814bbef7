// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/ComparisonRun.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbin::test {

// A run's outcome as "Process" shows it: the lines of the two lists, the message that stops it, and
// the notices that don't.
struct ProcessOutcome {
    QList<QByteArray> leftPlayers;
    QList<QByteArray> arrivedPlayers;
    QString message;
    QString saveNotice;
    QString masterNotice;
};

[[nodiscard]] inline ProcessOutcome shown(const ComparisonOutcome& outcome) {
    ProcessOutcome result;
    if (outcome.lists) {
        result.leftPlayers = outcome.lists->leftPlayers;
        result.arrivedPlayers = outcome.lists->arrivedPlayers;
    } else {
        result.message = outcome.lists.failure().message();
    }
    if (outcome.notRemembered)
        result.saveNotice = outcome.notRemembered->message();
    result.masterNotice = outcome.masterNotice();
    return result;
}

} // namespace zorbin::test
