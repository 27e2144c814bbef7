// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueFiles.h"

#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <sys/stat.h>

namespace zorbin {
namespace {

using test::LeagueFolder;

TEST(LeagueFiles, PathBoxTextNamesTheFileAColumnWouldSelect) {
    struct Case {
        const char* name;
        QStringList files;       // regular files placed in the folder
        QStringList folders;     // folders placed there
        QString fifo;            // a FIFO placed there, if any
        QString expected;        // the file's name in the path box; empty for an empty box
        QString read = expected; // the entry a run reads for the folder
        QStringList empty = {};  // empty files placed there, as a save that crashed leaves one
    };
    const Case cases[] = {
        {"exact spelling", {"qelplyr.dat", "QELPLYR.DAT"}, {}, {}, "qelplyr.dat"},
        {"another case", {"QelPlyr.dat", "QELPLYR.DAT"}, {}, {}, "QELPLYR.DAT"},
        {"exact spelling is a folder", {"QelPlyr.DAT"}, {"qelplyr.dat"}, {}, "QelPlyr.DAT"},
        {"only a folder", {}, {"QELPLYR.DAT"}, {}, {}, "QELPLYR.DAT"},
        {"only a FIFO", {}, {}, "qelplyr.dat", {}, "qelplyr.dat"},
        {"nothing", {"qelteam.dat"}, {}, {}, {}, "qelplyr.dat"},
        {"exact spelling empty",
         {"QELPLYR.DAT"},
         {},
         {},
         "QELPLYR.DAT",
         "QELPLYR.DAT",
         {"qelplyr.dat"}},
        {"every spelling empty",
         {},
         {},
         {},
         "qelplyr.dat",
         "qelplyr.dat",
         {"QELPLYR.DAT", "qelplyr.dat"}},
    };
    for (const Case& c : cases) {
        LeagueFolder league;
        const QString folder = league.priorFolder();
        for (const QString& file : c.files)
            LeagueFolder::writeBytes(folder + '/' + file, "x");
        for (const QString& file : c.empty)
            LeagueFolder::writeBytes(folder + '/' + file, {});
        for (const QString& sub : c.folders)
            QDir(folder).mkpath(sub);
        if (!c.fifo.isEmpty()) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(folder + '/' + c.fifo).constData(), 0600), 0);
        }
        const QString expected = c.expected.isEmpty() ? QString() : folder + '/' + c.expected;
        EXPECT_EQ(leagueFiles::pathBoxText(folder, "qelplyr.dat"), expected) << c.name;
        EXPECT_EQ(leagueFiles::pathIn(folder, "qelplyr.dat"), folder + '/' + c.read) << c.name;
    }
}

TEST(LeagueFiles, FoldersAreFullCleanPathsAndTheRootJoinsWithTwoSeparators) {
    EXPECT_EQ(leagueFiles::folderString("/usr/../usr/lib/"), "/usr/lib");
    EXPECT_EQ(leagueFiles::folderString("/"), "/");
    EXPECT_EQ(leagueFiles::folderString("."), QDir::currentPath());
    EXPECT_EQ(leagueFiles::pathIn("/", "zorbin-no-such-file"), "//zorbin-no-such-file");
}

} // namespace
} // namespace zorbin
