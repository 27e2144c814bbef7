// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstring>
#include <QByteArray>
#include <QList>
#include <vector>

namespace zorbin {

// What a form prints for each kind of cell, made once: a season the player was not in, one he
// played on no roster, then each team, looked up by LeagueHistory::team(). Kept side by side in one
// block at a fixed stride, so that a cell goes out in copies of a fixed size, which the compiler
// makes a few vector moves; a call to copy a cell's few bytes cost more than all the rest of it.
class CellPieces {
public:
    static constexpr qsizetype chunk = 32;

    // `pieces` in the order above.
    explicit CellPieces(const QList<QByteArray>& pieces);

    // Writes the piece for `team` at `at`, without its first `skip` bytes, and returns where it
    // ends. `at` has room for room() bytes: a copy may write up to a chunk beyond the piece.
    char* write(char* at, std::int32_t team, qsizetype skip = 0) const {
        const auto piece = static_cast<std::size_t>(team + 2);
        const char* from = block_.constData() + static_cast<qsizetype>(piece) * stride_ + skip;
        const qsizetype size = sizes_[piece] - skip;
        for (qsizetype done = 0; done < size; done += chunk)
            std::memcpy(at + done, from + done, chunk);
        return at + size;
    }
    // The room a cell's write needs.
    [[nodiscard]] qsizetype room() const { return stride_ + chunk; }

private:
    qsizetype stride_ = 0;
    QByteArray block_;
    std::vector<qsizetype> sizes_;
};

} // namespace zorbin
