// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryFormat.h"

#include "HistoryPage.h"
#include "HistoryRows.h"
#include "PrintedBytes.h"

#include <algorithm>
#include <cstring>
#include <QList>
#include <vector>

namespace zorbin::historyformat {

namespace {

using historyRows::cellPieces;
using historyRows::closeRow;
using historyRows::copy;
using historyRows::openRow;
using historyRows::passOn;
using historyRows::rowRoomBesideCells;
using historyRows::Sink;
using historyRows::writeCells;
using historyRows::writeIdentity;
using printedBytes::appendCsvField;
using printedBytes::appendJsonString;
using printedBytes::appendNumber;
using printedBytes::appendText;

void appendPadded(QByteArray& out, QByteArrayView printed, qsizetype columns, qsizetype width) {
    out += printed;
    out.append(std::max(width - columns, qsizetype{0}), ' ');
}

void appendRightAligned(QByteArray& out, QByteArrayView printed, qsizetype width) {
    out.append(std::max(width - printed.size(), qsizetype{0}), ' ');
    out += printed;
}

constexpr qsizetype columnGap = 2;

// The career table, then each season's counts. One character a byte in names and teams, each one
// column wide: padding by bytes is padding by columns.
void text(const LeagueHistory& history, const Sink& sink) {
    const qsizetype seasons = history.seasonCount();
    const QList<QByteArray> cells =
        cellPieces(history, {}, noTeamCell,
                   [](QByteArray& out, QByteArrayView team) { appendText(out, team); });
    // The columns each piece takes, in the same order; plain vectors, as these are looked up once
    // a cell.
    std::vector<qsizetype> cellColumns = {0, noTeamCell.size()};
    for (std::int32_t team = 0; team < history.teamCount(); ++team)
        cellColumns.push_back(history.teamName(team).size());
    std::vector<qsizetype> widths; // a season's column: its heading or its widest cell
    for (const QString& name : history.seasonNames())
        widths.push_back(printedBytes::textColumns(name));
    const QByteArrayView identityHeading = "identity";
    const QByteArrayView nameHeading = "name";
    qsizetype nameWidth = nameHeading.size();
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        nameWidth = std::max(nameWidth, history.name(row).size());
        for (qsizetype season = 0; season < seasons; ++season)
            widths[static_cast<std::size_t>(season)] =
                std::max(widths[static_cast<std::size_t>(season)],
                         cellColumns[static_cast<std::size_t>(history.team(row, season) + 2)]);
    }
    // Each season's pieces padded to its column, so that a row is copies only. The last column is
    // not padded: no line ends in spaces of its own making.
    std::vector<CellPieces> padded;
    for (std::size_t season = 0; season < widths.size(); ++season) {
        QList<QByteArray> pieces = cells;
        for (qsizetype piece = 0; piece < cells.size() && season + 1 < widths.size(); ++piece)
            pieces[piece].append(
                std::max(widths[season] - cellColumns[static_cast<std::size_t>(piece)],
                         qsizetype{0}) +
                    columnGap,
                ' ');
        padded.emplace_back(pieces);
    }

    QByteArray out;
    out.reserve(2 * historyRows::partBytes);
    appendPadded(out, identityHeading, identityHeading.size(), identityHeading.size() + columnGap);
    appendPadded(out, nameHeading, nameHeading.size(), nameWidth + columnGap);
    for (qsizetype season = 0; season < seasons; ++season) {
        const QString& name = history.seasonNames()[season];
        if (season + 1 < seasons) {
            QByteArray heading;
            appendText(heading, name);
            appendPadded(out, heading, printedBytes::textColumns(name),
                         widths[static_cast<std::size_t>(season)] + columnGap);
        } else {
            appendText(out, name);
        }
    }
    out += '\n';
    qsizetype rowRoom = rowRoomBesideCells + nameWidth;
    for (const CellPieces& pieces : padded)
        rowRoom += pieces.room();
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        const QByteArrayView name = history.name(row);
        char* at = openRow(out, rowRoom);
        at = writeIdentity(at, history.identity(row));
        at = copy(at, "     ");
        at = printedBytes::writeText(at, name);
        const qsizetype spaces = nameWidth - name.size() + columnGap;
        std::memset(at, ' ', static_cast<std::size_t>(spaces));
        at = writeCells(
            at + spaces, history, row,
            [&padded](qsizetype season) -> const CellPieces& {
                return padded[static_cast<std::size_t>(season)];
            },
            0);
        *at++ = '\n';
        closeRow(out, at);
        passOn(out, sink);
    }

    // Counted against the season before: the first has none, and shows a dash.
    out += "\nEach season against the one before: the players who left, arrived and moved "
           "(changed teams), and of those moved, how many only went along with a renamed team\n";
    QList<QByteArray> seasonNames;
    qsizetype seasonWidth = QByteArrayView("season").size();
    for (const QString& name : history.seasonNames()) {
        seasonNames.append(QByteArray());
        appendText(seasonNames.back(), name);
        seasonWidth = std::max(seasonWidth, printedBytes::textColumns(name));
    }
    const QList<QByteArrayView> headings = {"players", "left", "arrived", "moved", "renamed"};
    appendPadded(out, "season", QByteArrayView("season").size(), seasonWidth);
    for (const QByteArrayView heading : headings) {
        out.append(columnGap, ' ');
        out += heading;
    }
    out += '\n';
    for (qsizetype season = 0; season < seasons; ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        appendPadded(out, seasonNames[season],
                     printedBytes::textColumns(history.seasonNames()[season]), seasonWidth);
        const int values[] = {counts.players, counts.left, counts.arrived, counts.moved,
                              counts.renamed};
        for (qsizetype column = 0; column < headings.size(); ++column) {
            QByteArray number;
            if (season == 0 && column > 0)
                number = "-";
            else
                appendNumber(number, values[column]);
            out.append(columnGap, ' ');
            appendRightAligned(out, number, headings[column].size());
        }
        out += '\n';
    }
    if (!history.renames().isEmpty())
        out += "\nRenamed teams: a name on no roster whose players mostly went to a new name\n";
    for (const LeagueHistory::Rename& rename : history.renames()) {
        historyRows::appendRename(
            out, history, rename,
            [&seasonNames](QByteArray& to, qsizetype season) { to += seasonNames[season]; },
            [](QByteArray& to, QByteArrayView team) { appendText(to, team); });
    }
    sink(out);
}

// RFC 4180: an empty cell where the player was not in the season, noTeamCell where he was on no
// roster.
void csv(const LeagueHistory& history, const Sink& sink) {
    const CellPieces cells(cellPieces(history, ",", "," + noTeamCell.toByteArray(),
                                      [](QByteArray& out, QByteArrayView team) {
                                          out += ',';
                                          appendCsvField(out, team);
                                      }));
    const qsizetype rowRoom = rowRoomBesideCells + history.seasonCount() * cells.room();
    QByteArray out;
    out.reserve(2 * historyRows::partBytes);
    out += "identity,name";
    for (const QString& season : history.seasonNames()) {
        out += ',';
        appendCsvField(out, season);
    }
    out += "\r\n";
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        char* at = openRow(out, rowRoom);
        at = writeIdentity(at, history.identity(row));
        *at++ = ',';
        at = printedBytes::writeCsvField(at, history.name(row));
        at = copy(writeCells(at, history, row, cells, 0), "\r\n");
        closeRow(out, at);
        passOn(out, sink);
    }
    sink(out);
}

// {"seasons": [...], "renames": [...], "players": [{"identity": N, "name": "...", "teams":
// [...]}]}: a team, "" for a season he played on no roster, null for one he was not in.
void json(const LeagueHistory& history, const Sink& sink) {
    const CellPieces cells(
        cellPieces(history, ", null", ", \"\"", [](QByteArray& out, QByteArrayView team) {
            out += ", ";
            appendJsonString(out, team);
        }));
    const qsizetype rowRoom = rowRoomBesideCells + history.seasonCount() * cells.room();
    QByteArray out;
    out.reserve(2 * historyRows::partBytes);
    out += "{\n  \"seasons\": [";
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        if (season > 0)
            out += ", ";
        appendJsonString(out, history.seasonNames()[season]);
    }
    out += "],\n  \"renames\": [";
    for (qsizetype at = 0; at < history.renames().size(); ++at) {
        const LeagueHistory::Rename& rename = history.renames()[at];
        out += at == 0 ? "\n    {\"season\": " : ",\n    {\"season\": ";
        appendJsonString(out, history.seasonNames()[rename.season]);
        out += ", \"from\": ";
        appendJsonString(out, history.teamName(rename.from));
        out += ", \"to\": ";
        appendJsonString(out, history.teamName(rename.to));
        out += ", \"carried\": ";
        appendNumber(out, rename.carried);
        out += ", \"of\": ";
        appendNumber(out, rename.of);
        out += '}';
    }
    out += history.renames().isEmpty() ? "],\n  \"players\": [" : "\n  ],\n  \"players\": [";
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        char* at = openRow(out, rowRoom);
        at = copy(at, row == 0 ? "\n    {\"identity\": " : ",\n    {\"identity\": ");
        at = copy(writeIdentity(at, history.identity(row)), ", \"name\": \"");
        at = copy(printedBytes::writeJson(at, history.name(row)), "\", \"teams\": [");
        at = copy(writeCells(at, history, row, cells, 2), "]}");
        closeRow(out, at);
        passOn(out, sink);
    }
    out += history.playerCount() == 0 ? "]\n}\n" : "\n  ]\n}\n";
    sink(out);
}

} // namespace

std::optional<Format> named(QStringView name) {
    if (name == u"text")
        return Format::Text;
    if (name == u"csv")
        return Format::Csv;
    if (name == u"json")
        return Format::Json;
    if (name == u"html")
        return Format::Html;
    return std::nullopt;
}

void print(Format format, const LeagueHistory& history, const Sink& sink) {
    switch (format) {
    case Format::Text:
        return text(history, sink);
    case Format::Csv:
        return csv(history, sink);
    case Format::Json:
        return json(history, sink);
    case Format::Html:
        return historyPage::print(history, sink, {});
    }
}

} // namespace zorbin::historyformat
