// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/TeamRecord.h"

#include "records/ByteReader.h"
#include "records/FieldText.h"

namespace zorbin {

TeamRecord TeamRecord::decode(std::span<const std::uint8_t> record) {
    const ByteReader reader(record);
    TeamRecord team;
    team.status = reader.readS16Le(statusField.offset);
    team.word2 = reader.readS16Le(word2Field.offset);
    team.word6 = reader.readS16Le(word6Field.offset);
    team.bytes_ = record;
    return team;
}

bool TeamRecord::accepted() const {
    return status == 0 && word2 >= 0 && word6 >= 1;
}

QByteArray TeamRecord::displayName() const {
    const ByteReader reader(bytes_);
    QByteArray name = fieldText(reader.field(nameFirstPartField));
    name += ' ';
    name += fieldText(reader.field(nameSecondPartField));
    return name;
}

} // namespace zorbin
