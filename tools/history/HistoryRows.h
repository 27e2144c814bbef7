// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CellPieces.h"
#include "league/LeagueHistory.h"
#include "PrintedBytes.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// How each form puts a player's row together. A history of ten seasons prints some 130,000 cells,
// and Qt's general append costs more per small addition than all the rest of a cell: a row goes
// in with one resize, its cells copied from pieces made once a team (CellPieces).
namespace zorbin::historyRows {

// Where a form's output goes, a part at a time.
using Sink = std::function<void(QByteArrayView)>;

// A form gathers its output up to about this size before handing it on: a part of that size stays
// in the processor's cache, which the whole of a long history would not.
inline constexpr qsizetype partBytes = 64 * 1024;

// Hands `out` to `sink` once it holds a whole part, keeping its memory for the next.
inline void passOn(QByteArray& out, const Sink& sink) {
    if (out.size() < partBytes)
        return;
    sink(out);
    out.resize(0);
}

// A row is written in one piece: room enough for it at the end of `out`, where it starts.
inline char* openRow(QByteArray& out, qsizetype room) {
    const qsizetype size = out.size();
    out.resize(size + room);
    return out.data() + size;
}

// Ends the row that openRow() made room for at `at`.
inline void closeRow(QByteArray& out, const char* at) {
    out.resize(at - out.constData());
}

// The most bytes a row takes besides its cells: the identity, the name and what goes around them.
inline constexpr qsizetype rowRoomBesideCells = 128 + 31 * printedBytes::mostBytesPerByte;

// An empty piece may have no data at all, which memcpy must not be handed.
inline char* copy(char* at, QByteArrayView bytes) {
    if (!bytes.isEmpty())
        std::memcpy(at, bytes.data(), static_cast<std::size_t>(bytes.size()));
    return at + bytes.size();
}

inline char* writeIdentity(char* at, int identity) {
    return std::to_chars(at, at + 16, identity).ptr;
}

// What a form prints for each kind of cell, in CellPieces' order. `printTeam` prints a team's name.
template <typename PrintTeam>
[[nodiscard]] QList<QByteArray> cellPieces(const LeagueHistory& history, QByteArrayView absent,
                                           QByteArrayView noTeam, PrintTeam printTeam) {
    QList<QByteArray> pieces = {absent.toByteArray(), noTeam.toByteArray()};
    for (std::int32_t team = 0; team < history.teamCount(); ++team) {
        QByteArray piece;
        printTeam(piece, history.teamName(team));
        pieces.append(std::move(piece));
    }
    return pieces;
}

// A row's cells in season order, each from the pieces `piecesOf(season)` gives, the first without
// its first `skipFirst` bytes (a separator that only goes between cells). `at` has room for the
// pieces' room() a season.
template <typename PiecesOf>
char* writeCells(char* at, const LeagueHistory& history, qsizetype row, PiecesOf piecesOf,
                 qsizetype skipFirst) {
    for (qsizetype season = 0; season < history.seasonCount(); ++season)
        at = piecesOf(season).write(at, history.team(row, season), season == 0 ? skipFirst : 0);
    return at;
}

// The same pieces for every season.
inline char* writeCells(char* at, const LeagueHistory& history, qsizetype row,
                        const CellPieces& pieces, qsizetype skipFirst) {
    return writeCells(
        at, history, row, [&pieces](qsizetype) -> const CellPieces& { return pieces; }, skipFirst);
}

// A rename in the words the text and the page share, "SEASON: FROM became TO (CARRIED of OF
// players went along)" and a line's end, the season and the names written as each form writes them.
template <typename AppendSeason, typename AppendTeam>
void appendRename(QByteArray& out, const LeagueHistory& history,
                  const LeagueHistory::Rename& rename, AppendSeason appendSeason,
                  AppendTeam appendTeam) {
    appendSeason(out, rename.season);
    out += ": ";
    appendTeam(out, history.teamName(rename.from));
    out += " became ";
    appendTeam(out, history.teamName(rename.to));
    out += " (";
    printedBytes::appendNumber(out, rename.carried);
    out += " of ";
    printedBytes::appendNumber(out, rename.of);
    out += " players went along)\n";
}

} // namespace zorbin::historyRows
