// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryCommand.h"
#include "support/CommandOutput.h"
#include "support/LeagueFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace zorbin {
namespace {

using test::player;
using test::team;

// Run after the page's own script: sorts by name twice, filters, and counts what the names would
// have made of the page had they not been escaped. The findings go in the title, which the dumped
// page shows.
constexpr char probe[] = R"(<script>
const rows = () => Array.from(document.querySelectorAll("#careers tbody tr"));
const firstShown = () => rows()[0].cells[0].textContent;
const all = rows().length;
const byName = document.querySelectorAll("#careers th button")[1];
byName.click();
const ascending = firstShown();
byName.click();
const descending = firstShown();
const filter = document.getElementById("filter");
filter.value = "owls";
filter.dispatchEvent(new Event("change"));
const injected = document.querySelectorAll("img, b, i").length + document.scripts.length - 2;
document.title = ["rows", all, "ascending", ascending, "descending", descending,
  "filtered", rows().length, "injected", injected].join(" ");
</script>
)";

// The page in a real browser, Debian's Chromium: every player a row, the sort and the filter at
// work, names that look like markup shown as text, and not one message on the console (a script
// error, or a fetch the page's policy refused).
TEST(HistoryPageTest, RendersInChromiumWithARowAPlayerAndNoConsoleMessage) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    const QTemporaryDir root;
    // A season's name and a team's that would open an element or a script if not escaped.
    const QStringList seasons = {root.path() + "/<script>2009", root.path() + "/2010 <i>&\"'"};
    std::vector<league::PlayerEntry> players;
    std::vector<std::int16_t> owls;
    std::vector<std::int16_t> markup;
    for (int identity = 10001; identity <= 10040; ++identity) {
        players.push_back(player(identity, "Name" + QByteArray::number(identity), "First"));
        (identity % 4 == 0 ? owls : markup).push_back(static_cast<std::int16_t>(identity));
    }
    players.push_back(player(10041, "</td><b>&amp;", "Zo\xE9\"'"));
    for (const QString& season : seasons) {
        QDir().mkpath(season);
        test::LeagueFolder::writeBytes(season + "/qelplyr.dat",
                                       league::LeagueFileWriter::playerFile(players));
        test::LeagueFolder::writeBytes(
            season + "/qelteam.dat",
            league::LeagueFileWriter::teamFile(
                {team("\xD6rebro", "Owls", owls), team("<img src=x", "onerror=alert()>", markup)}));
    }
    QDir().mkpath(root.path() + "/master");
    test::LeagueFolder::writeBytes(root.path() + "/master/Mastplyr.dat", {});
    const test::CommandOutput page = test::captureCommand([&](std::FILE* out, std::FILE* err) {
        return HistoryCommand::run(QStringList{root.path() + "/master"} + seasons +
                                       QStringList{"--format", "html"},
                                   {}, out, err);
    });
    ASSERT_EQ(page.status, HistoryCommand::success) << page.err.toStdString();
    test::LeagueFolder::writeBytes(root.path() + "/page.html", page.out + probe);

    QProcess browser;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", root.path());
    browser.setProcessEnvironment(environment);
    browser.start(chromium,
                  {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--no-first-run",
                   "--user-data-dir=" + root.path() + "/profile", "--enable-logging=stderr",
                   "--v=0", "--dump-dom", "file://" + root.path() + "/page.html"});
    ASSERT_TRUE(browser.waitForFinished(120000)) << "chromium did not finish";
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QString log = QString::fromUtf8(browser.readAllStandardError());
    EXPECT_EQ(browser.exitCode(), 0) << log.toStdString();
    EXPECT_TRUE(dom.contains("<html lang=\"en\" data-ready=\"true\">")) << "the script did not end";
    for (const QString& line : log.split('\n'))
        EXPECT_FALSE(line.contains(":CONSOLE")) << line.toStdString();
    const QRegularExpressionMatch title = QRegularExpression("<title>(.*)</title>").match(dom);
    EXPECT_EQ(title.captured(1), "rows 41 ascending 10041 descending 10040 filtered 10 injected 0");
}

} // namespace
} // namespace zorbin
