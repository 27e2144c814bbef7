// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up with Wine prefixes to discover, against the same start with none: the window built,
// restored and shown inside this process, and (on an X display) the real program from process start
// until its window is mapped, against a bare Qt window with as many controls. The arguments are the
// number of prefixes in the home folder and the number of Steam libraries they are spread over
// (none: over the launchers).
#include "SilentDialogs.h"
#include "window/DesktopDialogs.h"
#include "window/MainWindow.h"
#include "wine/WineDiscovery.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <sys/resource.h>
#include <unistd.h>
#ifdef ZORBIN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

using zorbin::bench::SilentDialogs;

// A home folder with `count` prefixes, each with C: and Z:, and an empty working folder. Without
// Steam libraries the prefixes are spread over the launchers, most where only the launchers' own
// records lead, and every launcher's records are there; with them, all are Proton prefixes spread
// over that many Steam libraries named in libraryfolders.vdf, every other one with its game's
// manifest, as a Steam user with a second disk has them.
class PreparedHome {
public:
    PreparedHome(int count, int steamLibraries) {
        const QString folders[] = {
            QStringLiteral(".wine"),
            QStringLiteral(".local/share/Steam/steamapps/compatdata/%1/pfx"),
            QStringLiteral("Games/Lutris/game%1"), // Lutris's game folder, in system.yml
            QStringLiteral("Wine/lutris%1"),       // a Lutris game's own prefix
            QStringLiteral("Heroic/heroic%1/pfx"), // a Heroic game's, with Proton
            QStringLiteral("Bottles/bottle%1"),    // Bottles' custom folder
            QStringLiteral("Games/umu/umu-%1"),    // umu's
            QStringLiteral("Prefixes/faugus%1"),   // a Faugus game's
            QStringLiteral(".PlayOnLinux/wineprefix/prefix%1")};
        constexpr int launchers = static_cast<int>(std::size(folders)) - 1;
        QByteArray faugusGames = "[";
        QStringList libraries;
        for (int library = 0; library < steamLibraries; ++library)
            libraries.append(
                library == 0 ? home.filePath(QStringLiteral(".local/share/Steam"))
                             : home.filePath(QStringLiteral("disk%1/SteamLibrary").arg(library)));
        if (!libraries.isEmpty())
            writeLibraryFolders(libraries);
        for (int i = 0; i < count; ++i) {
            QString prefix;
            if (!libraries.isEmpty()) {
                const QString library = libraries[i % libraries.size()];
                const int appid = 100000 + i;
                prefix = QStringLiteral("%1/steamapps/compatdata/%2/pfx").arg(library).arg(appid);
                if (i % 2 == 0)
                    write(QStringLiteral("%1/steamapps/appmanifest_%2.acf").arg(library).arg(appid),
                          QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"%1\"\n\t\"name\"\t\t"
                                         "\"Game %1\"\n\t\"installdir\"\t\t\"Game %1\"\n}\n")
                              .arg(appid)
                              .toUtf8());
            } else {
                const int launcher = i == 0 ? 0 : 1 + i % launchers;
                prefix = home.filePath(launcher == 0 ? folders[0] : folders[launcher].arg(i));
                writeRecord(launcher, i, prefix, faugusGames);
            }
            QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
            QDir().mkpath(prefix + QStringLiteral("/drive_c/Games/QEL/Leagues/Pro/2009"));
            // Without its drive links a prefix offers no drive, and the benchmark would measure
            // less.
            if (::symlink("../drive_c", QFile::encodeName(prefix + "/dosdevices/c:").constData()) ||
                ::symlink("/", QFile::encodeName(prefix + "/dosdevices/z:").constData()))
                std::abort();
        }
        if (steamLibraries == 0 && count > 0) {
            write(home.filePath(QStringLiteral(".config/lutris/system.yml")),
                  "system:\n  game_path: " + QFile::encodeName(home.filePath("Games/Lutris")) +
                      '\n');
            write(home.filePath(QStringLiteral(".config/heroic/config.json")),
                  R"({"defaultSettings": {"winePrefix": "~/Games/Heroic/Prefixes/default",
                      "defaultWinePrefixDir": "~/Games/Heroic/Prefixes"}, "version": "v0"})");
            write(home.filePath(QStringLiteral(".local/share/bottles/data.yml")),
                  "custom_bottles_path: " + QFile::encodeName(home.filePath("Bottles")) + '\n');
            write(home.filePath(QStringLiteral(".local/share/faugus-launcher/games.json")),
                  faugusGames.chopped(faugusGames.size() > 1 ? 1 : 0) + ']');
        }
    }

    QTemporaryDir home;
    QTemporaryDir working;

private:
    static void write(const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            std::abort();
    }

    // The record a launcher keeps of the prefix `i` at `prefix`, where it keeps one per game.
    void writeRecord(int launcher, int i, const QString& prefix, QByteArray& faugusGames) const {
        const QByteArray path = QFile::encodeName(prefix);
        if (launcher == 3)
            write(home.filePath(QStringLiteral(".local/share/lutris/games/lutris%1.yml").arg(i)),
                  "game:\n  exe: " + path + "/drive_c/game.exe\n  prefix: " + path + '\n');
        else if (launcher == 4)
            write(home.filePath(QStringLiteral(".config/heroic/GamesConfig/heroic%1.json").arg(i)),
                  QStringLiteral(R"({"heroic%1": {"winePrefix": "%2"}, "version": "v0"})")
                      .arg(i)
                      .arg(QFileInfo(prefix).path())
                      .toUtf8());
        else if (launcher == 7)
            faugusGames += QStringLiteral(R"({"title": "Game %1", "prefix": "%2"},)")
                               .arg(i)
                               .arg(prefix)
                               .toUtf8();
    }

    void writeLibraryFolders(const QStringList& libraries) const {
        QByteArray vdf = "\"libraryfolders\"\n{\n";
        for (int library = 0; library < libraries.size(); ++library)
            vdf += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t}\n")
                       .arg(library)
                       .arg(libraries[library])
                       .toUtf8();
        vdf += "}\n";
        write(home.filePath(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf")),
              vdf);
    }
};

// Runs `body` with $HOME and the working folder of `prepared`.
template <typename Body> void inPreparedHome(const PreparedHome& prepared, Body body) {
    const QByteArray home = qgetenv("HOME");
    const QString working = QDir::currentPath();
    qputenv("HOME", QFile::encodeName(prepared.home.path()));
    QDir::setCurrent(prepared.working.path());
    body();
    QDir::setCurrent(working);
    qputenv("HOME", home);
}

// No prefix, twenty over the launchers, and two hundred over three Steam libraries.
void homes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({0, 0})->Args({20, 0})->Args({200, 3});
}

// From nothing to a window that is built, restored, shown and exposed.
void windowStartUp(benchmark::State& state) {
    const PreparedHome prepared(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    SilentDialogs dialogs;
    inPreparedHome(prepared, [&] {
        for (auto _ : state) {
            auto form = std::make_unique<zorbin::MainWindow>(
                dialogs, zorbin::WineEnvironment{prepared.home.path(), {}});
            form->show();
            while (!form->windowHandle() || !form->windowHandle()->isExposed())
                QApplication::processEvents(QEventLoop::AllEvents, 5);
            state.PauseTiming();
            form.reset();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    });
}
BENCHMARK(windowStartUp)->Apply(homes)->Unit(benchmark::kMillisecond)->UseRealTime();

// Discovery alone, the part that grows with the prefixes.
void wineDiscovery(benchmark::State& state) {
    const PreparedHome prepared(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const zorbin::WineEnvironment environment{prepared.home.path(), {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(zorbin::winePrefixes::discover(environment));
    state.counters["prefixes"] =
        static_cast<double>(zorbin::winePrefixes::discover(environment).size());
}
BENCHMARK(wineDiscovery)->Apply(homes)->Unit(benchmark::kMicrosecond);

// The yardstick for the real program: a bare Qt window with as many controls of the same kinds,
// shown by this benchmark program started again with this option.
constexpr char bareWindowOption[] = "--bare-window";

int showBareWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    for (int column = 0; column < 3; ++column) {
        new QLabel(QStringLiteral("Point to a Path"), &window);
        new QComboBox(&window);
        new QListWidget(&window);
        new QListWidget(&window);
        new QLineEdit(&window);
    }
    new QListView(&window);
    new QListView(&window);
    for (int button = 0; button < 4; ++button)
        new QPushButton(QStringLiteral("Button"), &window);
    window.resize(zorbin::MainWindow::designClientSize);
    window.show();
    return QApplication::exec();
}

#ifdef ZORBIN_HAVE_XCB
// A program on the X display: from starting the process to its window being mapped.
void timeToMappedWindow(benchmark::State& state, const QString& program,
                        const QStringList& arguments) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        state.SkipWithError("no X display (run under xvfb-run)");
        return;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const PreparedHome prepared(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), prepared.home.path());
    environment.remove(QStringLiteral("WINEPREFIX"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // On a busy machine the wall time mostly measures waiting for a processor; the program's own
    // processor time, up to a little past the mapping, is told apart.
    const auto childSeconds = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const double childBefore = childSeconds();
    for (auto _ : state) {
        QProcess started;
        started.setProcessEnvironment(environment);
        started.setWorkingDirectory(prepared.working.path());
        const auto start = std::chrono::steady_clock::now();
        started.start(program, arguments);
        bool mapped = false;
        while (!mapped) {
            xcb_generic_event_t* event = xcb_wait_for_event(connection);
            if (!event)
                break;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped = !map->override_redirect;
            }
            std::free(event);
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        started.kill();
        started.waitForFinished();
        if (!mapped) {
            state.SkipWithError("the X connection ended before the window was mapped");
            break;
        }
    }
    state.counters["program_cpu_ms"] = benchmark::Counter((childSeconds() - childBefore) * 1000.0 /
                                                          static_cast<double>(state.iterations()));
    xcb_disconnect(connection);
}

// The real program, with as many prefixes to discover as the argument says.
void processStartUp(benchmark::State& state) {
    timeToMappedWindow(state, QStringLiteral(ZORBIN_PROGRAM), {});
}
// A fixed count of starts a repetition, so that repetitions of both can be interleaved
// (--benchmark_enable_random_interleaving) and compared side by side on a busy machine.
constexpr int startsPerRepetition = 5;
BENCHMARK(processStartUp)
    ->Apply(homes)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(startsPerRepetition);

// The bare window in the same conditions, the least any Qt window of this size takes.
void bareWindowStartUp(benchmark::State& state) {
    timeToMappedWindow(state, QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(bareWindowOption)});
}
BENCHMARK(bareWindowStartUp)
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(startsPerRepetition);
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], bareWindowOption) == 0)
        return showBareWindow(argc, argv);
    // Offscreen unless the caller chose a platform (xcb under xvfb-run, for the mapped window).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zorbin::DesktopDialogs::keepQtSettingsUnwritten();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
