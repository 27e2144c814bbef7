// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFormat.h"

#include "records/Windows1252.h"

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

// A byte as CSV or JSON prints it: its character in UTF-8, or the escape that stands for it. Looked
// up byte by byte and copied whole, eight bytes at a time, into the document's own UTF-8 bytes: a
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
    PrintedBytes csv;  // a double quote doubled
    PrintedBytes json; // RFC 8259's escapes
    std::array<bool, 256> needsCsvQuotes{};
};

[[nodiscard]] const Encodings& encodings() {
    static const Encodings table = [] {
        static constexpr char hexDigits[] = "0123456789abcdef";
        Encodings encodings;
        for (int code = 0; code < 256; ++code) {
            const QChar decoded = characters()[static_cast<std::size_t>(code)];
            const QByteArray utf8 = QString(decoded).toUtf8();
            const bool control = isControl(decoded);
            const auto at = static_cast<std::size_t>(code);
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
    switch (format) {
    case Format::Text: {
        QString text;
        text.reserve(expectedSize(lists));
        // The two lists read as they do without the moved one, which only the third list needs.
        appendTextList(text, u"Players of the prior season missing from the current one",
                       lists.leftRows, Teams::Prior);
        appendTextList(text, u"Players of the current season missing from the prior one",
                       lists.arrivedRows, Teams::Prior);
        if (withMoved)
            appendTextList(text, u"Players who changed teams", lists.movedRows, teams);
        return text.toLocal8Bit();
    }
    case Format::Csv:
        // Names and teams take up to three bytes a character in UTF-8.
        out.reserve(2 * expectedSize(lists));
        out +=
            withMoved ? "list,identity,name,team,currentTeam\r\n" : "list,identity,name,team\r\n";
        appendCsvList(out, "gone", lists.leftRows, teams);
        appendCsvList(out, "new", lists.arrivedRows, teams);
        if (withMoved)
            appendCsvList(out, "moved", lists.movedRows, teams);
        return out;
    case Format::Json:
        out.reserve(2 * expectedSize(lists));
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
