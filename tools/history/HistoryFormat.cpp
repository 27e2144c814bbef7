// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryFormat.h"

#include "HistoryPage.h"
#include "PrintedBytes.h"

#include <algorithm>
#include <QList>

namespace zorbin::historyformat {

namespace {

using printedBytes::appendCsvField;
using printedBytes::appendJsonString;
using printedBytes::appendNumber;
using printedBytes::appendText;

// Each team as a form prints it, made once rather than once a cell.
template <typename Append>
QList<QByteArray> printedTeams(const LeagueHistory& history, Append append) {
    QList<QByteArray> teams;
    teams.reserve(history.teamCount());
    for (std::int32_t team = 0; team < history.teamCount(); ++team) {
        QByteArray printed;
        append(printed, history.teamName(team));
        teams.append(std::move(printed));
    }
    return teams;
}

// A season's cell takes some 16 bytes, and its printed name two to three times as many.
[[nodiscard]] qsizetype expectedSize(const LeagueHistory& history) {
    return 1024 + history.playerCount() * (64 + 48 * history.seasonCount());
}

void appendPadded(QByteArray& out, QByteArrayView printed, qsizetype columns, qsizetype width) {
    out += printed;
    out.append(std::max(width - columns, qsizetype{0}), ' ');
}

void appendRightAligned(QByteArray& out, QByteArrayView printed, qsizetype width) {
    out.append(std::max(width - printed.size(), qsizetype{0}), ' ');
    out += printed;
}

constexpr QByteArrayView columnGap = "  ";

// The career table, then each season's counts. One character a byte in names and teams, each one
// column wide: padding by bytes is padding by columns.
QByteArray text(const LeagueHistory& history) {
    const qsizetype seasons = history.seasonCount();
    const QList<QByteArray> teams =
        printedTeams(history, [](QByteArray& out, QByteArrayView team) { appendText(out, team); });
    QList<QByteArray> seasonHeadings;
    QList<qsizetype> widths; // a season's column: its heading, its widest team or noTeamCell
    for (const QString& name : history.seasonNames()) {
        QByteArray heading;
        appendText(heading, name);
        seasonHeadings.append(heading);
        widths.append(printedBytes::textColumns(name));
    }
    const QByteArrayView identityHeading = "identity";
    const QByteArrayView nameHeading = "name";
    qsizetype nameWidth = nameHeading.size();
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        nameWidth = std::max(nameWidth, history.name(row).size());
        for (qsizetype season = 0; season < seasons; ++season) {
            const std::int32_t team = history.team(row, season);
            const qsizetype width = team >= 0                       ? history.teamName(team).size()
                                    : team == LeagueHistory::noTeam ? noTeamCell.size()
                                                                    : 0;
            widths[season] = std::max(widths[season], width);
        }
    }

    QByteArray out;
    out.reserve(expectedSize(history));
    // The last column is not padded: no line ends in spaces of its own making.
    const auto endCell = [&out, seasons](qsizetype season, QByteArrayView printed,
                                         qsizetype columns, qsizetype width) {
        if (season + 1 < seasons) {
            appendPadded(out, printed, columns, width);
            out += columnGap;
        } else {
            out += printed;
        }
    };
    appendPadded(out, identityHeading, identityHeading.size(), identityHeading.size());
    out += columnGap;
    appendPadded(out, nameHeading, nameHeading.size(), nameWidth);
    out += columnGap;
    for (qsizetype season = 0; season < seasons; ++season)
        endCell(season, seasonHeadings[season],
                printedBytes::textColumns(history.seasonNames()[season]), widths[season]);
    out += '\n';
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        const qsizetype start = out.size();
        appendNumber(out, history.identity(row));
        out.append(identityHeading.size() - (out.size() - start), ' ');
        out += columnGap;
        const QByteArray& name = history.name(row);
        appendText(out, name);
        out.append(nameWidth - name.size(), ' ');
        out += columnGap;
        for (qsizetype season = 0; season < seasons; ++season) {
            const std::int32_t team = history.team(row, season);
            if (team >= 0)
                endCell(season, teams[team], history.teamName(team).size(), widths[season]);
            else if (team == LeagueHistory::noTeam)
                endCell(season, noTeamCell, noTeamCell.size(), widths[season]);
            else
                endCell(season, {}, 0, widths[season]);
        }
        out += '\n';
    }

    // Counted against the season before: the first has none, and shows a dash.
    out += "\nEach season against the one before: the players who left, arrived and moved "
           "(changed teams)\n";
    qsizetype seasonWidth = QByteArrayView("season").size();
    for (const QString& name : history.seasonNames())
        seasonWidth = std::max(seasonWidth, printedBytes::textColumns(name));
    const QList<QByteArrayView> headings = {"players", "left", "arrived", "moved"};
    appendPadded(out, "season", QByteArrayView("season").size(), seasonWidth);
    for (const QByteArrayView heading : headings) {
        out += columnGap;
        out += heading;
    }
    out += '\n';
    for (qsizetype season = 0; season < seasons; ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        appendPadded(out, seasonHeadings[season],
                     printedBytes::textColumns(history.seasonNames()[season]), seasonWidth);
        const int values[] = {counts.players, counts.left, counts.arrived, counts.moved};
        for (qsizetype column = 0; column < headings.size(); ++column) {
            QByteArray number;
            if (season == 0 && column > 0)
                number = "-";
            else
                appendNumber(number, values[column]);
            out += columnGap;
            appendRightAligned(out, number, headings[column].size());
        }
        out += '\n';
    }
    return out;
}

// RFC 4180: an empty cell where the player was not in the season, noTeamCell where he was on no
// roster.
QByteArray csv(const LeagueHistory& history) {
    const QList<QByteArray> teams = printedTeams(
        history, [](QByteArray& out, QByteArrayView team) { appendCsvField(out, team); });
    QByteArray out;
    out.reserve(expectedSize(history));
    out += "identity,name";
    for (const QString& season : history.seasonNames()) {
        out += ',';
        appendCsvField(out, season);
    }
    out += "\r\n";
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        appendNumber(out, history.identity(row));
        out += ',';
        appendCsvField(out, history.name(row));
        for (qsizetype season = 0; season < history.seasonCount(); ++season) {
            out += ',';
            const std::int32_t team = history.team(row, season);
            if (team >= 0)
                out += teams[team];
            else if (team == LeagueHistory::noTeam)
                out += noTeamCell;
        }
        out += "\r\n";
    }
    return out;
}

// {"seasons": [...], "players": [{"identity": N, "name": "...", "teams": [...]}]}: a team, ""
// for a season he played on no roster, null for one he was not in.
QByteArray json(const LeagueHistory& history) {
    const QList<QByteArray> teams = printedTeams(
        history, [](QByteArray& out, QByteArrayView team) { appendJsonString(out, team); });
    QByteArray out;
    out.reserve(expectedSize(history));
    out += "{\n  \"seasons\": [";
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        if (season > 0)
            out += ", ";
        appendJsonString(out, history.seasonNames()[season]);
    }
    out += "],\n  \"players\": [";
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        out += row == 0 ? "\n    {\"identity\": " : ",\n    {\"identity\": ";
        appendNumber(out, history.identity(row));
        out += ", \"name\": ";
        appendJsonString(out, history.name(row));
        out += ", \"teams\": [";
        for (qsizetype season = 0; season < history.seasonCount(); ++season) {
            if (season > 0)
                out += ", ";
            const std::int32_t team = history.team(row, season);
            out += team >= 0                       ? QByteArrayView(teams[team])
                   : team == LeagueHistory::noTeam ? QByteArrayView("\"\"")
                                                   : QByteArrayView("null");
        }
        out += "]}";
    }
    out += history.playerCount() == 0 ? "]\n}\n" : "\n  ]\n}\n";
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
    if (name == u"html")
        return Format::Html;
    return std::nullopt;
}

QByteArray format(Format format, const LeagueHistory& history) {
    switch (format) {
    case Format::Text:
        return text(history);
    case Format::Csv:
        return csv(history);
    case Format::Json:
        return json(history);
    case Format::Html:
        return historyPage::page(history);
    }
    return {};
}

} // namespace zorbin::historyformat
