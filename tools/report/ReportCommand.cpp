// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportCommand.h"

#include "compare/ComparisonRun.h"
#include "export/ListFileWriter.h"
#include "files/UserPath.h"
#include "records/CaseInsensitivePath.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"

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

// The folder as a folder list shows it: absolute, with a trailing separator only at the root.
QString folderText(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// The path box text a picker column would produce: folder, "/", the file's name as it is on disk;
// empty when the folder holds no such file.
QString pathText(const QString& folder, const QString& fileName) {
    const QString found = CaseInsensitivePath::resolve(folder + QLatin1Char('/') + fileName);
    if (!QFileInfo(found).isFile())
        return {};
    return folder + QLatin1Char('/') + QFileInfo(found).fileName();
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
        const auto resolved = UserPath::resolve(given, wine);
        if (const auto* unusable = std::get_if<FileFailure>(&resolved)) {
            print(err, unusable->message() + QLatin1Char('\n'));
            return failure;
        }
        const QString folder = std::get<UserPath::Resolved>(resolved).path;
        if (!QFileInfo(folder).isDir()) {
            print(err, QStringLiteral("Could not read folder \"%1\": %2\n")
                           .arg(folder, QFileInfo::exists(folder) ? qt_error_string(ENOTDIR)
                                                                  : qt_error_string(ENOENT)));
            return failure;
        }
        folders.append(folder);
    }

    ComparisonInput input;
    input.priorFolder = folderText(folders[0]);
    input.currentFolder = folderText(folders[1]);
    input.masterFolder = folderText(folders[2]);
    input.priorPlayerFile = pathText(input.priorFolder, PlayerRecord::fileName);
    input.currentPlayerFile = pathText(input.currentFolder, PlayerRecord::fileName);
    input.masterPlayerFile = pathText(input.masterFolder, MasterPlayerRecord::fileName);

    if (input.priorPlayerFile.isEmpty() || input.currentPlayerFile.isEmpty()) {
        print(err, ComparisonRun::missingPlayerFileMessage + QLatin1Char('\n'));
        return failure;
    }
    if (input.masterPlayerFile.isEmpty()) {
        const QString masterPath =
            input.masterFolder + QLatin1Char('/') + MasterPlayerRecord::fileName;
        if (!QFileInfo::exists(CaseInsensitivePath::resolve(masterPath))) {
            print(err, QStringLiteral("Could not read \"%1\": %2\n")
                           .arg(masterPath, qt_error_string(ENOENT)));
            return failure;
        }
        // Something that is not a file, such as a folder or a FIFO: the run names what is wrong.
        input.masterPlayerFile = masterPath;
    }

    const ComparisonResult result = ComparisonRun(nullptr).run(input);
    if (!result.message.isEmpty()) {
        print(err, result.message + QLatin1Char('\n'));
        return failure;
    }

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
        if (const auto writeFailure = ListFileWriter::write(file, *lines)) {
            print(err, writeFailure->message() + QLatin1Char('\n'));
            return failure;
        }
    }
    return success;
}

} // namespace zorbin
