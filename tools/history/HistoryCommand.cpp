// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"

#include "HistoryFormat.h"
#include "league/LeagueContext.h"
#include "TeamFormat.h"

#include <optional>

namespace zorbin {

namespace {

struct Options {
    QCommandLineOption format{
        QStringLiteral("format"),
        QStringLiteral("Prints the history as text (the default), csv, json or html."),
        QStringLiteral("FORMAT")};
    QCommandLineOption league{
        QStringLiteral("league"),
        QStringLiteral("Takes for the seasons the subfolders of LEAGUE_FOLDER that hold a "
                       "qelplyr.dat, in natural order (Season 9 before Season 10), instead of "
                       "SEASON_FOLDERs."),
        QStringLiteral("LEAGUE_FOLDER")};
    QCommandLineOption skip{
        QStringLiteral("skip"),
        QStringLiteral(
            "Leaves the subfolder NAME of LEAGUE_FOLDER out (a backup copy, say); may be "
            "given more than once."),
        QStringLiteral("NAME")};
    QCommandLineOption team{
        QStringLiteral("team"),
        QStringLiteral(
            "Prints the roster of the team named NAME season by season instead, with who "
            "arrived and who left since the season before."),
        QStringLiteral("NAME")};
};

const Options& options() {
    static const Options declared;
    return declared;
}

int history(CommandLineTool& tool, const WineEnvironment& wine) {
    const QCommandLineParser& parsed = tool.options();
    const Options& option = options();
    const std::optional<historyformat::Format> format = historyformat::named(
        parsed.isSet(option.format) ? parsed.value(option.format) : QStringLiteral("text"));
    if (!format)
        return tool.slip(
            QStringLiteral("unknown format \"%1\" for --format: use text, csv, json or html")
                .arg(parsed.value(option.format)));
    if (parsed.values(option.league).size() > 1)
        return tool.slip(QStringLiteral("--league names one league folder"));
    QStringList folders = parsed.positionalArguments();
    if (folders.isEmpty())
        return tool.slip(QStringLiteral("a master folder is needed"));
    HistoryRequest request{folders.takeFirst(), folders};
    if (parsed.isSet(option.league))
        request.leagueFolder = parsed.value(option.league);
    for (QString name : parsed.values(option.skip)) {
        // As a shell completes a folder's name.
        while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
            name.chop(1);
        request.leftOut.append(name);
    }
    if (!request.leftOut.isEmpty() && !request.leagueFolder)
        return tool.slip(QStringLiteral("--skip leaves out a subfolder of --league: use it with "
                                        "--league"));
    if (parsed.values(option.team).size() > 1)
        return tool.slip(QStringLiteral("--team names one team"));
    if (parsed.isSet(option.team))
        request.team = parsed.value(option.team);
    if (request.leagueFolder && !request.seasonFolders.isEmpty())
        return tool.slip(QStringLiteral("--league finds the seasons itself: name no season folder "
                                        "with it"));
    if (!request.leagueFolder && request.seasonFolders.isEmpty())
        return tool.slip(QStringLiteral("at least one season folder is needed, or --league"));

    // Every folder named may be native or a Windows path (as the original program wrote them
    // under Wine), matched on disk without regard to letter case; a league is read through one
    // Wine prefix, the one that holds all its folders, and said when others hold them too.
    LeagueContext league(wine, std::nullopt);
    const HistoryOutcome outcome = league.history(request);
    const int done = tool.tell(outcome.messages);
    if (!outcome.history)
        return CommandLineTool::failure;
    // The seasons that could be read are still worth having; the status says one may be missing.
    const historyRows::Sink sink = [&tool](QByteArrayView printed) { tool.write(printed); };
    if (outcome.team) {
        teamformat::print(*format, *outcome.history, *outcome.team, sink);
        return tool.finish(QStringLiteral("the team's history"), done);
    }
    historyformat::print(*format, *outcome.history, sink);
    return tool.finish(QStringLiteral("the history"), done);
}

} // namespace

const ToolDeclaration& HistoryCommand::declaration() {
    const Options& option = options();
    static const ToolDeclaration declared{
        QStringLiteral("zorbin-history"),
        QStringLiteral(
            "Prints every player of a QEL league's seasons with his team in each season: the\n"
            "seasons named, in the order given, or with --league those of a league folder."),
        {option.format, option.league, option.skip, option.team},
        {{QStringLiteral("MASTER_FOLDER"),
          QStringLiteral("The master folder (Mastplyr.dat), which names the players.")},
         {QStringLiteral("SEASON_FOLDER"),
          QStringLiteral("The seasons' folders (qelplyr.dat, qelteam.dat), in the order given."),
          QStringLiteral("[SEASON_FOLDER...]")}},
        QStringLiteral(
            "A player is listed when a season's qelplyr.dat holds him, under the master file's\n"
            "name, else the one of the latest season that holds him. His team in a season is the\n"
            "last team of that season's qelteam.dat whose roster holds him, as zorbin-report\n"
            "reads it. Teams are known by name alone: a renamed team is another team. Yet a\n"
            "name on no roster in a season, whose roster the season before has more than half its\n"
            "players on one name new that season, is said to be renamed to it, and the counts\n"
            "say how many moves the renames explain.\n"
            "  text  the career table, then each season's players and how many left, arrived and\n"
            "        moved (changed teams) since the season before, and how many of those moved\n"
            "        with a renamed team; then the renames; a control character in a name or team\n"
            "        shows as U+FFFD (\uFFFD)\n"
            "  csv   RFC 4180 in UTF-8 with CR LF line ends: identity,name,SEASON,... with a cell\n"
            "        for each season: the team, (none) for a season played on no roster, or empty\n"
            "        for a season he was not in; a control character shows as in text\n"
            "  json  one object in UTF-8:\n"
            "          {\"seasons\": [\"2009\", \"2010\", \"2011\"],\n"
            "           \"renames\": [{\"season\": \"2011\", \"from\": \"Lake City Comets\",\n"
            "                        \"to\": \"Lake City Meteors\", \"carried\": 24, \"of\": "
            "26}],\n"
            "           \"players\": [{\"identity\": 10135, \"name\": \"Dub\u00E9,Zo\u00E9\",\n"
            "                        \"teams\": [\"\u00D6rebro Owls\", \"\", null]}]}\n"
            "        with \"\" for a season played on no roster and null for one he was not in\n"
            "  html  one page that opens from disk: the counts, the renames, a chart of them and\n"
            "        the career table, which sorts, keeps identity and name in view when scrolled\n"
            "        sideways, and filters without regard to case or accents (goteborg finds\n"
            "        G\u00F6teborg); a click on a team shows its roster season by season, on a\n"
            "        player his career, and the browser's Back returns\n"
            "With --team NAME, the roster of the team NAME (as shown, letter for letter) season\n"
            "by season, with who arrived and who left since the season before:\n"
            "  text  a block a season: the roster, then who arrived and who left, by identity\n"
            "        and name\n"
            "  csv   season,identity,name,status: a row a player and season, the status arrived,\n"
            "        stayed or left (empty in the first season)\n"
            "  json  {\"team\": \"\u00D6rebro Owls\", \"seasons\": [{\"season\": \"2009\",\n"
            "          \"roster\": [10135], \"arrived\": null, \"left\": null}, ...]}, identities\n"
            "        ascending, arrived and left null in the first season\n"
            "  html  the page, opened on the team's view\n"
            "A name no season has fails, naming the closest team names.\n"
            "\n"
            "For instance, the names of the players who were in every season:\n"
            "  zorbin-history MASTER --league LEAGUE --format json |\n"
            "    jq -r '.players[] | select(all(.teams[]; . != null)) | .name'\n"
            "\n"
            "A folder may also be a Windows path (C:\\Games\\QEL\\... or Z:\\home\\...), read as\n"
            "zorbin-report reads one; letter case need not match the disk. Under --league, hidden\n"
            "folders are passed over, as is each subfolder --skip names, and standard error says\n"
            "which folders were taken as seasons.\n"
            "A season that can't be used (a folder that can't be read, a qelplyr.dat that is\n"
            "empty or can't be read, a qelteam.dat that is empty or can't be read) is named on\n"
            "standard error with the reason and passed over: the rest of the history is still\n"
            "printed, and the exit status is 1. A season without qelteam.dat is named too, its\n"
            "players are on no roster, and the exit status is 1. A season named twice is read\n"
            "once. Nothing in the folders is changed.\n"
            "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n")};
    return declared;
}

int HistoryCommand::run(const QStringList& arguments, const WineEnvironment& wine, std::FILE* out,
                        std::FILE* err) {
    return CommandLineTool::run(declaration(), arguments, out, err,
                                [&wine](CommandLineTool& tool) { return history(tool, wine); });
}

} // namespace zorbin
