#include "settings/Language.h"
#include "settings/SettingsLocation.h"
#include "support/TerminalProcess.h"

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// The installed program: `cmake --install` into a temporary DESTDIR, and the
// Debian package unpacked with dpkg-deb. The settings cases run as a user
// without root rights, as a desktop user would.
class TestInstall : public QObject
{
    Q_OBJECT

    static constexpr uid_t Nobody = 65534;

    QTemporaryDir m_dest;
    QString m_prefix; // m_dest + /usr

    // The pictures the installed README shows, by its relative links.
    static QStringList readmePictures(const QString& prefix)
    {
        QStringList pictures;
        const QRegularExpression image(R"(!\[[^\]]*\]\(([^):]+)\))");
        const QString readme = QString::fromUtf8(readFile(QDir(prefix).filePath("share/doc/keldo-terminal/README.md")));
        for (auto it = image.globalMatch(readme); it.hasNext();)
            pictures << "share/doc/keldo-terminal/" + it.next().captured(1);
        pictures.removeDuplicates();
        return pictures;
    }

    // Every file an install puts below the prefix, and nothing else.
    static QStringList expectedFiles(const QString& prefix)
    {
        QStringList files = readmePictures(prefix);
        files << QStringList{
            "bin/keldo-terminal",
            "bin/keldo-modem-sim",
            "share/applications/org.example.keldo.terminal.desktop",
            "share/metainfo/org.example.keldo.terminal.metainfo.xml",
            "share/icons/hicolor/scalable/apps/keldo-terminal.svg",
            "share/doc/keldo-terminal/KELDOTerminalChangeLog.txt",
            "share/doc/keldo-terminal/README.md",
            "share/doc/keldo-terminal/copyright",
            "share/man/man1/keldo-terminal.1.gz",
            "share/man/man1/keldo-modem-sim.1.gz",
        };
        for (int size : IconSizes())
            files << QString("share/icons/hicolor/%1x%1/apps/keldo-terminal.png").arg(size);
        // Every language the program offers, where it looks for it.
        for (const QString& code : Language::Shipped())
            files << QString("share/keldo-terminal/translations/keldo-terminal_%1.qm").arg(code);
        files.sort();
        return files;
    }
    static QList<int> IconSizes() { return {16, 22, 24, 32, 48, 64, 128, 256}; }

    static QStringList filesBelow(const QString& root)
    {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run run(const QString& program, const QStringList& args, int timeoutMs = 120000)
    {
        QProcess p;
        // Folders made by an install or a package follow the umask; build as
        // a packager would, whatever the test runner's umask.
        p.setChildProcessModifier([] { ::umask(022); });
        p.start(program, args);
        Run r;
        if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
            r.err = "did not run or did not end: " + program.toLocal8Bit();
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }

    // The installed tree below prefix: the files, the icons' sizes, the
    // validators, and the terminal answering --version and --help.
    static void checkTree(const QString& prefix)
    {
        QCOMPARE(filesBelow(prefix), expectedFiles(prefix));
        // Debian's machine-readable copyright file, with the licence it names.
        const QByteArray copyright = readFile(QDir(prefix).filePath("share/doc/keldo-terminal/copyright"));
        QVERIFY(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
        QVERIFY(copyright.contains("\nFiles: *\n") && copyright.contains("\nLicense: GPL-3.0-or-later\n"));
        for (const char* exe : {"bin/keldo-terminal", "bin/keldo-modem-sim"})
            QVERIFY2(QFileInfo(QDir(prefix).filePath(exe)).isExecutable(), exe);
        for (int size : IconSizes()) {
            const QImage icon(QString("%1/share/icons/hicolor/%2x%2/apps/keldo-terminal.png").arg(prefix).arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            // The drawing itself: the black screen with its green prompt.
            QCOMPARE(QColor(icon.pixel(size / 2, size / 2)).rgb() & 0xffffff, 0u);
            bool green = false;
            for (int y = 0; y < size && !green; ++y)
                for (int x = 0; x < size && !green; ++x)
                    green = QColor(icon.pixel(x, y)).green() > 200 && QColor(icon.pixel(x, y)).red() < 80;
            QVERIFY(green);
        }
        // The scalable icon is the same picture: rendered at 64 pixels it
        // differs from the drawn one only along the edges.
        QSvgRenderer svg(QDir(prefix).filePath("share/icons/hicolor/scalable/apps/keldo-terminal.svg"));
        QVERIFY(svg.isValid());
        QImage rendered(64, 64, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        {
            QPainter p(&rendered);
            svg.render(&p);
        }
        const QImage drawn = QImage(QDir(prefix).filePath("share/icons/hicolor/64x64/apps/keldo-terminal.png"))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb a = rendered.pixel(x, y), b = drawn.pixel(x, y);
                if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
                        + qAbs(qAlpha(a) - qAlpha(b))
                    > 96)
                    ++differing;
            }
        QVERIFY2(differing < 64 * 64 / 50, qPrintable(QString::number(differing)));

        const Run desktop = run("desktop-file-validate",
                                {QDir(prefix).filePath("share/applications/org.example.keldo.terminal.desktop")});
        QVERIFY2(desktop.exitCode == 0 && desktop.out.trimmed().isEmpty(), desktop.out + desktop.err);
        const Run meta = run(
            "appstreamcli",
            {"validate", "--no-net", QDir(prefix).filePath("share/metainfo/org.example.keldo.terminal.metainfo.xml")});
        QVERIFY2(meta.exitCode == 0, meta.out + meta.err);
        QFile entry(QDir(prefix).filePath("share/applications/org.example.keldo.terminal.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray entryText = entry.readAll();
        QVERIFY(entryText.contains("\nCategories=Network;HamRadio;\n"));
        QVERIFY(entryText.contains("\nIcon=keldo-terminal\n"));
        QVERIFY(entryText.contains("\nExec=keldo-terminal\n"));

        const QString terminal = QDir(prefix).filePath("bin/keldo-terminal");
        const Run version = run(terminal, {"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QByteArray("KELDO Terminal 1.2.0"));
        const Run help = run(terminal, {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains("--settings <FILE>"), help.out);

        // The change log of an installed program lies in its doc folder.
        QCOMPARE(ChangeLogCandidates(QDir(prefix).filePath("bin")).value(1),
                 QDir(prefix).filePath("share/doc/keldo-terminal/KELDOTerminalChangeLog.txt"));
    }

    // A home folder owned by the user the stations run as.
    static bool makeHome(QTemporaryDir& home)
    {
        const QByteArray path = QFile::encodeName(home.path());
        if (!home.isValid() || (::geteuid() == 0 && ::chown(path.constData(), Nobody, Nobody) != 0))
            return false;
        return ::chmod(path.constData(), 0755) == 0;
    }

    // The terminal as a user without root rights (root can write anywhere).
    static bool startStation(TerminalProcess& station, const QString& terminal, const QTemporaryDir& home)
    {
        station.setUser(Nobody);
        return station.start(terminal, {}, home.path());
    }

    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString xdgSettings(const QTemporaryDir& home) const
    {
        return QDir(home.path()).filePath(".config/KELDO Terminal/KELDO Terminal.ini");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dest.isValid());
        QProcess install;
        install.setChildProcessModifier([] { ::umask(022); });
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", m_dest.path());
        install.setProcessEnvironment(env);
        install.start(KELDO_CMAKE_COMMAND, {"--install", KELDO_BUILD_TREE, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError());
        m_prefix = QDir(m_dest.path()).filePath("usr");
        // Readable by everyone, the program's folder writable by no one but root.
        QVERIFY(::chmod(QFile::encodeName(m_dest.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(m_prefix + "/bin").constData(), 0555) == 0);
    }

    void cleanupTestCase() { ::chmod(QFile::encodeName(m_prefix + "/bin").constData(), 0755); }

    void installedTree() { checkTree(m_prefix); }

    // Installed in a folder the user cannot write: the settings go to
    // ~/.config, starting from a read-only file beside the program if there
    // is one; nothing is written beside the program.
    void installedSettingsUnderHome()
    {
        const QString bin = m_prefix + "/bin";
        const QString terminal = bin + "/keldo-terminal";
        const QString beside = bin + "/KELDO Terminal.ini";
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0755) == 0);
        QFile::remove(beside);
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0555) == 0);

        // No file beside the program.
        {
            QTemporaryDir home;
            QVERIFY(makeHome(home));
            TerminalProcess st;
            QVERIFY(startStation(st, terminal, home));
            QTRY_VERIFY_WITH_TIMEOUT(st.up(), 30000);
            QVERIFY(st.stop());
            const QByteArray saved = readFile(xdgSettings(home));
            for (const char* key : {"[PTT]", "Rig=52", "My Callsign=N0CALL-1", "0ConnectHF List=", "[Path]"})
                QVERIFY2(saved.contains(key), key);
            QCOMPARE(filesBelow(bin), QStringList({"keldo-modem-sim", "keldo-terminal"}));
        }

        // A read-only site-wide file beside the program gives the starting values.
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0755) == 0);
        {
            QFile f(beside);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Setup]\r\nMy Callsign=W1AW\r\nAutoLaunch=0\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n");
        }
        QVERIFY(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0555) == 0);
        const QByteArray site = readFile(beside);
        {
            QTemporaryDir home;
            QVERIFY(makeHome(home));
            TerminalProcess st;
            QVERIFY(startStation(st, terminal, home));
            QTRY_VERIFY_WITH_TIMEOUT(st.up(), 30000);
            QVERIFY2(st.messageBoxes().isEmpty(), qPrintable(st.messageBoxes().join('\n')));
            QVERIFY(st.stop());
            const QByteArray saved = readFile(xdgSettings(home));
            for (const char* key : {"My Callsign=W1AW", "AutoLaunch=0", "[Ports]", "COM3=/dev/ttyUSB0", "Rig=52"})
                QVERIFY2(saved.contains(key), key);
            QCOMPARE(readFile(beside), site);
            QCOMPARE(filesBelow(bin), QStringList({"KELDO Terminal.ini", "keldo-modem-sim", "keldo-terminal"}));
        }
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0755) == 0);
        QVERIFY(QFile::remove(beside));
        QVERIFY(::chmod(QFile::encodeName(bin).constData(), 0555) == 0);
    }

    // The program copied alone into a folder of the user's: its own INI wins.
    void writableIniBesideProgramWins()
    {
        QTemporaryDir home;
        QVERIFY(makeHome(home));
        const QString folder = QDir(home.path()).filePath("station");
        QVERIFY(QDir().mkdir(folder));
        const QString terminal = folder + "/keldo-terminal";
        QVERIFY(QFile::copy(m_prefix + "/bin/keldo-terminal", terminal));
        const QString ini = folder + "/KELDO Terminal.ini";
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Setup]\r\nMy Callsign=K1ABC\r\nAutoLaunch=0\r\n");
        }
        if (::geteuid() == 0) {
            for (const QString& p : {folder, terminal, ini})
                QVERIFY(::chown(QFile::encodeName(p).constData(), Nobody, Nobody) == 0);
        }
        TerminalProcess st;
        QVERIFY(startStation(st, terminal, home));
        QTRY_VERIFY_WITH_TIMEOUT(st.up(), 30000);
        QVERIFY(st.stop());
        const QByteArray saved = readFile(ini);
        QVERIFY(saved.contains("My Callsign=K1ABC"));
        QVERIFY(saved.contains("[Position]"));
        QVERIFY(!QFile::exists(xdgSettings(home)));
    }

    // The Debian package: dependencies, the same tree unpacked, and the
    // unpacked terminal starting and ending.
    void debianPackage()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const Run pack =
            run(KELDO_CPACK_COMMAND,
                {"--config", QString(KELDO_BUILD_TREE) + "/CPackConfig.cmake", "-G", "DEB", "-B", work.path()}, 240000);
        QVERIFY2(pack.exitCode == 0, pack.out + pack.err);
        const QStringList debs = QDir(work.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        const QString deb = QDir(work.path()).filePath(debs.first());

        const Run depends = run("dpkg-deb", {"-f", deb, "Depends"});
        QCOMPARE(depends.exitCode, 0);
        for (const char* dep :
             {"libc6", "libqt6core6", "libqt6widgets6", "libqt6network6", "libqt6serialport6", "qt6-qpa-plugins"})
            QVERIFY2(depends.out.contains(dep), depends.out);

        const QString root = QDir(work.path()).filePath("root");
        const Run extract = run("dpkg-deb", {"-x", deb, root});
        QVERIFY2(extract.exitCode == 0, extract.err);
        checkTree(root + "/usr");

        // A real start from the unpacked tree, ended as the desktop ends it.
        QVERIFY(::chmod(QFile::encodeName(work.path()).constData(), 0755) == 0);
        QTemporaryDir home;
        QVERIFY(makeHome(home));
        TerminalProcess st;
        QVERIFY(startStation(st, root + "/usr/bin/keldo-terminal", home));
        QTRY_VERIFY_WITH_TIMEOUT(st.up(), 30000);
        QVERIFY(st.stop());
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
