// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <functional>
#include <QByteArray>

namespace zorbin::test {

// What a command-line entry point returned and printed.
struct CommandOutput {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `command` with real FILE streams for its standard output and error, and collects both.
[[nodiscard]] CommandOutput
captureCommand(const std::function<int(std::FILE* out, std::FILE* err)>& command);

} // namespace zorbin::test
