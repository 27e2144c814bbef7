// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <optional>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// The tools' arguments are read by QCommandLineParser; these keep what the tools tell a user in
// their own words and leave --help and --version to the tool, since the parser's own versions end
// the process.
namespace zorbin::commandLine {

// Text in the locale's encoding, as a terminal expects it.
void print(std::FILE* stream, const QString& text);

// "--help" and "-h".
[[nodiscard]] QCommandLineOption helpOption();
[[nodiscard]] QCommandLineOption versionOption();
// An option that takes a value; `needs` says what in the problem a missing or empty one gives
// ("--gone needs a file name").
[[nodiscard]] QCommandLineOption valueOption(const QString& name, const QString& needs);

// Adds `options` to `parser` and parses `arguments` (without the program's name). Nothing when they
// parse and every value option given has a value; otherwise the problem, such as
// "unknown option --bogus".
// What every tool does before its own work: a usage problem is printed on `err` with the usage
// text (status 2), --help prints the usage text and --version the program's name and version on
// `out` (status 0). Nothing when the tool goes on with its work.
struct FirstAnswer {
    QString program;
    QString usage;
    const QString* problem; // the problem with the arguments; null when they could be read
    bool help;
    bool version;
};
[[nodiscard]] std::optional<int> answerFirst(const FirstAnswer& answer, std::FILE* out,
                                             std::FILE* err);

[[nodiscard]] std::optional<QString> parse(QCommandLineParser& parser,
                                           const QList<QCommandLineOption>& options,
                                           const QStringList& arguments);

} // namespace zorbin::commandLine
