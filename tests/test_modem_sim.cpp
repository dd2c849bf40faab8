// The practice modem against real loopback sockets: what the terminal relies
// on (command answers, the BUFFER countdown, the remote station) and that it
// survives what a misbehaving peer does.

#include "support/SimProcess.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

// The terminal's side: both sockets, response lines split at CR.
class ModemClient
{
public:
    bool connectTo(const SimProcess& sim)
    {
        cmd = std::make_unique<QTcpSocket>();
        data = std::make_unique<QTcpSocket>();
        cmdBytes.clear();
        dataBytes.clear();
        lines.clear();
        next = 0;
        QObject::connect(cmd.get(), &QTcpSocket::readyRead, [this]() { readCommand(); });
        QObject::connect(data.get(), &QTcpSocket::readyRead, [this]() { dataBytes += data->readAll(); });
        cmd->connectToHost(sim.host(), sim.port());
        data->connectToHost(sim.host(), sim.dataPort());
        return cmd->waitForConnected(5000) && data->waitForConnected(5000);
    }

    void send(const QByteArray& command) { cmd->write(command + '\r'); }

    // The next response line not yet taken, waiting for it; empty on timeout.
    QString nextLine(int timeoutMs = 10000)
    {
        if (!QTest::qWaitFor([this]() { return next < lines.size(); }, timeoutMs))
            return QStringLiteral("<timeout>");
        return lines.at(next++);
    }

    bool waitForData(const QByteArray& expected, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&]() { return dataBytes.size() >= expected.size(); }, timeoutMs)
            && dataBytes == expected;
    }

    std::unique_ptr<QTcpSocket> cmd;
    std::unique_ptr<QTcpSocket> data;
    QByteArray cmdBytes; // everything received on the command channel
    QByteArray dataBytes;
    QStringList lines;
    int next = 0;

private:
    void readCommand()
    {
        const QByteArray b = cmd->readAll();
        cmdBytes += b;
        partial += b;
        int cr;
        while ((cr = partial.indexOf('\r')) >= 0) {
            lines << QString::fromLatin1(partial.left(cr));
            partial.remove(0, cr + 1);
        }
    }
    QByteArray partial;
};

QString exited(QProcess& p)
{
    return QStringLiteral("state %1 status %2 code %3").arg(p.state()).arg(p.exitStatus()).arg(p.exitCode());
}

} // namespace

class TestModemSim : public QObject
{
    Q_OBJECT

private:
    // Starts a sim and links a client to it; step mode unless told otherwise.
    bool setUp(SimProcess& sim, ModemClient& client)
    {
        if (!sim.start()) {
            qWarning("%s", qPrintable(sim.errorString()));
            return false;
        }
        if (!client.connectTo(sim))
            return false;
        // Both accepted by the sim (in either order) before the test goes on.
        return QTest::qWaitFor(
            [&]() {
                const QString out = sim.outputText();
                return out.contains(QLatin1String("# command channel connected"))
                    && out.contains(QLatin1String("# data channel connected"));
            },
            10000);
    }

    // A command, then wait until the sim has read it, so a following "step"
    // finds the work it caused.
    static bool command(SimProcess& sim, ModemClient& c, const QByteArray& text)
    {
        c.send(text);
        return sim.waitForOutput(QStringLiteral("<- ") + QString::fromLatin1(text));
    }

    static bool connectStep(SimProcess& sim, ModemClient& c, const QByteArray& connect, const QString& expected)
    {
        if (!command(sim, c, connect))
            return false;
        sim.writeControl(QStringLiteral("step"));
        const QString got = c.nextLine();
        if (got != expected)
            qWarning("got \"%s\", expected \"%s\"", qPrintable(got), qPrintable(expected));
        return got == expected;
    }

private slots:
    void linkUpCommandsAreAcceptedInAnyOrderAndCase()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));

        c.send("LISTEN ON");
        c.send("mycall n0call-1");
        c.send("Compression Files");
        c.send("BW2750");
        c.send("MYCALL N0CALL-2"); // repeated, as at every reconnection
        c.cmd->write("bw500\r\nLISTEN OFF\n"); // CR LF and a lone LF
        c.cmd->write(QByteArray("\0\x01\xff junk\r", 9));
        c.send("LISTEN ON");
        QVERIFY(sim.waitForOutput(QStringLiteral("<- mycall n0call-1")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- MYCALL N0CALL-2")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- bw500")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- LISTEN OFF")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- \\x00\\x01\u00ff junk")));
        QVERIFY(sim.waitForOutput(QStringLiteral("# unknown command ignored")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- LISTEN ON")));

        sim.writeControl(QStringLiteral("status"));
        const QString status = sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^# status")));
        QVERIFY2(status.contains(QLatin1String("mycall=N0CALL-2 listen=on compression=FILES bw=500 ")),
                 qPrintable(status));

        // Link-up commands are never answered: the first line is ABORT's.
        QVERIFY(connectStep(sim, c, "ABORT", QStringLiteral("DISCONNECTED")));
        QCOMPARE(c.cmdBytes, QByteArray("DISCONNECTED\r"));
    }

    void connectAnswersWithTheCallChain_data()
    {
        QTest::addColumn<QByteArrayList>("setup");
        QTest::addColumn<QByteArray>("connect");
        QTest::addColumn<QString>("expected");

        QTest::newRow("hf") << QByteArrayList{} << QByteArray("CONNECT N0CALL K1ABC")
                            << QStringLiteral("CONNECTED N0CALL K1ABC 2300");
        QTest::newRow("bandwidth") << QByteArrayList{"BW2750"} << QByteArray("CONNECT N0CALL K1ABC-7")
                                   << QStringLiteral("CONNECTED N0CALL K1ABC-7 2750");
        QTest::newRow("lower case") << QByteArrayList{} << QByteArray("connect n0call k1abc")
                                    << QStringLiteral("CONNECTED N0CALL K1ABC 2300");
        QTest::newRow("one digi") << QByteArrayList{} << QByteArray("CONNECT N0CALL K1ABC VIA DIGI1")
                                  << QStringLiteral("CONNECTED N0CALL K1ABC 1200 DIGI1");
        QTest::newRow("two digis") << QByteArrayList{} << QByteArray("CONNECT N0CALL K1ABC VIA DIGI1 DIGI2")
                                   << QStringLiteral("CONNECTED N0CALL K1ABC 1200 DIGI1 DIGI2");
        QTest::newRow("target only") << QByteArrayList{"MYCALL N0CALL-3"} << QByteArray("CONNECT K1ABC")
                                     << QStringLiteral("CONNECTED N0CALL-3 K1ABC 2300");
    }

    void connectAnswersWithTheCallChain()
    {
        QFETCH(QByteArrayList, setup);
        QFETCH(QByteArray, connect);
        QFETCH(QString, expected);

        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        for (const QByteArray& s : setup)
            c.send(s);
        QVERIFY(connectStep(sim, c, connect, expected));

        // Once the answer is out there is nothing else to say.
        sim.writeControl(QStringLiteral("step"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# step: nothing pending")));
        QVERIFY(!c.cmdBytes.contains('\n'));
    }

    void unreachableStationsAnswerDisconnected()
    {
        SimProcess sim({QStringLiteral("--step"), QStringLiteral("--unreachable"), QStringLiteral("k9xx,DIGI9")});
        ModemClient c;
        QVERIFY(setUp(sim, c));

        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K9XX", QStringLiteral("DISCONNECTED")));
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC VIA DIGI9", QStringLiteral("DISCONNECTED")));
        // The failed calls left the modem free for the next one.
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
    }

    void transmissionCountsDownExactlyInStepMode()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.send("BW500"); // 10 B/s, 5 bytes a report
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 500")));

        const QByteArray first("hello world\r"); // 12 bytes
        c.data->write(first);
        QVERIFY(sim.waitForOutput(QStringLiteral("<= 12 bytes: hello world\\r")));
        const QStringList head{QStringLiteral("PTT ON"), QStringLiteral("BUFFER 12"), QStringLiteral("BUFFER 7")};
        for (const QString& expected : head) {
            sim.writeControl(QStringLiteral("step"));
            QCOMPARE(c.nextLine(), expected);
        }

        // A block written while the first is going joins the count.
        const QByteArray second("again\r"); // 6 bytes
        c.data->write(second);
        QVERIFY(sim.waitForOutput(QStringLiteral("<= 6 bytes: again\\r")));
        const QStringList tail{QStringLiteral("BUFFER 8"), QStringLiteral("BUFFER 3"), QStringLiteral("BUFFER 0"),
                               QStringLiteral("PTT OFF")};
        for (const QString& expected : tail) {
            sim.writeControl(QStringLiteral("step"));
            QCOMPARE(c.nextLine(), expected);
        }

        // The remote station echoes what it heard, in fragments, one a step.
        const QByteArray heard = first + second;
        int steps = 0;
        while (c.dataBytes.size() < heard.size() && steps < heard.size()) {
            const int before = int(c.dataBytes.size());
            sim.writeControl(QStringLiteral("step"));
            QVERIFY(QTest::qWaitFor([&]() { return c.dataBytes.size() > before; }, 10000));
            ++steps;
        }
        QCOMPARE(c.dataBytes, heard);
        sim.writeControl(QStringLiteral("step"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# step: nothing pending")));
        QCOMPARE(c.next, int(c.lines.size())); // no stray lines
    }

    void transmissionRunsByItself()
    {
        SimProcess sim(
            {QStringLiteral("--speed"), QStringLiteral("50"), QStringLiteral("--seed"), QStringLiteral("7")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.send("CONNECT N0CALL K1ABC");
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED N0CALL K1ABC 2300"));

        const QByteArray text = QByteArray(49, 'x') + '\r'; // 50 bytes at 20 a report
        c.data->write(text);
        const QStringList expected{QStringLiteral("PTT ON"),    QStringLiteral("BUFFER 50"),
                                   QStringLiteral("BUFFER 30"), QStringLiteral("BUFFER 10"),
                                   QStringLiteral("BUFFER 0"),  QStringLiteral("PTT OFF")};
        for (const QString& e : expected)
            QCOMPARE(c.nextLine(), e);
        QVERIFY(c.waitForData(text));
        QVERIFY(!c.cmdBytes.contains('\n'));
    }

    void remoteStationReplyModes()
    {
        {
            SimProcess sim({QStringLiteral("--step"), QStringLiteral("--reply"), QStringLiteral("text:QSL 73\\x21")});
            ModemClient c;
            QVERIFY(setUp(sim, c));
            QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
            c.data->write("hi\r");
            QVERIFY(sim.waitForOutput(QStringLiteral("<= 3 bytes: hi\\r")));
            sim.writeControl(QStringLiteral("run"));
            QVERIFY(c.waitForData("QSL 73!\r"));
        }
        {
            SimProcess sim({QStringLiteral("--step"), QStringLiteral("--reply"), QStringLiteral("none")});
            ModemClient c;
            QVERIFY(setUp(sim, c));
            QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
            c.data->write("hi\r");
            QVERIFY(sim.waitForOutput(QStringLiteral("<= 3 bytes: hi\\r")));
            sim.writeControl(QStringLiteral("run"));
            QVERIFY(sim.waitForOutput(QStringLiteral("-> PTT OFF")));
            QVERIFY(sim.waitForOutput(QStringLiteral("# run: 4 steps")));
            QVERIFY(c.dataBytes.isEmpty());
        }
    }

    void dataWithoutConnectionIsDiscarded()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.data->write("nobody hears this\r");
        QVERIFY(sim.waitForOutput(QStringLiteral("# 18 data bytes discarded: no radio connection")));
        sim.writeControl(QStringLiteral("step"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# step: nothing pending")));
        QVERIFY(c.cmdBytes.isEmpty());
    }

    void abortEndsCallsAndTransmissions()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));

        // Idle: still answered, so a terminal in "Disconnecting..." is released;
        // a call placed before that answer is out still goes ahead after it.
        QVERIFY(command(sim, c, "ABORT"));
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("DISCONNECTED")));
        sim.writeControl(QStringLiteral("status"));
        QVERIFY(sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^# status link=calling "))).size() > 0);
        sim.writeControl(QStringLiteral("step"));
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED N0CALL K1ABC 2300"));
        QVERIFY(connectStep(sim, c, "ABORT", QStringLiteral("DISCONNECTED")));

        // A call under way never connects after ABORT.
        QVERIFY(command(sim, c, "CONNECT N0CALL K1ABC"));
        QVERIFY(connectStep(sim, c, "ABORT", QStringLiteral("DISCONNECTED")));
        sim.writeControl(QStringLiteral("step"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# step: nothing pending")));

        // While keyed: unkey first, then DISCONNECTED; the rest is dropped.
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
        c.data->write(QByteArray(100, 'y'));
        QVERIFY(sim.waitForOutput(QStringLiteral("<= 100 bytes: ") + QString(100, QLatin1Char('y'))));
        sim.writeControl(QStringLiteral("step 2"));
        QCOMPARE(c.nextLine(), QStringLiteral("PTT ON"));
        QCOMPARE(c.nextLine(), QStringLiteral("BUFFER 100"));
        QVERIFY(command(sim, c, "ABORT"));
        sim.writeControl(QStringLiteral("run"));
        QCOMPARE(c.nextLine(), QStringLiteral("PTT OFF"));
        QCOMPARE(c.nextLine(), QStringLiteral("DISCONNECTED"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# run: 2 steps")));
        QVERIFY(c.dataBytes.isEmpty());
    }

    void connectWhileConnectedRepeatsTheLink()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL K1ABC", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
        QVERIFY(connectStep(sim, c, "CONNECT N0CALL W9ZZZ", QStringLiteral("CONNECTED N0CALL K1ABC 2300")));
    }

    void acceptsTheTerminalAgainAfterDrops()
    {
        SimProcess sim({QStringLiteral("--speed"), QStringLiteral("100")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.send("CONNECT N0CALL K1ABC");
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED N0CALL K1ABC 2300"));

        // The sim closes both: the radio link ends with them.
        QSignalSpy cmdGone(c.cmd.get(), &QTcpSocket::disconnected);
        QSignalSpy dataGone(c.data.get(), &QTcpSocket::disconnected);
        sim.writeControl(QStringLiteral("drop"));
        QVERIFY(cmdGone.count() > 0 || cmdGone.wait(10000));
        QVERIFY(dataGone.count() > 0 || dataGone.wait(10000));

        QVERIFY(c.connectTo(sim));
        c.send("MYCALL N0CALL");
        c.data->write("lost\r");
        QVERIFY(sim.waitForOutput(QStringLiteral("# 5 data bytes discarded: no radio connection")));
        c.send("CONNECT N0CALL K1ABC");
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED N0CALL K1ABC 2300"));

        // Only the data channel lost: the command channel hears DISCONNECTED.
        QSignalSpy dataGone2(c.data.get(), &QTcpSocket::disconnected);
        sim.writeControl(QStringLiteral("drop data"));
        QVERIFY(dataGone2.wait(10000));
        QCOMPARE(c.nextLine(), QStringLiteral("DISCONNECTED"));
        QCOMPARE(c.cmd->state(), QAbstractSocket::ConnectedState);

        // A new connection on a port replaces the old one there.
        QTcpSocket second;
        QSignalSpy oldGone(c.cmd.get(), &QTcpSocket::disconnected);
        second.connectToHost(sim.host(), sim.port());
        QVERIFY(second.waitForConnected(5000));
        QVERIFY(oldGone.wait(10000));
        second.write("ABORT\r");
        QVERIFY(QTest::qWaitFor([&]() { return second.bytesAvailable() >= 13; }, 10000));
        QCOMPARE(second.readAll(), QByteArray("DISCONNECTED\r"));

        // The terminal closing its sockets is no reason to stop serving.
        second.close();
        c.data.reset();
        QVERIFY(sim.waitForOutput(QStringLiteral("# command channel closed by the terminal")));
        QVERIFY(c.connectTo(sim));
        c.send("ABORT");
        QCOMPARE(c.nextLine(), QStringLiteral("DISCONNECTED"));
    }

    void stationCallsInOnceListening()
    {
        SimProcess sim(
            {QStringLiteral("--call-in"), QStringLiteral("w1aw"), QStringLiteral("--after"), QStringLiteral("0.05")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.send("MYCALL N0CALL");
        QVERIFY(sim.waitForOutput(QStringLiteral("<- MYCALL N0CALL")));
        QVERIFY(sim.waitForOutputMatch(
                       QRegularExpression(QStringLiteral("^# call from W1AW unanswered \\(not listening\\)")))
                    .size()
                > 0);
        QVERIFY(c.cmdBytes.isEmpty());
        c.send("LISTEN ON");
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED W1AW N0CALL 2300"));
    }

    void controlLinesDriveTheRemoteSide()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));
        c.send("MYCALL N0CALL");
        QVERIFY(command(sim, c, "LISTEN OFF"));
        sim.writeControl(QStringLiteral("callin K1ABC"));
        QVERIFY(sim.waitForOutput(QStringLiteral("# call from K1ABC unanswered (not listening)")));
        QVERIFY(command(sim, c, "LISTEN ON"));
        sim.writeControl(QStringLiteral("callin k1abc digi1"));
        QCOMPARE(c.nextLine(), QStringLiteral("CONNECTED K1ABC N0CALL 1200 DIGI1"));

        sim.writeControl(QStringLiteral("say Hello\\rthere"));
        QVERIFY(c.waitForData("Hello\rthere\r"));
        c.dataBytes.clear();
        sim.writeControl(QStringLiteral("rawdata a\\x00b"));
        QVERIFY(c.waitForData(QByteArray("a\0b", 3)));

        // Raw bytes on the command channel, e.g. a line split over arrivals.
        sim.writeControl(QStringLiteral("rawcmd PTT ON\\rBUF"));
        QCOMPARE(c.nextLine(), QStringLiteral("PTT ON"));
        sim.writeControl(QStringLiteral("rawcmd FER 0\\r"));
        QCOMPARE(c.nextLine(), QStringLiteral("BUFFER 0"));
        sim.writeControl(QStringLiteral("respond ptt off"));
        QCOMPARE(c.nextLine(), QStringLiteral("ptt off"));

        sim.writeControl(QStringLiteral("disconnect"));
        QCOMPARE(c.nextLine(), QStringLiteral("DISCONNECTED"));
    }

    void survivesGarbageAndOverlongLines()
    {
        SimProcess sim({QStringLiteral("--step")});
        ModemClient c;
        QVERIFY(setUp(sim, c));

        // 100 KiB without an end: discarded up to and including its CR, so
        // its tail is not taken for a command.
        for (int i = 0; i < 100; ++i)
            c.cmd->write(QByteArray(1024, 'A'));
        c.cmd->write("CONNECT N0CALL K1ABC\rMYCALL N1BUG\r");
        QVERIFY(sim.waitForOutput(QStringLiteral("# command line longer than 64 KiB: discarding it up to its end")));
        QVERIFY(sim.waitForOutput(QStringLiteral("<- MYCALL N1BUG")));
        QVERIFY(!sim.outputText().contains(QLatin1String("<- CONNECT")));

        QByteArray junk;
        for (int i = 0; i < 20000; ++i)
            junk += char((i * 37) & 0xff);
        c.cmd->write(junk);
        c.cmd->write("\r");
        c.data->write(junk);
        QVERIFY(connectStep(sim, c, "CONNECT K1ABC", QStringLiteral("CONNECTED N1BUG K1ABC 2300")));
        QVERIFY(sim.isRunning());
    }

    void quitsCleanly()
    {
        {
            SimProcess sim;
            QVERIFY(sim.start());
            ModemClient c;
            QVERIFY(c.connectTo(sim));
            QVERIFY(sim.stop());
            QVERIFY(sim.hasOutput(QStringLiteral("# exiting")));
        }
#ifdef Q_OS_UNIX
        {
            SimProcess sim;
            QVERIFY(sim.start());
            ModemClient c;
            QVERIFY(c.connectTo(sim));
            sim.process().terminate(); // SIGTERM
            QVERIFY(sim.process().waitForFinished(10000));
            QVERIFY2(sim.process().exitStatus() == QProcess::NormalExit && sim.process().exitCode() == 0,
                     qPrintable(exited(sim.process())));
            QVERIFY(QTest::qWaitFor([&]() { return sim.hasOutput(QStringLiteral("# exiting")); }, 5000));
        }
#endif
    }

    void commandLineIsCheckedAndDocumented()
    {
        QProcess help;
        help.start(SimProcess::program(), {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(10000));
        const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
        for (const char* opt : {"--host", "--port", "--bandwidth", "--unreachable", "--reply", "--call-in", "--after",
                                "--step", "--speed", "--connect-delay-ms", "--abort-delay-ms", "--ptt-delay-ms",
                                "--report-ms", "--reply-delay-ms", "--seed"})
            QVERIFY2(text.contains(QLatin1String(opt)), opt);

        const QList<QStringList> bad{{QStringLiteral("--port"), QStringLiteral("65535")},
                                     {QStringLiteral("--bandwidth"), QStringLiteral("1000")},
                                     {QStringLiteral("--reply"), QStringLiteral("shout")},
                                     {QStringLiteral("--speed"), QStringLiteral("0")},
                                     {QStringLiteral("stray")}};
        for (const QStringList& args : bad) {
            QProcess p;
            p.start(SimProcess::program(), args);
            QVERIFY(p.waitForFinished(10000));
            QVERIFY2(p.exitCode() == 1, qPrintable(args.join(QLatin1Char(' '))));
        }

        // A port already taken: a clear error, no hanging around.
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
        QProcess p;
        p.start(SimProcess::program(), {QStringLiteral("--port"), QString::number(taken.serverPort())});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("cannot listen"));
    }
};

QTEST_GUILESS_MAIN(TestModemSim)
#include "test_modem_sim.moc"
