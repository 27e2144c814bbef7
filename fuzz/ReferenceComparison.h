// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArray>
#include <QList>

namespace zorbin::fuzz {

struct ExpectedLine {
    int identity = 0;
    QByteArray name;
    QByteArray team;
    QByteArray currentTeam;
};

struct ExpectedComparison {
    bool missingPlayerFile = false;
    QList<ExpectedLine> left;
    QList<ExpectedLine> arrived;
    QList<ExpectedLine> moved; // in both seasons, on a team of another name (or none) now
};

// A deliberately plain model of what "Process" must list, written straight from the file layouts
// with ordered maps and no shared code, so the fuzzer can compare the real run against it line for
// line. A file that is not there is an empty optional.
class ReferenceComparison {
public:
    [[nodiscard]] static ExpectedComparison
    expected(const std::optional<QByteArray>& teamFile, const std::optional<QByteArray>& priorFile,
             const std::optional<QByteArray>& currentFile,
             const std::optional<QByteArray>& masterFile,
             const std::optional<QByteArray>& currentTeamFile = std::nullopt);
};

} // namespace zorbin::fuzz
