// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/FieldText.h"

#include <algorithm>

namespace zorbin {

QByteArray fieldText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return QByteArray(reinterpret_cast<const char*>(field.data()),
                      static_cast<qsizetype>(end - field.begin()));
}

QByteArray playerDisplayName(std::span<const std::uint8_t> lastNameField,
                             std::span<const std::uint8_t> firstNameField) {
    QByteArray name = fieldText(lastNameField);
    name += ',';
    name += fieldText(firstNameField);
    return name;
}

} // namespace zorbin
