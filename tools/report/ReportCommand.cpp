// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "compare/SeasonComparison.h"
#include "export/ListFileWriter.h"
#include "files/CaseInsensitivePath.h"
#include "files/UserPath.h"
#include "files/WinePrefixes.h"
#include "files/WriteTarget.h"
#include "league/ComparisonRun.h"
#include "league/LeagueFiles.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "ReportFormat.h"
#include "ZorbinVersion.h"

#include <algorithm>
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
    reportformat::Format format = reportformat::Format::Text;
    bool help = false;
    bool version = false;
};

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

std::optional<Options> parse(const QStringList& arguments, QString* problem) {
    Options options;
    QString formatName = QStringLiteral("text");
    const struct {
        QString name;
        QString* value;
        const char* needed;
    } valueOptions[] = {{QStringLiteral("--gone"), &options.goneFile, "a file name"},
                        {QStringLiteral("--new"), &options.newFile, "a file name"},
                        {QStringLiteral("--format"), &formatName, "text, csv or json"}};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            options.version = true;
            continue;
        }
        const auto option =
            std::find_if(std::begin(valueOptions), std::end(valueOptions), [&](const auto& o) {
                return argument == o.name || argument.startsWith(o.name + QLatin1Char('='));
            });
        if (option != std::end(valueOptions)) {
            QString value;
            if (argument.size() > option->name.size()) {
                value = argument.mid(option->name.size() + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            }
            if (value.isEmpty()) {
                *problem =
                    QStringLiteral("%1 needs %2").arg(option->name, QLatin1String(option->needed));
                return std::nullopt;
            }
            *option->value = value;
            continue;
        }
        if (argument.startsWith(QLatin1String("--")) && argument != QLatin1String("--")) {
            *problem = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        }
        options.folders.append(argument);
    }
    const std::optional<reportformat::Format> format = reportformat::named(formatName);
    if (!format) {
        *problem = QStringLiteral("unknown format \"%1\" for --format: use text, csv or json")
                       .arg(formatName);
        return std::nullopt;
    }
    options.format = *format;
    if (!options.help && !options.version && options.folders.size() != 3) {
        *problem = QStringLiteral("three folders are needed, %1 given").arg(options.folders.size());
        return std::nullopt;
    }
    return options;
}

} // namespace

QString ReportCommand::usage() {
    return QStringLiteral(
        "Usage: zorbin-report PRIOR_FOLDER CURRENT_FOLDER MASTER_FOLDER [--format FORMAT]\n"
        "                     [--gone FILE] [--new FILE]\n"
        "\n"
        "Lists the players of the prior QEL season missing from the current one, and the players\n"
        "of the current season missing from the prior one, as Zorbin's \"Process\" does.\n"
        "\n"
        "  PRIOR_FOLDER     the prior season's folder (qelplyr.dat, qelteam.dat)\n"
        "  CURRENT_FOLDER   the current season's folder (qelplyr.dat)\n"
        "  MASTER_FOLDER    the master folder (Mastplyr.dat)\n"
        "  --format FORMAT  print the lists as text (the default), csv or json\n"
        "  --gone FILE      write the prior season's missing players to FILE\n"
        "  --new FILE       write the current season's new players to FILE\n"
        "  --help           show this text\n"
        "  --version        show the program's name and version\n"
        "\n"
        "Without --gone or --new both lists are printed, the players who left first:\n"
        "  text  as the window shows them, in the locale's encoding; a control character in a\n"
        "        name or team shows as U+FFFD (�):\n"
        "          Players of the prior season missing from the current one (1):\n"
        "          Dubé,Zoé               10135 Örebro Owls\n"
        "  csv   RFC 4180 in UTF-8 with CR LF line ends, a row a player, list gone or new:\n"
        "          list,identity,name,team\n"
        "          gone,10135,\"Dubé,Zoé\",Örebro Owls\n"
        "  json  one object in UTF-8, with \"\" for a blank name or team:\n"
        "          {\n"
        "            \"gone\": [\n"
        "              {\"identity\": 10135, \"name\": \"Dubé,Zoé\", \"team\": \"Örebro Owls\"}\n"
        "            ],\n"
        "            \"new\": []\n"
        "          }\n"
        "For instance, the names of the players who arrived:\n"
        "  zorbin-report PRIOR CURRENT MASTER --format json | jq -r '.new[].name'\n"
        "and a CSV file that a spreadsheet opens as a table:\n"
        "  zorbin-report PRIOR CURRENT MASTER --format csv > lists.csv\n"
        "\n"
        "A folder may also be a Windows path (C:\\Games\\QEL\\...), read through the Wine prefix\n"
        "in $WINEPREFIX, else ~/.wine, else the only one found; letter case need not match the\n"
        "disk.\n"
        "\n"
        "--gone and --new write a list as the window's export does (Windows-1252, CR LF),\n"
        "whatever --format says. Nothing in the three folders is changed, and the remembered\n"
        "folders of the window are not touched.\n"
        "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n");
}

int ReportCommand::run(const QStringList& arguments, const WineEnvironment& wine, std::FILE* out,
                       std::FILE* err) {
    QString problem;
    const std::optional<Options> options = parse(arguments, &problem);
    if (!options) {
        print(err, QStringLiteral("%1: %2\n\n").arg(programName, problem) + usage());
        return badUsage;
    }
    if (options->help) {
        print(out, usage());
        return success;
    }
    if (options->version) {
        print(out, QStringLiteral("%1 %2\n").arg(programName, QLatin1String(programVersion)));
        return success;
    }

    // Windows paths (as the original program wrote them under Wine) and paths that differ from the
    // disk in letter case name the folders too.
    QStringList folders;
    for (const QString& given : std::as_const(options->folders)) {
        const Result<QString> folder = leagueFiles::userFolder(given, wine);
        if (!folder) {
            print(err, folder.failure().message() + QLatin1Char('\n'));
            return failure;
        }
        // A folder inside one that can't be entered is there, but barred: its reason is the
        // true one.
        QString reason;
        if (const auto barred = caseInsensitivePath::lookupFailure(*folder, {}))
            reason = barred->reason;
        else if (!QFileInfo(*folder).isDir())
            reason = qt_error_string(ENOTDIR);
        if (!reason.isEmpty()) {
            // A Windows path also names the folder it was read as.
            const QString named =
                userPath::isWindowsPath(given)
                    ? QStringLiteral("\"%1\" (read as \"%2\")").arg(given, *folder)
                    : QStringLiteral("\"%1\"").arg(*folder);
            print(err, QStringLiteral("Could not read folder %1: %2\n").arg(named, reason));
            return failure;
        }
        folders.append(*folder);
    }

    // The path boxes the window's columns would fill for these folders, through the window's run,
    // without remembering anything.
    const QString& priorFolder = folders[0];
    const QString& currentFolder = folders[1];
    const QString& masterFolder = folders[2];
    const bool printing = options->goneFile.isEmpty() && options->newFile.isEmpty();
    const ComparisonOutcome outcome =
        runComparison({leagueFiles::pathIn(priorFolder, PlayerRecord::fileName),
                       leagueFiles::pathIn(currentFolder, PlayerRecord::fileName),
                       leagueFiles::pathIn(masterFolder, MasterPlayerRecord::fileName), priorFolder,
                       currentFolder, masterFolder},
                      wine, nullptr, printing ? ReportRows::Included : ReportRows::Omitted);
    if (!outcome.lists) {
        print(err, outcome.lists.failure().message() + QLatin1Char('\n'));
        return failure;
    }
    const SeasonLists& result = *outcome.lists;
    // The window reads a master file it can't use as empty and says so; named on the command line,
    // a master folder without one is more likely a slip than a league without names.
    if (result.masterUnread) {
        print(err, result.masterUnread->message() + QLatin1Char('\n'));
        return failure;
    }

    if (printing) {
        const QByteArray printed =
            reportformat::format(options->format, result.leftRows, result.arrivedRows);
        errno = 0;
        std::fwrite(printed.constData(), 1, static_cast<std::size_t>(printed.size()), out);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            const int error = errno;
            print(err, QStringLiteral("Could not write the lists to standard output: %1\n")
                           .arg(qt_error_string(error != 0 ? error : EIO)));
            return failure;
        }
        return success;
    }
    const QStringList gameFiles =
        writeTarget::gameFilesIn({priorFolder, currentFolder, masterFolder});
    for (const auto& [file, lines] : {std::pair{options->goneFile, &result.leftPlayers},
                                      std::pair{options->newFile, &result.arrivedPlayers}}) {
        if (file.isEmpty())
            continue;
        if (const auto writeFailure = listFileWriter::write(file, *lines, gameFiles)) {
            print(err, writeFailure->message() + QLatin1Char('\n'));
            return failure;
        }
    }
    return success;
}

} // namespace zorbin
