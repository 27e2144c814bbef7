// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzBlobs.h"

namespace zorbin::fuzz {

QList<QByteArray> FuzzBlobs::split(const QByteArray& input, int maxBlobs) {
    QList<QByteArray> blobs;
    qsizetype start = 0;
    while (blobs.size() + 1 < maxBlobs) {
        const qsizetype found = input.indexOf(separator, start);
        if (found < 0)
            break;
        blobs.append(input.mid(start, found - start));
        start = found + separator.size();
    }
    blobs.append(input.mid(start));
    return blobs;
}

QByteArray FuzzBlobs::join(const QList<QByteArray>& blobs) {
    return blobs.join(separator);
}

} // namespace zorbin::fuzz
