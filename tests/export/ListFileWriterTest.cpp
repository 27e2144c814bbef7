// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ListFileWriter.h"

#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbin {
namespace {

using test::contentOf;

TEST(ListFileWriter, WritesEachLineUnchangedWithCrLfAndReplacesAnOlderFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("gone.txt");
    test::LeagueFolder::writeBytes(path, QByteArray(500, 'x'));
    const QList<QByteArray> lines = {"Ortega,Luis            12345 Lake City Comets",
                                     "M\xFCller,J\xF6rg            12346 ",
                                     "                       12347 "};
    ASSERT_FALSE(listFileWriter::write(path, lines));
    EXPECT_EQ(contentOf(path), QByteArray("Ortega,Luis            12345 Lake City Comets\r\n"
                                          "M\xFCller,J\xF6rg            12346 \r\n"
                                          "                       12347 \r\n"));

    ASSERT_FALSE(listFileWriter::write(path, {}));
    EXPECT_EQ(contentOf(path), QByteArray());
    EXPECT_TRUE(QFile::exists(path));
}

TEST(ListFileWriter, FailuresNameThePathAndReasonAndLeaveTheOldFileAlone) {
    QTemporaryDir folder;
    const QString missingFolder = folder.filePath("no-such-folder/list.txt");
    auto failure = listFileWriter::write(missingFolder, {"a"});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, missingFolder);
    EXPECT_FALSE(failure->reason.isEmpty());

    failure = listFileWriter::write(folder.path(), {"a"});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, qt_error_string(EISDIR));
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());

    failure = listFileWriter::write(QStringLiteral("/dev/full"), {"a line"});
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->message().contains("/dev/full"));
    struct stat status {};
    ASSERT_EQ(::stat("/dev/full", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode)) << "the device node was replaced";

    EXPECT_TRUE(listFileWriter::write(QString(), {"a"}));
}

TEST(ListFileWriter, NeverWritesOverAGameDataFileByNameLinkOrSecondName) {
    QTemporaryDir folder;
    const QString league = folder.filePath("league");
    ASSERT_TRUE(QDir().mkpath(league));
    const QString players = league + "/qelplyr.dat";
    test::LeagueFolder::writeBytes(players, "league data");
    const auto link = [&folder](const QString& target, const char* name) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::link(target, path)) << name;
        return path;
    };
    const QString hardLink = folder.filePath("players.bak");
    ASSERT_EQ(
        ::link(QFile::encodeName(players).constData(), QFile::encodeName(hardLink).constData()), 0);

    // The remembered folders of a working folder, one there and one not yet.
    const QString remembered = folder.filePath("MissDir.Txt");
    test::LeagueFolder::writeBytes(remembered, "folders");
    const QStringList ownFiles{remembered, folder.filePath("QELMDir.txt")};
    const QString secondRemembered = folder.filePath("folders.bak");
    ASSERT_EQ(::link(QFile::encodeName(remembered).constData(),
                     QFile::encodeName(secondRemembered).constData()),
              0);

    struct Case {
        QString chosen;
        QString protectedFile; // the game file that must keep its bytes
        const char* reason = "QEL data file";
    };
    const Case cases[] = {
        {league + "/QELTEAM.DAT", league + "/QELTEAM.DAT"},
        {league + "/Mastplyr.dat", league + "/Mastplyr.dat"},
        {players, players},
        {link(players, "out.txt"), players},
        {folder.filePath("OUT.TXT"), players}, // the link above, named in another case
        {link(folder.filePath("out.txt"), "chain.txt"), players},
        {link(league + "/Mastplyr.dat", "dangling.txt"), league + "/Mastplyr.dat"},
        {link(league, "to-league") + "/QELPLYR.DAT", players},
        {hardLink, players},
        {folder.filePath("missdir.txt"), remembered, "remembers its folders"},
        {link(remembered, "folders.txt"), remembered, "remembers its folders"},
        {secondRemembered, remembered, "remembers its folders"},
        {folder.filePath("qelmdir.TXT"), folder.filePath("qelmdir.TXT"), "remembers its folders"},
    };
    for (const Case& refused : cases) {
        const QByteArray before = contentOf(refused.protectedFile);
        const auto failure = listFileWriter::write(refused.chosen, {"a line"}, {players}, ownFiles);
        ASSERT_TRUE(failure) << refused.chosen.toStdString();
        // Named as on disk, which may differ from the chosen name in letter case.
        EXPECT_TRUE(failure->message().contains(refused.chosen, Qt::CaseInsensitive))
            << failure->message().toStdString();
        EXPECT_TRUE(failure->message().contains(refused.reason))
            << failure->message().toStdString();
        EXPECT_EQ(contentOf(refused.protectedFile), before) << refused.chosen.toStdString();
    }
    EXPECT_FALSE(QFile::exists(league + "/Mastplyr.dat")) << "written through a dangling link";
    EXPECT_EQ(QDir(folder.path()).entryList({"qelmdir.txt"}), QStringList());
    EXPECT_EQ(contentOf(players), QByteArray("league data"));

    EXPECT_FALSE(listFileWriter::write(folder.filePath("qelplyr.dat.txt"), {"a line"}, {players}));
    // A link to a file of the user's is written through.
    const QString list = folder.filePath("list.txt");
    test::LeagueFolder::writeBytes(list, "old");
    EXPECT_FALSE(listFileWriter::write(link(list, "list-link.txt"), {"new"}, {players}));
    EXPECT_EQ(contentOf(list), QByteArray("new\r\n"));
}

TEST(ListFileWriter, ANameInAnotherLetterCaseRewritesTheExistingFile) {
    QTemporaryDir folder;
    test::LeagueFolder::writeBytes(folder.filePath("gone.txt"), "old list");
    ASSERT_FALSE(listFileWriter::write(folder.filePath("GONE.TXT"), {"a line"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"gone.txt"});
    EXPECT_EQ(contentOf(folder.filePath("gone.txt")), QByteArray("a line\r\n"));
}

} // namespace
} // namespace zorbin
