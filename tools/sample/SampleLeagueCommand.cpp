// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeagueCommand.h"

#include "league/LeagueContext.h"
#include "SampleLeague.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <QDir>
#include <QFileInfo>

namespace zorbin::sample {

namespace {

struct Options {
    QCommandLineOption seed{
        QStringLiteral("seed"),
        QStringLiteral("Writes another league (SEED from 0 to 4294967295; %1 by default); a "
                       "seed always gives the same one.")
            .arg(SampleLeague::defaultSeed),
        QStringLiteral("SEED")};
    QCommandLineOption remember{
        QStringLiteral("remember"),
        QStringLiteral("Also writes OUTPUT_FOLDER's remembered-folder files (MissDir.Txt, "
                       "QELMdir.txt), so that Zorbin started in OUTPUT_FOLDER opens on this "
                       "league.")};
};

const Options& options() {
    static const Options declared;
    return declared;
}

// The folder may be filled when it is new, empty, or holds an earlier sample league; anything else
// may be someone's real league.
std::optional<QString> refusalToFill(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists())
        return std::nullopt;
    if (!info.isDir())
        return QStringLiteral("\"%1\" is not a folder").arg(folder);
    const QDir dir(folder);
    if (dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot) ||
        QFileInfo(dir.filePath(SampleLeagueCommand::markerFileName)).isFile())
        return std::nullopt;
    return QStringLiteral("\"%1\" is not empty and holds no sample league (no %2), so nothing was "
                          "written there; choose a new or empty folder")
        .arg(folder, SampleLeagueCommand::markerFileName);
}

qsizetype liveRecords(const std::vector<league::PlayerEntry>& players) {
    return std::count_if(players.begin(), players.end(),
                         [](const league::PlayerEntry& player) { return player.status == 0; });
}

int writeLeague(CommandLineTool& tool) {
    const QCommandLineParser& parsed = tool.options();
    const Options& option = options();
    std::uint32_t seed = SampleLeague::defaultSeed;
    if (parsed.isSet(option.seed)) {
        bool ok = false;
        seed = parsed.value(option.seed).toUInt(&ok, 10);
        if (!ok)
            return tool.slip(QStringLiteral("--seed needs a whole number from 0 to 4294967295"));
    }
    const QStringList folders = parsed.positionalArguments();
    if (folders.size() != 1)
        return tool.slip(
            QStringLiteral("one output folder is needed, %1 given").arg(folders.size()));

    const QString root = QDir::cleanPath(QDir(folders.front()).absolutePath());
    if (const std::optional<QString> refusal = refusalToFill(root))
        return tool.fail(*refusal);
    const SampleLeague league(seed);
    if (const auto writeFailure = league.writeTo(root))
        return tool.fail(writeFailure->message());
    if (const auto markerFailure = league::LeagueFileWriter::write(
            QDir(root).filePath(SampleLeagueCommand::markerFileName),
            QStringLiteral("A made-up QEL league written by zorbin-sample-league --seed %1.\n"
                           "Its players are fictional; the folder can be deleted at any time.\n")
                .arg(seed)
                .toUtf8()))
        return tool.fail(markerFailure->message());

    const QString prior = SampleLeague::priorFolder(root);
    const QString current = SampleLeague::currentFolder(root);
    const QString master = SampleLeague::masterFolder(root);
    tool.print(
        QStringLiteral("Sample league (seed %1) written to %2\n"
                       "  prior season    %3: %4 teams, %5 players\n"
                       "  current season  %6: %7 teams, %8 players\n"
                       "  master          %9: %10 players\n")
            .arg(QString::number(seed), root, prior)
            .arg(std::count_if(league.priorTeams().begin(), league.priorTeams().end(),
                               [](const league::TeamEntry& team) { return team.status == 0; }))
            .arg(liveRecords(league.priorPlayers()))
            .arg(current)
            .arg(league.currentTeams().size())
            .arg(liveRecords(league.currentPlayers()))
            .arg(master)
            .arg(liveRecords(league.masterPlayers())));

    if (parsed.isSet(option.remember)) {
        if (const auto saveFailure =
                LeagueContext(WineEnvironment{}, root).rememberFolders(prior, current, master))
            return tool.fail(saveFailure->message());
        tool.print(
            QStringLiteral("Zorbin started in %1 opens on these three folders.\n").arg(root));
    }
    return tool.finish(QStringLiteral("the summary"), CommandLineTool::success);
}

} // namespace

const ToolDeclaration& SampleLeagueCommand::declaration() {
    const Options& option = options();
    static const ToolDeclaration declared{
        QStringLiteral("zorbin-sample-league"),
        QStringLiteral("Writes a made-up QEL league of two seasons to try Zorbin on:\n"
                       "  OUTPUT_FOLDER/prior/qelteam.dat and qelplyr.dat   the prior season\n"
                       "  OUTPUT_FOLDER/current/qelteam.dat and qelplyr.dat the current season\n"
                       "  OUTPUT_FOLDER/master/Mastplyr.dat                 the master players"),
        {option.seed, option.remember},
        {{QStringLiteral("OUTPUT_FOLDER"),
          QStringLiteral("A new or empty folder, or one that holds an earlier sample league "
                         "(%1).")
              .arg(markerFileName)}},
        QStringLiteral("Exit status: 0 done, 1 the folder could not be used, 2 bad usage.\n")};
    return declared;
}

int SampleLeagueCommand::run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    return CommandLineTool::run(declaration(), arguments, out, err, writeLeague);
}

} // namespace zorbin::sample
