#include "support/FakeModem.h"
#include "support/StationFixture.h"
#include "terminal/ConversationLog.h"
#include "widgets/RxScreenView.h"

#include "terminal/SpeakerColours.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTranslator>
#include <QtTest>

#include <array>
#include <cmath>

namespace {

// One letter per model character: who said it ('R' the other station, 'O'
// own, 'B' banner), own text not yet on the air 'P', typed ahead 'Q'.
QString modelSpeakers(const RxTextModel& model)
{
    QString out;
    for (const RxTextModel::Run& run : model.runs())
        out += QString(run.length, QLatin1Char("ROBPQ"[int(run.speaker)]));
    return out;
}

// The same for each visible character, as the model's runs ask and as the
// view shows them (by colour, italics for 'Q'); without speaker colours only
// own text not yet sent stands out. Line breaks carry no colour on screen.
QString expectedSpeakers(const RxTextModel& model, bool coloured = true)
{
    QString out;
    qsizetype at = 0;
    const QString& text = model.text();
    for (const RxTextModel::Run& run : model.runs()) {
        const QChar prev = at > 0 ? text.at(at - 1) : model.charBeforeText();
        const QChar next = at + run.length < text.size() ? text.at(at + run.length) : QChar();
        const QString shown = RxDocument::ToDisplay(QStringView(text).mid(at, run.length), prev, next);
        QChar mark = QLatin1Char("ROBPQ"[int(run.speaker)]);
        if (!coloured && (mark == 'O' || mark == 'B'))
            mark = 'R';
        for (QChar c : shown)
            if (c != QLatin1Char('\n'))
                out += mark;
        at += run.length;
    }
    return out;
}

QString shownSpeakers(const RxDocument& shown, const SchemeColours& colours)
{
    const QColor pending = shown.formatOf(Speaker::Pending).foreground().color();
    QString out;
    for (QTextBlock b = shown.document().begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            QChar mark = '?';
            if (!fmt.hasProperty(QTextFormat::ForegroundBrush))
                mark = 'R';
            else if (fmt.foreground().color() == pending)
                mark = fmt.fontItalic() ? 'Q' : 'P';
            else if (fmt.foreground().color() == colours.own)
                mark = 'O';
            else if (fmt.foreground().color() == colours.banner)
                mark = 'B';
            out += QString(f.length(), mark);
        }
    }
    return out;
}

// WCAG relative luminance of linear RGB, and the colour-blind views of a
// colour (Machado, Oliveira and Fernandes 2009, full severity, linear RGB).
using Linear = std::array<double, 3>;
double toLinear(int c)
{
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
Linear linearOf(const QColor& c)
{
    return {toLinear(c.red()), toLinear(c.green()), toLinear(c.blue())};
}
Linear simulate(const double m[3][3], const Linear& l)
{
    Linear out;
    for (int i = 0; i < 3; ++i)
        out[size_t(i)] = qBound(0.0, m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2], 1.0);
    return out;
}
double luminance(const Linear& l)
{
    return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
}
double contrast(double a, double b)
{
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}
double lightness(double y) // CIE L*
{
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389 / 27;
}

} // namespace

// Received and sent text, the RX screen model and its view.
class TestTerminalText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void logOnFullDisk();
    void logJoinsLineBreakSplitAcrossArrivals();
    void logShowsControlsAndKeepsTheNewest();
    void receivedLineBreaks()
    {
        QCOMPARE(RxTextModel::ConvertReceived("one\rtwo\r\n"), QString("one\r\ntwo\r\n"));
        QCOMPARE(RxTextModel::ConvertReceived("a\nb"), QString("a\nb"));
        QCOMPARE(RxTextModel::ConvertReceived("a\r\r\nb\r"), QString("a\r\n\r\nb\r\n"));
        QCOMPARE(RxTextModel::ConvertReceived("\xe9\x80\x81"), QString::fromUtf8("é€\u0081"));

        // A CR ending one arrival and an LF starting the next: a break, then an LF character.
        WatchedStation s(m_dir.path());
        s.terminal.ReceiveDataBytes("x\r");
        s.terminal.ReceiveDataBytes("\ny");
        QVERIFY(s.rx.text().endsWith("x\r\n\ny"));
    }

    void headersFollowTheSpeaker()
    {
        WatchedStation s(m_dir.path());
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
        s.conn.OutgoingCall = true;
        s.conn.LastSpeaker = Talker::ThisStation;
        s.terminal.ReceiveDataBytes("x");
        QCOMPARE(s.rx.text(), QString("<CALLED\r\nx"));
    }

    void capAtItsEdge()
    {
        WatchedStation s(m_dir.path());
        s.conn.LastSpeaker = Talker::OtherStation;
        s.rx.appendUncapped(QString(RxTextModel::Cap - 10, 'a'));
        s.terminal.ReceiveDataBytes(QByteArray(20, 'b'));
        QCOMPARE(s.rx.length(), RxTextModel::Cap);
        QVERIFY(s.rx.text().endsWith(QString(20, 'b')));
        QVERIFY(s.rx.text().startsWith(QString(RxTextModel::Cap - 20, 'a')));
        // Headers and banners alone never trim.
        s.conn.LastSpeaker = Talker::Nobody;
        s.terminal.AppendConnectBanner();
        QVERIFY(s.rx.length() > RxTextModel::Cap);
        // CR LF counts two characters.
        s.conn.LastSpeaker = Talker::OtherStation;
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
        QCOMPARE(Terminal::ProgressPercent(6, 5), 17); // 16.67
        QCOMPARE(Terminal::ProgressPercent(8, 7), 12); // 12.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(8, 1), 88); // 87.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(200, 1), 100); // 99.5 goes to even
        QCOMPARE(Terminal::ProgressPercent(std::numeric_limits<qint32>::max(), 1), 100);
    }

    void transmitReportsAndEcho()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        WatchedStationFixture rig;
        QVERIFY(rig.createLinkedTo(modem));
        WatchedStation* s = rig.station.get();
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
        // Own text shows at once, dimmed until the reports say it went out,
        // on the screen as in the model.
        RxScreenView view(s->rx);
        const SchemeColours colours = ColoursOf(ColourScheme::Black);
        view.setSchemeColours(colours);
        auto marks = [&](const QString& what) {
            const qsizetype at = s->rx.text().lastIndexOf(what);
            view.syncNow();
            if (view.toPlainText() != RxDocument::ToDisplay(s->rx.text(), s->rx.charBeforeText())
                || shownSpeakers(view.rxDocument(), colours) != expectedSpeakers(s->rx, false))
                return QString("view differs");
            return at < 0 ? QString() : modelSpeakers(s->rx).mid(at, what.size());
        };
        QVERIFY(s->rx.text().endsWith(">N0CALL-1\r\n123456789\r\n"));
        QCOMPARE(marks("123456789\r\n"), QString(11, 'P'));

        const QStringList reports = {"BUFFER 99", "BUFFER 6", "BUFFER 0"};
        const QList<int> progress = {0, 40, 100};
        const QStringList panel = {"0 Bytes Sent", "4 Bytes Sent", ""};
        const QStringList shown = {"PPPPPPPPPPP", "OOOOPPPPPPP", "OOOOOOOOOOO"};
        for (int i = 0; i < reports.size(); ++i) {
            modem.sendLine(reports[i]);
            QTRY_COMPARE(s->display.progressValue(), progress[i]);
            QTRY_COMPARE(s->display.panel(Panel::Bytes).text, panel[i]);
            QCOMPARE(marks("123456789\r\n"), shown[i]);
        }
        QVERIFY(s->rx.text().endsWith(">N0CALL-1\r\n123456789\r\n"));
        QCOMPARE(s->rx.text().count("123456789"), 1);
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
        QTRY_VERIFY(s->display.sendVisible());
        QVERIFY(s->rx.text().endsWith("123456789\r\ntwo\r\nlines\r\n"));
        QCOMPARE(s->rx.text().count(">N0CALL-1"), 1);

        // Text in the code page: bytes are counted, not characters.
        QVERIFY(s->terminal.SendTypedText(QString::fromUtf8("año€")));
        QCOMPARE(s->conn.BytesToSend, 5);
        QTRY_VERIFY(modem.dataReceived().endsWith("a\xf1o\x80\r"));
        modem.sendLine("BUFFER 0");
        QTRY_VERIFY(s->display.sendVisible());
        QVERIFY(s->rx.text().endsWith(QString::fromUtf8("año€\r\n")));

        // Outside the code page: the echo shows the "?" that went on the air.
        QVERIFY(s->terminal.SendTypedText(QString::fromUtf8("Жук 👍!")));
        QTRY_VERIFY(modem.dataReceived().endsWith("??? ?!\r"));
        modem.sendLine("BUFFER 0");
        QTRY_VERIFY(s->display.sendVisible());
        QVERIFY(s->rx.text().endsWith("??? ?!\r\n"));
        QVERIFY(!s->rx.text().contains(QString::fromUtf8("Жук")));

        // Typed ahead during an over: shown at once as waiting, each block
        // going out when the one before it is on the air. The other station's
        // text meanwhile goes below, under its header.
        QVERIFY(s->terminal.SendTypedText("first"));
        QVERIFY(s->terminal.SendTypedText("ahead"));
        modem.sendData("hi\r");
        const QString remote = "<" + s->conn.OtherStation() + "\r\nhi\r\n";
        QTRY_VERIFY(s->rx.text().endsWith("first\r\nahead\r\n" + remote));
        QVERIFY(s->terminal.SendTypedText("more"));
        QVERIFY(s->rx.text().endsWith(remote + ">N0CALL-1\r\nmore\r\n"));
        QCOMPARE(marks("first\r\nahead\r\n"), "PPPPPPPQQQQQQQ");
        QCOMPARE(marks("more\r\n"), "QQQQQQ");
        QTRY_VERIFY(modem.dataReceived().endsWith("?!\rfirst\r"));
        modem.sendLine("BUFFER 0");
        QTRY_VERIFY(modem.dataReceived().endsWith("?!\rfirst\rahead\r"));
        QCOMPARE(marks("first\r\nahead\r\n"), "OOOOOOOPPPPPPP");
        QCOMPARE(marks("more\r\n"), "QQQQQQ");
        // Stopped in the middle: what went on the air stays, ended as a line;
        // the rest goes back to the TX box in order.
        modem.sendLine("BUFFER 3");
        QTRY_COMPARE(marks("ahead\r\n"), "OOOPPPP");
        QSignalSpy returned(&s->display, &DisplayState::txTextReturned);
        modem.sendLine("DISCONNECTED");
        QTRY_COMPARE(returned.count(), 1);
        QCOMPARE(returned.at(0).at(0).toString(), QString("ad\nmore"));
        QVERIFY(s->rx.text().contains("first\r\nahe\r\n" + remote + "******* Connection ended"));
        QVERIFY(!s->rx.text().contains("more"));
        QCOMPARE(marks("ahe\r\n"), "OOOOO");
        QVERIFY(modem.dataReceived().endsWith("ahead\r"));
    }

    void unsentTailInTxBoxForm()
    {
        // "ab" CR LF "cd" CR: 7 bytes on the wire.
        QCOMPARE(Terminal::UnsentText("ab\ncd", 7), QString("ab\ncd"));
        QCOMPARE(Terminal::UnsentText("ab\ncd", 100), QString("ab\ncd"));
        QCOMPARE(Terminal::UnsentText("ab\ncd", 5), QString("\ncd"));
        // Only the LF of the break is left: the CR broke the line already.
        QCOMPARE(Terminal::UnsentText("ab\ncd", 4), QString("cd"));
        QCOMPARE(Terminal::UnsentText("ab\r\ncd", 3), QString("cd"));
        QCOMPARE(Terminal::UnsentText("ab\r\ncd", 5), QString("\ncd"));
        QCOMPARE(Terminal::UnsentText(QString::fromUtf16(u"a\u2029b"), 4), QString("\nb"));
        // Only the closing CR left, or nothing.
        QCOMPARE(Terminal::UnsentText("ab", 1), QString());
        QCOMPARE(Terminal::UnsentText("ab", 0), QString());
        // One byte per character, a surrogate pair included; the text comes back as typed.
        QCOMPARE(Terminal::UnsentText(QString::fromUtf8("x👍é€"), 4), QString::fromUtf8("👍é€"));
        QCOMPARE(Terminal::UnsentText(QString::fromUtf8("x👍é€"), 3), QString::fromUtf8("é€"));
    }

    void linkLostMidTransmission()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        WatchedStationFixture rig;
        QVERIFY(rig.createLinkedTo(modem));
        WatchedStation* s = rig.station.get();
        QTRY_VERIFY(s->link.bothConnected());
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(s->display.sendVisible());
        QSignalSpy returned(&s->display, &DisplayState::txTextReturned);
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
        QVERIFY(!s->rx.text().contains("echoed"));
        // The unsent end (4 characters and the CR) goes back to the TX box, once.
        QCOMPARE(returned.count(), 1);
        QCOMPARE(returned.at(0).at(0).toString(), QString("hoed"));
        QCOMPARE(s->conn.BytesToSend, 0);
    }

    // A notice speaks the operator's language on the screen; the
    // conversation log keeps it in English, whatever the language.
    void noticeTranslatedOnTheScreenOnly()
    {
        struct Shouting : QTranslator
        {
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QString::fromUtf8(source).toUpper();
            }
            bool isEmpty() const override { return false; }
        } shouting;
        QVERIFY(QCoreApplication::installTranslator(&shouting));
        QTemporaryDir dir;
        WatchedStation s(dir.path());
        s.s().logConversations = true;
        s.s().keyerLines = true;
        s.applyLogSettings();
        s.terminal.setClock([] { return QDateTime(QDate(2026, 1, 2), QTime(7, 5, 9), Qt::UTC); });
        emit s.keying.keyer().portBackAndReleased("/dev/ttyUSB0");
        QCoreApplication::removeTranslator(&shouting);
        QCOMPARE(s.rx.text(), QString("******* PTT PORT /dev/ttyUSB0 BACK: TRANSMITTER RELEASED  07:05:09\r\n"));
        QVERIFY(s.files.flush(5000));
        QFile log(QDir(s.logFolder()).filePath("2026-01-02.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("******* PTT port /dev/ttyUSB0 back: transmitter released  07:05:09 UTC\n"));
    }

    void bannerAndTime()
    {
        WatchedStation s(m_dir.path());
        s.terminal.setClock([] { return QDateTime(QDate(2026, 1, 2), QTime(7, 5, 9), Qt::UTC); });
        QCOMPARE(s.terminal.UtcTimeStamp(), QString("07:05:09"));
        s.conn.ConnectedCall1 = "A1";
        s.conn.ConnectedCall2 = "B2";
        s.conn.ConnectedVia1 = "V1";
        s.terminal.AppendConnectBanner();
        QCOMPARE(s.rx.text(), QString("\r\n          ******* A1 <-> V1 <-> B2 *******  07:05:09\r\n\r\n"));

        // Time stamps: the time on each header, the date when it changes.
        s.rx.clear();
        s.s().timeStamps = true;
        s.configureCore();
        QDateTime now(QDate(2026, 1, 2), QTime(23, 59, 58), Qt::UTC);
        s.terminal.setClock([&] { return now; });
        s.terminal.ReceiveDataBytes("a\r");
        s.conn.LastSpeaker = Talker::ThisStation;
        s.terminal.ReceiveDataBytes("b\r");
        s.conn.LastSpeaker = Talker::ThisStation;
        now = now.addSecs(3);
        s.terminal.ReceiveDataBytes("c\r");
        QCOMPARE(s.rx.text(),
                 QString("******* 2026-01-02 UTC\r\n<A1  23:59:58\r\na\r\n<A1  23:59:58\r\nb\r\n"
                         "******* 2026-01-03 UTC\r\n<A1  00:00:01\r\nc\r\n"));
    }

    void alertWordsMarkedAndAnnouncedOncePerOver()
    {
        WatchedStation s(m_dir.path());
        s.s().myCallsign = "EA4XYZ-1";
        s.s().alertOnOwnCall = true;
        s.s().alertWords = " sked ,QRZ";
        s.configureCore();
        s.conn.ConnectedCall1 = "EB2ABC";
        RxScreenView view(s.rx);
        QSignalSpy alerts(&s.terminal, &Terminal::alertWordReceived);
        // Split between arrivals, any case; not inside a longer word.
        s.terminal.ReceiveDataBytes("skeds\rhello ea4x");
        view.syncNow();
        s.terminal.ReceiveDataBytes("yz-1 de EB2ABC, SKED? ea4xyzz\r");
        view.syncNow();
        auto marked = [&] {
            QStringList out;
            for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
                for (auto it = b.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().hasProperty(QTextFormat::BackgroundBrush))
                        out << it.fragment().text();
            return out;
        };
        QCOMPARE(marked(), QStringList({"ea4xyz", "SKED"}));
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(alerts.at(0).at(0).toString(), QString("ea4xyz"));
        // The next over is announced again; the marks stay when the colours change.
        s.conn.LastSpeaker = Talker::ThisStation;
        s.terminal.ReceiveDataBytes("qrz?\r");
        view.setSpeakerColours(true);
        QCOMPARE(marked(), QStringList({"ea4xyz", "SKED", "qrz"}));
        QCOMPARE(alerts.count(), 2);
        s.s().alertOnOwnCall = false;
        s.configureCore();
        s.terminal.ReceiveDataBytes("ea4xyz\r");
        QCOMPARE(s.rx.marks().size(), size_t(3));
        // Unsent own text taken out after the marked words leaves the marks on them.
        const qsizetype end = s.rx.length();
        s.rx.appendCapped("pending\r\n", Speaker::Pending);
        s.rx.remove(end, 9);
        view.setSpeakerColours(false);
        QCOMPARE(marked(), QStringList({"ea4xyz", "SKED", "qrz"}));

        // Own text shown between two parts of a word splits it; the other
        // station's header below it starts an over, which the air's turn
        // afterwards does not start again.
        s.terminal.ReceiveDataBytes("qrv sk");
        QVERIFY(s.terminal.SendTypedText("ok"));
        s.conn.BytesToSend = 3;
        s.terminal.ReceiveDataBytes("ed sked\r");
        s.terminal.UpdateTransmitProgress(0);
        s.terminal.ReceiveDataBytes("sked ok?\r");
        view.syncNow();
        QCOMPARE(marked(), QStringList({"ea4xyz", "SKED", "qrz", "sked", "sked"}));
        QCOMPARE(alerts.count(), 3);
        // An arrival too long for the screen loses its front: no word across the gap.
        s.terminal.ReceiveDataBytes("qrv sk");
        s.terminal.ReceiveDataBytes(QByteArray(9, 'x') + "ed" + QByteArray(RxTextModel::Cap - 1, ' '));
        QCOMPARE(s.rx.marks().size(), size_t(0));
    }

    void unsentOwnTextTakenOut()
    {
        // No modem: what went to the socket is set by hand.
        auto station = [&](bool callEvents) {
            auto s = std::make_unique<WatchedStation>(m_dir.path());
            s->s().myCallsign = "EA4XYZ";
            s->s().showCallEvents = callEvents;
            s->configureCore();
            s->conn.ConnectedCall1 = "EB2ABC";
            s->conn.ConnectionActive = true;
            return s;
        };
        auto send = [](WatchedStation& s, const QString& text) {
            const bool ahead = s.terminal.takesTypeAhead();
            QVERIFY(s.terminal.SendTypedText(text));
            if (!ahead)
                s.conn.BytesToSend = qint32(Terminal::ToWireLineBreaks(text).size() + 1);
        };
        auto stop = [](WatchedStation& s) {
            s.conn.ConnectionActive = false;
            s.terminal.UpdateConnectionDisplay();
        };
        // Stop without call events: the other station's text below stays
        // whole, and so does the date line that came with the own header.
        auto s = station(false);
        s->s().timeStamps = true;
        s->configureCore();
        QDateTime now(QDate(2026, 1, 2), QTime(23, 59, 50), Qt::UTC);
        s->terminal.setClock([&] { return now; });
        s->terminal.ReceiveDataBytes("a\r");
        now = now.addSecs(20);
        send(*s, "hello world");
        s->terminal.UpdateTransmitProgress(7);
        s->terminal.ReceiveDataBytes("remote text\r");
        stop(*s);
        QCOMPARE(s->rx.text(),
                 QString("******* 2026-01-02 UTC\r\n<EB2ABC  23:59:50\r\na\r\n******* 2026-01-03 UTC\r\n"
                         "<EB2ABC  00:00:10\r\nremote text\r\n"));
        // Stop after the CR of a line break: the line's CR LF stays one pair.
        s = station(true);
        send(*s, "AB\nCD");
        s->terminal.UpdateTransmitProgress(4);
        const QString before = s->rx.text();
        stop(*s);
        QCOMPARE(s->rx.text(), QString(">EA4XYZ\r\nAB\r\n"));
        const RxTextModel::Edit cut = s->rx.edits().back();
        QVERIFY(cut.removed && before.mid(cut.from - 1, 2) != "\r\n"
                && before.mid(cut.from + cut.length - 1, 2) != "\r\n");
        // Switched on during an over, then off: blocks keep their order, turns their headers.
        s = station(false);
        s->s().showOwnTextAtOnce = false;
        s->configureCore();
        send(*s, "first");
        s->s().showOwnTextAtOnce = true;
        s->configureCore();
        send(*s, "second");
        s->terminal.UpdateTransmitProgress(0);
        s->conn.BytesToSend = 7;
        s->terminal.ReceiveDataBytes("r1\r");
        s->terminal.UpdateTransmitProgress(0);
        s->s().showOwnTextAtOnce = false;
        s->configureCore();
        send(*s, "third");
        s->terminal.UpdateTransmitProgress(0);
        s->terminal.ReceiveDataBytes("r2\r");
        QCOMPARE(s->rx.text(),
                 QString(">EA4XYZ\r\nfirst\r\nsecond\r\n<EB2ABC\r\nr1\r\n>EA4XYZ\r\nthird\r\n"
                         "<EB2ABC\r\nr2\r\n"));
        // Cleared during an over: each block is shown as it goes on.
        s = station(false);
        send(*s, "one");
        send(*s, "two");
        s->terminal.ClearScreen();
        s->terminal.UpdateTransmitProgress(0);
        s->conn.BytesToSend = 4;
        s->terminal.UpdateTransmitProgress(0);
        QCOMPARE(s->rx.text(), QString(">EA4XYZ\r\none\r\ntwo\r\n"));
    }

    void receivedCounterNeverWraps()
    {
        WatchedStation s(m_dir.path());
        s.conn.BytesReceived = std::numeric_limits<qint32>::max();
        s.terminal.ReceiveDataBytes("abc");
        QCOMPARE(s.conn.BytesReceived, qint64(std::numeric_limits<qint32>::max()) + 3);
        s.conn.BytesReceived = std::numeric_limits<qint64>::max() - 1;
        s.terminal.ReceiveDataBytes("abc");
        QVERIFY(s.conn.BytesReceived > 0);
    }

    void documentFollowsModel()
    {
        // Whatever happens to the model, the document ends up showing exactly
        // it, with or without speaker colours, and the colours where the
        // speakers are. No widget: the view only scrolls what this keeps.
        RxTextModel model;
        QTextDocument document;
        RxDocument shown(model, document);
        const SchemeColours colours = ColoursOf(ColourScheme::White);
        shown.setSchemeColours(colours);
        QRandomGenerator rng(99);
        const QStringList pieces = {
            "abc", "\r\n", "\n", "\r", "xyz\r\n\r\n", QString(5000, 'q'), QString(70000, 'w') + "\r\n"};
        for (int i = 0; i < 800; ++i) {
            const int op = rng.bounded(100);
            const QString piece = pieces[rng.bounded(pieces.size())];
            const Speaker speaker = Speaker(rng.bounded(SpeakerCount));
            // Own text changes look or goes, anywhere in the text, between syncs too.
            const qsizetype from = rng.bounded(int(model.length()) + 1);
            const qsizetype length = rng.bounded(int(qMin<qsizetype>(model.length() - from, 300)) + 1);
            if (op < 45)
                model.appendCapped(piece, speaker);
            else if (op < 75)
                model.appendUncapped(piece, speaker);
            else if (op < 87)
                model.setSpeaker(from, length, speaker);
            else if (op < 98)
                model.remove(from, length);
            else
                model.clear();
            if (i == 300 || i == 600)
                shown.setSpeakerColours(!shown.speakerColours());
            if (rng.bounded(4) == 0) {
                shown.sync();
                QCOMPARE(document.toPlainText(), RxDocument::ToDisplay(model.text(), model.charBeforeText()));
                qsizetype covered = 0;
                for (const RxTextModel::Run& run : model.runs())
                    covered += run.length;
                QCOMPARE(covered, model.length());
                QCOMPARE(shownSpeakers(shown, colours), expectedSpeakers(model, shown.speakerColours()));
            }
        }
        // Floods that replace all of the text between two syncs: what the
        // screen still shows is kept (a flood of line breaks leaves it alone),
        // also where a break or mark at either end of it changes.
        const QString ys(RxTextModel::Cap - 2, 'y');
        const QString pad(RxTextModel::Cap, 'p');
        const QString crs = QString("\r\n").repeated(RxTextModel::Cap / 2);
        const std::pair<QString, QString> floods[] = {
            {crs, crs + crs}, {"a\n" + ys, pad + "\r\n" + ys + "z"}, {"b" + ys + "\r", pad + ys + "\r\nz"}};
        for (const auto& [before, flood] : floods) {
            model.appendCapped(before);
            shown.sync();
            QSignalSpy edits(&document, &QTextDocument::contentsChanged);
            model.appendCapped(flood);
            shown.sync();
            QCOMPARE(document.toPlainText(), RxDocument::ToDisplay(model.text(), model.charBeforeText()));
            QCOMPARE(edits.isEmpty(), flood == crs + crs);
        }
        // A view on the same model shows it, the caret at the end.
        RxScreenView view(model);
        QCOMPARE(view.toPlainText(), RxDocument::ToDisplay(model.text(), model.charBeforeText()));
        QCOMPARE(view.textCursor().position(), view.document()->characterCount() - 1);
        // Lone LF is a mark inside the line, CR LF a break.
        QCOMPARE(RxDocument::ToDisplay(u"a\nb\r\nc"), QString::fromUtf16(u"a\u240Ab\nc"));
    }

    void speakersOfAConversation()
    {
        // Banner, the other station, an own block, the other station again:
        // each with its header in its speaker's colour, also once the cap cuts the front.
        WatchedStation s(m_dir.path());
        RxScreenView view(s.rx);
        const SchemeColours colours = ColoursOf(ColourScheme::Black);
        view.setSchemeColours(colours);
        view.setSpeakerColours(true);
        s.conn.ConnectedCall1 = "EA1ABC";
        s.conn.ConnectedCall2 = "N0CALL-1";
        s.terminal.AppendConnectBanner();
        s.terminal.ReceiveDataBytes("hello\r");
        s.conn.PendingEcho = "hi there\r\n";
        s.conn.BytesToSend = 9;
        s.terminal.UpdateTransmitProgress(0);
        s.terminal.ReceiveDataBytes("bye");
        view.syncNow();
        const QString shown = view.toPlainText();
        const QString marks = shownSpeakers(view.rxDocument(), colours);
        auto markOf = [&](const QString& what) {
            const int at = int(shown.left(shown.indexOf(what)).remove('\n').size());
            return marks.mid(at, what.size());
        };
        QCOMPARE(markOf("******* EA1ABC"), QString(14, 'B'));
        QCOMPARE(markOf("<EA1ABC"), QString(7, 'R'));
        QCOMPARE(markOf("hello"), QString(5, 'R'));
        QCOMPARE(markOf(">N0CALL-1"), QString(9, 'O'));
        QCOMPARE(markOf("hi there"), QString(8, 'O'));
        QCOMPARE(markOf("bye"), QString(3, 'R'));

        // The underlying text stays plain: markup from the other station is shown as sent.
        s.terminal.ReceiveDataBytes("<b>not bold</b>");
        // 72 characters too many: the banner, the first header and "he" go.
        s.conn.PendingEcho = QString(RxTextModel::Cap - 66, 'x') + "\r\n";
        s.conn.BytesToSend = 1;
        s.terminal.UpdateTransmitProgress(0);
        view.syncNow();
        QVERIFY(view.toPlainText().contains("<b>not bold</b>"));
        QCOMPARE(s.rx.length(), RxTextModel::Cap);
        QVERIFY(view.toPlainText().startsWith("llo\n>N0CALL-1"));
        QCOMPARE(shownSpeakers(view.rxDocument(), colours), expectedSpeakers(s.rx));
        QVERIFY(shownSpeakers(view.rxDocument(), colours).startsWith("RRRO"));
        QVERIFY(shownSpeakers(view.rxDocument(), colours).endsWith(QString(RxTextModel::Cap - 66 + 9, 'O')));
    }

    void speakerColoursReadableForAll()
    {
        // Every text colour clears 4.5:1 against its background, and the three
        // stay apart in lightness, for normal sight and under protanopia and
        // deuteranopia alike.
        static const double none[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
        static const double protanopia[3][3] = {
            {0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
        static const double deuteranopia[3][3] = {
            {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
        const std::pair<const char*, const double(*)[3]> sights[] = {
            {"normal", none}, {"protanopia", protanopia}, {"deuteranopia", deuteranopia}};
        for (ColourScheme scheme : {ColourScheme::Black, ColourScheme::White}) {
            const SchemeColours c = ColoursOf(scheme);
            QCOMPARE(c.of(Speaker::Remote), c.text);
            for (const auto& [name, m] : sights) {
                auto y = [&](const QColor& colour) { return luminance(simulate(m, linearOf(colour))); };
                const double back = y(c.background);
                const QColor texts[] = {c.text, c.own, c.banner};
                for (const QColor& t : texts)
                    QVERIFY2(contrast(y(t), back) >= 4.5, qPrintable(QString("%1 %2").arg(name, t.name())));
                for (int a = 0; a < 3; ++a)
                    for (int b = a + 1; b < 3; ++b)
                        QVERIFY2(std::abs(lightness(y(texts[a])) - lightness(y(texts[b]))) >= 15,
                                 qPrintable(QString("%1 %2 %3").arg(name, texts[a].name(), texts[b].name())));
            }
        }
        // The scheme colours the panes take.
        QCOMPARE(QColor(ColoursOf(ColourScheme::Black).text), QColor(0, 255, 0));
        QCOMPARE(QColor(ColoursOf(ColourScheme::White).background), QColor(Qt::white));
    }

    void viewUpdatesWithinAFrame()
    {
        // A burst of arrivals shows as one update, made before a frame
        // (60 Hz) started after the last arrival ends: timers fire in
        // the order of their deadlines, however busy the machine.
        RxTextModel model;
        RxScreenView view(model);
        QSignalSpy updates(view.document(), &QTextDocument::contentsChanged);
        for (const char* piece : {"he", "l", "lo"})
            model.appendCapped(piece);
        QTimer frame;
        frame.setSingleShot(true);
        frame.setTimerType(Qt::PreciseTimer);
        QSignalSpy frameEnded(&frame, &QTimer::timeout);
        frame.start(1000 / 60 + 1);
        QVERIFY(frameEnded.wait(10000));
        QCOMPARE(view.toPlainText(), QString("hello"));
        QCOMPARE(updates.size(), 1);
    }
};

// A full disk: the short write is noticed, reported once, and nothing is
// lost once there is room again.
void TestTerminalText::logJoinsLineBreakSplitAcrossArrivals()
{
    QTemporaryDir dir;
    WatchedStation s(dir.path());
    s.s().logConversations = true;
    s.applyLogSettings();
    s.conn.ConnectedCall1 = "N0CALL-2";
    s.conn.ConnectedCall2 = "N0CALL-1";
    s.terminal.AppendConnectBanner();
    s.terminal.ReceiveDataBytes("A\r");
    s.terminal.ReceiveDataBytes("\nB\r");
    QVERIFY(s.files.flush(5000));
    const QStringList logs = QDir(s.logFolder()).entryList({"*.log"});
    QCOMPARE(logs.size(), 1);
    QFile f(QDir(s.logFolder()).filePath(logs.first()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY2(f.readAll().endsWith("\nA\nB\n"), "one line break, not two");
}

// Control characters reach the file as pictures, notices are whole lines
// in and out of a conversation, and a log that cannot be written keeps the
// newest text behind a mark of the gap.
void TestTerminalText::logShowsControlsAndKeepsTheNewest()
{
    QTemporaryDir dir;
    const QDateTime t(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    ConversationLog log;
    log.setFolder(dir.path(), false);
    log.setEnabled(true, t);
    log.notice("Before\x1b", t.addDays(-1));
    log.connectionBegan("N0CALL-1 <-> N0CALL-2", t);
    const QByteArray rx = QByteArrayLiteral("a\x1b[2Jb\x07\0c\x7f\td\re\r\nf\ng");
    log.received(rx.constData(), rx.size());
    log.notice("PTT\nnotice", t);
    log.text(QString("x\x1b\r\n"));
    log.connectionEnded(t);
    auto read = [&](const QString& name) {
        QFile f(QDir(dir.path()).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(read("2026-12-06.log"), QByteArray("Before\u241b\n"));
    QCOMPARE(read("2026-12-07.log"),
             QByteArray("******* N0CALL-1 <-> N0CALL-2 *******  2026-12-07 09:00:00 UTC\n"
                        "a\u241b[2Jb\u2407\u2400c\u2421\td\ne\nf\ng\nPTT\u240anotice\nx\u241b\n"
                        "******* Connection ended  09:00:00 UTC\n"));

    // No folder to write to: only the newest MaxPending bytes wait.
    log.setFolder(dir.filePath("later"), false);
    log.connectionBegan("N0CALL-1 <-> N0CALL-2", t);
    const QByteArray chunk(1000, 'z');
    for (int i = 0; i < 3000; ++i)
        log.received(chunk.constData(), chunk.size());
    log.received("END", 3);
    QVERIFY(log.failing());
    QVERIFY(QDir(dir.path()).mkdir("later"));
    log.received("\r", 1);
    const QByteArray kept = read("later/2026-12-07.log");
    QCOMPARE(kept.size(), ConversationLog::MaxPending + 1);
    QVERIFY(kept.startsWith("\n[... text not logged ...]\nzzz"));
    QVERIFY(kept.endsWith("zzzEND\n"));
}

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
    QCOMPARE(f.readAll(),
             QByteArray("******* N0CALL-1 <-> N0CALL-2 *******  2026-12-07 09:00:00 UTC\n"
                        "<N0CALL-2  09:00:00 UTC\nFIRST\nSECOND\n"
                        "******* Connection ended  09:01:01 UTC\n"));
    QCOMPARE(reports.size(), 1);
}

QTEST_MAIN(TestTerminalText)
#include "test_terminal_text.moc"
