// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

int main(int argc, char* argv[]) {
    return zorbin::ReportCommand::run(zorbin::CommandLineTool::arguments(argc, argv),
                                      zorbin::WineEnvironment::ofProcess(), stdout, stderr);
}
