// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LeagueFileWriter.h"

#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/TeamRecord.h"

#include <algorithm>
#include <QFile>

namespace zorbin::league {

namespace {

void putS16Le(QByteArray& record, std::size_t offset, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    const auto at = static_cast<qsizetype>(offset);
    record[at] = static_cast<char>(bits & 0xFF);
    record[at + 1] = static_cast<char>(bits >> 8);
}

void putS16Le(QByteArray& record, RecordField field, std::int16_t value) {
    putS16Le(record, field.offset, value);
}

// Longer text is cut to the field; the rest of the field stays NUL.
void putText(QByteArray& record, RecordField field, const QByteArray& text) {
    std::copy_n(text.constData(), std::min(text.size(), static_cast<qsizetype>(field.width)),
                record.data() + field.offset);
}

QByteArray blankRecord(std::size_t length) {
    return QByteArray(static_cast<qsizetype>(length), '\0');
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
    QByteArray record = blankRecord(TeamRecord::length);
    putS16Le(record, TeamRecord::statusField, team.status);
    putS16Le(record, TeamRecord::word2Field, team.word2);
    putS16Le(record, TeamRecord::word6Field, team.word6);
    putText(record, TeamRecord::nameFirstPartField, team.nameFirstPart);
    putText(record, TeamRecord::nameSecondPartField, team.nameSecondPart);
    for (int slot = 0; slot < TeamRecord::rosterSlots; ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        const auto identity = at < team.roster.size() ? team.roster[at] : std::int16_t{-1};
        putS16Le(record, TeamRecord::rosterField.offset + 2 * at, identity);
    }
    return record;
}

QByteArray LeagueFileWriter::playerRecord(const PlayerEntry& player) {
    QByteArray record = blankRecord(PlayerRecord::length);
    putS16Le(record, PlayerRecord::statusField, player.status);
    putS16Le(record, PlayerRecord::identityField, player.identity);
    putText(record, PlayerRecord::firstNameField, player.firstName);
    putText(record, PlayerRecord::lastNameField, player.lastName);
    return record;
}

QByteArray LeagueFileWriter::masterRecord(const PlayerEntry& player) {
    QByteArray record = blankRecord(MasterPlayerRecord::length);
    putS16Le(record, MasterPlayerRecord::statusField, player.status);
    putS16Le(record, MasterPlayerRecord::identityField, player.identity);
    putText(record, MasterPlayerRecord::firstNameField, player.firstName);
    putText(record, MasterPlayerRecord::lastNameField, player.lastName);
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
