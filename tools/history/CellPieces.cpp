// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CellPieces.h"

#include <algorithm>

namespace zorbin {

CellPieces::CellPieces(const QList<QByteArray>& pieces) {
    qsizetype widest = 0;
    for (const QByteArray& piece : pieces)
        widest = std::max(widest, piece.size());
    stride_ = (widest + chunk - 1) / chunk * chunk;
    // A chunk more at the end: the last piece's last copy reads up to a chunk beyond it.
    block_ = QByteArray(pieces.size() * stride_ + chunk, '\0');
    for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
        std::copy(pieces[piece].begin(), pieces[piece].end(), block_.begin() + piece * stride_);
        sizes_.push_back(pieces[piece].size());
    }
}

} // namespace zorbin
