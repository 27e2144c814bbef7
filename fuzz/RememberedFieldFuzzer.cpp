// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary remembered-folder files. The first input byte picks the case: raw bytes held to
// what any field must satisfy, fields composed from the input and read back exactly, or the two
// files restored from disk into the three picker columns.

#include "files/WindowsPath.h"
#include "FuzzCheck.h"
#include "league/LeagueContext.h"
#include "league/LeagueFiles.h"
#include "settings/RememberedFieldReader.h"
#include "settings/RememberedFolders.h"
#include "wine/UserPath.h"

#include <cstddef>
#include <cstdint>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace zorbin;

namespace {

bool holdsAny(const QByteArray& value, const char* bytes) {
    for (const char* c = bytes; *c; ++c) {
        if (value.contains(*c))
            return true;
    }
    return false;
}

// Any bytes: the reader ends, each field consumes input, each value lies in the content after the
// previous one, and a value is either quoted (no quote inside) or unquoted (no field end inside).
void readRawContent(const QByteArray& content) {
    RememberedFieldReader reader(content);
    qsizetype fields = 0;
    qsizetype searchFrom = 0;
    while (const std::optional<QByteArray> value = reader.nextField()) {
        ++fields;
        ZORBIN_FUZZ_CHECK(fields <= content.size(), "more fields than bytes");
        const qsizetype found = content.indexOf(*value, searchFrom);
        ZORBIN_FUZZ_CHECK(found >= 0, "a value is not a later part of the content");
        searchFrom = found + value->size();
        ZORBIN_FUZZ_CHECK(!(value->contains('"') && holdsAny(*value, ",\r\n")),
                          "a value holds both a quote and a field end");
    }
    ZORBIN_FUZZ_CHECK(!reader.nextField(), "a field after the end");
}

// Fields composed from the input, each with its own layout; the reader must give back exactly the
// values that went in. Pieces are separated by NUL; a piece's first byte chooses the layout.
void readComposedFields(const QByteArray& input) {
    QByteArray content;
    QList<QByteArray> values;
    for (const QByteArray& piece : input.split('\0')) {
        if (piece.isEmpty())
            continue;
        const auto layout = static_cast<unsigned char>(piece[0]);
        QByteArray value = piece.mid(1);
        value.replace('"', QByteArray());
        bool quoted = (layout & 2) != 0;
        if (!quoted) {
            for (const char c : QByteArray(",\r\n"))
                value.replace(c, QByteArray());
            while (!value.isEmpty() && (value[0] == ' ' || value[0] == '\t'))
                value.remove(0, 1);
            // An empty unquoted field could merge with a neighbouring line end.
            quoted = value.isEmpty();
        }
        if (layout & 1)
            content += " \t ";
        content += quoted ? '"' + value + '"' : value;
        if (quoted && (layout & 16))
            content += " trailing text";
        static const char* const endings[] = {"\r\n", "\n", "\r", ","};
        content += endings[(layout >> 2) & 3];
        values.append(value);
    }
    RememberedFieldReader reader(content);
    for (const QByteArray& value : values) {
        const std::optional<QByteArray> read = reader.nextField();
        ZORBIN_FUZZ_CHECK(read && *read == value, "field read back as \"%s\" instead of \"%s\"",
                          read ? read->constData() : "<none>", value.constData());
    }
    ZORBIN_FUZZ_CHECK(!reader.nextField(), "a field beyond those written");
}

enum class Column { Prior, Current, Master };

QStringList calls(Column column, const std::optional<RestoredColumn>& restored) {
    if (!restored)
        return {};
    return {QStringLiteral("drive %1 %2").arg(int(column)).arg(restored->drive),
            QStringLiteral("folder %1 %2").arg(int(column)).arg(restored->folder)};
}

// Without a home folder there is no Wine prefix: a Windows path names nothing and restores nothing.
// Any other entry restores its column at the path found on disk, when that is a folder there, on
// the drive of `driveRoots` that holds it.
QStringList expectedCalls(Column column, const std::optional<QByteArray>& entry,
                          const QStringList& driveRoots) {
    if (!entry)
        return {};
    const QString text = RememberedFolders::entryText(*entry);
    if (windowsPath::isWindowsPath(text) || userPath::unusable(text))
        return {};
    const QString folder = userPath::native(text).path;
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isExecutable())
        return {};
    return calls(column, RestoredColumn{leagueFiles::driveHolding(folder, driveRoots), folder, {}});
}

// Both files hold the input, under a name whose letter case the input picks. Restoring must point
// the columns at the files' fields and leave a non-empty file exactly as it was.
void restoreFromDisk(const QByteArray& content, bool otherCase) {
    static const QTemporaryDir working(QDir("/dev/shm").exists()
                                           ? QStringLiteral("/dev/shm/zorbin-fuzz-XXXXXX")
                                           : QDir::tempPath() + "/zorbin-fuzz-XXXXXX");
    QDir folder(working.path());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(name);
    const QString seasonFile =
        working.filePath(otherCase ? QStringLiteral("MISSDIR.TXT") : QStringLiteral("MissDir.txt"));
    const QString masterFile =
        working.filePath(otherCase ? QStringLiteral("qelmdir.TXT") : QStringLiteral("QELMDir.txt"));
    for (const QString& path : {seasonFile, masterFile}) {
        QFile file(path);
        ZORBIN_FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(),
                          "cannot write %s", qPrintable(path));
    }
    LeagueContext league(WineEnvironment{}, working.path());
    const RestoredFolders restored = league.restoreFolders();
    league.createMissingRememberedFiles();
    const QStringList restoredCalls = calls(Column::Prior, restored.prior) +
                                      calls(Column::Current, restored.current) +
                                      calls(Column::Master, restored.master);

    QStringList driveRoots;
    for (const Drive& drive : league.drives())
        driveRoots.append(drive.root);
    QStringList expected;
    if (!content.isEmpty()) {
        RememberedFieldReader season(content);
        const std::optional<QByteArray> prior = season.nextField();
        expected += expectedCalls(Column::Prior, prior, driveRoots);
        if (prior)
            expected += expectedCalls(Column::Current, season.nextField(), driveRoots);
        // The master file is restored on its own, whatever the season file held.
        expected +=
            expectedCalls(Column::Master, RememberedFieldReader(content).nextField(), driveRoots);
    }
    ZORBIN_FUZZ_CHECK(restoredCalls == expected, "restored %s instead of %s",
                      qPrintable(restoredCalls.join(" | ")), qPrintable(expected.join(" | ")));
    const QStringList names = QDir(working.path()).entryList(QDir::Files | QDir::Hidden);
    ZORBIN_FUZZ_CHECK(names.size() == 2, "the working folder holds %lld files",
                      static_cast<long long>(names.size()));
    for (const QString& path : {seasonFile, masterFile}) {
        QFile file(path);
        ZORBIN_FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == content, "%s changed",
                          qPrintable(path));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    switch (data[0] % 4) {
    case 0:
        readRawContent(rest);
        break;
    case 1:
        readComposedFields(rest);
        break;
    default:
        restoreFromDisk(rest, data[0] % 4 == 3);
        break;
    }
    return 0;
}
