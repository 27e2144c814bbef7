// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReferenceComparison.h"

#include <map>
#include <set>

namespace zorbin::fuzz {

namespace {

// The records of a file; a trailing partial record counts, its missing bytes read as zero.
QList<QByteArray> recordsOf(const QByteArray& file, qsizetype length) {
    QList<QByteArray> records;
    for (qsizetype offset = 0; offset < file.size(); offset += length) {
        QByteArray record = file.mid(offset, length);
        record.append(length - record.size(), '\0');
        records.append(record);
    }
    return records;
}

int word(const QByteArray& record, qsizetype offset) {
    const auto low = static_cast<unsigned char>(record[offset]);
    const auto high = static_cast<unsigned char>(record[offset + 1]);
    const int value = low | (high << 8);
    return value >= 0x8000 ? value - 0x10000 : value;
}

QByteArray text(const QByteArray& record, qsizetype offset, qsizetype width) {
    const QByteArray field = record.mid(offset, width);
    const qsizetype nul = field.indexOf('\0');
    return nul < 0 ? field : field.left(nul);
}

// Every identity on an accepted team's roster, with the last such team's name.
std::map<int, QByteArray> teamsOf(const std::optional<QByteArray>& teamFile) {
    std::map<int, QByteArray> teamOf;
    for (const QByteArray& record : recordsOf(teamFile.value_or(QByteArray()), 746)) {
        if (word(record, 0) != 0 || word(record, 2) < 0 || word(record, 6) < 1)
            continue;
        const QByteArray name = text(record, 15, 16) + ' ' + text(record, 31, 16);
        for (int slot = 0; slot < 80; ++slot)
            teamOf[word(record, 258 + 2 * slot)] = name;
    }
    return teamOf;
}

QByteArray found(const std::map<int, QByteArray>& map, int identity) {
    const auto entry = map.find(identity);
    return entry == map.end() ? QByteArray() : entry->second;
}

} // namespace

ExpectedComparison ReferenceComparison::expected(const std::optional<QByteArray>& teamFile,
                                                 const std::optional<QByteArray>& priorFile,
                                                 const std::optional<QByteArray>& currentFile,
                                                 const std::optional<QByteArray>& masterFile,
                                                 const std::optional<QByteArray>& currentTeamFile) {
    ExpectedComparison expected;
    if (!priorFile || priorFile->isEmpty() || !currentFile || currentFile->isEmpty()) {
        expected.missingPlayerFile = true;
        return expected;
    }

    const std::map<int, QByteArray> teamOf = teamsOf(teamFile);
    const std::map<int, QByteArray> currentTeamOf = teamsOf(currentTeamFile);

    std::set<int> prior;
    for (const QByteArray& record : recordsOf(*priorFile, 656)) {
        if (word(record, 0) == 0 && word(record, 6) >= 10000)
            prior.insert(word(record, 6));
    }
    std::map<int, QByteArray> current;
    for (const QByteArray& record : recordsOf(*currentFile, 656)) {
        if (word(record, 0) == 0 && word(record, 6) >= 10000)
            current[word(record, 6)] = text(record, 32, 16) + ',' + text(record, 18, 14);
    }
    std::map<int, QByteArray> master;
    for (const QByteArray& record : recordsOf(masterFile.value_or(QByteArray()), 94)) {
        if (word(record, 0) == 0 && word(record, 2) > 10000)
            master[word(record, 2)] = text(record, 18, 16) + ',' + text(record, 4, 14);
    }

    const auto lineOf = [&](int identity) {
        ExpectedLine line;
        line.identity = identity;
        if (const auto masterName = master.find(identity); masterName != master.end())
            line.name = masterName->second;
        else if (const auto name = current.find(identity); name != current.end())
            line.name = name->second;
        line.team = found(teamOf, identity);
        line.currentTeam = found(currentTeamOf, identity);
        return line;
    };
    std::set<int> identities = prior;
    for (const auto& entry : current)
        identities.insert(entry.first);
    for (const int identity : identities) {
        if (identity > 35000)
            break;
        const bool inPrior = prior.count(identity) != 0;
        const bool inCurrent = current.count(identity) != 0;
        if (inPrior && !inCurrent)
            expected.left.append(lineOf(identity));
        else if (inCurrent && !inPrior)
            expected.arrived.append(lineOf(identity));
        else if (found(teamOf, identity) != found(currentTeamOf, identity))
            expected.moved.append(lineOf(identity));
    }
    return expected;
}

} // namespace zorbin::fuzz
