// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/ComparisonRun.h"
#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <ostream>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Failure messages show as text rather than as arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* stream) {
    *stream << '"' << text.toStdString() << '"';
}

namespace zorbin::test {

// What the report tool or the history tool printed and how it ended.
struct ReportOutcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// A small league and a scratch folder beside it, and the public ways in: the comparison run (as
// "Process" drives it), the report tool and the history tool. Each checks that the league folders
// hold the same files with the same bytes afterwards, and none may hang.
class HardeningTest : public ::testing::Test {
protected:
    HardeningTest();

    // The six strings "Process" would hand over for the league as it stands.
    [[nodiscard]] ComparisonRequest input() const;
    // Runs the comparison, remembering folders in the scratch folder.
    ComparisonOutcome process(const ComparisonRequest& input);
    ComparisonOutcome process() { return process(input()); }
    // Runs the report tool on the league's three folders, with `extra` arguments after them.
    ReportOutcome report(const QStringList& extra = {}, std::FILE* out = nullptr);
    // Runs the history tool with `arguments`, the league's master folder first.
    ReportOutcome history(const QStringList& arguments);

    // The lists of the untouched league.
    static const QList<QByteArray> leftLines;
    static const QList<QByteArray> arrivedLines;

    LeagueFolder league;
    QTemporaryDir scratch;
};

// Replaces whatever is at `path` with a folder, a FIFO or an empty file, or moves it into a folder
// that can't be entered (as one left by "sudo wine") and leaves a link to it in its place: only an
// ordinary user is barred (see OrdinaryUser), and unlockObstacle lets everyone in again.
enum class Obstacle { Folder, Fifo, EmptyFile, LockedFolder };
void placeObstacle(const QString& path, Obstacle obstacle);
void unlockObstacle(const QString& path);
[[nodiscard]] const char* obstacleName(Obstacle obstacle);

// The names in a folder, to show that a failure left nothing behind.
[[nodiscard]] QStringList entriesOf(const QString& folder);

} // namespace zorbin::test
