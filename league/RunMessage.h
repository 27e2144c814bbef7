// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// One thing a run has to tell the user, worded once for the window and the tools alike.
struct RunMessage {
    enum class Kind {
        Stopped,            // the comparison or the history could not be made
        NotRemembered,      // the folders could not be saved; the lists are still shown
        MasterUnread,       // the lists carry the current season's names only
        TeamUnread,         // the lists carry no teams
        WrongWinePrefix,    // $WINEPREFIX names no prefix, so no Windows path can be read
        OtherPrefixes,      // several Wine prefixes hold the league; one was read
        Doubt,              // a copy that could not be looked at might have been the one to read
        HeldElsewhere,      // a folder the prefix read lacks is in another, which is not read
        ReadThroughPrefix,  // which Wine prefix Windows paths were read through, for the record
        Exported,           // the export's file is complete
        SeasonPassedOver,   // a season that can't be used is left out of the history
        SeasonWithoutTeams, // a season's team file is missing: its players are on no roster
        SeasonNamedTwice,   // a season named twice is read once
        SeasonsFound,       // which folders of a league were taken as its seasons, for the record
        LeftOutNotFound     // a subfolder to leave out of a league is not there, for the record
    };
    Kind kind;
    QString text;
    // What it means for lists that are shown all the same; a tool that stops has no need of it.
    QString consequence = {};

    // The message as a window that shows the lists says it.
    [[nodiscard]] QString windowText() const {
        return consequence.isEmpty() ? text : text + QLatin1Char('\n') + consequence;
    }

    // Named on a command line, a file that gives nothing is a slip rather than a league without
    // names or teams: a tool ends with a failure for these, and prints no lists.
    [[nodiscard]] bool endsAToolRun() const {
        return kind == Kind::Stopped || kind == Kind::MasterUnread || kind == Kind::TeamUnread;
    }
    // A tool prints what it could read, and ends with a failure all the same: the lists may not
    // be the latest copy's, or a season is missing from the history or has no teams.
    [[nodiscard]] bool failsAToolRun() const {
        return endsAToolRun() || kind == Kind::Doubt || kind == Kind::SeasonPassedOver ||
               kind == Kind::SeasonWithoutTeams;
    }
    // A window tells what changes the lists; a tool's standard error also keeps the record.
    [[nodiscard]] bool forTheWindow() const { return kind != Kind::ReadThroughPrefix; }
};

} // namespace zorbin
