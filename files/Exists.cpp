// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/Exists.h"

#include "files/CaseInsensitivePath.h"

#include <QFile>
#include <sys/stat.h>

namespace zorbin {

bool exists(const QString& basefile) {
    if (basefile.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(caseInsensitivePath::resolve(basefile));
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return false;
    return !S_ISDIR(status.st_mode) && status.st_size > 0;
}

std::optional<FileFailure> presenceFailure(const QString& basefile) {
    // The usual answer first: the reason is looked for only when there is something to explain.
    if (exists(basefile))
        return std::nullopt;
    if (auto failure = caseInsensitivePath::lookupFailure(basefile, QStringLiteral("read")))
        return failure;
    return FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(basefile),
                       QStringLiteral("The file is missing or empty"), true};
}

} // namespace zorbin
