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

TEST(ListFileWriter, NeverWritesOverAGameDataFile) {
    QTemporaryDir folder;
    for (const char* name : {"qelplyr.dat", "QELTEAM.DAT", "Mastplyr.dat"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        test::LeagueFolder::writeBytes(path, "league data");
        const auto failure = listFileWriter::write(path, {"a line"});
        ASSERT_TRUE(failure) << name;
        EXPECT_TRUE(failure->message().contains(path));
        EXPECT_EQ(contentOf(path), QByteArray("league data"));
    }
    EXPECT_FALSE(listFileWriter::write(folder.filePath("qelplyr.dat.txt"), {"a line"}));
}

TEST(ListFileWriter, ConfirmationNamesTheFileAndEndsInABlank) {
    EXPECT_EQ(listFileWriter::confirmationText("/lists/gone.txt"),
              QStringLiteral("file /lists/gone.txt was written "));
}

} // namespace
} // namespace zorbin
