// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFormat.h"

#include "records/Windows1252.h"

#include <algorithm>
#include <QString>

namespace zorbin::reportformat {

namespace {

constexpr qsizetype nameColumnWidth = 21;

[[nodiscard]] bool isControl(QChar character) {
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// A league file is untrusted input, and a control character on a terminal can move the cursor,
// rewrite what is already shown or retitle the window.
[[nodiscard]] QString shownText(const QByteArray& bytes) {
    QString text = windows1252::decode(bytes);
    std::replace_if(text.begin(), text.end(), isControl, QChar(QChar::ReplacementCharacter));
    return text;
}

void appendTextList(QString& out, QStringView heading, const QList<ReportRow>& rows) {
    out += QStringLiteral("%1 (%2):\n").arg(heading).arg(rows.size());
    for (const ReportRow& row : rows) {
        const QString name = shownText(row.name);
        out += name;
        // Every Windows-1252 character takes one column, so the padding counts characters.
        out += QString(std::max<qsizetype>(nameColumnWidth - name.size(), 0) + 2, QLatin1Char(' '));
        out += QString::number(row.identity);
        out += QLatin1Char(' ');
        out += shownText(row.team);
        out += QLatin1Char('\n');
    }
}

// Quoted only when needed, as RFC 4180 puts it; also around control characters and edge spaces,
// which some readers would otherwise drop or take for a line end.
void appendCsvField(QString& out, const QByteArray& bytes) {
    const QString text = windows1252::decode(bytes);
    const bool quoted =
        std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c == u',' || c == u'"' || isControl(c); }) ||
        text.startsWith(u' ') || text.endsWith(u' ');
    if (!quoted) {
        out += text;
        return;
    }
    out += u'"';
    for (const QChar character : text) {
        if (character == u'"')
            out += u'"';
        out += character;
    }
    out += u'"';
}

void appendCsvList(QString& out, QLatin1StringView list, const QList<ReportRow>& rows) {
    for (const ReportRow& row : rows) {
        out += list;
        out += u',';
        out += QString::number(row.identity);
        out += u',';
        appendCsvField(out, row.name);
        out += u',';
        appendCsvField(out, row.team);
        out += QLatin1StringView("\r\n");
    }
}

// RFC 8259 asks only for characters below U+0020 to be escaped; DEL and the C1 controls are too,
// so that printing the document on a terminal is as safe as the text form, with the same text.
void appendJsonString(QString& out, const QByteArray& bytes) {
    out += u'"';
    for (const QChar character : windows1252::decode(bytes)) {
        if (character == u'"' || character == u'\\') {
            out += u'\\';
            out += character;
        } else if (isControl(character)) {
            out += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += character;
        }
    }
    out += u'"';
}

void appendJsonList(QString& out, QLatin1StringView list, const QList<ReportRow>& rows) {
    out += QLatin1StringView("  \"");
    out += list;
    out += QLatin1StringView("\": [");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += QLatin1StringView(i == 0 ? "\n    {\"identity\": " : ",\n    {\"identity\": ");
        out += QString::number(rows[i].identity);
        out += QLatin1StringView(", \"name\": ");
        appendJsonString(out, rows[i].name);
        out += QLatin1StringView(", \"team\": ");
        appendJsonString(out, rows[i].team);
        out += u'}';
    }
    out += QLatin1StringView(rows.isEmpty() ? "]" : "\n  ]");
}

// A line takes some 60 characters; reserving them keeps the appends from reallocating.
[[nodiscard]] QString reserved(const QList<ReportRow>& gone, const QList<ReportRow>& arrived) {
    QString out;
    out.reserve(256 + 64 * (gone.size() + arrived.size()));
    return out;
}

} // namespace

std::optional<Format> named(QStringView name) {
    if (name == u"text")
        return Format::Text;
    if (name == u"csv")
        return Format::Csv;
    if (name == u"json")
        return Format::Json;
    return std::nullopt;
}

QByteArray format(Format format, const QList<ReportRow>& gone, const QList<ReportRow>& arrived) {
    QString out = reserved(gone, arrived);
    switch (format) {
    case Format::Text:
        appendTextList(out, u"Players of the prior season missing from the current one", gone);
        appendTextList(out, u"Players of the current season missing from the prior one", arrived);
        return out.toLocal8Bit();
    case Format::Csv:
        out += QLatin1StringView("list,identity,name,team\r\n");
        appendCsvList(out, QLatin1StringView("gone"), gone);
        appendCsvList(out, QLatin1StringView("new"), arrived);
        return out.toUtf8();
    case Format::Json:
        out += QLatin1StringView("{\n");
        appendJsonList(out, QLatin1StringView("gone"), gone);
        out += QLatin1StringView(",\n");
        appendJsonList(out, QLatin1StringView("new"), arrived);
        out += QLatin1StringView("\n}\n");
        return out.toUtf8();
    }
    return {};
}

} // namespace zorbin::reportformat
