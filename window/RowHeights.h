// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbin {

// A list whose box is measured in rows of text in its own font.
class RowHeights {
public:
    virtual ~RowHeights() = default;

    // The height of a box that shows `rows` rows whole, its frame included.
    [[nodiscard]] virtual int heightForRows(int rows) const = 0;
};

} // namespace zorbin
