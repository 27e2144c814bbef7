// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/LauncherRecords.h"

#include "wine/FolderEntries.h"
#include "wine/YamlScalars.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <unistd.h>

namespace zorbin {

namespace {

using launcherRecords::Format;
using Places = QList<RecordedPlace>;

// `recorded` as a path on this machine: "~" and $HOME at its start are the home folder, as the
// launchers expand them. Empty when it is then not an absolute path; a path Qt would read from
// its resources (":/...") is none.
QString expanded(const QString& recorded, const QString& home) {
    QString path = recorded;
    for (const QLatin1String variable :
         {QLatin1String("~"), QLatin1String("$HOME"), QLatin1String("${HOME}")}) {
        if (path == variable || path.startsWith(variable + QLatin1Char('/'))) {
            if (home.isEmpty())
                return {};
            path = home + path.sliced(variable.size());
            break;
        }
    }
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QChar(0)))
        return {};
    return QDir::cleanPath(path);
}

// A prefix the record names for no game is named by its folder, as a player named it, or with
// Proton by the folder holding its pfx.
void addPlace(Places& places, RecordedPlace::Kind kind, const QString& recorded,
              WineLauncher launcher, const QString& home, const QString& name = {}) {
    const QString folder = expanded(recorded, home);
    if (folder.isEmpty())
        return;
    QString named = name;
    if (named.isEmpty() && kind == RecordedPlace::Kind::Prefix) {
        const QFileInfo info(folder);
        named = info.fileName() == QLatin1String("pfx") ? QFileInfo(info.path()).fileName()
                                                        : info.fileName();
        if (named.isEmpty())
            named = folder;
    }
    places.append({kind, folder, launcher, named});
}

Result<Places, QString> yamlPlaces(QByteArrayView text, const QStringList& keys,
                                   RecordedPlace::Kind kind, WineLauncher launcher,
                                   const QString& home) {
    const std::optional<YamlScalars> yaml = YamlScalars::parse(text);
    if (!yaml)
        return QStringLiteral("it is not YAML text, or larger or deeper than a launcher writes");
    Places places;
    addPlace(places, kind, yaml->valueOf(keys), launcher, home);
    return places;
}

Result<QJsonDocument, QString> json(QByteArrayView text) {
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("it is not JSON (%1 at byte %2)")
            .arg(error.errorString())
            .arg(error.offset);
    return document;
}

Places heroicConfigPlaces(const QJsonDocument& config, const QString& home) {
    Places places;
    const QJsonObject defaults = config.object().value(u"defaultSettings").toObject();
    addPlace(places, RecordedPlace::Kind::Prefix, defaults.value(u"winePrefix").toString(),
             WineLauncher::Heroic, home);
    QString folder = defaults.value(u"defaultWinePrefixDir").toString();
    if (folder.isEmpty())
        folder = defaults.value(u"defaultWinePrefix").toString(); // before Heroic 2.4
    addPlace(places, RecordedPlace::Kind::HeroicFolder, folder, WineLauncher::Heroic, home);
    return places;
}

// {"<game>": {"winePrefix": "..."}}, beside the file's own "version" and "explicit".
Places heroicGamePlaces(const QJsonDocument& game, const QString& home) {
    Places places;
    const QJsonObject settings = game.object();
    for (auto entry = settings.begin(); entry != settings.end(); ++entry)
        addPlace(places, RecordedPlace::Kind::Prefix,
                 entry.value().toObject().value(u"winePrefix").toString(), WineLauncher::Heroic,
                 home);
    return places;
}

// [{"title": "...", "prefix": "...", ...}, ...]
Places faugusPlaces(const QJsonDocument& games, const QString& home) {
    Places places;
    for (const QJsonValue& value : games.array()) {
        const QJsonObject game = value.toObject();
        addPlace(places, RecordedPlace::Kind::Prefix, game.value(u"prefix").toString(),
                 WineLauncher::Faugus, home, game.value(u"title").toString().trimmed());
    }
    return places;
}

// Reads the records of one home, bounded in files and time.
class Reader {
public:
    Reader(const QString& home, int filesPerFolder, const QDeadlineTimer& deadline)
        : home_(home), filesPerFolder_(filesPerFolder), deadline_(deadline) {}

    void readAll() {
        const QString lutrisFlatpak = home_ + QStringLiteral("/.var/app/net.lutris.Lutris");
        // Lutris moved its settings from ~/.config to ~/.local/share; installs from before keep
        // the old folder, and a player may have both.
        for (const QString& lutris : {home_ + QStringLiteral("/.config/lutris"),
                                      home_ + QStringLiteral("/.local/share/lutris"),
                                      lutrisFlatpak + QStringLiteral("/config/lutris"),
                                      lutrisFlatpak + QStringLiteral("/data/lutris")}) {
            readFile(lutris + QStringLiteral("/system.yml"), Format::LutrisSystem);
            readFolder(lutris + QStringLiteral("/games"), QStringLiteral("*.yml"),
                       Format::LutrisGame);
        }
        for (const QString& heroic :
             {home_ + QStringLiteral("/.config/heroic"),
              home_ + QStringLiteral("/.var/app/com.heroicgameslauncher.hgl/config/heroic")}) {
            readFile(heroic + QStringLiteral("/config.json"), Format::HeroicConfig);
            readFolder(heroic + QStringLiteral("/GamesConfig"), QStringLiteral("*.json"),
                       Format::HeroicGame);
        }
        QStringList bottles;
        for (const QString& base :
             {home_ + QStringLiteral("/.local/share/bottles"),
              home_ + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles")}) {
            bottles.append(base + QStringLiteral("/bottles"));
            const qsizetype before = result_.places.size();
            readFile(base + QStringLiteral("/data.yml"), Format::BottlesData);
            for (qsizetype i = before; i < result_.places.size(); ++i)
                bottles.append(result_.places[i].folder);
        }
        for (const QString& folder : std::as_const(bottles))
            readPlaceholders(folder);
        for (const QString& faugus :
             {home_ + QStringLiteral("/.local/share/faugus-launcher"),
              home_ + QStringLiteral(
                          "/.var/app/io.github.Faugus.faugus-launcher/data/faugus-launcher")}) {
            readFile(faugus + QStringLiteral("/games.json"), Format::FaugusGames);
        }
    }

    [[nodiscard]] LauncherRecords result() && { return std::move(result_); }

private:
    // False once the time is up: `what`, which is there, is left unread, as is each one after it.
    bool inTime(const QString& what) {
        if (!deadline_.hasExpired())
            return true;
        result_.notRead.append(what);
        return false;
    }

    void unreadable(const QString& action, const QString& path, const QString& reason) {
        result_.unreadable.append({action, path, reason});
    }

    // Tells `path` when a folder on the way can't be entered: what it hides may be a record, and
    // that is not the same as there being none.
    void tellIfHidden(const QString& action, const QString& path) {
        if (const std::optional<QString> reason = folderEntries::hiddenReason(path))
            unreadable(action, path, *reason);
    }

    // The places the record file `path` names, when it is there; `name` names them when given.
    void readFile(const QString& path, Format format, const QString& name = {}) {
        const QFileInfo info(path);
        if (!info.exists())
            return tellIfHidden(QStringLiteral("read the launcher's record"), path);
        if (!inTime(path))
            return;
        const std::optional<QByteArray> text = contentOf(info);
        if (!text)
            return;
        Result<Places, QString> places = launcherRecords::placesIn(format, *text, home_);
        if (!places)
            return unreadable(QStringLiteral("read the launcher's record"), path, places.failure());
        for (RecordedPlace& place : *places) {
            place.record = path;
            if (!name.isEmpty())
                place.name = name;
            result_.places.append(std::move(place));
        }
    }

    // The bytes of the file `info` names; none when they can't be read (told).
    std::optional<QByteArray> contentOf(const QFileInfo& info) {
        const QString path = info.filePath();
        const QString action = QStringLiteral("read the launcher's record");
        const QString tooLarge = QStringLiteral("it is larger than %1 bytes, far larger than the "
                                                "launcher's records, so it is none of them")
                                     .arg(launcherRecords::largestRecord);
        // Only a regular file: opening a FIFO waits for a writer, and a device may never end.
        if (!info.isFile()) {
            unreadable(action, path, QStringLiteral("it is not a file"));
            return std::nullopt;
        }
        if (info.size() > launcherRecords::largestRecord) {
            unreadable(action, path, tooLarge);
            return std::nullopt;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            unreadable(action, path, file.errorString());
            return std::nullopt;
        }
        QByteArray content = file.read(launcherRecords::largestRecord + 1);
        if (file.error() != QFileDevice::NoError) {
            unreadable(action, path, file.errorString());
            return std::nullopt;
        }
        if (content.size() > launcherRecords::largestRecord) {
            unreadable(action, path, tooLarge); // it grew since
            return std::nullopt;
        }
        return content;
    }

    // The entries of `folder` when it is there, in time and can be read (else told), up to the
    // bound.
    std::optional<QStringList> entriesOf(const QString& folder, QDir::Filters filters,
                                         const QStringList& patterns = {}) {
        if (!QFileInfo(folder).isDir()) {
            tellIfHidden(QStringLiteral("read the launcher's records in"), folder);
            return std::nullopt;
        }
        if (!inTime(folder))
            return std::nullopt;
        if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0) {
            unreadable(QStringLiteral("read the launcher's records in"), folder,
                       qt_error_string(errno));
            return std::nullopt;
        }
        return folderEntries::some(folder, filesPerFolder_, filters, patterns);
    }

    void readFolder(const QString& folder, const QString& pattern, Format format) {
        const std::optional<QStringList> entries = entriesOf(folder, QDir::Files, {pattern});
        for (const QString& entry : entries.value_or(QStringList())) {
            if (!inTime(folder))
                return;
            readFile(folder + QLatin1Char('/') + entry, format);
        }
    }

    // A bottle moved elsewhere leaves its folder in `bottles` with a placeholder.yml naming where.
    void readPlaceholders(const QString& bottles) {
        const std::optional<QStringList> entries = entriesOf(bottles, QDir::Dirs);
        for (const QString& bottle : entries.value_or(QStringList())) {
            if (!inTime(bottles))
                return;
            readFile(bottles + QLatin1Char('/') + bottle + QStringLiteral("/placeholder.yml"),
                     Format::BottlesPlaceholder, bottle);
        }
    }

    QString home_;
    int filesPerFolder_;
    QDeadlineTimer deadline_;
    LauncherRecords result_;
};

} // namespace

Result<Places, QString> launcherRecords::placesIn(Format format, QByteArrayView text,
                                                  const QString& home) {
    // An empty record, as a launcher leaves while it writes one, names nothing yet.
    if (text.trimmed().isEmpty())
        return Places{};
    using Kind = RecordedPlace::Kind;
    switch (format) {
    case Format::LutrisSystem:
        return yamlPlaces(text, {QStringLiteral("system"), QStringLiteral("game_path")},
                          Kind::Folder, WineLauncher::Lutris, home);
    case Format::LutrisGame:
        return yamlPlaces(text, {QStringLiteral("game"), QStringLiteral("prefix")}, Kind::Prefix,
                          WineLauncher::Lutris, home);
    case Format::BottlesData:
        return yamlPlaces(text, {QStringLiteral("custom_bottles_path")}, Kind::Folder,
                          WineLauncher::Bottles, home);
    case Format::BottlesPlaceholder:
        return yamlPlaces(text, {QStringLiteral("Path")}, Kind::Prefix, WineLauncher::Bottles,
                          home);
    case Format::HeroicConfig:
    case Format::HeroicGame:
    case Format::FaugusGames:
        break;
    }
    const Result<QJsonDocument, QString> document = json(text);
    if (!document)
        return document.failure();
    if (format == Format::HeroicConfig)
        return heroicConfigPlaces(*document, home);
    if (format == Format::HeroicGame)
        return heroicGamePlaces(*document, home);
    return faugusPlaces(*document, home);
}

LauncherRecords launcherRecords::read(const QString& home, int filesPerFolder,
                                      const QDeadlineTimer& deadline) {
    if (home.isEmpty())
        return {};
    Reader reader(home, filesPerFolder, deadline);
    reader.readAll();
    return std::move(reader).result();
}

} // namespace zorbin
