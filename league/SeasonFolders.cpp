// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/SeasonFolders.h"

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "files/GameFiles.h"
#include "league/LeagueFiles.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zorbin::seasonFolders {

namespace {

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The season in `folder`, or why it can't be one: its player file is not there (marked missing),
// is empty, or the folder can't be looked into.
Result<SeasonFolder> seasonIn(const QString& folder, const QString& name) {
    SeasonFolder season{name, folder, leagueFiles::pathBoxText(folder, gameFiles::player),
                        leagueFiles::pathIn(folder, gameFiles::team)};
    if (season.playerFile.isEmpty()) {
        const QString playerFile = joined(folder, gameFiles::player);
        if (std::optional<FileFailure> absent =
                caseInsensitivePath::lookupFailure(playerFile, QStringLiteral("read"))) {
            // Barred on the way: the folder, when it is what can't be read, else the file.
            if (DIR* entries = ::opendir(QFile::encodeName(folder).constData()))
                ::closedir(entries);
            else if (!absent->missing)
                return FileFailure{QStringLiteral("read folder"), folder, qt_error_string(errno)};
            return std::move(*absent);
        }
        // Present, yet no regular file of that name: a link to a device, say.
        return FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(playerFile),
                           QStringLiteral("Not a regular file"), true};
    }
    if (QFileInfo(season.playerFile).size() == 0)
        return FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(season.playerFile),
                           emptyFileReason};
    return season;
}

// For a folder this system can't name: false only when it can be seen to hold no player file, so
// that only a folder that may be a season is reported.
bool mayHoldPlayerFile(int leagueDescriptor, const char* rawName) {
    const int descriptor = ::openat(leagueDescriptor, rawName, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    DIR* entries = ::fdopendir(descriptor);
    if (!entries) {
        ::close(descriptor);
        return true;
    }
    const QByteArray wanted = gameFiles::player.toLatin1();
    bool found = false;
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (::strcasecmp(entry->d_name, wanted.constData()) == 0 &&
            ::fstatat(descriptor, entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode))
            found = true;
    }
    ::closedir(entries);
    return found;
}

struct Candidate {
    SeasonFolder season;
    dev_t device;
    ino_t inode;
    bool link;
};

} // namespace

Result<SeasonFolder> named(const QString& folder) {
    const QString name = QFileInfo(folder).fileName();
    return seasonIn(folder, name.isEmpty() ? folder : name);
}

Result<Discovered> inLeague(const QString& leagueFolder, const QStringList& leftOut) {
    const auto unreadable = [](const QString& path, int error) {
        return FileFailure{QStringLiteral("read folder"), path, qt_error_string(error),
                           error == ENOENT};
    };
    // Listed byte by byte: a name that is not valid UTF-8 would come out of Qt's listing spelled
    // otherwise, as a folder that is not there, and its season would silently go missing.
    DIR* entries = ::opendir(QFile::encodeName(leagueFolder).constData());
    if (!entries)
        return unreadable(leagueFolder, errno);
    const int descriptor = ::dirfd(entries);

    Discovered discovered;
    std::vector<Candidate> candidates;
    int listingError = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(entries);
        if (!entry) {
            listingError = errno;
            break;
        }
        const QByteArray rawName(entry->d_name);
        // Hidden folders (and "." and "..") hold copies and tools' files, not seasons.
        if (rawName.startsWith('.'))
            continue;
        const QString name = QFile::decodeName(rawName);
        if (leftOut.contains(name)) {
            discovered.leftOut.append(name);
            continue;
        }
        const QString path = joined(leagueFolder, name);
        struct stat target {};
        if (::fstatat(descriptor, rawName.constData(), &target, 0) != 0) {
            const int error = errno;
            // A link that leads nowhere, or round in a loop, is no folder.
            if (error != ENOENT && error != ELOOP && error != ENOTDIR)
                discovered.passedOver.append(unreadable(path, error));
            continue;
        }
        if (!S_ISDIR(target.st_mode))
            continue;
        if (QFile::encodeName(name) != rawName) {
            if (mayHoldPlayerFile(descriptor, rawName.constData()))
                discovered.passedOver.append(
                    {QStringLiteral("read folder"), path, caseInsensitivePath::unspellableReason});
            continue;
        }
        Result<SeasonFolder> season = seasonIn(path, name);
        if (!season) {
            // No player file is no season; a folder that can't be looked into may be one, and one
            // whose player file is empty was one.
            if (!season.failure().missing)
                discovered.passedOver.append(season.failure());
            continue;
        }
        struct stat own {};
        const bool link =
            ::fstatat(descriptor, rawName.constData(), &own, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(own.st_mode);
        candidates.push_back({std::move(*season), target.st_dev, target.st_ino, link});
    }
    ::closedir(entries);
    if (listingError != 0)
        return unreadable(leagueFolder, listingError);

    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return naturalLess(a.season.name, b.season.name);
    });
    // One season a folder: its own name before a link's, else the first in natural order.
    QHash<std::pair<dev_t, ino_t>, const Candidate*> chosen;
    for (const Candidate& candidate : candidates) {
        const Candidate*& kept = chosen[{candidate.device, candidate.inode}];
        if (!kept || (kept->link && !candidate.link))
            kept = &candidate;
    }
    for (const Candidate& candidate : candidates) {
        if (chosen.value({candidate.device, candidate.inode}) == &candidate)
            discovered.seasons.append(candidate.season);
    }
    return discovered;
}

bool naturalLess(QStringView left, QStringView right) {
    const auto isDigit = [](QChar character) { return character >= u'0' && character <= u'9'; };
    qsizetype l = 0;
    qsizetype r = 0;
    while (l < left.size() && r < right.size()) {
        if (isDigit(left[l]) && isDigit(right[r])) {
            const auto digitsFrom = [&isDigit](QStringView text, qsizetype& at) {
                while (at < text.size() && text[at] == u'0')
                    ++at;
                const qsizetype start = at;
                while (at < text.size() && isDigit(text[at]))
                    ++at;
                return text.sliced(start, at - start);
            };
            const QStringView a = digitsFrom(left, l);
            const QStringView b = digitsFrom(right, r);
            if (a.size() != b.size())
                return a.size() < b.size();
            if (const int order = a.compare(b); order != 0)
                return order < 0;
            continue;
        }
        const char32_t a = left[l].toCaseFolded().unicode();
        const char32_t b = right[r].toCaseFolded().unicode();
        if (a != b)
            return a < b;
        ++l;
        ++r;
    }
    if (left.size() - l != right.size() - r)
        return left.size() - l < right.size() - r;
    return left.compare(right) < 0;
}

} // namespace zorbin::seasonFolders
