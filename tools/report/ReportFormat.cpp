// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFormat.h"

#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <QString>

namespace zorbin::reportformat {

namespace {

[[nodiscard]] bool isControl(QChar character) {
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

enum class Teams { Prior, PriorAndCurrent };

// A byte as each format prints it: its character in the output's encoding, or what stands for it.
// Looked up byte by byte and copied whole, eight bytes at a time, into the output's own bytes: a
// report holds up to 22,768 rows, and building a string of characters first and encoding it after
// cost more than all the rest of the printing.
struct Printed {
    std::array<char, 8> bytes{};
    std::uint8_t size = 0;
};
using PrintedBytes = std::array<Printed, 256>;

[[nodiscard]] Printed printed(QByteArrayView text) {
    Printed printed;
    std::copy(text.begin(), text.end(), printed.bytes.begin());
    printed.size = static_cast<std::uint8_t>(text.size());
    return printed;
}

struct Encodings {
    PrintedBytes text; // in the locale's encoding, a control character as U+FFFD
    PrintedBytes csv;  // a double quote doubled
    PrintedBytes json; // RFC 8259's escapes
    std::array<bool, 256> needsCsvQuotes{};
};

[[nodiscard]] const Encodings& encodings() {
    static const Encodings table = [] {
        static constexpr char hexDigits[] = "0123456789abcdef";
        QByteArray bytes(256, Qt::Uninitialized);
        for (int code = 0; code < 256; ++code)
            bytes[code] = static_cast<char>(code);
        // Each byte's character as the window decodes it.
        const QString characters = windows1252::decode(bytes);
        Encodings encodings;
        for (int code = 0; code < 256; ++code) {
            const QChar decoded = characters[code];
            const QByteArray utf8 = QString(decoded).toUtf8();
            const bool control = isControl(decoded);
            const auto at = static_cast<std::size_t>(code);
            // A league file is untrusted input, and a control character on a terminal can move
            // the cursor, rewrite what is already shown or retitle the window.
            encodings.text[at] = printed(
                QString(control ? QChar(QChar::ReplacementCharacter) : decoded).toLocal8Bit());
            encodings.csv[at] = printed(decoded == u'"' ? QByteArrayView("\"\"") : utf8);
            // RFC 8259 asks only for characters below U+0020 to be escaped; DEL and the C1
            // controls are too, so that printing the document on a terminal is as safe as the
            // text form, with the same text.
            if (decoded == u'"' || decoded == u'\\') {
                encodings.json[at] = printed(QByteArray(1, '\\') + utf8);
            } else if (control) {
                encodings.json[at] =
                    printed(QByteArray("\\u00") + hexDigits[decoded.unicode() >> 4] +
                            hexDigits[decoded.unicode() & 0xF]);
            } else {
                encodings.json[at] = printed(utf8);
            }
            // Also around control characters, which some readers would otherwise drop or take for
            // a line end.
            encodings.needsCsvQuotes[at] = control || decoded == u',' || decoded == u'"';
        }
        return encodings;
    }();
    return table;
}

void appendPrinted(QByteArray& out, const QByteArray& bytes, const PrintedBytes& table) {
    const qsizetype start = out.size();
    // Room for a whole entry after the last one.
    out.resize(start + bytes.size() * qsizetype(sizeof(Printed::bytes)));
    char* at = out.data() + start;
    for (const char byte : bytes) {
        const Printed& entry = table[static_cast<unsigned char>(byte)];
        std::memcpy(at, entry.bytes.data(), sizeof entry.bytes);
        at += entry.size;
    }
    out.resize(at - out.constData());
}

void appendNumber(QByteArray& out, int number) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end - digits);
}

void appendTextList(QByteArray& out, QByteArrayView heading, const QList<ReportRow>& rows,
                    Teams teams) {
    const PrintedBytes& shown = encodings().text;
    out += heading;
    out += " (";
    appendNumber(out, static_cast<int>(rows.size()));
    out += "):\n";
    for (const ReportRow& row : rows) {
        appendPrinted(out, row.name, shown);
        // One character a byte, each one column wide: padding by bytes is padding by columns.
        out.append(reportLayout::spacesAfterName(row.name.size()), ' ');
        appendNumber(out, row.identity);
        out += reportLayout::afterIdentity;
        appendPrinted(out, row.team, shown);
        if (teams == Teams::PriorAndCurrent) {
            out += " -> ";
            appendPrinted(out, row.currentTeam, shown);
        }
        out += '\n';
    }
}

// Quoted only when needed, as RFC 4180 puts it; also around edge spaces, which some readers drop.
void appendCsvField(QByteArray& out, const QByteArray& bytes) {
    const Encodings& table = encodings();
    const bool quoted =
        std::any_of(bytes.begin(), bytes.end(),
                    [&table](char byte) {
                        return table.needsCsvQuotes[static_cast<unsigned char>(byte)];
                    }) ||
        bytes.startsWith(' ') || bytes.endsWith(' ');
    if (quoted)
        out += '"';
    appendPrinted(out, bytes, table.csv);
    if (quoted)
        out += '"';
}

void appendCsvList(QByteArray& out, QByteArrayView list, const QList<ReportRow>& rows,
                   Teams teams) {
    for (const ReportRow& row : rows) {
        out += list;
        out += ',';
        appendNumber(out, row.identity);
        out += ',';
        appendCsvField(out, row.name);
        out += ',';
        appendCsvField(out, row.team);
        if (teams == Teams::PriorAndCurrent) {
            out += ',';
            appendCsvField(out, row.currentTeam);
        }
        out += "\r\n";
    }
}

void appendJsonString(QByteArray& out, const QByteArray& bytes) {
    out += '"';
    appendPrinted(out, bytes, encodings().json);
    out += '"';
}

void appendJsonList(QByteArray& out, QByteArrayView list, const QList<ReportRow>& rows,
                    Teams teams) {
    out += "  \"";
    out += list;
    out += "\": [";
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += i == 0 ? "\n    {\"identity\": " : ",\n    {\"identity\": ";
        appendNumber(out, rows[i].identity);
        out += ", \"name\": ";
        appendJsonString(out, rows[i].name);
        out += ", \"team\": ";
        appendJsonString(out, rows[i].team);
        if (teams == Teams::PriorAndCurrent) {
            out += ", \"currentTeam\": ";
            appendJsonString(out, rows[i].currentTeam);
        }
        out += '}';
    }
    out += rows.isEmpty() ? "]" : "\n  ]";
}

// A line takes some 60 characters; reserving them keeps the appends from reallocating.
[[nodiscard]] qsizetype expectedSize(const SeasonLists& lists) {
    return 256 + 64 * (lists.leftRows.size() + lists.arrivedRows.size() + lists.movedRows.size());
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
    QByteArray out;
    // Names and teams take up to three bytes a character in UTF-8.
    out.reserve(2 * expectedSize(lists));
    switch (format) {
    case Format::Text:
        // The two lists read as they do without the moved one, which only the third list needs.
        appendTextList(out, "Players of the prior season missing from the current one",
                       lists.leftRows, Teams::Prior);
        appendTextList(out, "Players of the current season missing from the prior one",
                       lists.arrivedRows, Teams::Prior);
        if (withMoved)
            appendTextList(out, "Players who changed teams", lists.movedRows, teams);
        return out;
    case Format::Csv:
        out +=
            withMoved ? "list,identity,name,team,currentTeam\r\n" : "list,identity,name,team\r\n";
        appendCsvList(out, "gone", lists.leftRows, teams);
        appendCsvList(out, "new", lists.arrivedRows, teams);
        if (withMoved)
            appendCsvList(out, "moved", lists.movedRows, teams);
        return out;
    case Format::Json:
        out += "{\n";
        appendJsonList(out, "gone", lists.leftRows, teams);
        out += ",\n";
        appendJsonList(out, "new", lists.arrivedRows, teams);
        if (withMoved) {
            out += ",\n";
            appendJsonList(out, "moved", lists.movedRows, teams);
        }
        out += "\n}\n";
        return out;
    }
    return {};
}

} // namespace zorbin::reportformat
