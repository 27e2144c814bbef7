// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/CsvRecords.h"

#include <utility>

namespace zorbin::test {

std::optional<QList<QStringList>> csvRecords(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    qsizetype at = 0;
    bool fieldStart = true;
    while (at < text.size()) {
        const QChar character = text[at];
        if (fieldStart && character == u'"') {
            for (++at;; ++at) {
                if (at >= text.size())
                    return std::nullopt;
                if (text[at] == u'"' && !text.mid(at, 2).startsWith(u"\"\""))
                    break;
                if (text[at] == u'"')
                    ++at;
                field += text[at];
            }
            ++at;
            if (at < text.size() && text[at] != u',' && text[at] != u'\r')
                return std::nullopt;
            fieldStart = false;
        } else if (character == u',') {
            record.append(std::exchange(field, {}));
            ++at;
            fieldStart = true;
        } else if (character == u'\r') {
            if (text.mid(at, 2) != u"\r\n")
                return std::nullopt;
            record.append(std::exchange(field, {}));
            records.append(std::exchange(record, {}));
            at += 2;
            fieldStart = true;
        } else if (character == u'\n' || character == u'"') {
            return std::nullopt;
        } else {
            field += character;
            ++at;
            fieldStart = false;
        }
    }
    if (!fieldStart || !record.isEmpty())
        return std::nullopt;
    return records;
}

} // namespace zorbin::test
