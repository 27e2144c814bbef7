// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// A league file is untrusted input: a name may hold control characters that would move a
// terminal's cursor, a quote that ends a CSV field or a JSON string, or markup. Each output form
// prints a name through these, the game's Windows-1252 bytes (QByteArrayView) or a text of this
// system such as a folder's name (QStringView) alike.
namespace zorbin::printedBytes {

// In the locale's encoding for a terminal; a control character shows as U+FFFD.
void appendText(QByteArray& out, QByteArrayView gameBytes);
void appendText(QByteArray& out, QStringView text);

// One RFC 4180 field in UTF-8, quoted only when needed: around a comma, a quote (doubled) or a
// space at either end; a control character shows as U+FFFD, as in the text form.
void appendCsvField(QByteArray& out, QByteArrayView gameBytes);
void appendCsvField(QByteArray& out, QStringView text);

// A JSON string in UTF-8 with its quotes; control characters, DEL and the C1 controls escaped.
void appendJsonString(QByteArray& out, QByteArrayView gameBytes);
void appendJsonString(QByteArray& out, QStringView text);

// HTML or XML text in UTF-8, also inside a quoted attribute: & < > " ' as references, a control
// character as U+FFFD.
void appendHtml(QByteArray& out, QByteArrayView gameBytes);
void appendHtml(QByteArray& out, QStringView text);

void appendNumber(QByteArray& out, int number);

// The same for a caller that puts a long row together in one piece: each writes at `at`, which has
// room for mostBytesPerByte bytes a byte of `gameBytes` (and two more for a CSV field's quotes),
// and returns where it ended. JSON and HTML without quotes of their own.
inline constexpr qsizetype mostBytesPerByte = 8;
[[nodiscard]] char* writeText(char* at, QByteArrayView gameBytes);
[[nodiscard]] char* writeCsvField(char* at, QByteArrayView gameBytes);
[[nodiscard]] char* writeJson(char* at, QByteArrayView gameBytes);
[[nodiscard]] char* writeHtml(char* at, QByteArrayView gameBytes);

// The terminal columns appendText gives `text`: one a character.
[[nodiscard]] qsizetype textColumns(QStringView text);

} // namespace zorbin::printedBytes
