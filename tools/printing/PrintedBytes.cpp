// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrintedBytes.h"

#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <QString>

namespace zorbin::printedBytes {

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

[[nodiscard]] bool isControl(QChar character) {
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// A byte as each form prints it: its character in the output's encoding, or what stands for it.
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

// What each form makes of one character; the same for a decoded game byte and a character of a
// text of this system.
[[nodiscard]] QString shownAsText(QChar character) {
    return QString(isControl(character) ? QChar(QChar::ReplacementCharacter) : character);
}

// A control character is no more welcome in a CSV file printed on a terminal, or read by a reader
// that takes it for a line end, than in the text form.
[[nodiscard]] QString shownInCsv(QChar character) {
    return character == u'"' ? QStringLiteral("\"\"") : shownAsText(character);
}

// RFC 8259 asks only for characters below U+0020 to be escaped; DEL and the C1 controls are too,
// so that printing the document on a terminal is as safe as the text form, with the same text.
[[nodiscard]] QString shownInJson(QChar character) {
    if (character == u'"' || character == u'\\')
        return QStringLiteral("\\") + character;
    if (isControl(character)) {
        const char16_t code = character.unicode();
        return QStringLiteral("\\u00") + QLatin1Char(hexDigits[code >> 4]) +
               QLatin1Char(hexDigits[code & 0xF]);
    }
    return QString(character);
}

[[nodiscard]] QString shownInHtml(QChar character) {
    switch (character.unicode()) {
    case u'&':
        return QStringLiteral("&amp;");
    case u'<':
        return QStringLiteral("&lt;");
    case u'>':
        return QStringLiteral("&gt;");
    case u'"':
        return QStringLiteral("&quot;");
    case u'\'':
        return QStringLiteral("&#39;");
    default:
        return shownAsText(character);
    }
}

[[nodiscard]] bool needsCsvQuotes(QChar character) {
    return character == u',' || character == u'"';
}

struct Encodings {
    PrintedBytes text; // in the locale's encoding
    PrintedBytes csv;
    PrintedBytes json;
    PrintedBytes html;
    std::array<bool, 256> needsCsvQuotes{};
};

[[nodiscard]] const Encodings& encodings() {
    static const Encodings table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int code = 0; code < 256; ++code)
            bytes[code] = static_cast<char>(code);
        // Each byte's character as the window decodes it.
        const QString characters = windows1252::decode(bytes);
        Encodings encodings;
        for (int code = 0; code < 256; ++code) {
            const QChar decoded = characters[code];
            const auto at = static_cast<std::size_t>(code);
            encodings.text[at] = printed(shownAsText(decoded).toLocal8Bit());
            encodings.csv[at] = printed(shownInCsv(decoded).toUtf8());
            encodings.json[at] = printed(shownInJson(decoded).toUtf8());
            encodings.html[at] = printed(shownInHtml(decoded).toUtf8());
            encodings.needsCsvQuotes[at] = needsCsvQuotes(decoded);
        }
        return encodings;
    }();
    return table;
}

static_assert(sizeof(Printed::bytes) == mostBytesPerByte);

// Each entry is copied whole, so the room holds a whole entry after the last one.
char* writePrinted(char* at, QByteArrayView bytes, const PrintedBytes& table) {
    for (const char byte : bytes) {
        const Printed& entry = table[static_cast<unsigned char>(byte)];
        std::memcpy(at, entry.bytes.data(), sizeof entry.bytes);
        at += entry.size;
    }
    return at;
}

void appendPrinted(QByteArray& out, QByteArrayView bytes, const PrintedBytes& table) {
    const qsizetype start = out.size();
    out.resize(start + bytes.size() * mostBytesPerByte);
    out.resize(writePrinted(out.data() + start, bytes, table) - out.constData());
}

template <typename Show> [[nodiscard]] QString shown(QStringView text, Show show) {
    QString result;
    result.reserve(text.size());
    for (const QChar character : text)
        result += show(character);
    return result;
}

} // namespace

void appendText(QByteArray& out, QByteArrayView gameBytes) {
    appendPrinted(out, gameBytes, encodings().text);
}

void appendText(QByteArray& out, QStringView text) {
    out += shown(text, shownAsText).toLocal8Bit();
}

char* writeText(char* at, QByteArrayView gameBytes) {
    return writePrinted(at, gameBytes, encodings().text);
}

// Quoted only when needed, as RFC 4180 puts it; also around edge spaces, which some readers drop.
char* writeCsvField(char* at, QByteArrayView gameBytes) {
    const Encodings& table = encodings();
    const bool quoted =
        std::any_of(gameBytes.begin(), gameBytes.end(),
                    [&table](char byte) {
                        return table.needsCsvQuotes[static_cast<unsigned char>(byte)];
                    }) ||
        gameBytes.startsWith(' ') || gameBytes.endsWith(' ');
    if (quoted)
        *at++ = '"';
    at = writePrinted(at, gameBytes, table.csv);
    if (quoted)
        *at++ = '"';
    return at;
}

char* writeJson(char* at, QByteArrayView gameBytes) {
    return writePrinted(at, gameBytes, encodings().json);
}

char* writeHtml(char* at, QByteArrayView gameBytes) {
    return writePrinted(at, gameBytes, encodings().html);
}

void appendCsvField(QByteArray& out, QByteArrayView gameBytes) {
    const qsizetype start = out.size();
    out.resize(start + gameBytes.size() * mostBytesPerByte + 2);
    out.resize(writeCsvField(out.data() + start, gameBytes) - out.constData());
}

void appendCsvField(QByteArray& out, QStringView text) {
    const bool quoted = std::any_of(text.begin(), text.end(), needsCsvQuotes) ||
                        text.startsWith(u' ') || text.endsWith(u' ');
    if (quoted)
        out += '"';
    out += shown(text, shownInCsv).toUtf8();
    if (quoted)
        out += '"';
}

void appendJsonString(QByteArray& out, QByteArrayView gameBytes) {
    out += '"';
    appendPrinted(out, gameBytes, encodings().json);
    out += '"';
}

void appendJsonString(QByteArray& out, QStringView text) {
    out += '"';
    out += shown(text, shownInJson).toUtf8();
    out += '"';
}

void appendHtml(QByteArray& out, QByteArrayView gameBytes) {
    appendPrinted(out, gameBytes, encodings().html);
}

void appendHtml(QByteArray& out, QStringView text) {
    out += shown(text, shownInHtml).toUtf8();
}

void appendNumber(QByteArray& out, int number) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end - digits);
}

qsizetype textColumns(QStringView text) {
    // A character beyond the first plane is two UTF-16 units and one column.
    return text.size() - std::count_if(text.begin(), text.end(),
                                       [](QChar unit) { return unit.isLowSurrogate(); });
}

} // namespace zorbin::printedBytes
