// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

namespace zorbin::fuzz {

// One fuzz input carries several files: their bytes joined by a separator that ordinary record data
// is unlikely to hold. Splitting never fails, so every input the fuzzer makes is a valid case.
class FuzzBlobs {
public:
    static inline const QByteArray separator = QByteArrayLiteral("\n#ZORBIN-FILE#\n");

    // At most `maxBlobs` pieces: the last one keeps any further separators as data.
    [[nodiscard]] static QList<QByteArray> split(const QByteArray& input, int maxBlobs);
    [[nodiscard]] static QByteArray join(const QList<QByteArray>& blobs);
};

} // namespace zorbin::fuzz
