// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/ReportLine.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace zorbin {

QByteArray displayName(const DisplayNameParts& name) {
    QByteArray text;
    text.reserve(name.lastName.size() + 1 + name.firstName.size());
    text.append(name.lastName).append(',').append(name.firstName);
    return text;
}

void appendReportLine(QByteArray& out, const std::optional<DisplayNameParts>& name, int identity,
                      QByteArrayView team) {
    char digits[16];
    const auto [digitsEnd, error] = std::to_chars(digits, digits + sizeof digits, identity);
    const qsizetype digitCount = error == std::errc() ? digitsEnd - digits : 0;
    const qsizetype nameSize = name ? name->lastName.size() + 1 + name->firstName.size() : 0;

    // Filled in place: this runs once per listed player, up to 22,768 times a run.
    const qsizetype spaces = reportLayout::spacesAfterName(nameSize);
    const qsizetype start = out.size();
    out.resize(start + nameSize + spaces + digitCount + 1 + team.size());
    char* at = out.data() + start;
    const auto put = [&at](QByteArrayView bytes) {
        // An empty team is a null view: memcpy from a null pointer is undefined even for 0 bytes.
        if (bytes.isEmpty())
            return;
        std::memcpy(at, bytes.data(), static_cast<std::size_t>(bytes.size()));
        at += bytes.size();
    };
    if (name) {
        put(name->lastName);
        *at++ = ',';
        put(name->firstName);
    }
    std::memset(at, ' ', static_cast<std::size_t>(spaces));
    at += spaces;
    put(QByteArrayView(digits, digitCount));
    *at++ = reportLayout::afterIdentity;
    put(team);
}

} // namespace zorbin
