// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"

#include "CommandLine.h"
#include "files/GameFiles.h"
#include "files/Result.h"
#include "HistoryFormat.h"
#include "league/LeagueContext.h"
#include "league/LeagueFiles.h"
#include "LeagueHistory.h"
#include "SeasonFolders.h"

#include <cerrno>
#include <optional>

namespace zorbin {

namespace {

using commandLine::print;

struct Options {
    QString master;
    QStringList seasons;
    std::optional<QString> league;
    historyformat::Format format = historyformat::Format::Text;
    bool help = false;
    bool version = false;
};

std::optional<Options> parse(const QStringList& arguments, QString* problem) {
    const QCommandLineOption help = commandLine::helpOption();
    const QCommandLineOption version = commandLine::versionOption();
    const QCommandLineOption format = commandLine::valueOption(
        QStringLiteral("format"), QStringLiteral("text, csv, json or html"));
    const QCommandLineOption league =
        commandLine::valueOption(QStringLiteral("league"), QStringLiteral("a folder"));
    QCommandLineParser parser;
    if (auto parseProblem =
            commandLine::parse(parser, {help, version, format, league}, arguments)) {
        *problem = std::move(*parseProblem);
        return std::nullopt;
    }

    Options options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    const QString formatName = parser.isSet(format) ? parser.value(format) : QStringLiteral("text");
    const std::optional<historyformat::Format> named = historyformat::named(formatName);
    if (!named) {
        *problem = QStringLiteral("unknown format \"%1\" for --format: use text, csv, json or html")
                       .arg(formatName);
        return std::nullopt;
    }
    options.format = *named;
    QStringList folders = parser.positionalArguments();
    if (parser.values(league).size() > 1) {
        *problem = QStringLiteral("--league names one league folder");
        return std::nullopt;
    }
    if (parser.isSet(league))
        options.league = parser.value(league);
    if (options.help || options.version)
        return options;
    if (folders.isEmpty()) {
        *problem = QStringLiteral("a master folder is needed");
        return std::nullopt;
    }
    options.master = folders.takeFirst();
    options.seasons = folders;
    if (options.league && !options.seasons.isEmpty()) {
        *problem = QStringLiteral("--league finds the seasons itself: name no season folder "
                                  "with it");
        return std::nullopt;
    }
    if (!options.league && options.seasons.isEmpty()) {
        *problem = QStringLiteral("at least one season folder is needed, or --league");
        return std::nullopt;
    }
    return options;
}

} // namespace

QString HistoryCommand::usage() {
    return QStringLiteral(
        "Usage: zorbin-history [--format FORMAT] MASTER_FOLDER SEASON_FOLDER...\n"
        "       zorbin-history [--format FORMAT] MASTER_FOLDER --league LEAGUE_FOLDER\n"
        "\n"
        "Prints every player of a QEL league's seasons with his team in each season.\n"
        "\n"
        "  MASTER_FOLDER           the master folder (Mastplyr.dat), which names the players\n"
        "  SEASON_FOLDER...        the seasons' folders (qelplyr.dat, qelteam.dat), in the\n"
        "                          order given\n"
        "  --league LEAGUE_FOLDER  the seasons are the subfolders of LEAGUE_FOLDER that hold a\n"
        "                          qelplyr.dat, in natural order: Season 9 before Season 10\n"
        "  --format FORMAT         print the history as text (the default), csv, json or html\n"
        "  --help                  show this text\n"
        "  --version               show the program's name and version\n"
        "\n"
        "A player is listed when a season's qelplyr.dat holds him, under the master file's\n"
        "name, else the one of the latest season that holds him. His team in a season is the\n"
        "last team of that season's qelteam.dat whose roster holds him. Teams are known by name\n"
        "alone: a renamed team is another team.\n"
        "  text  the career table, then each season's players and how many left, arrived and\n"
        "        moved (changed teams) since the season before; a control character in a name\n"
        "        or team shows as U+FFFD (�)\n"
        "  csv   RFC 4180 in UTF-8 with CR LF line ends: identity,name,SEASON,... with a cell\n"
        "        a season: the team, (none) for a season played on no roster, or empty for a\n"
        "        season he was not in\n"
        "  json  one object in UTF-8:\n"
        "          {\"seasons\": [\"2009\", \"2010\", \"2011\"],\n"
        "           \"players\": [{\"identity\": 10135, \"name\": \"Dubé,Zoé\",\n"
        "                        \"teams\": [\"Örebro Owls\", \"\", null]}]}\n"
        "        with \"\" for a season played on no roster and null for one he was not in\n"
        "  html  one page that opens from disk: the counts, a chart of them and the career\n"
        "        table, which can be sorted and filtered\n"
        "\n"
        "For instance, the names of the players who were in every season:\n"
        "  zorbin-history MASTER --league LEAGUE --format json |\n"
        "    jq -r '.players[] | select(all(.teams[]; . != null)) | .name'\n"
        "\n"
        "A folder may also be a Windows path (C:\\Games\\QEL\\... or Z:\\home\\...), read as\n"
        "zorbin-report reads one; letter case need not match the disk. Under --league, hidden\n"
        "folders are passed over, and so is a subfolder that can't be read, which is then named\n"
        "on standard error and makes the exit status 1, though the history is still printed.\n"
        "A season without qelteam.dat is named on standard error, its players are on no roster\n"
        "and the exit status is 1.\n"
        "Nothing in the folders is changed.\n"
        "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n");
}

int HistoryCommand::run(const QStringList& arguments, const WineEnvironment& wine, std::FILE* out,
                        std::FILE* err) {
    QString problem;
    const std::optional<Options> options = parse(arguments, &problem);
    if (const std::optional<int> status =
            commandLine::answerFirst({programName, usage(), options ? nullptr : &problem,
                                      options && options->help, options && options->version},
                                     out, err))
        return *status;
    const auto fail = [err](const QString& message) {
        print(err, message + QLatin1Char('\n'));
        return failure;
    };

    // Every folder named may be native or a Windows path (as the original program wrote them
    // under Wine), matched on disk without regard to letter case; a league is read through one
    // Wine prefix, the one that holds all its folders, and said when others hold them too.
    LeagueContext league(wine, std::nullopt);
    QList<NamedPath> named = {{options->master, gameFiles::master}};
    if (options->league)
        named.append({*options->league});
    for (const QString& season : options->seasons)
        named.append({season, gameFiles::player, true});
    const Result<NamedFolders> folders = league.namedFolders(named);
    if (!folders)
        return fail(folders.failure().message());
    bool doubted = false;
    for (const RunMessage& message : folders->messages) {
        print(err, message.text + QLatin1Char('\n'));
        doubted = doubted || message.failsAToolRun();
    }
    for (const Result<QString>& folder : folders->folders) {
        if (!folder)
            return fail(folder.failure().message());
    }
    const QString& master = *folders->folders[0];

    QList<SeasonFolder> seasons;
    bool passedOver = false;
    if (options->league) {
        const QString& leagueFolder = *folders->folders[1];
        const Result<seasonFolders::Discovered> discovered = seasonFolders::inLeague(leagueFolder);
        if (!discovered)
            return fail(discovered.failure().message());
        // The history of the seasons that could be read is still worth having; the status says
        // that it may lack one.
        for (const FileFailure& skipped : discovered->passedOver)
            print(err, skipped.message() + QStringLiteral("; passed over\n"));
        passedOver = !discovered->passedOver.isEmpty();
        seasons = discovered->seasons;
        if (seasons.isEmpty())
            return fail(QStringLiteral("No season in \"%1\": no subfolder holds %2")
                            .arg(leagueFolder, gameFiles::player));
    } else {
        for (const Result<QString>& folder : folders->folders.mid(1)) {
            const Result<SeasonFolder> season = seasonFolders::named(*folder);
            if (!season)
                return fail(season.failure().message());
            seasons.append(*season);
        }
    }

    const QString masterFile = leagueFiles::pathIn(master, gameFiles::master);
    const Result<LeagueHistory> history = LeagueHistory::read(masterFile, seasons);
    if (!history)
        return fail(history.failure().message());
    // Said as zorbin-report says it, and a failure as there; the seasons that have their teams
    // are still worth printing.
    for (const FileFailure& missing : history->missingTeamFiles())
        print(err,
              missing.message() + QStringLiteral(": that season's players are on no roster\n"));
    const bool incomplete = passedOver || doubted || !history->missingTeamFiles().isEmpty();

    // Printed a part at a time; after a failed write nothing more is tried, and the first
    // failure is the one told.
    int writeError = 0;
    historyformat::print(options->format, *history, [out, &writeError](QByteArrayView printed) {
        const auto size = static_cast<std::size_t>(printed.size());
        errno = 0;
        if (writeError == 0 && std::fwrite(printed.data(), 1, size, out) != size)
            writeError = errno != 0 ? errno : EIO;
    });
    errno = 0;
    if (writeError == 0 && (std::fflush(out) != 0 || std::ferror(out)))
        writeError = errno != 0 ? errno : EIO;
    if (writeError != 0)
        return fail(QStringLiteral("Could not write the history to standard output: %1")
                        .arg(qt_error_string(writeError)));
    return incomplete ? failure : success;
}

} // namespace zorbin
