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
table { border-collapse: separate; border-spacing: 0; }
th, td { padding: .25rem .7rem; text-align: left; white-space: pre; border-bottom: 1px solid #e2e2dc; }
thead th { position: sticky; top: 0; z-index: 2; background: #eef0f4; border-bottom: 2px solid #b9bfcc; }
#counts td:not(:first-child), #counts th:not(:first-child), #careers td:first-child { text-align: right; font-variant-numeric: tabular-nums; }
.scroller { overflow: auto; max-height: 80vh; border: 1px solid #e2e2dc; will-change: transform; }
#careers tbody tr { background: #fbfbf8; }
#careers tbody tr:nth-child(even) { background: #f2f3ef; }
#careers th:nth-child(-n+2), #careers td:nth-child(-n+2) { position: sticky; z-index: 1; background: inherit; }
#careers thead th:nth-child(-n+2) { z-index: 3; background: #eef0f4; }
#careers th:first-child, #careers td:first-child { left: 0; box-sizing: border-box; width: 5.2rem; min-width: 5.2rem; max-width: 5.2rem; }
#careers th:nth-child(2), #careers td:nth-child(2) { left: 5.2rem; box-shadow: inset -2px 0 #b9bfcc; }
#careers tbody td:nth-child(-n+2), #careers tbody td:not(.o):not(.n), .team[data-team] { cursor: pointer; }
#careers tbody td:hover:not(.o):not(.n), .team[data-team]:hover { text-decoration: underline; color: #1f4fa8; }
#view a { color: inherit; text-decoration: none; }
#view a:hover, #view a:focus, #view .back a { text-decoration: underline; color: #1f4fa8; }
#view table { margin-top: .5rem; }
#view td { vertical-align: top; }
#view td.list { white-space: normal; min-width: 12rem; }
#view td.list a { display: block; white-space: pre; }
#view .back { margin: .5rem 0 1rem; }
.scroller .end { margin: .5rem .7rem; color: #6b7280; }
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
.renamed { fill: #b8b3c9; background: #b8b3c9; }
.legend span { display: inline-block; width: .8rem; height: .8rem; margin: 0 .3rem 0 1rem; vertical-align: -1px; }
#filter { font: inherit; padding: .2rem .4rem; width: 18rem; }
</style>
)";

// Sorting keeps the reader's filter; a season he was not in sorts last either way. The filter
// folds letter case and accents away ("goteborg" finds Göteborg) on keys made once, and waits for
// a pause in typing, so that a key never waits for a pass over thousands of rows. A click on a
// team or a player opens its view at an address of its own (#team=, #player=), so that the
// browser's Back comes back; views are built as elements with text, never as markup.
constexpr QByteArrayView script =
    R"js(<script>
"use strict";
(function () {
  const table = document.getElementById("careers");
  const scroller = table.parentElement;
  const body = table.tBodies[0];
  const rows = Array.from(body.rows);
  const seasons = Array.from(table.tHead.rows[0].cells).slice(2).map(function (cell) { return cell.textContent; });
  // The last cell of a row also holds the line break before the next row.
  const cellText = function (cell) { return cell.textContent.replace(/\n$/, ""); };
  const fold = function (text) { return text.normalize("NFD").replace(/\p{M}/gu, "").toLowerCase(); };
  // A row's seasons: the team, "" on no roster, null when he was not in it.
  const careers = rows.map(function (row) {
    return Array.from(row.cells).slice(2).map(function (cell) {
      return cell.className === "o" ? null : cell.className === "n" ? "" : cellText(cell);
    });
  });
  const keyOf = new Map(rows.map(function (row) {
    return [row, fold(Array.from(row.cells, function (cell) { return cell.textContent; }).join("\n"))];
  }));
  const rowOf = new Map(rows.map(function (row, index) { return [row.cells[0].textContent, index]; }));
  const filter = document.getElementById("filter");
  const shown = document.getElementById("shown");
  // The rows in the order sorted, and those of them the filter lets through. Only so many of
  // these are in the table at a time, more as the reader scrolls near its end: laying out all
  // 15,000 rows again would hold the page up for seconds.
  let sorted = rows.slice();
  let matches = sorted;
  let placed = 0;
  const step = 400;
  const end = scroller.appendChild(element("p", undefined, {class: "end"}));
  function placeMore() {
    const fragment = document.createDocumentFragment();
    const until = Math.min(placed + step, matches.length);
    for (; placed < until; ++placed)
      fragment.appendChild(matches[placed]);
    body.appendChild(fragment);
    end.textContent = placed < matches.length ? "More rows as you scroll\u2026" : "";
  }
  function place() {
    body.replaceChildren();
    placed = 0;
    placeMore();
    shown.textContent = matches.length + " of " + rows.length + " players";
  }
  new IntersectionObserver(function (seen) {
    if (seen.some(function (entry) { return entry.isIntersecting; }) && placed < matches.length)
      placeMore();
  }, {root: scroller, rootMargin: "0px 0px 800px 0px"}).observe(end);
  function applyFilter() {
    clearTimeout(pending);
    const words = fold(filter.value).split(/\s+/).filter(Boolean);
    matches = words.length === 0 ? sorted : sorted.filter(function (row) {
      const key = keyOf.get(row);
      return words.every(function (word) { return key.includes(word); });
    });
    scroller.scrollTop = 0;
    place();
  }
  let pending = 0;
  filter.addEventListener("input", function () {
    clearTimeout(pending);
    pending = setTimeout(applyFilter, 200);
  });
  // Enter filters at once.
  filter.addEventListener("change", applyFilter);

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
    sorted = keyed.map(function (entry) { return entry.row; });
    headers.forEach(function (header, index) {
      header.setAttribute("aria-sort", index !== column ? "none"
        : direction > 0 ? "ascending" : "descending");
    });
    applyFilter();
  }
  headers.forEach(function (header, column) {
    header.querySelector("button").addEventListener("click", function () {
      sortBy(column, header.getAttribute("aria-sort") === "ascending" ? -1 : 1);
    });
  });

  const whole = document.getElementById("history");
  const view = document.getElementById("view");
  function element(name, text, attributes) {
    const made = document.createElement(name);
    if (text !== undefined)
      made.textContent = text;
    Object.keys(attributes || {}).forEach(function (key) { made.setAttribute(key, attributes[key]); });
    return made;
  }
  function playerName(index) {
    return rows[index].cells[0].textContent + "  " + rows[index].cells[1].textContent;
  }
  function listCell(indexes) {
    const cell = element("td", undefined, {class: "list"});
    indexes.forEach(function (index) {
      cell.appendChild(element("a", playerName(index), {href: "#player=" + rows[index].cells[0].textContent}));
    });
    return cell;
  }
  function heading(text, note) {
    view.appendChild(element("h1", text));
    view.appendChild(element("p", note));
    const back = view.appendChild(element("p", undefined, {class: "back"}));
    back.appendChild(element("a", "\u2190 The whole history", {href: "#"}));
  }
  function showTeam(team) {
    let before = [];
    let seasonsWith = 0;
    const lines = seasons.map(function (season, at) {
      const roster = [];
      careers.forEach(function (teams, index) { if (teams[at] === team) roster.push(index); });
      const now = new Set(roster);
      const was = new Set(before);
      const line = {season: season, roster: roster,
        arrived: at === 0 ? null : roster.filter(function (index) { return !was.has(index); }),
        left: at === 0 ? null : before.filter(function (index) { return !now.has(index); })};
      seasonsWith += roster.length > 0 ? 1 : 0;
      before = roster;
      return line;
    });
    heading(team, "On a roster in " + seasonsWith + " of " + seasons.length + " seasons: each season's roster, who arrived and who left since the season before.");
    document.querySelectorAll("#renames li").forEach(function (item) {
      if (Array.from(item.querySelectorAll("[data-team]")).some(function (named) { return named.dataset.team === team; }))
        view.insertBefore(element("p", item.textContent, {class: "note"}), view.querySelector(".back"));
    });
    const shownTable = view.appendChild(element("table"));
    const head = shownTable.createTHead().insertRow();
    ["Season", "Players", "Roster", "Arrived", "Left"].forEach(function (text) { head.appendChild(element("th", text)); });
    const tableBody = shownTable.createTBody();
    lines.forEach(function (line) {
      const row = tableBody.insertRow();
      row.appendChild(element("td", line.season));
      row.appendChild(element("td", String(line.roster.length)));
      row.appendChild(listCell(line.roster));
      row.appendChild(line.arrived ? listCell(line.arrived) : element("td", "\u2013"));
      row.appendChild(line.left ? listCell(line.left) : element("td", "\u2013"));
    });
  }
  function showPlayer(identity) {
    const index = rowOf.get(identity);
    if (index === undefined)
      return false;
    heading(rows[index].cells[1].textContent, "Identity " + identity + ": his teams, each with the seasons he played for it in a row.");
    const spans = [];
    careers[index].forEach(function (team, at) {
      const last = spans[spans.length - 1];
      if (team === null)
        return;
      if (last && last.team === team && last.to === at - 1)
        last.to = at;
      else
        spans.push({team: team, from: at, to: at});
    });
    const shownTable = view.appendChild(element("table"));
    const head = shownTable.createTHead().insertRow();
    ["Team", "Seasons", "Played"].forEach(function (text) { head.appendChild(element("th", text)); });
    const tableBody = shownTable.createTBody();
    spans.forEach(function (span) {
      const row = tableBody.insertRow();
      row.appendChild(span.team === "" ? element("td", "(none)", {class: "n"})
        : element("td").appendChild(element("a", span.team, {href: "#team=" + encodeURIComponent(span.team)})).parentNode);
      row.appendChild(element("td", seasons[span.from] + (span.to > span.from ? " \u2013 " + seasons[span.to] : "")));
      const count = span.to - span.from + 1;
      row.appendChild(element("td", count + (count === 1 ? " season" : " seasons")));
    });
    return true;
  }
  let kept = null;
  function route() {
    const hash = location.hash;
    // An address typed by hand may hold a stray %: it is then taken as it stands.
    const decoded = function (text) {
      try { return decodeURIComponent(text); } catch (error) { return text; }
    };
    const team = hash.startsWith("#team=") ? decoded(hash.slice(6)) : null;
    const player = hash.startsWith("#player=") ? decoded(hash.slice(8)) : null;
    view.replaceChildren();
    if (team !== null || player !== null) {
      if (!kept)
        kept = {x: window.scrollX, y: window.scrollY, left: scroller.scrollLeft, top: scroller.scrollTop};
      if (team !== null)
        showTeam(team);
      else if (!showPlayer(player))
        heading("No player " + player, "No player of this history has that identity.");
      whole.hidden = true;
      view.hidden = false;
      window.scrollTo(0, 0);
      return;
    }
    view.hidden = true;
    whole.hidden = false;
    if (kept) {
      scroller.scrollLeft = kept.left;
      scroller.scrollTop = kept.top;
      window.scrollTo(kept.x, kept.y);
      kept = null;
    }
  }
  document.addEventListener("click", function (event) {
    const target = event.target;
    if (!(target instanceof Element))
      return;
    const named = target.closest("[data-team]");
    if (named) {
      location.hash = "team=" + encodeURIComponent(named.dataset.team);
      return;
    }
    const cell = target.closest("#careers tbody td");
    if (!cell || cell.className === "o" || cell.className === "n")
      return;
    location.hash = cell.cellIndex < 2 ? "player=" + encodeURIComponent(cell.parentElement.cells[0].textContent)
      : "team=" + encodeURIComponent(cellText(cell));
  });
  window.addEventListener("hashchange", route);
  const opened = document.body.dataset.openTeam;
  if (opened !== undefined && !location.hash)
    history.replaceState(null, "", "#team=" + encodeURIComponent(opened));
  route();
  place();
  document.documentElement.dataset.ready = "true";
})();
</script>
)js";

void appendSeason(QByteArray& out, const LeagueHistory& history, qsizetype season) {
    appendHtml(out, history.seasonNames()[season]);
}

void appendSummary(QByteArray& out, const LeagueHistory& history, QByteArrayView openTeam) {
    out += "<title>League history";
    if (history.seasonCount() > 0) {
        out += ", ";
        appendSeason(out, history, 0);
        if (history.seasonCount() > 1) {
            out += " to ";
            appendSeason(out, history, history.seasonCount() - 1);
        }
    }
    out += "</title>\n</head>\n<body";
    if (!openTeam.isEmpty()) {
        out += " data-open-team=\"";
        appendHtml(out, openTeam);
        out += '"';
    }
    out += ">\n<div id=view hidden></div>\n<div id=history>\n<h1>League history</h1>\n<p>";
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
           "<th>Renamed</thead>\n<tbody>\n";
    for (qsizetype season = 0; season < history.seasonCount(); ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        out += "<tr><td>";
        appendSeason(out, history, season);
        out += "<td>";
        appendNumber(out, counts.players);
        for (const int value : {counts.left, counts.arrived, counts.moved, counts.renamed}) {
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

// A team's name that opens its view.
void appendTeam(QByteArray& out, QByteArrayView name) {
    out += "<span class=team data-team=\"";
    appendHtml(out, name);
    out += "\">";
    appendHtml(out, name);
    out += "</span>";
}

void appendRenames(QByteArray& out, const LeagueHistory& history) {
    if (history.renames().isEmpty())
        return;
    out += "<h3>Renamed teams</h3>\n<p>A name on no roster whose players mostly went to a name new "
           "that season: they moved by name only, and are counted apart.</p>\n<ul id=renames>\n";
    for (const LeagueHistory::Rename& rename : history.renames()) {
        out += "<li>";
        historyRows::appendRename(
            out, history, rename,
            [&history](QByteArray& to, qsizetype season) { appendSeason(to, history, season); },
            appendTeam);
    }
    out += "</ul>\n";
}

// Four bars a season from the second on: left, arrived, moved and moved by a rename, on one scale:
// a rename moves a whole roster, which would otherwise stand for the busiest trading of all.
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
    constexpr int barWidth = 9;
    int highest = 1;
    for (qsizetype season = 1; season <= groups; ++season) {
        const LeagueHistory::SeasonCounts& counts = history.counts()[season];
        highest = std::max(
            {highest, counts.left, counts.arrived, counts.moved - counts.renamed, counts.renamed});
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
        const std::pair<const char*, int> bars[] = {{"left", counts.left},
                                                    {"arrived", counts.arrived},
                                                    {"moved", counts.moved - counts.renamed},
                                                    {"renamed", counts.renamed}};
        for (int bar = 0; bar < 4; ++bar) {
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
            const char* const said[] = {" left", " arrived", " moved to another team",
                                        " moved by a rename"};
            out += said[bar];
            out += "</title></rect>";
        }
        out += "<text text-anchor=\"end\" transform=\"translate(";
        number(x + 2 * barWidth);
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
           "<div class=scroller>\n<table id=careers>\n<thead><tr><th aria-sort=ascending "
           "data-type=number>"
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
    out += "</tbody>\n</table>\n</div>\n";
}

} // namespace

void print(const LeagueHistory& history, const historyRows::Sink& sink, QByteArrayView openTeam) {
    QByteArray out;
    out.reserve(2 * historyRows::partBytes);
    out += head;
    out += "<meta name=generator content=\"zorbin-history ";
    out += programVersion;
    out += "\">\n";
    appendSummary(out, history, openTeam);
    out += "<h2>Roster turnover</h2>\n<p>Each season against the one before: the players who left, "
           "who arrived and who moved to a team of another name (or to none, or from none); of "
           "those moved, how many a renamed team carried along.</p>\n"
           "<div class=turnover>\n<div>\n";
    appendCountsTable(out, history);
    out += "</div>\n<div>\n";
    appendChart(out, history);
    out += "<p class=legend><span class=left></span>left<span class=arrived></span>arrived"
           "<span class=moved></span>moved<span class=renamed></span>moved by a rename</p>\n"
           "</div>\n</div>\n";
    appendRenames(out, history);
    appendCareers(out, history, sink);
    out += "</div>\n";
    out += script;
    out += "</body>\n</html>\n";
    sink(out);
}

} // namespace zorbin::historyPage
