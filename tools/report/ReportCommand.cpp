// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "compare/SeasonComparison.h"
#include "export/ListFileWriter.h"
#include "files/UserPath.h"
#include "files/WinePrefixes.h"
#include "league/LeagueFiles.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/TeamRecord.h"

#include <cerrno>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorbin {

namespace {

struct Options {
    QStringList folders;
    QString goneFile;
    QString newFile;
    bool help = false;
};

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

std::optional<Options> parse(const QStringList& arguments, QString* problem) {
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        QString* target = nullptr;
        QString option;
        for (const auto& [name, file] : {std::pair{QStringLiteral("--gone"), &options.goneFile},
                                         std::pair{QStringLiteral("--new"), &options.newFile}}) {
            if (argument == name || argument.startsWith(name + QLatin1Char('='))) {
                target = file;
                option = name;
            }
        }
        if (target) {
            QString value;
            if (argument.size() > option.size()) {
                value = argument.mid(option.size() + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            }
            if (value.isEmpty()) {
                *problem = QStringLiteral("%1 needs a file name").arg(option);
                return std::nullopt;
            }
            *target = value;
            continue;
        }
        if (argument.startsWith(QLatin1String("--")) && argument != QLatin1String("--")) {
            *problem = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        }
        options.folders.append(argument);
    }
    if (!options.help && options.folders.size() != 3) {
        *problem = QStringLiteral("three folders are needed, %1 given").arg(options.folders.size());
        return std::nullopt;
    }
    return options;
}

void printList(std::FILE* out, const QString& heading, const QList<QByteArray>& lines) {
    print(out, QStringLiteral("%1 (%2):\n").arg(heading).arg(lines.size()));
    for (const QByteArray& line : lines) {
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), out);
        std::fputc('\n', out);
    }
}

} // namespace

QString ReportCommand::usage() {
    return QStringLiteral(
        "Usage: zorbin-report PRIOR_FOLDER CURRENT_FOLDER MASTER_FOLDER [--gone FILE] [--new "
        "FILE]\n"
        "\n"
        "Lists the players of the prior QEL season missing from the current one, and the players\n"
        "of the current season missing from the prior one, as Zorbin's \"Process\" does.\n"
        "\n"
        "  PRIOR_FOLDER    the prior season's folder (qelplyr.dat, qelteam.dat)\n"
        "  CURRENT_FOLDER  the current season's folder (qelplyr.dat)\n"
        "  MASTER_FOLDER   the master folder (Mastplyr.dat)\n"
        "  --gone FILE     write the prior season's missing players to FILE\n"
        "  --new FILE      write the current season's new players to FILE\n"
        "  --help          show this text\n"
        "\n"
        "A folder may also be a Windows path (C:\\Games\\QEL\\...), read through the Wine prefix "
        "in\n"
        "$WINEPREFIX, else ~/.wine, else the only one found; letter case need not match the disk.\n"
        "Without --gone or --new both lists are printed. Nothing in the three folders is changed,\n"
        "and the remembered folders of the window are not touched.\n"
        "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n");
}

int ReportCommand::run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QString problem;
    const std::optional<Options> options = parse(arguments, &problem);
    if (!options) {
        print(err, QStringLiteral("zorbin-report: %1\n\n").arg(problem) + usage());
        return badUsage;
    }
    if (options->help) {
        print(out, usage());
        return success;
    }

    // Windows paths (as the original program wrote them under Wine) and paths that differ from the
    // disk in letter case name the folders too.
    const WineEnvironment wine = WineEnvironment::ofProcess();
    QStringList folders;
    for (const QString& given : std::as_const(options->folders)) {
        const Result<QString> folder = leagueFiles::userFolder(given, wine);
        if (!folder) {
            print(err, folder.failure().message() + QLatin1Char('\n'));
            return failure;
        }
        if (!QFileInfo(*folder).isDir()) {
            // A Windows path also names the folder it was read as.
            const QString named =
                userPath::isWindowsPath(given)
                    ? QStringLiteral("\"%1\" (read as \"%2\")").arg(given, *folder)
                    : QStringLiteral("\"%1\"").arg(given);
            print(err, QStringLiteral("Could not read folder %1: %2\n")
                           .arg(named, QFileInfo::exists(*folder) ? qt_error_string(ENOTDIR)
                                                                  : qt_error_string(ENOENT)));
            return failure;
        }
        folders.append(*folder);
    }

    // The files the window's columns would find in these folders.
    const QString& priorFolder = folders[0];
    const QString& currentFolder = folders[1];
    const QString& masterFolder = folders[2];
    const SeasonFiles files{leagueFiles::pathIn(priorFolder, TeamRecord::fileName),
                            leagueFiles::pathIn(priorFolder, PlayerRecord::fileName),
                            leagueFiles::pathIn(currentFolder, PlayerRecord::fileName),
                            leagueFiles::pathIn(masterFolder, MasterPlayerRecord::fileName)};

    // The window reads a missing master file as empty; named on the command line, a master folder
    // without one is more likely a slip than a league without names.
    if (!QFileInfo::exists(files.masterPlayerFile) &&
        !QFileInfo(files.masterPlayerFile).isSymLink()) {
        print(err, QStringLiteral("Could not read \"%1\": %2\n")
                       .arg(files.masterPlayerFile, qt_error_string(ENOENT)));
        return failure;
    }

    const auto compared = compareSeasons(files);
    if (!compared) {
        print(err, compared.failure().message() + QLatin1Char('\n'));
        return failure;
    }
    const SeasonLists& result = *compared;

    if (options->goneFile.isEmpty() && options->newFile.isEmpty()) {
        errno = 0;
        printList(out, QStringLiteral("Players of the prior season missing from the current one"),
                  result.leftPlayers);
        printList(out, QStringLiteral("Players of the current season missing from the prior one"),
                  result.arrivedPlayers);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            const int error = errno;
            print(err, QStringLiteral("Could not write the lists to standard output: %1\n")
                           .arg(qt_error_string(error != 0 ? error : EIO)));
            return failure;
        }
        return success;
    }
    for (const auto& [file, lines] : {std::pair{options->goneFile, &result.leftPlayers},
                                      std::pair{options->newFile, &result.arrivedPlayers}}) {
        if (file.isEmpty())
            continue;
        if (const auto writeFailure = listFileWriter::write(file, *lines)) {
            print(err, writeFailure->message() + QLatin1Char('\n'));
            return failure;
        }
    }
    return success;
}

} // namespace zorbin
