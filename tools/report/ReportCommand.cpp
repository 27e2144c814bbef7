// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "league/LeagueContext.h"
#include "ReportFormat.h"

#include <algorithm>
#include <optional>

namespace zorbin {

namespace {

struct Options {
    QCommandLineOption format{
        QStringLiteral("format"),
        QStringLiteral("Prints the lists as text (the default), csv or json."),
        QStringLiteral("FORMAT")};
    QCommandLineOption gone{QStringLiteral("gone"),
                            QStringLiteral("Writes the prior season's missing players to FILE."),
                            QStringLiteral("FILE")};
    QCommandLineOption arrived{QStringLiteral("new"),
                               QStringLiteral("Writes the current season's new players to FILE."),
                               QStringLiteral("FILE")};
    QCommandLineOption moved{QStringLiteral("moved"),
                             QStringLiteral("Also prints the players who changed teams.")};
};

const Options& options() {
    static const Options declared;
    return declared;
}

int report(CommandLineTool& tool, const WineEnvironment& wine) {
    const QCommandLineParser& parsed = tool.options();
    const Options& option = options();
    const std::optional<reportformat::Format> format = reportformat::named(
        parsed.isSet(option.format) ? parsed.value(option.format) : QStringLiteral("text"));
    if (!format)
        return tool.slip(QStringLiteral("unknown format \"%1\" for --format: use text, csv or json")
                             .arg(parsed.value(option.format)));
    const QString leftFile = parsed.value(option.gone);
    const QString arrivedFile = parsed.value(option.arrived);
    const bool withMoved = parsed.isSet(option.moved);
    // The files hold the export's two lists only; a third list silently dropped would mislead.
    if (withMoved && (parsed.isSet(option.gone) || parsed.isSet(option.arrived)))
        return tool.slip(QStringLiteral("--moved prints a third list, so it goes without --gone "
                                        "and --new"));
    const QStringList folders = parsed.positionalArguments();
    if (folders.size() != 3)
        return tool.slip(QStringLiteral("three folders are needed, %1 given").arg(folders.size()));

    // The folders may be Windows paths (as the original program wrote them under Wine) or differ
    // from the disk in letter case; the league is read as the window reads it, remembering nothing.
    LeagueContext league(wine, std::nullopt);
    const ComparisonRequest request{folders[0], folders[1], folders[2],       {},
                                    {},         {},         NamedKind::Folder};
    const bool printing = leftFile.isEmpty() && arrivedFile.isEmpty();
    const MovedRows moved = withMoved ? MovedRows::Included : MovedRows::Omitted;
    const ComparisonOutcome outcome =
        league.run(request, {printing ? ReportRows::Included : ReportRows::Omitted, moved});
    const int done = tool.tell(outcome.messages);
    if (!outcome.compared ||
        std::any_of(outcome.messages.begin(), outcome.messages.end(),
                    [](const RunMessage& message) { return message.endsAToolRun(); }))
        return CommandLineTool::failure;
    const SeasonLists& result = *outcome.lists;

    if (printing) {
        tool.write(reportformat::format(*format, result, moved));
        return tool.finish(QStringLiteral("the lists"), done);
    }
    for (const auto& [file, lines] : {std::pair{leftFile, &result.leftPlayers},
                                      std::pair{arrivedFile, &result.arrivedPlayers}}) {
        if (file.isEmpty())
            continue;
        const RunMessage written = league.exportList(file, *lines, request);
        if (written.kind != RunMessage::Kind::Exported)
            return tool.fail(written.text);
    }
    return done;
}

} // namespace

const ToolDeclaration& ReportCommand::declaration() {
    const Options& option = options();
    static const ToolDeclaration declared{
        QStringLiteral("zorbin-report"),
        QStringLiteral(
            "Lists the players of the prior QEL season missing from the current one, and the\n"
            "players of the current season missing from the prior one, as Zorbin's \"Process\"\n"
            "does."),
        {option.format, option.gone, option.arrived, option.moved},
        {{QStringLiteral("PRIOR_FOLDER"),
          QStringLiteral("The prior season's folder (qelplyr.dat, qelteam.dat).")},
         {QStringLiteral("CURRENT_FOLDER"),
          QStringLiteral("The current season's folder (qelplyr.dat; qelteam.dat with --moved).")},
         {QStringLiteral("MASTER_FOLDER"), QStringLiteral("The master folder (Mastplyr.dat).")}},
        QStringLiteral(
            "Without --gone or --new both lists are printed, the players who left first:\n"
            "  text  as the window shows them, in the locale's encoding; a control character in a\n"
            "        name or team shows as U+FFFD (\uFFFD):\n"
            "          Players of the prior season missing from the current one (1):\n"
            "          Dub\u00E9,Zo\u00E9               10135 \u00D6rebro Owls\n"
            "  csv   RFC 4180 in UTF-8 with CR LF line ends, a row a player, list gone or new; a\n"
            "        control character shows as in text:\n"
            "          list,identity,name,team\n"
            "          gone,10135,\"Dub\u00E9,Zo\u00E9\",\u00D6rebro Owls\n"
            "  json  one object in UTF-8, with \"\" for a blank name or team:\n"
            "          {\n"
            "            \"gone\": [\n"
            "              {\"identity\": 10135, \"name\": \"Dub\u00E9,Zo\u00E9\", \"team\": "
            "\"\u00D6rebro Owls\"}\n"
            "            ],\n"
            "            \"new\": []\n"
            "          }\n"
            "With --moved a third list follows: the players of both seasons whose team changed (a\n"
            "trade, a signing or a release), and every row also gives the player's current team:\n"
            "  text  under \"Players who changed teams (N):\", the prior team, \" -> \" and the\n"
            "        current one:\n"
            "          Dub\u00E9,Zo\u00E9               10135 \u00D6rebro Owls -> Lake City "
            "Comets\n"
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
            "A folder may also be a Windows path (C:\\Games\\QEL\\... or Z:\\home\\...). All "
            "three\n"
            "are read through one Wine prefix: $WINEPREFIX (which must be one), else the prefix "
            "the\n"
            "working folder is in when it holds them all, else the one of those holding them all\n"
            "whose season files were written last. Standard error names it when it is not "
            "~/.wine,\n"
            "and the others that hold the same folders with other files. When a prefix that could\n"
            "hold a newer copy can't be checked (a closed folder, an unplugged disk, a search cut\n"
            "short), the lists are printed, standard error says why, and the exit status is 1.\n"
            "Letter case need not match the disk.\n"
            "An empty qelteam.dat is one that can't be read; a non-empty one in other letter case\n"
            "beside it is read instead.\n"
            "\n"
            "--gone and --new write a list as the window's export does (Windows-1252, CR LF),\n"
            "whatever --format says; --moved goes without them. Nothing in the three folders is\n"
            "changed, and the remembered folders of the window are not touched.\n"
            "Exit status: 0 done, 1 a folder or file could not be used, 2 bad usage.\n")};
    return declared;
}

int ReportCommand::run(const QStringList& arguments, const WineEnvironment& wine, std::FILE* out,
                       std::FILE* err) {
    return CommandLineTool::run(declaration(), arguments, out, err,
                                [&wine](CommandLineTool& tool) { return report(tool, wine); });
}

} // namespace zorbin
