// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "settings/RememberedFolders.h"
#include "window/ReportListModel.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>

namespace zorbin::test {

QString WindowFixture::text(const char* pathBox) const {
    const auto* box = control<QLineEdit>(pathBox);
    return box ? box->text() : QString();
}

QList<QByteArray> WindowFixture::lines(const char* list) const {
    const auto* model = qobject_cast<const ReportListModel*>(control<QListView>(list)->model());
    QList<QByteArray> result;
    for (int row = 0; model && row < model->rowCount(); ++row)
        result.append(model->line(row));
    return result;
}

void WindowFixture::touch(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

void WindowFixture::rememberFolders(const QString& prior, const QString& current,
                                    const QString& master) const {
    touch(QDir(workingFolder()).filePath(RememberedFolders::seasonFileReadName),
          RememberedFolders::entryLine(prior) + RememberedFolders::entryLine(current));
    touch(QDir(workingFolder()).filePath(RememberedFolders::masterFileReadName),
          RememberedFolders::entryLine(master));
}

} // namespace zorbin::test
