#include "ModemProcess.h"
#include "dialogs/frmFirstRun.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimProcess.h"
#include "support/TerminalFixture.h"
#include "support/TerminalProcess.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

// Starts and ends modem programs for real; boxes go to the recorder.
class LaunchingShell : public DesktopShell
{
public:
    using DesktopShell::DesktopShell;
    void showMessage(QWidget*, const MessageBox::Shown& box) override { MessageBoxRecorder::deliver(box); }
};

// With no settings file yet, the start-up asks for the first settings; the
// practice modem it offers is started where the settings say.
class TestFirstRun : public QObject
{
    Q_OBJECT

    // Answers the dialog once it is up, as the operator would.
    static void answer(std::function<void(frmFirstRun&)> act)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* dialog = qobject_cast<frmFirstRun*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
            }
        });
        poll->start(10);
    }

private slots:
    // The practice modem, offered first, written in the existing keys; the
    // link comes up and no box is shown.
    void practiceModemLinksWithoutABox()
    {
        TerminalFixture f;
        const QString sim = QDir(f.dir.path()).filePath("keldo-modem-sim");
        QVERIFY(QFile::link(SimProcess::program(), sim));
        f.create();
        MessageBoxRecorder boxes;
        LaunchingShell shell(f.station->modem, [&f] { return f.station->modemLinkEnds(); });
        Shell::install(&shell);
        f.window->lifecycle().offerFirstRun(&frmFirstRun::ask);
        // Taken as preselected: otherwise the program's default is written.
        answer([](frmFirstRun& d) {
            d.findChild<QLineEdit*>("txtMyCallSign")->setText("ea4xyz-2");
            d.findChild<QPushButton*>("cmdOK")->click();
        });
        QVERIFY(f.window->Form_Load(f.programPath()));
        const QByteArray ini = f.readIni();
        for (const QByteArray& key :
             QByteArrayList{"My Callsign=EA4XYZ-2", "AutoLaunch=1", "KELDO HF Path=" + QFile::encodeName(sim),
                            "HF Host=127.0.0.1", "HF TCP Port=8300"})
            QVERIFY2(ini.contains("\r\n" + key + "\r\n"), key);
        // A starter set of canned texts, on the bar.
        for (const QByteArray& key :
             QByteArrayList{"[Macros]", "F1 Label=CQ", "F1 Text=CQ CQ CQ de <MYCALL> <MYCALL> <MYCALL> pse k<SEND>",
                            "F2 Label=Answer", "F3 Label=73", "Show Macro Bar=1"})
            QVERIFY2(ini.contains(key + "\r\n"), key);
        QCOMPARE(f.window->findChild<QToolButton*>("cmdMacro1")->text(), QString("F1 CQ"));
        QVERIFY(f.window->findChild<QWidget*>("macroBar")->isVisibleTo(f.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(f.station->link.bothConnected(), 30000);
        f.window->Form_Unload();
        QVERIFY(boxes.verify());
    }

    // The practice modem keeps the port the settings give (a second
    // developer copy's); one outside the ports usable falls back to its own.
    void practiceChoiceKeepsThePort()
    {
        for (const auto& [offered, chosen] : {std::pair{8320, 8320}, std::pair{80, 8300}}) {
            frmFirstRun d({"/opt/keldo/keldo-modem-sim", "C:\\KELDO\\KELDO.exe", "localhost", offered});
            d.findChild<QLineEdit*>("txtMyCallSign")->setText("EA4XYZ");
            d.cmdOK_Click();
            QVERIFY(d.choice());
            QCOMPARE(d.choice()->port, chosen);
            QCOMPARE(d.choice()->host, QString("127.0.0.1"));
            QCOMPARE(d.choice()->programPath, QString("/opt/keldo/keldo-modem-sim"));
        }
    }

    // Macros of the operator's are never replaced by the starter set.
    void ownMacrosKept()
    {
        TerminalFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=0\r\n[Macros]\r\nF5 Label=Mine\r\nF5 Text=MY TEXT\r\n");
        f.create();
        f.window->lifecycle().offerFirstRun(&frmFirstRun::ask);
        answer([](frmFirstRun& d) {
            d.findChild<QLineEdit*>("txtMyCallSign")->setText("EA4XYZ");
            d.findChild<QRadioButton*>("optRemote")->click();
            d.findChild<QLineEdit*>("txtHost")->setText("10.0.0.9");
            d.findChild<QPushButton*>("cmdOK")->click();
        });
        QVERIFY(f.window->Form_Load(f.programPath()));
        const QByteArray ini = f.readIni();
        QVERIFY(ini.contains("\r\n[Macros]\r\nF5 Label=Mine\r\nF5 Text=MY TEXT\r\n"));
        QVERIFY(!ini.contains("F1 Label=") && !ini.contains("Show Macro Bar=1"));
        f.window->Form_Unload();
    }

    // Started by the start-up on the command port and address the settings
    // give, not on its own default: the link comes up there.
    void practiceModemStartsOnTheSettingsPort()
    {
        TerminalFixture f;
        const QString sim = QDir(f.dir.path()).filePath("keldo-modem-sim");
        QVERIFY(QFile::link(SimProcess::program(), sim));
        const quint16 port = SimProcess::freePortPair();
        QVERIFY(port != 0 && port != FirstRunChoice::PracticeModemPort);
        f.writeIni("[Setup]\r\nAutoLaunch=1\r\nKELDO HF Path=" + QFile::encodeName(sim)
                   + "\r\nHF Host=127.0.0.1\r\nHF TCP Port=" + QByteArray::number(port) + "\r\n");
        f.create();
        MessageBoxRecorder boxes;
        LaunchingShell shell(f.station->modem, [&f] { return f.station->modemLinkEnds(); });
        Shell::install(&shell);
        f.station->link.setRetryThrottle(20);
        QVERIFY(f.window->Form_Load(f.programPath()));
        QCOMPARE(f.station->modem.started().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(f.station->link.bothConnected(), 30000);
        QCOMPARE(f.station->link.commandRemotePort(), port);
        f.window->Form_Unload();
        QVERIFY(f.station->modem.started().isEmpty());
        QVERIFY(boxes.verify());
    }

    // Cancel: the start and the file saved are today's, box included.
    void cancelKeepsTodaysStart()
    {
        MessageBoxRecorder boxes;
        TerminalFixture plain, f;
        for (TerminalFixture* run : {&plain, &f}) {
            boxes.expectContaining("C:\\KELDO\\KELDO.exe file not found", MessageBox::Icon::Critical);
            run->create();
            if (run == &f) {
                f.window->lifecycle().offerFirstRun(&frmFirstRun::ask);
                answer([](frmFirstRun& d) {
                    d.findChild<QLineEdit*>("txtMyCallSign")->setText("EA4XYZ");
                    d.findChild<QPushButton*>("cmdCancel")->click();
                });
            }
            QVERIFY(run->window->Form_Load(run->programPath()));
            QVERIFY(!run->iniExists());
            run->window->Form_Unload();
        }
        QCOMPARE(f.readIni(), plain.readIni());
        QVERIFY(boxes.verify());
    }

    // The program offers the dialog only when no settings file exists: not
    // with one beside it, nor for a new --settings file starting from it.
    void offeredOnlyWithoutSettings()
    {
        QTemporaryDir dir;
        const QString terminal = QDir(dir.path()).filePath("keldo-terminal");
        QVERIFY(QFile::copy(KELDO_TERMINAL_EXE, terminal));
        for (const QStringList& args : {QStringList(), QStringList({"--settings", "other.ini"}), QStringList()}) {
            const bool fresh = !QFile::exists(QDir(dir.path()).filePath("KELDO Terminal.ini"));
            TerminalProcess st;
            QVERIFY(st.start(terminal, args, dir.path()));
            QTRY_VERIFY_WITH_TIMEOUT(st.up(), 30000);
            QCOMPARE(st.output().contains("first-run: cancelled\n"), fresh);
            QVERIFY(st.stop());
        }
    }

    // Ended while the dialog waits: at once, and with nothing written, so
    // that the next start asks again.
    void terminationWhileAskedSavesNothing()
    {
        QTemporaryDir dir;
        const QString terminal = QDir(dir.path()).filePath("keldo-terminal");
        QVERIFY(QFile::copy(KELDO_TERMINAL_EXE, terminal));
        for (int start = 0; start < 2; ++start) {
            TerminalProcess st;
            st.setBoxesWait();
            QVERIFY(st.start(terminal, {}, dir.path()));
            QTRY_VERIFY_WITH_TIMEOUT(st.output().contains("first-run-shown\n"), 30000);
            QVERIFY(st.stop());
            QVERIFY(!st.up());
            QCOMPARE(QDir(dir.path()).entryList({"*.ini"}, QDir::Files), QStringList());
            QVERIFY(!QDir(dir.path()).exists(".config/KELDO Terminal"));
        }
    }
};

QTEST_MAIN(TestFirstRun)
#include "test_first_run.moc"
