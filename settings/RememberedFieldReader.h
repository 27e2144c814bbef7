// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QByteArray>

namespace zorbin {

// Reads the entries of a remembered-folder file one field at a time. Leading blanks are skipped; a
// quoted field's value runs to the next quote and the field then ends at the next comma or line
// end; an unquoted field runs to the first comma or line end. Any bytes are accepted.
class RememberedFieldReader {
public:
    explicit RememberedFieldReader(QByteArray content) : content_(std::move(content)) {}

    // The next field's value, or nothing when the content holds no further field.
    [[nodiscard]] std::optional<QByteArray> nextField();

private:
    void skipToFieldEnd();

    QByteArray content_;
    qsizetype position_ = 0;
};

} // namespace zorbin
