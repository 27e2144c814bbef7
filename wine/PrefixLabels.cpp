// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/PrefixLabels.h"

#include "files/ProseList.h"

#include <algorithm>
#include <QHash>
#include <QStringList>

namespace zorbin {

namespace {

QString counted(qsizetype count, const QString& what) {
    return count == 1 ? QStringLiteral("1 %1 prefix").arg(what)
                      : QStringLiteral("%1 %2 prefixes").arg(count).arg(what);
}

} // namespace

QString winePrefixes::launcherName(WineLauncher launcher) {
    switch (launcher) {
    case WineLauncher::Wine:
        return QStringLiteral("Wine");
    case WineLauncher::Steam:
        return QStringLiteral("Steam");
    case WineLauncher::Lutris:
        return QStringLiteral("Lutris");
    case WineLauncher::Bottles:
        return QStringLiteral("Bottles");
    case WineLauncher::Heroic:
        return QStringLiteral("Heroic");
    case WineLauncher::Winetricks:
        return QStringLiteral("winetricks");
    case WineLauncher::PlayOnLinux:
        return QStringLiteral("PlayOnLinux");
    case WineLauncher::Umu:
        return QStringLiteral("umu");
    case WineLauncher::Faugus:
        return QStringLiteral("Faugus");
    }
    return {};
}

QString winePrefixes::driveLabel(QChar letter, const QString& label) {
    return QStringLiteral("%1: (%2)").arg(letter, label);
}

void winePrefixes::labelApart(QList<WinePrefix>& prefixes, const QString& home) {
    // How much of that each label says, 0 to 3; one a record names says its launcher from the
    // start.
    QList<int> detail;
    for (const WinePrefix& prefix : std::as_const(prefixes))
        detail.append(prefix.recorded ? 1 : 0);
    const auto labelAt = [&](qsizetype i) {
        const WinePrefix& prefix = prefixes[i];
        if (detail[i] == 0)
            return prefix.name;
        QString label = prefix.name + QStringLiteral(", ") + launcherName(prefix.launcher);
        if (detail[i] == 2 && !prefix.library.isEmpty())
            label += QStringLiteral(", ") + shortened(prefix.library, home);
        else if (detail[i] >= 2)
            label += QStringLiteral(", ") + shortened(prefix.folder, home);
        return label;
    };
    // Each round adds to every label still shared; folders differ, so by the last all differ.
    for (bool shared = true; shared;) {
        shared = false;
        QHash<QString, QList<qsizetype>> showing;
        for (qsizetype i = 0; i < prefixes.size(); ++i)
            showing[labelAt(i)].append(i);
        for (const QList<qsizetype>& same : std::as_const(showing)) {
            for (const qsizetype i : same) {
                if (same.size() > 1 && detail[i] < 3) {
                    ++detail[i];
                    shared = true;
                }
            }
        }
    }
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        WinePrefix& prefix = prefixes[i];
        prefix.label = labelAt(i);
        for (WineDrive& drive : prefix.drives)
            drive.label = driveLabel(drive.letter, prefix.label);
    }
}

QString winePrefixes::shortened(const QString& path, const QString& home) {
    if (!home.isEmpty() && path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

QString winePrefixes::whereFound(const QList<WinePrefix>& prefixes) {
    QStringList parts;
    for (const WinePrefix& prefix : prefixes) {
        if (prefix.launcher == WineLauncher::Wine)
            parts.append(prefix.name);
    }
    for (const WineLauncher launcher :
         {WineLauncher::Steam, WineLauncher::Lutris, WineLauncher::Heroic, WineLauncher::Bottles,
          WineLauncher::Winetricks, WineLauncher::PlayOnLinux, WineLauncher::Umu,
          WineLauncher::Faugus}) {
        const auto count =
            std::count_if(prefixes.begin(), prefixes.end(),
                          [launcher](const WinePrefix& p) { return p.launcher == launcher; });
        if (count > 0)
            parts.append(counted(count, launcherName(launcher)));
    }
    return proseList::joined(parts);
}

QString winePrefixes::described(const WinePrefix& prefix, const QString& home) {
    const QString where = shortened(prefix.folder, home);
    return prefix.name == where ? where : QStringLiteral("\"%1\" (%2)").arg(prefix.name, where);
}

} // namespace zorbin
