// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryPage.h"

#include "HistoryRows.h"
#include "PrintedBytes.h"
#include "ZorbinVersion.h"

#include <algorithm>
#include <QList>

namespace zorbin::historyPage {

namespace {

using printedBytes::appendHtml;
using printedBytes::appendNumber;

// Nothing may be fetched, not even an icon: the page is all there is, and a name that got past the
// escaping could not reach out either.
constexpr QByteArrayView head =
    R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; img-src data:">
<meta name="viewport" content="width=device-width, initial-scale=1">
<link rel="icon" href="data:,">
<style>
:root { color-scheme: light; font-family: "DejaVu Sans", "Liberation Sans", sans-serif; font-size: 15px; color: #1d2330; background: #fbfbf8; }
body { margin: 1.5rem 2rem; }
h1 { font-size: 1.6rem; margin: 0 0 .3rem; }
h2 { font-size: 1.15rem; margin: 1.6rem 0 .6rem; }
p { margin: .3rem 0; }
.note { color: #8a3b12; }
table { border-collapse: collapse; }
th, td { padding: .25rem .7rem; text-align: left; white-space: pre; border-bottom: 1px solid #e2e2dc; }
thead th { position: sticky; top: 0; background: #eef0f4; border-bottom: 2px solid #b9bfcc; }
#counts td:not(:first-child), #counts th:not(:first-child), #careers td:first-child { text-align: right; font-variant-numeric: tabular-nums; }
#careers tbody tr:nth-child(even) { background: #f2f3ef; }
#careers td.n { color: #6b7280; font-style: italic; }
#careers td.o { background: repeating-linear-gradient(135deg, transparent 0 4px, #e4e6ea 4px 5px); }
th button { font: inherit; font-weight: bold; border: 0; background: none; padding: 0; cursor: pointer; color: inherit; }
th[aria-sort="ascending"] button::after { content: " \25B2"; }
th[aria-sort="descending"] button::after { content: " \25BC"; }
.turnover { display: flex; flex-wrap: wrap; gap: 2rem; align-items: flex-start; }
.chart { overflow-x: auto; }
svg text { font-size: 11px; fill: #1d2330; }
svg .axis { stroke: #9aa1ad; }
.left { fill: #c8553d; background: #c8553d; }
.arrived { fill: #2a9d8f; background: #2a9d8f; }
.moved { fill: #3d5a98; background: #3d5a98; }
.legend span { display: inline-block; width: .8rem; height: .8rem; margin: 0 .3rem 0 1rem; vertical-align: -1px; }
#filter { font: inherit; padding: .2rem .4rem; width: 18rem; }
</style>
)";

// Sorting keeps the reader's filter; a season he was not in sorts last either way.
constexpr QByteArrayView script =
    R"(<script>
"use strict";
(function () {
  const table = document.getElementById("careers");
  const body = table.tBodies[0];
  const rows = Array.from(body.rows);
  const texts = rows.map(function (row) {
    return Array.from(row.cells, function (cell) { return cell.textContent; }).join("\n").toLocaleLowerCase();
  });
  const filter = document.getElementById("filter");
  const shown = document.getElementById("shown");
  function applyFilter() {
    const words = filter.value.toLocaleLowerCase().split(/\s+/).filter(Boolean);
    let count = 0;
    rows.forEach(function (row, index) {
      const match = words.every(function (word) { return texts[index].includes(word); });
      row.hidden = !match;
      count += match ? 1 : 0;
    });
    shown.textContent = count + " of " + rows.length + " players";
  }
  filter.addEventListener("input", applyFilter);

  const collator = new Intl.Collator(undefined, {numeric: true, sensitivity: "base"});
  const headers = Array.from(table.tHead.rows[0].cells);
  function sortBy(column, direction) {
    const numeric = headers[column].dataset.type === "number";
    const keyed = rows.map(function (row, index) {
      const cell = row.cells[column];
      const value = cell.classList.contains("o") ? null
        : numeric ? Number(cell.textContent) : cell.textContent;
      return {row: row, index: index, value: value};
    });
    keyed.sort(function (a, b) {
      if (a.value === null || b.value === null)
        return (a.value === null) - (b.value === null) || a.index - b.index;
      const order = numeric ? a.value - b.value : collator.compare(a.value, b.value);
      return order * direction || a.index - b.index;
    });
    const fragment = document.createDocumentFragment();
    keyed.forEach(function (entry) { fragment.appendChild(entry.row); });
    body.appendChild(fragment);
    headers.forEach(function (header, index) {
      header.setAttribute("aria-sort", index !== column ? "none"
        : direction > 0 ? "ascending" : "descending");
    });
  }
  headers.forEach(function (header, column) {
    header.querySelector("button").addEventListener("click", function () {
      sortBy(column, header.getAttribute("aria-sort") === "ascending" ? -1 : 1);
    });
  });
  applyFilter();
  document.documentElement.dataset.ready = "true";
})();
</script>
)";

void appendSeason(QByteArray& out, const LeagueHistory& history, qsizetype season) {
    appendHtml(out, history.seasonNames()[season]);
}

void appendSummary(QByteArray& out, const LeagueHistory& history) {
    out += "<title>League history";
    if (history.seasonCount() > 0) {
        out += ", ";
        appendSeason(out, history, 0);
        if (history.seasonCount() > 1) {
            out += " to ";
            appendSeason(out, history, history.seasonCount() - 1);
        }
    }
    out += "</title>\n</head>\n<body>\n<h1>League history</h1>\n<p>";
    appendNumber(out, static_cast<int>(history.playerCount()));
    out += history.playerCount() == 1 ? " player in " : " players in ";
    appendNumber(out, static_cast<int>(history.seasonCount()));
    out += history.seasonCount() == 1 ? " season." : " seasons.";
    out += "</p>\n";
    for (const FileFailure& missing : history.missingTeamFiles()) {
        out += "<p class=note>No team file: ";
        appendHtml(out, missing.path);
        out += " is missing, so that season's players show on no roster.</p>\n";
    }
}

void appendCountsTable(QByteArray& out, const LeagueHistory& history) {
    out += "<table id=counts>\n<thead><tr><th>Season<th>Players<th>Left<th>Arrived<th>Moved"
           "</thead>\n<tbody>\n";
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        out += "<tr><td>";
        appendSeason(out, history, season);
        out += "<td>";
        appendNumber(out, counts.players);
        for (const int value : {counts.left, counts.arrived, counts.moved}) {
            out += "<td>";
            // The first season has none before it to be counted against.
            if (season == 0)
                out += "\u2013";
            else
                appendNumber(out, value);
        }
        out += '\n';
    }
    out += "</tbody>\n</table>\n";
}

// Three bars a season from the second on: left, arrived and moved, on one scale.
void appendChart(QByteArray& out, const LeagueHistory& history) {
    const qsizetype groups = history.seasonCount() - 1;
    if (groups < 1) {
        out += "<p>One season: there is none before it to count against.</p>\n";
        return;
    }
    constexpr int marginLeft = 48;
    constexpr int marginTop = 12;
    constexpr int plotHeight = 170;
    constexpr int labelRoom = 56;
    constexpr int groupWidth = 44;
    constexpr int barWidth = 11;
    int highest = 1;
    for (qsizetype season = 1; season <= groups; ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        highest = std::max({highest, counts.left, counts.arrived, counts.moved});
    }
    const int width = marginLeft + static_cast<int>(groups) * groupWidth + 12;
    const int baseline = marginTop + plotHeight;
    const auto number = [&out](int value) { appendNumber(out, value); };

    out += "<div class=chart><svg xmlns=\"http://www.w3.org/2000/svg\" role=img width=\"";
    number(width);
    out += "\" height=\"";
    number(baseline + labelRoom);
    out += "\" aria-label=\"Players who left, arrived and moved, season by season\">\n";
    for (const int value : {0, highest}) {
        const int y = baseline - value * plotHeight / highest;
        out += "<line class=axis x1=\"";
        number(marginLeft - 4);
        out += "\" x2=\"";
        number(width - 8);
        out += "\" y1=\"";
        number(y);
        out += "\" y2=\"";
        number(y);
        out += "\"/><text x=\"";
        number(marginLeft - 8);
        out += "\" y=\"";
        number(y + 4);
        out += "\" text-anchor=\"end\">";
        number(value);
        out += "</text>\n";
    }
    for (qsizetype group = 0; group < groups; ++group) {
        const qsizetype season = group + 1;
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        const int x = marginLeft + static_cast<int>(group) * groupWidth + 4;
        const std::pair<const char*, int> bars[] = {
            {"left", counts.left}, {"arrived", counts.arrived}, {"moved", counts.moved}};
        for (int bar = 0; bar < 3; ++bar) {
            const int height = bars[bar].second * plotHeight / highest;
            out += "<rect class=";
            out += bars[bar].first;
            out += " x=\"";
            number(x + bar * barWidth);
            out += "\" y=\"";
            number(baseline - height);
            out += "\" width=\"";
            number(barWidth - 1);
            out += "\" height=\"";
            number(height);
            out += "\"><title>";
            appendSeason(out, history, season);
            out += ": ";
            number(bars[bar].second);
            out += ' ';
            out += bars[bar].first;
            out += "</title></rect>";
        }
        out += "<text text-anchor=\"end\" transform=\"translate(";
        number(x + 3 * barWidth / 2);
        out += ' ';
        number(baseline + 14);
        out += ") rotate(-40)\">";
        appendSeason(out, history, season);
        out += "</text>\n";
    }
    out += "</svg></div>\n";
}

void appendCareers(QByteArray& out, const LeagueHistory& history, const historyRows::Sink& sink) {
    const CellPieces cells(historyRows::cellPieces(history, "<td class=o>", "<td class=n>(none)",
                                                   [](QByteArray& out, QByteArrayView team) {
                                                       out += "<td>";
                                                       appendHtml(out, team);
                                                   }));
    const qsizetype rowRoom =
        historyRows::rowRoomBesideCells + history.seasonCount() * cells.room();
    out += "<h2>Careers</h2>\n<p><label>Filter <input id=filter type=search "
           "placeholder=\"Name, identity or team\"></label> <span id=shown></span></p>\n"
           "<table id=careers>\n<thead><tr><th aria-sort=ascending data-type=number>"
           "<button type=button>Identity</button><th aria-sort=none><button type=button>Name"
           "</button>";
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        out += "<th aria-sort=none><button type=button>";
        appendSeason(out, history, season);
        out += "</button>";
    }
    out += "</thead>\n<tbody>\n";
    // Closing tags of cells and rows are left to the parser, as HTML allows: a third of the page.
    for (qsizetype row = 0; row < history.playerCount(); ++row) {
        char* at = historyRows::openRow(out, rowRoom);
        at = historyRows::writeIdentity(historyRows::copy(at, "<tr><td>"), history.identity(row));
        at = printedBytes::writeHtml(historyRows::copy(at, "<td>"), history.name(row));
        at = historyRows::writeCells(at, history, row, cells, 0);
        *at++ = '\n';
        historyRows::closeRow(out, at);
        historyRows::passOn(out, sink);
    }
    out += "</tbody>\n</table>\n";
}

} // namespace

void print(const LeagueHistory& history, const historyRows::Sink& sink) {
    QByteArray out;
    out.reserve(2 * historyRows::partBytes);
    out += head;
    out += "<meta name=generator content=\"zorbin-history ";
    out += programVersion;
    out += "\">\n";
    appendSummary(out, history);
    out += "<h2>Roster turnover</h2>\n<p>Each season against the one before: the players who left, "
           "who arrived and who moved to a team of another name (or to none, or from none).</p>\n"
           "<div class=turnover>\n";
    appendCountsTable(out, history);
    out += "<div>\n";
    appendChart(out, history);
    out += "<p class=legend><span class=left></span>left<span class=arrived></span>arrived"
           "<span class=moved></span>moved</p>\n</div>\n</div>\n";
    appendCareers(out, history, sink);
    out += script;
    out += "</body>\n</html>\n";
    sink(out);
}

} // namespace zorbin::historyPage
