// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeagueCommand.h"

int main(int argc, char* argv[]) {
    return zorbin::sample::SampleLeagueCommand::run(zorbin::CommandLineTool::arguments(argc, argv),
                                                    stdout, stderr);
}
