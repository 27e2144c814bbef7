// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeagueFileWriter.h"

#include <algorithm>
#include <QFile>

namespace zorbin::league {

namespace {

void putS16Le(QByteArray& record, qsizetype offset, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<char>(bits & 0xFF);
    record[offset + 1] = static_cast<char>(bits >> 8);
}

void putText(QByteArray& record, qsizetype offset, qsizetype width, const QByteArray& text) {
    std::copy_n(text.constData(), std::min(text.size(), width), record.data() + offset);
}

template <typename Entry, typename Encode>
QByteArray fileOf(const std::vector<Entry>& entries, Encode encode) {
    QByteArray file;
    for (const Entry& entry : entries)
        file += encode(entry);
    return file;
}

} // namespace

QByteArray LeagueFileWriter::teamRecord(const TeamEntry& team) {
    QByteArray record(746, '\0');
    putS16Le(record, 0, team.status);
    putS16Le(record, 2, team.word2);
    putS16Le(record, 6, team.word6);
    putText(record, 15, 16, team.nameFirstPart);
    putText(record, 31, 16, team.nameSecondPart);
    for (qsizetype slot = 0; slot < 80; ++slot) {
        const auto identity = slot < static_cast<qsizetype>(team.roster.size())
                                  ? team.roster[static_cast<std::size_t>(slot)]
                                  : std::int16_t{-1};
        putS16Le(record, 258 + 2 * slot, identity);
    }
    return record;
}

QByteArray LeagueFileWriter::playerRecord(const PlayerEntry& player) {
    QByteArray record(656, '\0');
    putS16Le(record, 0, player.status);
    putS16Le(record, 6, player.identity);
    putText(record, 18, 14, player.firstName);
    putText(record, 32, 16, player.lastName);
    return record;
}

QByteArray LeagueFileWriter::masterRecord(const PlayerEntry& player) {
    QByteArray record(94, '\0');
    putS16Le(record, 0, player.status);
    putS16Le(record, 2, player.identity);
    putText(record, 4, 14, player.firstName);
    putText(record, 18, 16, player.lastName);
    return record;
}

QByteArray LeagueFileWriter::teamFile(const std::vector<TeamEntry>& teams) {
    return fileOf(teams, teamRecord);
}

QByteArray LeagueFileWriter::playerFile(const std::vector<PlayerEntry>& players) {
    return fileOf(players, playerRecord);
}

QByteArray LeagueFileWriter::masterFile(const std::vector<PlayerEntry>& players) {
    return fileOf(players, masterRecord);
}

std::optional<FileFailure> LeagueFileWriter::write(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush())
        return FileFailure{QStringLiteral("write"), path, file.errorString()};
    return std::nullopt;
}

} // namespace zorbin::league
