// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeagueCommand.h"

#include "CommandLine.h"
#include "SampleLeague.h"
#include "settings/RememberedFolders.h"

#include <algorithm>
#include <optional>
#include <QDir>
#include <QFileInfo>

namespace zorbin::sample {

namespace {

struct Options {
    QString folder;
    std::uint32_t seed = SampleLeague::defaultSeed;
    bool remember = false;
    bool help = false;
    bool version = false;
};

using commandLine::print;

std::optional<Options> parse(const QStringList& arguments, QString* problem) {
    const QCommandLineOption help = commandLine::helpOption();
    const QCommandLineOption version = commandLine::versionOption();
    const QCommandLineOption remember(QStringLiteral("remember"));
    const QCommandLineOption seed = commandLine::valueOption(
        QStringLiteral("seed"), QStringLiteral("a whole number from 0 to 4294967295"));
    QCommandLineParser parser;
    if (auto parseProblem =
            commandLine::parse(parser, {help, version, remember, seed}, arguments)) {
        *problem = std::move(*parseProblem);
        return std::nullopt;
    }

    Options options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.remember = parser.isSet(remember);
    if (parser.isSet(seed)) {
        bool ok = false;
        options.seed = parser.value(seed).toUInt(&ok, 10);
        if (!ok) {
            *problem = QStringLiteral("--seed needs %1").arg(seed.description());
            return std::nullopt;
        }
    }
    const QStringList folders = parser.positionalArguments();
    if (!options.help && !options.version && folders.size() != 1) {
        *problem = QStringLiteral("one output folder is needed, %1 given").arg(folders.size());
        return std::nullopt;
    }
    if (!folders.isEmpty())
        options.folder = folders.front();
    return options;
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

} // namespace

QString SampleLeagueCommand::usage() {
    return QStringLiteral(
               "Usage: zorbin-sample-league OUTPUT_FOLDER [--seed N] [--remember]\n"
               "\n"
               "Writes a made-up QEL league of two seasons to try Zorbin on:\n"
               "  OUTPUT_FOLDER/prior/qelteam.dat and qelplyr.dat   the prior season\n"
               "  OUTPUT_FOLDER/current/qelteam.dat and qelplyr.dat the current season\n"
               "  OUTPUT_FOLDER/master/Mastplyr.dat                 the master players\n"
               "\n"
               "  --seed N     another league (0 to 4294967295; default %1); a seed always gives "
               "the "
               "same one\n"
               "  --remember   also write OUTPUT_FOLDER's remembered-folder files (MissDir.Txt,\n"
               "               QELMdir.txt), so Zorbin started in OUTPUT_FOLDER opens on this "
               "league\n"
               "  --help       show this text\n"
               "  --version    show the program's name and version\n"
               "\n"
               "OUTPUT_FOLDER must be new, empty, or hold an earlier sample league (%2).\n"
               "Exit status: 0 done, 1 the folder could not be used, 2 bad usage.\n")
        .arg(SampleLeague::defaultSeed)
        .arg(markerFileName);
}

int SampleLeagueCommand::run(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QString problem;
    const std::optional<Options> options = parse(arguments, &problem);
    if (const std::optional<int> status =
            commandLine::answerFirst({programName, usage(), options ? nullptr : &problem,
                                      options && options->help, options && options->version},
                                     out, err))
        return *status;

    const QString root = QDir::cleanPath(QDir(options->folder).absolutePath());
    if (const std::optional<QString> refusal = refusalToFill(root)) {
        print(err, *refusal + QLatin1Char('\n'));
        return failure;
    }
    const SampleLeague league(options->seed);
    if (const auto writeFailure = league.writeTo(root)) {
        print(err, writeFailure->message() + QLatin1Char('\n'));
        return failure;
    }
    if (const auto markerFailure = league::LeagueFileWriter::write(
            QDir(root).filePath(markerFileName),
            QStringLiteral("A made-up QEL league written by zorbin-sample-league --seed %1.\n"
                           "Its players are fictional; the folder can be deleted at any time.\n")
                .arg(options->seed)
                .toUtf8())) {
        print(err, markerFailure->message() + QLatin1Char('\n'));
        return failure;
    }

    const QString prior = SampleLeague::priorFolder(root);
    const QString current = SampleLeague::currentFolder(root);
    const QString master = SampleLeague::masterFolder(root);
    print(out,
          QStringLiteral("Sample league (seed %1) written to %2\n"
                         "  prior season    %3: %4 teams, %5 players\n"
                         "  current season  %6: %7 teams, %8 players\n"
                         "  master          %9: %10 players\n")
              .arg(QString::number(options->seed), root, prior)
              .arg(std::count_if(league.priorTeams().begin(), league.priorTeams().end(),
                                 [](const league::TeamEntry& team) { return team.status == 0; }))
              .arg(liveRecords(league.priorPlayers()))
              .arg(current)
              .arg(league.currentTeams().size())
              .arg(liveRecords(league.currentPlayers()))
              .arg(master)
              .arg(liveRecords(league.masterPlayers())));

    if (options->remember) {
        if (const auto saveFailure = RememberedFolders(root).saveFolders(prior, current, master)) {
            print(err, saveFailure->message() + QLatin1Char('\n'));
            return failure;
        }
        print(out,
              QStringLiteral("Zorbin started in %1 opens on these three folders.\n").arg(root));
    }
    return success;
}

} // namespace zorbin::sample
