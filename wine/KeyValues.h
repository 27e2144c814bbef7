// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace zorbin {

// One entry of Valve's KeyValues text, the format of Steam's libraryfolders.vdf and
// appmanifest_<appid>.acf: a key with either a value or a block of further entries. These files
// are written by another program and may be damaged, so reading is bounded and refuses rather than
// guesses: a text that is too large, nested too deep, holds too many entries or is not KeyValues at
// all reads as nothing.
class KeyValues {
public:
    static constexpr qsizetype largestText = 1024 * 1024;
    static constexpr int deepestNesting = 16;
    static constexpr int mostEntries = 65536;

    QString key;
    QString value;             // a value entry's value; empty for a block
    QList<KeyValues> children; // a block's entries in file order
    bool block = false;

    // The entries of `text` as one nameless block. Quoted and bare tokens, "//" comments and
    // "[$WIN32]"-style conditions are read as Steam reads them; blocks left open at the end (a file
    // cut short) count as closed.
    [[nodiscard]] static std::optional<KeyValues> parse(QByteArrayView text);

    // `path` parsed, when it can be read and is no larger than `largest` bytes.
    [[nodiscard]] static std::optional<KeyValues> read(const QString& path,
                                                       qsizetype largest = largestText);

    // The first entry keyed `name`, without regard to case as Steam matches keys; null when none.
    [[nodiscard]] const KeyValues* find(QStringView name) const;

    // The value of the first value entry keyed `name`; empty when there is none.
    [[nodiscard]] QString valueOf(QStringView name) const;
};

} // namespace zorbin
