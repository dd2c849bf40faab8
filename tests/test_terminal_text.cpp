#include "app/RxScreenView.h"
#include "app/Session.h"
#include "support/FakeModem.h"
#include "terminal/ConversationLog.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Received and sent text, the RX screen model and its view.
class TestTerminalText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::unique_ptr<Session> linkedSession(FakeModem& modem)
    {
        auto s = std::make_unique<Session>(m_dir.path());
        s->s().hfHost = modem.host();
        s->s().hfTcpPort = modem.commandPort();
        s->link.setRetryThrottle(20);
        s->link.CheckSockets();
        return s;
    }

private slots:
    void logOnFullDisk();
    void receivedLineBreaks()
    {
        QCOMPARE(RxTextModel::ConvertReceived("one\rtwo\r\n"), QString("one\r\ntwo\r\n"));
        QCOMPARE(RxTextModel::ConvertReceived("a\nb"), QString("a\nb"));
        QCOMPARE(RxTextModel::ConvertReceived("a\r\r\nb\r"), QString("a\r\n\r\nb\r\n"));
        QCOMPARE(RxTextModel::ConvertReceived("\xe9\x80\x81"), QString::fromUtf8("é€\u0081"));

        // A CR ending one arrival and an LF starting the next: a break, then an LF character.
        Session s(m_dir.path());
        s.terminal.ReceiveDataBytes("x\r");
        s.terminal.ReceiveDataBytes("\ny");
        QVERIFY(s.rx.text().endsWith("x\r\n\ny"));
    }

    void headersFollowTheSpeaker()
    {
        Session s(m_dir.path());
        s.conn.ConnectedCall1 = "CALLER";
        s.conn.ConnectedCall2 = "CALLED";
        // Incoming connection: the other station is field 1.
        s.terminal.ReceiveDataBytes("hi");
        s.terminal.ReceiveDataBytes(" there");
        QCOMPARE(s.rx.text(), QString("<CALLER\r\nhi there"));
        QCOMPARE(s.conn.BytesReceived, 8);
        QCOMPARE(s.display.panel(Panel::Bytes).text, QString("8 Bytes Rcvd"));
        QCOMPARE(s.display.panel(Panel::Bytes).picture, Picture::Descargando);

        // Clear keeps the speaker: no new header.
        s.terminal.ClearScreen();
        s.terminal.ReceiveDataBytes("more");
        QCOMPARE(s.rx.text(), QString("more"));

        // Outgoing connection: field 2; an own block completed in between gives a new header.
        s.rx.clear();
        s.conn.OutgoingCall = 1;
        s.conn.LastSpeaker = 2;
        s.terminal.ReceiveDataBytes("x");
        QCOMPARE(s.rx.text(), QString("<CALLED\r\nx"));
    }

    void capAtItsEdge()
    {
        Session s(m_dir.path());
        s.conn.LastSpeaker = 1;
        s.rx.appendUncapped(QString(RxTextModel::Cap - 10, 'a'));
        s.terminal.ReceiveDataBytes(QByteArray(20, 'b'));
        QCOMPARE(s.rx.length(), RxTextModel::Cap);
        QVERIFY(s.rx.text().endsWith(QString(20, 'b')));
        QVERIFY(s.rx.text().startsWith(QString(RxTextModel::Cap - 20, 'a')));
        // Headers and banners alone never trim.
        s.conn.LastSpeaker = 0;
        s.terminal.AppendConnectBanner();
        QVERIFY(s.rx.length() > RxTextModel::Cap);
        // CR LF counts two characters.
        s.conn.LastSpeaker = 1;
        s.terminal.ReceiveDataBytes(QByteArray(RxTextModel::Cap / 2, '\r'));
        QCOMPARE(s.rx.length(), RxTextModel::Cap);
        QCOMPARE(s.rx.text(), QString("\r\n").repeated(RxTextModel::Cap / 2));
        // One arrival much bigger than the cap keeps exactly its end.
        QByteArray huge(3 * RxTextModel::Cap, 'c');
        huge[huge.size() - 1] = 'Z';
        huge[huge.size() - RxTextModel::Cap - 1] = '\r';
        huge[huge.size() - RxTextModel::Cap] = '\n';
        s.terminal.ReceiveDataBytes(huge);
        QCOMPARE(s.rx.length(), RxTextModel::Cap);
        QVERIFY(s.rx.text().endsWith('Z'));
        // The cut falls inside the CR LF pair: the LF stays, its CR goes.
        QCOMPARE(s.rx.text().at(0), QChar('\n'));
        QCOMPARE(s.rx.charBeforeText(), QChar('\r'));
    }

    void progressRounding()
    {
        QCOMPARE(Terminal::ProgressPercent(10, 10), 0);
        QCOMPARE(Terminal::ProgressPercent(10, 6), 40);
        QCOMPARE(Terminal::ProgressPercent(10, 0), 100);
        QCOMPARE(Terminal::ProgressPercent(6, 5), 17);  // 16.67
        QCOMPARE(Terminal::ProgressPercent(8, 7), 12);  // 12.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(8, 1), 88);  // 87.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(200, 1), 100); // 99.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(std::numeric_limits<qint32>::max(), 1), 100);
    }

    void transmitReportsAndEcho()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = linkedSession(modem);
        QTRY_VERIFY(s->link.bothConnected());
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(s->display.sendVisible());
        QSignalSpy focus(&s->display, &DisplayState::txFocusRequested);

        QVERIFY(!s->terminal.SendTypedText(QString())); // empty: nothing
        QVERIFY(s->terminal.SendTypedText("123456789"));
        QCOMPARE(s->conn.BytesToSend, 10);
        QVERIFY(!s->display.sendVisible());
        QVERIFY(s->display.progressVisible());
        QVERIFY(!s->display.clearEnabled());
        QTRY_COMPARE(modem.dataReceived(), QByteArray("123456789\r"));
        QVERIFY(!s->rx.text().contains("123456789"));

        const QStringList reports = {"BUFFER 99", "BUFFER 6", "BUFFER 0"};
        const QList<int> progress = {0, 40, 100};
        const QStringList panel = {"0 Bytes Sent", "4 Bytes Sent", ""};
        for (int i = 0; i < reports.size(); ++i) {
            modem.sendLine(reports[i]);
            QTRY_COMPARE(s->display.progressValue(), progress[i]);
            QTRY_COMPARE(s->display.panel(Panel::Bytes).text, panel[i]);
        }
        QVERIFY(s->rx.text().endsWith(">N0CALL-1\r\n123456789\r\n"));
        QVERIFY(s->display.sendVisible());
        QVERIFY(!s->display.progressVisible());
        QVERIFY(s->display.clearEnabled());
        QCOMPARE(focus.count(), 1);
        QCOMPARE(s->conn.BytesToSend, 0);

        // A second block straight after shares the header; pasted line breaks go out as CR LF.
        QVERIFY(s->terminal.SendTypedText("two\nlines"));
        QTRY_COMPARE(modem.dataReceived(), QByteArray("123456789\rtwo\r\nlines\r"));
        QCOMPARE(s->conn.BytesToSend, 11);
        modem.sendLine("BUFFER 0");
        QTRY_VERIFY(s->rx.text().endsWith("123456789\r\ntwo\r\nlines\r\n"));
        QCOMPARE(s->rx.text().count(">N0CALL-1"), 1);

        // Text in the code page: bytes are counted, not characters.
        QVERIFY(s->terminal.SendTypedText(QString::fromUtf8("año€")));
        QCOMPARE(s->conn.BytesToSend, 5);
        QTRY_VERIFY(modem.dataReceived().endsWith("a\xf1o\x80\r"));
    }

    void linkLostMidTransmission()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = linkedSession(modem);
        QTRY_VERIFY(s->link.bothConnected());
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(s->display.sendVisible());
        QVERIFY(s->terminal.SendTypedText("never echoed"));
        modem.sendLine("BUFFER 5");
        QTRY_VERIFY(s->display.progressValue() > 0);
        s->link.setSupervisionInterval(100000);
        modem.stopListening();
        QTRY_COMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QCOMPARE(s->display.panel(Panel::Indicativos).toolTip, QString("Modem Disconnected"));
        QVERIFY(!s->display.sendVisible());
        QVERIFY(!s->display.progressVisible());
        QCOMPARE(s->display.panel(Panel::Bytes).text, QString());
        QVERIFY(s->display.clearEnabled());
        QVERIFY(s->conn.PendingEcho.isEmpty());
        QVERIFY(!s->rx.text().contains("never echoed"));
    }

    void bannerAndTime()
    {
        Session s(m_dir.path());
        s.terminal.setClock([] { return QDateTime(QDate(2026, 1, 2), QTime(7, 5, 9), Qt::UTC); });
        QCOMPARE(s.terminal.UtcTimeStamp(), QString("07:05:09"));
        s.conn.ConnectedCall1 = "A1";
        s.conn.ConnectedCall2 = "B2";
        s.conn.ConnectedVia1 = "V1";
        s.terminal.AppendConnectBanner();
        QCOMPARE(s.rx.text(), QString("\r\n          ******* A1 <-> V1 <-> B2 *******  07:05:09\r\n\r\n"));
    }

    void receivedCounterNeverWraps()
    {
        Session s(m_dir.path());
        s.conn.BytesReceived = std::numeric_limits<qint32>::max();
        s.terminal.ReceiveDataBytes("abc");
        QCOMPARE(s.conn.BytesReceived, qint64(std::numeric_limits<qint32>::max()) + 3);
        s.conn.BytesReceived = std::numeric_limits<qint64>::max() - 1;
        s.terminal.ReceiveDataBytes("abc");
        QVERIFY(s.conn.BytesReceived > 0);
    }

    void viewFollowsModel()
    {
        // Whatever happens to the model, the widget ends up showing exactly it.
        RxTextModel model;
        RxScreenView view(model);
        QRandomGenerator rng(99);
        const QStringList pieces = {"abc", "\r\n", "\n", "xyz\r\n\r\n", QString(5000, 'q'), QString(70000, 'w') + "\r\n"};
        for (int i = 0; i < 400; ++i) {
            const int op = rng.bounded(100);
            const QString piece = pieces[rng.bounded(pieces.size())];
            if (op < 60)
                model.appendCapped(piece);
            else if (op < 97)
                model.appendUncapped(piece);
            else
                model.clear();
            if (rng.bounded(4) == 0) {
                view.syncNow();
                QCOMPARE(view.toPlainText(), RxScreenView::ToDisplay(model.text(), model.charBeforeText()));
            }
        }
        view.syncNow();
        QCOMPARE(view.toPlainText(), RxScreenView::ToDisplay(model.text(), model.charBeforeText()));
        QCOMPARE(view.textCursor().position(), view.document()->characterCount() - 1);
        // Lone LF is a mark inside the line, CR LF a break.
        QCOMPARE(RxScreenView::ToDisplay(u"a\nb\r\nc"), QString::fromUtf16(u"a\u240Ab\nc"));
    }

    void viewUpdatesWithinAFrame()
    {
        RxTextModel model;
        RxScreenView view(model);
        model.appendCapped("hello");
        QTRY_COMPARE(view.toPlainText(), QString("hello"));
    }
};

// A full disk: the short write is noticed, reported once, and nothing is
// lost once there is room again.
void TestTerminalText::logOnFullDisk()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full here");
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("2026-12-07.log");
    QVERIFY(QFile::link("/dev/full", file));
    ConversationLog log;
    QSignalSpy reports(&log, &ConversationLog::failed);
    const QDateTime t(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    log.setFolder(dir.path(), false);
    log.setEnabled(true, t);
    log.connectionBegan("N0CALL-1 <-> N0CALL-2", t);
    log.speaker('<', "N0CALL-2", t);
    log.text("FIRST\r\nSECO");
    QCOMPARE(reports.size(), 1);
    QVERIFY(log.failing());

    QVERIFY(QFile::remove(file));
    log.text("ND\r\n");
    QVERIFY(!log.failing());
    log.connectionEnded(t.addSecs(61));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("******* N0CALL-1 <-> N0CALL-2 *******  2026-12-07 09:00:00 UTC\n"
                                     "<N0CALL-2  09:00:00 UTC\nFIRST\nSECOND\n"
                                     "******* Connection ended  09:01:01 UTC\n"));
    QCOMPARE(reports.size(), 1);
}

QTEST_MAIN(TestTerminalText)
#include "test_terminal_text.moc"
