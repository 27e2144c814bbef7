// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/RememberedFolders.h"

#include "settings/RememberedFieldReader.h"
#include "support/LeagueFolder.h"
#include "support/OrdinaryUser.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zorbin {
namespace {

using Fields = std::vector<QByteArray>;

Fields allFields(const QByteArray& content) {
    RememberedFieldReader reader(content);
    Fields fields;
    while (const auto field = reader.nextField())
        fields.push_back(*field);
    return fields;
}

TEST(RememberedFieldReader, QuotedFieldsRunToTheNextQuoteAndEndAtCommaOrLineEnd) {
    EXPECT_EQ(allFields("\"/league/s10/\"\r\n\"/league/s11/\"\r\n"),
              (Fields{"/league/s10/", "/league/s11/"}));
    EXPECT_EQ(allFields("  \"a,b\" junk, \"c\"\n"), (Fields{"a,b", "c"}));
    EXPECT_EQ(allFields("\"no closing quote"), Fields{"no closing quote"});
    EXPECT_EQ(allFields("\"\"\r\n"), Fields{""});
}

TEST(RememberedFieldReader, UnquotedFieldsRunToTheFirstCommaOrLineEnd) {
    EXPECT_EQ(allFields("plain,next\rlast"), (Fields{"plain", "next", "last"}));
    EXPECT_EQ(allFields("  lead"), Fields{"lead"});
    EXPECT_EQ(allFields(""), Fields{});
    EXPECT_EQ(allFields("   "), Fields{});
}

class RememberedFoldersTest : public ::testing::Test {
protected:
    QByteArray read(const QString& name) const {
        QFile file(working.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList files() const { return QDir(working.path()).entryList(QDir::Files); }

    // A folder below the scratch folder, made so that the restore finds it there.
    QString made(const QString& name) const {
        const QString path = working.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir working;
    RememberedFolders folders{working.path()};
};

TEST_F(RememberedFoldersTest, SaveWritesQuotedLinesWithTheSeparatorAlwaysAppended) {
    ASSERT_FALSE(folders.saveFolders("/League/S10", "/League/S11", "/"));
    EXPECT_EQ(read("MissDir.Txt"), QByteArray("\"/League/S10/\"\r\n\"/League/S11/\"\r\n"));
    EXPECT_EQ(read("MissDir.Txt").size(), 32);
    EXPECT_EQ(read("QELMdir.txt"), QByteArray("\"//\"\r\n"));

    // Saving again replaces, never appends.
    ASSERT_FALSE(folders.saveFolders("/a", "/b", "/c"));
    EXPECT_EQ(read("MissDir.Txt"), QByteArray("\"/a/\"\r\n\"/b/\"\r\n"));
    EXPECT_EQ(files(), (QStringList{"MissDir.Txt", "QELMdir.txt"}));
}

TEST_F(RememberedFoldersTest, ANameInAnotherLetterCaseIsOneFileAndIsRewritten) {
    test::LeagueFolder::writeBytes(working.filePath("MissDir.txt"), "old");
    test::LeagueFolder::writeBytes(working.filePath("QELMDIR.TXT"), "old");
    ASSERT_FALSE(folders.saveFolders("/p", "/c", "/m"));
    EXPECT_EQ(files(), (QStringList{"MissDir.txt", "QELMDIR.TXT"}));
    EXPECT_EQ(read("QELMDIR.TXT"), QByteArray("\"/m/\"\r\n"));
}

TEST_F(RememberedFoldersTest, AFolderTheLineFormatCannotCarryLeavesBothFilesAsTheyWere) {
    ASSERT_FALSE(folders.saveFolders("/League/S10", "/League/S11", "/Game"));
    const QByteArray seasons = read("MissDir.Txt");
    const QByteArray master = read("QELMdir.txt");
    for (const QString& odd :
         {QString("/League/S\"10"), QString("/League/S10\r"), QString("/League/\nS10")}) {
        for (int column = 0; column < 3; ++column) {
            QStringList chosen = {"/p", "/c", "/m"};
            chosen[column] = odd;
            const auto failure = folders.saveFolders(chosen[0], chosen[1], chosen[2]);
            ASSERT_TRUE(failure) << odd.toStdString();
            EXPECT_EQ(failure->path, odd);
            EXPECT_TRUE(failure->message().contains("double quote"));
            EXPECT_EQ(read("MissDir.Txt"), seasons);
            EXPECT_EQ(read("QELMdir.txt"), master);
        }
    }
}

TEST_F(RememberedFoldersTest, SaveFailureNamesTheFile) {
    const RememberedFolders unwritable(QStringLiteral("/proc/zorbin-missing"));
    const auto failure = unwritable.saveFolders("/p", "/c", "/m");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, QStringLiteral("/proc/zorbin-missing/MissDir.Txt"));
    EXPECT_FALSE(failure->reason.isEmpty());
}

TEST_F(RememberedFoldersTest, BareNamesFollowTheProcessWorkingFolder) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(working.path()));
    ASSERT_FALSE(RememberedFolders(".").saveFolders("/p", "/c", "/m"));
    QDir::setCurrent(before);
    EXPECT_EQ(read("QELMdir.txt"), QByteArray("\"/m/\"\r\n"));
}

} // namespace
} // namespace zorbin
