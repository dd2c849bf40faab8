// Start-up time and footprint of the console mode ("keldo-terminal --console"
// with a settings file and standard input held open) beside a bare
// QCoreApplication program (bare-core, built in the same tree): from the fork
// of the process to the console's "/help lists the commands." line (the
// bare program's "startup-shown"), and its VmRSS right then. Runs alternate
// between the programs, after one unmeasured warm-up run of each.
//
//   bench_console_startup [runs]      (default 10)

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
    // Standard input of every child: a pipe this program holds open, so the
    // console waits for lines instead of seeing its input end.
    int input[2];
    if (::pipe(input) != 0 || ::dup2(input[0], 0) < 0)
        return 1;
    ::close(input[0]);

    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString termDir = QDir(tmp.path()).filePath(QStringLiteral("terminal"));
    const QString bareDir = QDir(tmp.path()).filePath(QStringLiteral("bare"));
    QDir().mkpath(termDir);
    QDir().mkpath(bareDir);
    const QString termExe = copyTerminal(termDir);
    const QString bareExe = QDir(bareDir).filePath(QStringLiteral("bare-core"));
    if (termExe.isEmpty() || !QFile::copy(QString::fromStdString(ownFolder() + "/bare-core"), bareExe)) {
        std::fprintf(stderr, "cannot copy %s or bare-core\n", KELDO_TERMINAL_EXE);
        return 1;
    }
    // A port nobody listens on, so link attempts are refused at once.
    const QByteArray ini = linkIni(freePortPair());
    const QString settings = QDir(termDir).filePath(QStringLiteral("station.ini"));

    struct Program
    {
        const char* name;
        std::string exe;
        std::vector<std::string> args;
        const char* marker;
        std::string dir;
        std::vector<double> ms, kb;
    };
    Program programs[] = {
        {"keldo-terminal --console",
         termExe.toStdString(),
         {"--console", "--settings", settings.toStdString()},
         "/help lists the commands.",
         termDir.toStdString(),
         {},
         {}},
        {"bare-core", bareExe.toStdString(), {}, "startup-shown", bareDir.toStdString(), {}, {}},
    };
    for (int i = -1; i < runs; ++i) { // run -1 warms up, unmeasured
        for (Program& p : programs) {
            // Rewritten before every run: the station saves its settings on exit.
            QFile f(settings);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(ini) != ini.size())
                return 1;
            f.close();
            const StartupSample s = measureStartup(p.exe, p.args, {"QT_QPA_PLATFORM=offscreen"}, p.marker, p.dir, true);
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
    std::printf("console start-up to its first line, median of %d runs each\n", runs);
    for (const Program& p : programs)
        std::printf("  %-25s %7.1f ms  (min %.1f, max %.1f)   VmRSS %7.0f KiB\n", p.name, median(p.ms),
                    *std::min_element(p.ms.begin(), p.ms.end()), *std::max_element(p.ms.begin(), p.ms.end()),
                    median(p.kb));
    std::printf("  ratio console/bare-core: time %.2fx, memory %.2fx\n",
                median(programs[0].ms) / median(programs[1].ms), median(programs[0].kb) / median(programs[1].kb));
    return 0;
}
