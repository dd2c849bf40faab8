// Start-up time and footprint of the terminal beside a bare Qt Widgets main
// window (bare-window, built in the same tree), measured in the same run under
// the same platform plugin: from the fork of the process to its
// "startup-shown" line (KELDO_STARTUP_PROBE=1, printed once the window is
// shown), and its VmRSS right then. Runs alternate between the programs,
// after one unmeasured warm-up run of each, so all see the same caches.
// "bare-window --text" (the bare window showing a line of text) is printed
// as well: it shows how much of the gap loading fonts alone accounts for.
//
//   bench_startup [runs]      (default 10)
//
// The platform is QT_QPA_PLATFORM from the environment, offscreen if unset
// (e.g. QT_QPA_PLATFORM=xcb xvfb-run -a bench_startup).

#include "support/BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace bench;

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [runs]\n", argv[0]);
        return 2;
    }
    const char* envPlatform = std::getenv("QT_QPA_PLATFORM");
    const std::string platform = envPlatform && *envPlatform ? envPlatform : "offscreen";

    // Both programs run from copies in their own folders: the terminal reads
    // its INI beside itself and takes its instance lock on its own path.
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString termDir = QDir(tmp.path()).filePath(QStringLiteral("terminal"));
    const QString bareDir = QDir(tmp.path()).filePath(QStringLiteral("bare"));
    QDir().mkpath(termDir);
    QDir().mkpath(bareDir);
    const QString bareExe = QDir(bareDir).filePath(QStringLiteral("bare-window"));
    const QString bareSource = QString::fromStdString(ownFolder() + "/bare-window");
    const QString termExe = copyTerminal(termDir);
    if (termExe.isEmpty() || !QFile::copy(bareSource, bareExe)) {
        std::fprintf(stderr, "cannot copy %s or %s\n", KELDO_TERMINAL_EXE, qPrintable(bareSource));
        return 1;
    }
    // A port nobody listens on (nor on the next one), so the terminal's link
    // attempts are refused at once, as with no modem running.
    const QByteArray ini = linkIni(freePortPair());
    // Rewritten before every run: the terminal saves its settings on exit.
    auto writeIni = [&] { return writeTerminalIni(termDir, ini); };

    struct Program
    {
        const char* name;
        std::string exe;
        const char* arg;
        std::string dir;
        std::vector<double> ms, kb;
        double medianMs() const { return median(ms); }
        double medianKb() const { return median(kb); }
    };
    Program programs[] = {
        {"keldo-terminal", termExe.toStdString(), nullptr, termDir.toStdString(), {}, {}},
        {"bare-window", bareExe.toStdString(), nullptr, bareDir.toStdString(), {}, {}},
        {"bare-window --text", bareExe.toStdString(), "--text", bareDir.toStdString(), {}, {}},
    };
    for (int i = -1; i < runs; ++i) { // run -1 warms up, unmeasured
        for (Program& p : programs) {
            if (!writeIni())
                return 1;
            const StartupSample s =
                measureStartup(p.exe, p.arg ? std::vector<std::string>{p.arg} : std::vector<std::string>{},
                               {"QT_QPA_PLATFORM=" + platform, "KELDO_STARTUP_PROBE=1"}, "startup-shown", p.dir);
            if (!s.ok) {
                std::fprintf(stderr, "%s, run %d failed: %s\n", p.name, i + 1, s.error.c_str());
                return 1;
            }
            if (i < 0)
                continue;
            p.ms.push_back(s.ms);
            p.kb.push_back(s.rssKb);
        }
    }
    std::printf("start-up to window shown, median of %d runs each (QT_QPA_PLATFORM=%s)\n", runs, platform.c_str());
    for (const Program& p : programs)
        std::printf("  %-19s %7.1f ms  (min %.1f, max %.1f)   VmRSS %7.0f KiB\n", p.name, p.medianMs(),
                    *std::min_element(p.ms.begin(), p.ms.end()), *std::max_element(p.ms.begin(), p.ms.end()),
                    p.medianKb());
    const Program& t = programs[0];
    const Program& b = programs[1];
    const Program& bt = programs[2];
    std::printf("  ratio terminal/bare-window:        time %.2fx, memory %.2fx (for reference)\n",
                t.medianMs() / b.medianMs(), t.medianKb() / b.medianKb());
    std::printf("  ratio terminal/bare-window --text: time %.2fx, memory %.2fx (target within 1.3x)\n",
                t.medianMs() / bt.medianMs(), t.medianKb() / bt.medianKb());
    return 0;
}
