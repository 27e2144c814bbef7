// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFormat.h"

#include "PrintedBytes.h"

#include <QString>

namespace zorbin::reportformat {

namespace {

using printedBytes::appendCsvField;
using printedBytes::appendJsonString;
using printedBytes::appendNumber;
using printedBytes::appendText;

enum class Teams { Prior, PriorAndCurrent };

void appendTextList(QByteArray& out, QByteArrayView heading, const QList<ReportRow>& rows,
                    Teams teams) {
    out += heading;
    out += " (";
    appendNumber(out, static_cast<int>(rows.size()));
    out += "):\n";
    for (const ReportRow& row : rows) {
        appendText(out, row.name);
        // One character a byte, each one column wide: padding by bytes is padding by columns.
        out.append(reportLayout::spacesAfterName(row.name.size()), ' ');
        appendNumber(out, row.identity);
        out += reportLayout::afterIdentity;
        appendText(out, row.team);
        if (teams == Teams::PriorAndCurrent) {
            out += " -> ";
            appendText(out, row.currentTeam);
        }
        out += '\n';
    }
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
