// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLineTool.h"

#include <cstdio>
#include <QString>
#include <QStringList>

namespace zorbin::sample {

// The sample league tool's whole behaviour, apart from main(), so tests can drive it with
// arguments and read what it prints.
class SampleLeagueCommand : public ExitStatus {
public:
    // Left in every folder the tool fills: its presence is what lets a later run replace the
    // folder's files, so a real league is never overwritten by mistake.
    static inline const QString markerFileName = QStringLiteral("sample-league.txt");

    [[nodiscard]] static const ToolDeclaration& declaration();
    // `arguments` excludes the program name.
    [[nodiscard]] static int run(const QStringList& arguments, std::FILE* out, std::FILE* err);
};

} // namespace zorbin::sample
