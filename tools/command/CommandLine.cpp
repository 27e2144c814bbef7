// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "ZorbinVersion.h"

namespace zorbin::commandLine {

namespace {

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString needsValue(const QCommandLineOption& option) {
    return QStringLiteral("%1 needs %2")
        .arg(dashed(option.names().constLast()), option.description());
}

} // namespace

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

std::optional<int> answerFirst(const FirstAnswer& answer, std::FILE* out, std::FILE* err) {
    if (answer.problem) {
        print(err,
              QStringLiteral("%1: %2\n\n").arg(answer.program, *answer.problem) + answer.usage);
        return 2;
    }
    if (answer.help) {
        print(out, answer.usage);
        return 0;
    }
    if (answer.version) {
        print(out, QStringLiteral("%1 %2\n").arg(answer.program, QLatin1String(programVersion)));
        return 0;
    }
    return std::nullopt;
}

QCommandLineOption helpOption() {
    return QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
}

QCommandLineOption versionOption() {
    return QCommandLineOption(QStringLiteral("version"));
}

QCommandLineOption valueOption(const QString& name, const QString& needs) {
    return QCommandLineOption(name, needs, QStringLiteral("value"));
}

std::optional<QString> parse(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                             const QStringList& arguments) {
    parser.addOptions(options);
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList{QString()} + arguments)) {
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return QStringLiteral("unknown option %1").arg(dashed(unknown.constFirst()));
        // Any argument after a value option is taken for its value, so only the last argument can
        // lack one.
        QString last = arguments.isEmpty() ? QString() : arguments.constLast();
        while (last.startsWith(QLatin1Char('-')))
            last.remove(0, 1);
        for (const QCommandLineOption& option : options) {
            if (!option.valueName().isEmpty() && option.names().contains(last))
                return needsValue(option);
        }
        return parser.errorText();
    }
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty() && parser.isSet(option) &&
            parser.values(option).contains(QString()))
            return needsValue(option);
    }
    return std::nullopt;
}

} // namespace zorbin::commandLine
