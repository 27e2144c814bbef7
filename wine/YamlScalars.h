// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// The scalars of a YAML text as Lutris and Bottles write their settings: block mappings, one key a
// line, holding plain or quoted scalars, each found by the keys that lead to it ("game", "prefix").
// What else YAML allows (lists, flow and block collections, aliases) is stepped over, and what it
// holds is not found. These files are written by another program and may be damaged, so reading
// is bounded: a text that is too large, nested too deep, holds too many scalars, or is not text at
// all (not UTF-8, or holding control characters YAML forbids) reads as nothing.
class YamlScalars {
public:
    static constexpr qsizetype largestText = 1024 * 1024;
    static constexpr int deepestNesting = 16;
    static constexpr int mostEntries = 65536;

    struct Entry {
        QStringList keys; // from the outermost mapping in
        QString value;
    };
    QList<Entry> entries; // in file order; a null ("~", "null") is none

    [[nodiscard]] static std::optional<YamlScalars> parse(QByteArrayView text);

    // The value at `keys`, the last one as YAML readers take a key given twice; empty when none.
    [[nodiscard]] QString valueOf(const QStringList& keys) const;
};

} // namespace zorbin
