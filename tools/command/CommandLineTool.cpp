// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineTool.h"

#include "PrintedBytes.h"
#include "ZorbinVersion.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <QFile>

namespace zorbin {

namespace {

// Qt's own words for these.
const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Displays help on commandline options."));
const QCommandLineOption versionOption(QStringLiteral("version"),
                                       QStringLiteral("Displays version information."));

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString needsValue(const QCommandLineOption& option) {
    return QStringLiteral("%1 needs %2")
        .arg(dashed(option.names().constLast()), option.valueName());
}

void printText(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// What is wrong with `arguments`, as read by `parser` into `declaration`'s options; nothing when
// the tool can go on.
std::optional<QString> slipIn(QCommandLineParser& parser, const ToolDeclaration& declaration,
                              const QStringList& arguments) {
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList{QString()} + arguments)) {
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return QStringLiteral("unknown option %1").arg(dashed(unknown.constFirst()));
        // Any argument after a value option is taken for its value, so only the last argument can
        // lack one.
        QString last = arguments.isEmpty() ? QString() : arguments.constLast();
        while (last.startsWith(QLatin1Char('-')))
            last.remove(0, 1);
        for (const QCommandLineOption& option : declaration.options) {
            if (!option.valueName().isEmpty() && option.names().contains(last))
                return needsValue(option);
        }
        return parser.errorText();
    }
    for (const QCommandLineOption& option : declaration.options) {
        if (!option.valueName().isEmpty() && parser.isSet(option) &&
            parser.values(option).contains(QString()))
            return needsValue(option);
    }
    return std::nullopt;
}

// An empty argument: what an unset shell variable gives, which would name no folder.
std::optional<QString> emptyArgument(const QCommandLineParser& parser,
                                     const ToolDeclaration& declaration) {
    const QStringList positional = parser.positionalArguments();
    for (qsizetype at = 0; at < positional.size() && !declaration.arguments.isEmpty(); ++at) {
        if (positional[at].isEmpty())
            return QStringLiteral("%1 is empty")
                .arg(declaration.arguments[std::min(at, declaration.arguments.size() - 1)].name);
    }
    return std::nullopt;
}

// Qt's help text, under the tool's own name, then what the declaration adds.
QString helpText(QCommandLineParser& parser, const ToolDeclaration& declaration) {
    QString text = parser.helpText();
    // Qt names the program by the process's first argument, which a tool run in a test lacks.
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    if (text.startsWith(QLatin1String("Usage: ")) && options > 0)
        text.replace(0, options, QStringLiteral("Usage: ") + declaration.name);
    if (!declaration.epilogue.isEmpty())
        text += QLatin1Char('\n') + declaration.epilogue;
    return text;
}

} // namespace

CommandLineTool::CommandLineTool(const ToolDeclaration& declaration, std::FILE* out, std::FILE* err)
    : declaration_(declaration), out_(out), err_(err) {}

int CommandLineTool::run(const ToolDeclaration& declaration, const QStringList& arguments,
                         std::FILE* out, std::FILE* err, const Work& work) {
    CommandLineTool tool(declaration, out, err);
    QCommandLineParser& parser = tool.parser_;
    parser.setApplicationDescription(declaration.description);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOptions(declaration.options);
    for (const ToolArgument& argument : declaration.arguments)
        parser.addPositionalArgument(argument.name, argument.description, argument.syntax);

    if (const std::optional<QString> slip = slipIn(parser, declaration, arguments))
        return tool.slip(*slip);
    if (parser.isSet(helpOption)) {
        printText(out, helpText(parser, declaration));
        return success;
    }
    if (parser.isSet(versionOption)) {
        printText(out,
                  QStringLiteral("%1 %2\n").arg(declaration.name, QLatin1String(programVersion)));
        return success;
    }
    if (const std::optional<QString> slip = emptyArgument(parser, declaration))
        return tool.slip(*slip);
    return work(tool);
}

QStringList CommandLineTool::arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    return arguments;
}

int CommandLineTool::slip(const QString& problem) const {
    say(problem);
    printText(err_, QStringLiteral("Try '%1 --help'.\n").arg(declaration_.name));
    return badUsage;
}

void CommandLineTool::say(const QString& line) const {
    // A folder's name may hold a line break or a terminal's control sequence: it shows as the
    // text form shows one, and the line stays one line.
    QByteArray said;
    printedBytes::appendText(said, QString(declaration_.name + QStringLiteral(": ") + line));
    said += '\n';
    std::fwrite(said.constData(), 1, static_cast<std::size_t>(said.size()), err_);
}

int CommandLineTool::fail(const QString& line) const {
    say(line);
    return failure;
}

int CommandLineTool::tell(const QList<RunMessage>& messages) const {
    int status = success;
    for (const RunMessage& message : messages) {
        say(message.text);
        if (message.failsAToolRun())
            status = failure;
    }
    return status;
}

void CommandLineTool::write(QByteArrayView bytes) {
    const auto size = static_cast<std::size_t>(bytes.size());
    errno = 0;
    if (writeError_ == 0 && std::fwrite(bytes.data(), 1, size, out_) != size)
        writeError_ = errno != 0 ? errno : EIO;
}

void CommandLineTool::print(const QString& text) {
    write(text.toLocal8Bit());
}

int CommandLineTool::finish(const QString& what, int status) {
    errno = 0;
    if (writeError_ == 0 && (std::fflush(out_) != 0 || std::ferror(out_)))
        writeError_ = errno != 0 ? errno : EIO;
    if (writeError_ == 0)
        return status;
    return fail(QStringLiteral("Could not write %1 to standard output: %2")
                    .arg(what, qt_error_string(writeError_)));
}

} // namespace zorbin
