// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"

#include <QFile>
#include <QStringList>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    return zorbin::HistoryCommand::run(arguments, zorbin::WineEnvironment::ofProcess(), stdout,
                                       stderr);
}
