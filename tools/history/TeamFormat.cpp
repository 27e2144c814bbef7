// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeamFormat.h"

#include "HistoryPage.h"
#include "PrintedBytes.h"

namespace zorbin::teamformat {

namespace {

using historyRows::Sink;
using printedBytes::appendCsvField;
using printedBytes::appendJsonString;
using printedBytes::appendNumber;
using printedBytes::appendText;

// What became of the team's name, and what it was before, in the words of the text form.
void appendRenames(QByteArray& out, const LeagueHistory& history, const TeamView& team) {
    for (const LeagueHistory::Rename& rename : history.renames()) {
        if (rename.from != team.team() && rename.to != team.team())
            continue;
        const bool before = rename.to == team.team();
        out += before ? "Renamed from " : "Renamed to ";
        appendText(out, history.teamName(before ? rename.from : rename.to));
        out += " in ";
        appendText(out, history.seasonNames()[rename.season]);
        out += ": ";
        appendNumber(out, rename.carried);
        out += " of its ";
        appendNumber(out, rename.of);
        out += " players went along\n";
    }
}

void text(const LeagueHistory& history, const TeamView& team, const Sink& sink) {
    QByteArray out;
    appendText(out, history.teamName(team.team()));
    out += ", season by season\n";
    appendRenames(out, history, team);
    const auto appendPlayers = [&](const QList<qsizetype>& rows, QByteArrayView indent) {
        for (const qsizetype row : rows) {
            out += indent;
            appendNumber(out, history.identity(row));
            out += "  ";
            appendText(out, history.name(row));
            out += '\n';
        }
    };
    for (qsizetype at = 0; at < team.seasons().size(); ++at) {
        const TeamView::Season& season = team.seasons()[at];
        out += '\n';
        appendText(out, history.seasonNames()[at]);
        out += ": ";
        appendNumber(out, static_cast<int>(season.roster.size()));
        out += season.roster.size() == 1 ? " player" : " players";
        if (at > 0) {
            out += ", ";
            appendNumber(out, static_cast<int>(season.arrived.size()));
            out += " arrived, ";
            appendNumber(out, static_cast<int>(season.left.size()));
            out += " left";
        }
        out += '\n';
        appendPlayers(season.roster, "  ");
        if (!season.arrived.isEmpty()) {
            out += "  arrived:\n";
            appendPlayers(season.arrived, "    ");
        }
        if (!season.left.isEmpty()) {
            out += "  left:\n";
            appendPlayers(season.left, "    ");
        }
        historyRows::passOn(out, sink);
    }
    sink(out);
}

// season,identity,name,status: each player on the roster, arrived or stayed (empty in the first
// season, which has none before it), then each who left.
void csv(const LeagueHistory& history, const TeamView& team, const Sink& sink) {
    QByteArray out = "season,identity,name,status\r\n";
    for (qsizetype at = 0; at < team.seasons().size(); ++at) {
        const TeamView::Season& season = team.seasons()[at];
        const auto appendRow = [&](qsizetype row, QByteArrayView status) {
            appendCsvField(out, history.seasonNames()[at]);
            out += ',';
            appendNumber(out, history.identity(row));
            out += ',';
            appendCsvField(out, history.name(row));
            out += ',';
            out += status;
            out += "\r\n";
        };
        qsizetype arrived = 0;
        for (const qsizetype row : season.roster) {
            // Both lists are in row order.
            const bool isNew = arrived < season.arrived.size() && season.arrived[arrived] == row;
            arrived += isNew ? 1 : 0;
            appendRow(row, at == 0 ? "" : isNew ? "arrived" : "stayed");
        }
        for (const qsizetype row : season.left)
            appendRow(row, "left");
        historyRows::passOn(out, sink);
    }
    sink(out);
}

void json(const LeagueHistory& history, const TeamView& team, const Sink& sink) {
    QByteArray out = "{\n  \"team\": ";
    appendJsonString(out, history.teamName(team.team()));
    out += ",\n  \"seasons\": [";
    const auto appendIdentities = [&](const char* key, const QList<qsizetype>& rows, bool none) {
        out += ", \"";
        out += key;
        out += "\": ";
        if (none) {
            out += "null";
            return;
        }
        out += '[';
        for (qsizetype at = 0; at < rows.size(); ++at) {
            if (at > 0)
                out += ", ";
            appendNumber(out, history.identity(rows[at]));
        }
        out += ']';
    };
    for (qsizetype at = 0; at < team.seasons().size(); ++at) {
        const TeamView::Season& season = team.seasons()[at];
        out += at == 0 ? "\n    {\"season\": " : ",\n    {\"season\": ";
        appendJsonString(out, history.seasonNames()[at]);
        appendIdentities("roster", season.roster, false);
        appendIdentities("arrived", season.arrived, at == 0);
        appendIdentities("left", season.left, at == 0);
        out += '}';
        historyRows::passOn(out, sink);
    }
    out += team.seasons().isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    sink(out);
}

} // namespace

void print(historyformat::Format format, const LeagueHistory& history, const TeamView& team,
           const Sink& sink) {
    switch (format) {
    case historyformat::Format::Text:
        return text(history, team, sink);
    case historyformat::Format::Csv:
        return csv(history, team, sink);
    case historyformat::Format::Json:
        return json(history, team, sink);
    case historyformat::Format::Html:
        return historyPage::print(history, sink, history.teamName(team.team()));
    }
}

} // namespace zorbin::teamformat
