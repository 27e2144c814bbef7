// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"

int main(int argc, char* argv[]) {
    return zorbin::HistoryCommand::run(zorbin::CommandLineTool::arguments(argc, argv),
                                       zorbin::WineEnvironment::ofProcess(), stdout, stderr);
}
