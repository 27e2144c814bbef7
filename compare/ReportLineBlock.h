// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/ReportLine.h"

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <utility>
#include <vector>

namespace zorbin {

// Report lines written one after another into one buffer and handed out as QByteArrays that share
// it. A run lists up to 22,768 players, and an allocation (and later a free) for each line cost
// more than building them. Each line is an ordinary QByteArray: NUL-terminated, and copied away
// from the others the first time it is changed.
class ReportLineBlock {
public:
    explicit ReportLineBlock(qsizetype expectedLines);

    void append(const std::optional<DisplayNameParts>& name, int identity, QByteArrayView team);
    // The lines appended so far, in order; the block starts afresh.
    [[nodiscard]] QList<QByteArray> takeLines();

private:
    QByteArray bytes_;
    std::vector<std::pair<qsizetype, qsizetype>> lines_; // each line's offset and size in bytes_
};

} // namespace zorbin
