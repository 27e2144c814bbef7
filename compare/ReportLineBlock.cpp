// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/ReportLineBlock.h"

namespace zorbin {

namespace {
// A line takes some 30 bytes before its team and 20 for the team.
constexpr qsizetype expectedLineBytes = 56;
} // namespace

ReportLineBlock::ReportLineBlock(qsizetype expectedLines) {
    bytes_.reserve(expectedLines * expectedLineBytes);
    lines_.reserve(static_cast<std::size_t>(expectedLines));
}

void ReportLineBlock::append(const std::optional<DisplayNameParts>& name, int identity,
                             QByteArrayView team) {
    const qsizetype offset = bytes_.size();
    appendReportLine(bytes_, name, identity, team);
    lines_.emplace_back(offset, bytes_.size() - offset);
    // What every QByteArray's bytes end in.
    bytes_.append('\0');
}

QList<QByteArray> ReportLineBlock::takeLines() {
    QList<QByteArray> lines(static_cast<qsizetype>(lines_.size()));
    QByteArray* line = lines.data();
    for (const auto& [offset, size] : lines_) {
        // A copy of the block's data pointer holds a reference to its one allocation, which is
        // freed with the last line; pointed at the line, it is that line.
        QByteArray::DataPointer bytes = bytes_.data_ptr();
        bytes.ptr += offset;
        bytes.size = size;
        *line++ = QByteArray(std::move(bytes));
    }
    bytes_ = QByteArray();
    lines_.clear();
    return lines;
}

} // namespace zorbin
