// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "CommandLine.h"
#include "compare/SeasonComparison.h"
#include "league/LeagueContext.h"
#include "ReportFormat.h"

#include <cerrno>
#include <optional>

namespace zorbin {

namespace {

using commandLine::print;

struct Options {
    QStringList folders;
    QString leftFile;
    QString arrivedFile;
    reportformat::Format format = reportformat::Format::Text;
    MovedRows moved = MovedRows::Omitted;
    bool help = false;
    bool version = false;
};

std::optional<Options> parse(const QStringList& arguments, QString* problem) {
    const QCommandLineOption help = commandLine::helpOption();
    const QCommandLineOption version = commandLine::versionOption();
    const QCommandLineOption leftFile =
        commandLine::valueOption(QStringLiteral("gone"), QStringLiteral("a file name"));
    const QCommandLineOption arrivedFile =
        commandLine::valueOption(QStringLiteral("new"), QStringLiteral("a file name"));
    const QCommandLineOption format =
        commandLine::valueOption(QStringLiteral("format"), QStringLiteral("text, csv or json"));
    const QCommandLineOption moved(QStringLiteral("moved"));
    QCommandLineParser parser;
    if (auto parseProblem = commandLine::parse(
            parser, {help, version, leftFile, arrivedFile, format, moved}, arguments)) {
        *problem = std::move(*parseProblem);
        return std::nullopt;
    }

    Options options;
    options.folders = parser.positionalArguments();
    options.leftFile = parser.value(leftFile);
    options.arrivedFile = parser.value(arrivedFile);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    const QString formatName = parser.isSet(format) ? parser.value(format) : QStringLiteral("text");
    const std::optional<reportformat::Format> named = reportformat::named(formatName);
    if (!named) {
        *problem = QStringLiteral("unknown format \"%1\" for --format: use text, csv or json")
                       .arg(formatName);
        return std::nullopt;
    }
    options.format = *named;
    if (parser.isSet(moved)) {
        // The files hold the export's two lists only; a third list silently dropped would mislead.
        if (parser.isSet(leftFile) || parser.isSet(arrivedFile)) {
            *problem = QStringLiteral("--moved prints a third list, so it goes without --gone and "
                                      "--new");
            return std::nullopt;
        }
        options.moved = MovedRows::Included;
    }
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
        "                     [--gone FILE] [--new FILE] [--moved]\n"
        "\n"
        "Lists the players of the prior QEL season missing from the current one, and the players\n"
        "of the current season missing from the prior one, as Zorbin's \"Process\" does.\n"
        "\n"
        "  PRIOR_FOLDER     the prior season's folder (qelplyr.dat, qelteam.dat)\n"
        "  CURRENT_FOLDER   the current season's folder (qelplyr.dat; qelteam.dat with --moved)\n"
        "  MASTER_FOLDER    the master folder (Mastplyr.dat)\n"
        "  --format FORMAT  print the lists as text (the default), csv or json\n"
        "  --gone FILE      write the prior season's missing players to FILE\n"
        "  --new FILE       write the current season's new players to FILE\n"
        "  --moved          also print the players who changed teams\n"
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
        "With --moved a third list follows: the players of both seasons whose team changed (a\n"
        "trade, a signing or a release), and every row also gives the player's current team:\n"
        "  text  under \"Players who changed teams (N):\", the prior team, \" -> \" and the\n"
        "        current one:\n"
        "          Dubé,Zoé               10135 Örebro Owls -> Lake City Comets\n"
        "  csv   a fifth column, currentTeam (list,identity,name,team,currentTeam); the third\n"
        "        list's rows are marked moved\n"
        "  json  \"currentTeam\" in every row, and a third key, \"moved\"\n"
        "Teams are known by name alone: a renamed team's whole roster shows as moved.\n"
        "\n"
        "For instance, the names of the players who arrived:\n"
        "  zorbin-report PRIOR CURRENT MASTER --format json | jq -r '.new[].name'\n"
        "and a CSV file that a spreadsheet opens as a table:\n"
        "  zorbin-report PRIOR CURRENT MASTER --format csv > lists.csv\n"
        "and the trades (a team in both seasons), one a line:\n"
        "  zorbin-report PRIOR CURRENT MASTER --moved --format json |\n"
        "    jq -r '.moved[] | select(.team != \"\" and .currentTeam != \"\")\n"
        "           | \"\\(.name): \\(.team) -> \\(.currentTeam)\"'\n"
        "\n"
        "A folder may also be a Windows path (C:\\Games\\QEL\\... or Z:\\home\\...). All three\n"
        "are read through one Wine prefix: $WINEPREFIX (which must be one), else the prefix the\n"
        "working folder is in when it holds them all, else the one of those holding them all\n"
        "whose season files were written last. Standard error names it when it is not ~/.wine,\n"
        "and the others that hold the same folders with other files. When a prefix that could\n"
        "hold a newer copy can't be checked (a closed folder, an unplugged disk, a search cut\n"
        "short), the lists are printed, standard error says why, and the exit status is 1.\n"
        "Letter case need not match the disk.\n"
        "\n"
        "--gone and --new write a list as the window's export does (Windows-1252, CR LF),\n"
        "whatever --format says; --moved goes without them. Nothing in the three folders is\n"
        "changed, and the remembered folders of the window are not touched.\n"
        "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n");
}

int ReportCommand::run(const QStringList& arguments, const WineEnvironment& wine, std::FILE* out,
                       std::FILE* err) {
    QString problem;
    const std::optional<Options> options = parse(arguments, &problem);
    if (const std::optional<int> status =
            commandLine::answerFirst({programName, usage(), options ? nullptr : &problem,
                                      options && options->help, options && options->version},
                                     out, err))
        return *status;

    // The folders may be Windows paths (as the original program wrote them under Wine) or differ
    // from the disk in letter case; the league is read as the window reads it, remembering nothing.
    LeagueContext league(wine, std::nullopt);
    const ComparisonRequest request{
        options->folders[0], options->folders[1], options->folders[2], {}, {}, {},
        NamedKind::Folder};
    const bool printing = options->leftFile.isEmpty() && options->arrivedFile.isEmpty();
    const ComparisonOutcome outcome = league.run(
        request, {printing ? ReportRows::Included : ReportRows::Omitted, options->moved});
    bool failed = false;
    // Lists that may not be the latest copy's are still printed; the status says the doubt.
    bool doubted = false;
    for (const RunMessage& message : outcome.messages) {
        print(err, message.text + QLatin1Char('\n'));
        failed = failed || message.endsAToolRun();
        doubted = doubted || message.failsAToolRun();
    }
    if (failed)
        return failure;
    const int done = doubted ? failure : success;
    const SeasonLists& result = *outcome.lists;

    if (printing) {
        const QByteArray printed = reportformat::format(options->format, result, options->moved);
        errno = 0;
        std::fwrite(printed.constData(), 1, static_cast<std::size_t>(printed.size()), out);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            const int error = errno;
            print(err, QStringLiteral("Could not write the lists to standard output: %1\n")
                           .arg(qt_error_string(error != 0 ? error : EIO)));
            return failure;
        }
        return done;
    }
    for (const auto& [file, lines] : {std::pair{options->leftFile, &result.leftPlayers},
                                      std::pair{options->arrivedFile, &result.arrivedPlayers}}) {
        if (file.isEmpty())
            continue;
        if (const auto writeFailure = league.exportList(file, *lines, request)) {
            print(err, writeFailure->message() + QLatin1Char('\n'));
            return failure;
        }
    }
    return done;
}

} // namespace zorbin
