// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/RunMessage.h"

#include <cstdio>
#include <functional>
#include <QByteArrayView>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// A positional argument of a tool, as --help lists it.
struct ToolArgument {
    QString name;        // "PRIOR_FOLDER", as slips name it too
    QString description; // a sentence
    QString syntax = {}; // how the usage line shows it, when not by its name: "[SEASON_FOLDER...]"
};

// What a tool is, declared once: the parser reads the arguments by it, and --help is made of it
// by Qt's parser, so that no option is described twice.
struct ToolDeclaration {
    QString name;                      // "zorbin-report"
    QString description;               // what the tool does, under the usage line
    QList<QCommandLineOption> options; // besides --help and --version, in the order --help lists
    QList<ToolArgument> arguments;
    QString epilogue; // after Qt's lists: the forms, examples and exit status
};

// How every tool ends, as each documents it.
struct ExitStatus {
    static constexpr int success = 0;
    static constexpr int failure = 1; // a folder or file could not be used
    static constexpr int badUsage = 2;
};

// One run of a command-line tool, from its arguments to its exit status. Every tool starts here
// (run()), and what it prints goes through here, so that each line on standard error begins with
// the program's name and a usage slip reads alike in every tool.
class CommandLineTool : public ExitStatus {
public:
    using Work = std::function<int(CommandLineTool& tool)>;

    // Reads `arguments` (without the program's name) by `declaration`: --help and --version are
    // answered on `out`, status 0; a slip (an unknown option, an option without its value, an
    // empty argument, which an unset shell variable gives) is told in one line with a pointer to
    // --help, status 2. Otherwise `work` does the tool's work and gives the status.
    [[nodiscard]] static int run(const ToolDeclaration& declaration, const QStringList& arguments,
                                 std::FILE* out, std::FILE* err, const Work& work);

    // main()'s arguments after the program's name, decoded as the system decodes file names.
    [[nodiscard]] static QStringList arguments(int argc, char* argv[]);

    // The options and positional arguments, as read.
    [[nodiscard]] const QCommandLineParser& options() const { return parser_; }

    // A slip found by the tool itself; the status to end with.
    [[nodiscard]] int slip(const QString& problem) const;
    // One line on standard error.
    void say(const QString& line) const;
    // Says `line`; the failure status.
    [[nodiscard]] int fail(const QString& line) const;
    // Says each of a run's messages; the status they leave the run with: failure when one of them
    // fails a tool's run (RunMessage::failsAToolRun), else success.
    [[nodiscard]] int tell(const QList<RunMessage>& messages) const;

    // Standard output, a part at a time: after a failed write nothing more is tried.
    void write(QByteArrayView bytes);
    // `text` on standard output in the locale's encoding, as a terminal expects it.
    void print(const QString& text);
    // Once everything is written: `status`, or, when standard output failed, the failure, having
    // said why and that `what` ("the lists") could not be written.
    [[nodiscard]] int finish(const QString& what, int status);

private:
    CommandLineTool(const ToolDeclaration& declaration, std::FILE* out, std::FILE* err);

    const ToolDeclaration& declaration_;
    QCommandLineParser parser_;
    std::FILE* out_;
    std::FILE* err_;
    int writeError_ = 0;
};

} // namespace zorbin
