// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/RememberedFieldReader.h"

namespace zorbin {

namespace {
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

void RememberedFieldReader::skipToFieldEnd() {
    while (position_ < content_.size() && content_[position_] != ',' &&
           !isLineEnd(content_[position_]))
        ++position_;
    if (position_ >= content_.size())
        return;
    if (content_[position_] == ',') {
        ++position_;
        return;
    }
    // CR LF, a lone CR or a lone LF each end one line.
    if (content_[position_] == '\r' && position_ + 1 < content_.size() &&
        content_[position_ + 1] == '\n')
        ++position_;
    ++position_;
}

std::optional<QByteArray> RememberedFieldReader::nextField() {
    while (position_ < content_.size() &&
           (content_[position_] == ' ' || content_[position_] == '\t'))
        ++position_;
    if (position_ >= content_.size())
        return std::nullopt;
    if (content_[position_] == '"') {
        const qsizetype valueStart = position_ + 1;
        qsizetype closingQuote = content_.indexOf('"', valueStart);
        if (closingQuote < 0)
            closingQuote = content_.size();
        QByteArray value = content_.mid(valueStart, closingQuote - valueStart);
        position_ = std::min(closingQuote + 1, content_.size());
        skipToFieldEnd();
        return value;
    }
    const qsizetype valueStart = position_;
    while (position_ < content_.size() && content_[position_] != ',' &&
           !isLineEnd(content_[position_]))
        ++position_;
    QByteArray value = content_.mid(valueStart, position_ - valueStart);
    skipToFieldEnd();
    return value;
}

} // namespace zorbin
