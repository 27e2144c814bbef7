// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFormat.h"

#include "records/Windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <QString>

namespace zorbin::reportformat {

namespace {

[[nodiscard]] bool isControl(QChar character) {
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// Each byte's character as the window decodes it, looked up byte by byte: a report holds up to
// 22,768 rows, and decoding each field into a string of its own would cost more than the rest.
[[nodiscard]] const std::array<QChar, 256>& characters() {
    static const std::array<QChar, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int code = 0; code < 256; ++code)
            bytes[code] = static_cast<char>(code);
        const QString decoded = windows1252::decode(bytes);
        std::array<QChar, 256> characters;
        std::copy(decoded.begin(), decoded.end(), characters.begin());
        return characters;
    }();
    return table;
}

[[nodiscard]] QChar character(const std::array<QChar, 256>& table, char byte) {
    return table[static_cast<unsigned char>(byte)];
}

void appendNumber(QString& out, int number) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out += QLatin1StringView(digits, end);
}

// A league file is untrusted input, and a control character on a terminal can move the cursor,
// rewrite what is already shown or retitle the window.
void appendShown(QString& out, const QByteArray& bytes) {
    const auto& table = characters();
    for (const char byte : bytes) {
        const QChar shown = character(table, byte);
        out += isControl(shown) ? QChar(QChar::ReplacementCharacter) : shown;
    }
}

enum class Teams { Prior, PriorAndCurrent };

void appendTextList(QString& out, QStringView heading, const QList<ReportRow>& rows, Teams teams) {
    out += heading;
    out += QLatin1StringView(" (");
    appendNumber(out, static_cast<int>(rows.size()));
    out += QLatin1StringView("):\n");
    for (const ReportRow& row : rows) {
        appendShown(out, row.name);
        // One character a byte, each one column wide: padding by bytes is padding by columns.
        out.resize(out.size() + reportLayout::spacesAfterName(row.name.size()), u' ');
        appendNumber(out, row.identity);
        out += QLatin1Char(reportLayout::afterIdentity);
        appendShown(out, row.team);
        if (teams == Teams::PriorAndCurrent) {
            out += QLatin1StringView(" -> ");
            appendShown(out, row.currentTeam);
        }
        out += u'\n';
    }
}

// Quoted only when needed, as RFC 4180 puts it; also around control characters and edge spaces,
// which some readers would otherwise drop or take for a line end.
void appendCsvField(QString& out, const QByteArray& bytes) {
    const auto& table = characters();
    const bool quoted =
        std::any_of(bytes.begin(), bytes.end(),
                    [&table](char byte) {
                        return byte == ',' || byte == '"' || isControl(character(table, byte));
                    }) ||
        bytes.startsWith(' ') || bytes.endsWith(' ');
    if (quoted)
        out += u'"';
    for (const char byte : bytes) {
        if (byte == '"')
            out += u'"';
        out += character(table, byte);
    }
    if (quoted)
        out += u'"';
}

void appendCsvList(QString& out, QLatin1StringView list, const QList<ReportRow>& rows,
                   Teams teams) {
    for (const ReportRow& row : rows) {
        out += list;
        out += u',';
        appendNumber(out, row.identity);
        out += u',';
        appendCsvField(out, row.name);
        out += u',';
        appendCsvField(out, row.team);
        if (teams == Teams::PriorAndCurrent) {
            out += u',';
            appendCsvField(out, row.currentTeam);
        }
        out += QLatin1StringView("\r\n");
    }
}

// RFC 8259 asks only for characters below U+0020 to be escaped; DEL and the C1 controls are too,
// so that printing the document on a terminal is as safe as the text form, with the same text.
void appendJsonString(QString& out, const QByteArray& bytes) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    const auto& table = characters();
    out += u'"';
    for (const char byte : bytes) {
        const QChar decoded = character(table, byte);
        if (decoded == u'"' || decoded == u'\\') {
            out += u'\\';
            out += decoded;
        } else if (isControl(decoded)) {
            out += QLatin1StringView("\\u00");
            out += QLatin1Char(hexDigits[decoded.unicode() >> 4]);
            out += QLatin1Char(hexDigits[decoded.unicode() & 0xF]);
        } else {
            out += decoded;
        }
    }
    out += u'"';
}

void appendJsonList(QString& out, QLatin1StringView list, const QList<ReportRow>& rows,
                    Teams teams) {
    out += QLatin1StringView("  \"");
    out += list;
    out += QLatin1StringView("\": [");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += QLatin1StringView(i == 0 ? "\n    {\"identity\": " : ",\n    {\"identity\": ");
        appendNumber(out, rows[i].identity);
        out += QLatin1StringView(", \"name\": ");
        appendJsonString(out, rows[i].name);
        out += QLatin1StringView(", \"team\": ");
        appendJsonString(out, rows[i].team);
        if (teams == Teams::PriorAndCurrent) {
            out += QLatin1StringView(", \"currentTeam\": ");
            appendJsonString(out, rows[i].currentTeam);
        }
        out += u'}';
    }
    out += QLatin1StringView(rows.isEmpty() ? "]" : "\n  ]");
}

// A line takes some 60 characters; reserving them keeps the appends from reallocating.
[[nodiscard]] QString reserved(const SeasonLists& lists) {
    QString out;
    out.reserve(256 +
                64 * (lists.leftRows.size() + lists.arrivedRows.size() + lists.movedRows.size()));
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

QByteArray format(Format format, const SeasonLists& lists, MovedRows moved) {
    const bool withMoved = moved == MovedRows::Included;
    const Teams teams = withMoved ? Teams::PriorAndCurrent : Teams::Prior;
    QString out = reserved(lists);
    switch (format) {
    case Format::Text:
        // The two lists read as they do without the moved one, which only the third list needs.
        appendTextList(out, u"Players of the prior season missing from the current one",
                       lists.leftRows, Teams::Prior);
        appendTextList(out, u"Players of the current season missing from the prior one",
                       lists.arrivedRows, Teams::Prior);
        if (withMoved)
            appendTextList(out, u"Players who changed teams", lists.movedRows, teams);
        return out.toLocal8Bit();
    case Format::Csv:
        out += QLatin1StringView(withMoved ? "list,identity,name,team,currentTeam\r\n"
                                           : "list,identity,name,team\r\n");
        appendCsvList(out, QLatin1StringView("gone"), lists.leftRows, teams);
        appendCsvList(out, QLatin1StringView("new"), lists.arrivedRows, teams);
        if (withMoved)
            appendCsvList(out, QLatin1StringView("moved"), lists.movedRows, teams);
        return out.toUtf8();
    case Format::Json:
        out += QLatin1StringView("{\n");
        appendJsonList(out, QLatin1StringView("gone"), lists.leftRows, teams);
        out += QLatin1StringView(",\n");
        appendJsonList(out, QLatin1StringView("new"), lists.arrivedRows, teams);
        if (withMoved) {
            out += QLatin1StringView(",\n");
            appendJsonList(out, QLatin1StringView("moved"), lists.movedRows, teams);
        }
        out += QLatin1StringView("\n}\n");
        return out.toUtf8();
    }
    return {};
}

} // namespace zorbin::reportformat
