// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CommandLineTool.h"
#include "wine/WineEnvironment.h"

#include <cstdio>
#include <QStringList>

namespace zorbin {

// The history tool's whole behaviour, apart from main(), so tests can drive it with arguments and
// read what it prints.
class HistoryCommand : public ExitStatus {
public:
    [[nodiscard]] static const ToolDeclaration& declaration();
    // `arguments` excludes the program name; Windows paths are read through the Wine prefixes of
    // `wine`.
    [[nodiscard]] static int run(const QStringList& arguments, const WineEnvironment& wine,
                                 std::FILE* out, std::FILE* err);
};

} // namespace zorbin
