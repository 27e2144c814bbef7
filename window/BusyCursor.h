// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbin {

// The wait cursor over the whole application for as long as the object lives: reading a league on
// a slow network share, or writing a list there, takes seconds with nothing else to show for it.
// End it before any message, which waits on the user rather than on the program.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Ends the wait cursor before the object goes; later calls do nothing.
    void end();

private:
    bool showing_ = true;
};

} // namespace zorbin
