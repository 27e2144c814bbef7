// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>
#include <vector>

namespace zorbin::league {

struct TeamEntry {
    QByteArray nameFirstPart;         // at most 16 bytes are kept; the rest of the field is NUL
    QByteArray nameSecondPart;        // likewise
    std::vector<std::int16_t> roster; // up to 80 identities; unused slots hold -1
    std::int16_t status = 0;
    std::int16_t word2 = 0;
    std::int16_t word6 = 1;
};

struct PlayerEntry {
    std::int16_t identity = 0;
    QByteArray firstName; // at most 14 bytes are kept
    QByteArray lastName;  // at most 16 bytes are kept
    std::int16_t status = 0;
};

// Encodes QEL records byte by byte and writes whole files of them: the test fixtures, the sample
// league and the benchmark league are all made with it.
class LeagueFileWriter {
public:
    [[nodiscard]] static QByteArray teamRecord(const TeamEntry& team);
    [[nodiscard]] static QByteArray playerRecord(const PlayerEntry& player);
    [[nodiscard]] static QByteArray masterRecord(const PlayerEntry& player);

    [[nodiscard]] static QByteArray teamFile(const std::vector<TeamEntry>& teams);
    [[nodiscard]] static QByteArray playerFile(const std::vector<PlayerEntry>& players);
    [[nodiscard]] static QByteArray masterFile(const std::vector<PlayerEntry>& players);

    // Writes `content` to `path`, replacing it.
    [[nodiscard]] static std::optional<FileFailure> write(const QString& path,
                                                          const QByteArray& content);
};

} // namespace zorbin::league
