// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace zorbin::test {

LeagueFolder::LeagueFolder() {
    QDir root(directory_.path());
    for (const char* folder : {"prior", "current", "master"})
        root.mkpath(QString::fromLatin1(folder));
}

void LeagueFolder::writeBytes(const QString& path, const QByteArray& bytes) {
    if (const auto failure = league::LeagueFileWriter::write(path, bytes))
        ADD_FAILURE() << failure->message().toStdString();
}

void LeagueFolder::writeTeams(const std::vector<TeamEntry>& teams) const {
    writeBytes(teamFile(), league::LeagueFileWriter::teamFile(teams));
}

void LeagueFolder::writePriorPlayers(const std::vector<PlayerEntry>& players) const {
    writeBytes(priorPlayerFile(), league::LeagueFileWriter::playerFile(players));
}

void LeagueFolder::writeCurrentPlayers(const std::vector<PlayerEntry>& players) const {
    writeBytes(currentPlayerFile(), league::LeagueFileWriter::playerFile(players));
}

void LeagueFolder::writeMasterPlayers(const std::vector<PlayerEntry>& players) const {
    writeBytes(masterPlayerFile(), league::LeagueFileWriter::masterFile(players));
}

QMap<QString, QByteArray> LeagueFolder::snapshot() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(root(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        // Only regular files are opened: opening a FIFO to read it would wait for a writer.
        const bool regular = it.fileInfo().isFile();
        files.insert(path, regular && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                     : QByteArray("<entry>"));
    }
    return files;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

PlayerEntry player(int identity, const QByteArray& lastName, const QByteArray& firstName,
                   int status) {
    return PlayerEntry{static_cast<std::int16_t>(identity), firstName, lastName,
                       static_cast<std::int16_t>(status)};
}

TeamEntry team(const QByteArray& firstPart, const QByteArray& secondPart,
               std::vector<std::int16_t> roster) {
    TeamEntry entry;
    entry.nameFirstPart = firstPart;
    entry.nameSecondPart = secondPart;
    entry.roster = std::move(roster);
    return entry;
}

} // namespace zorbin::test
