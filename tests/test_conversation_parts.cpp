#include "link/ConnectionState.h"
#include "link/DataChannel.h"
#include "logbook/QsoTracker.h"
#include "support/FakeRigctld.h"
#include "terminal/AlertWords.h"
#include "terminal/MacroText.h"
#include "terminal/SentHistory.h"
#include "terminal/Terminal.h"

#include <QtTest>

// The conversation's parts on their own, without a window or a station:
// macro variables, the recall of sent texts, alert words, and the QSOs the
// link's events make.
class TestConversationParts : public QObject
{
    Q_OBJECT

    // Always up: the terminal tells a connection's end as Idle, or as
    // LinkDown once up is false.
    struct Link : DataChannel
    {
        bool up = true;
        qint64 writeData(const QByteArray& bytes) override { return bytes.size(); }
        bool linkUp() const override { return up; }
    };

    // A tracker fed by a real terminal, as the station wires it, with a
    // clock the test moves and every record it gives kept in order.
    struct Qsos
    {
        ConnectionState conn;
        RxTextModel rx;
        Link link;
        Terminal terminal{ConversationConfig(), conn, rx, link};
        RigFrequency rig;
        LogbookConfig config;
        QsoTracker tracker{config, conn, terminal, rig};
        // Morning at UTC+10: 23:59 UTC, the day before.
        QDateTime now{QDate(2026, 12, 8), QTime(9, 59), Qt::OffsetFromUTC, 10 * 3600};
        QList<std::pair<QsoRecord, bool>> ended;

        explicit Qsos(bool logQsos = true)
        {
            config = {logQsos, "N0CALL-1", "DYNAMIC", "KELDO HF", "IN80dj", "50"};
            tracker.configure(config);
            terminal.setClock([this] { return now; });
            rig.setMinInterval(0);
            QObject::connect(&tracker, &QsoTracker::qsoEnded, [this](const QsoRecord& q, bool shuttingDown) {
                ended.append({q, shuttingDown});
            });
        }
        void connected(const QString& call1, const QString& call2, const QString& via1 = {})
        {
            conn.connected({true, true, call1, call2, via1, {}});
            terminal.ShowConnected();
        }
        void disconnected()
        {
            conn.reset();
            terminal.UpdateConnectionDisplay();
        }
        void tick(bool on)
        {
            config.logQsos = on;
            tracker.configure(config);
            tracker.loggingChanged();
        }
        void later(int seconds) { now = now.addSecs(seconds); }
        QStringList calls() const
        {
            QStringList out;
            for (const auto& e : ended)
                out << e.first.call;
            return out;
        }
        // The rig is fake, answering hz.
        void rigAt(FakeRigctld& fake, const QByteArray& hz)
        {
            fake.reply = hz + '\n';
            rig.setAddress("127.0.0.1", fake.port());
        }
    };

private slots:
    void macroVariables_data();
    void macroVariables();
    void macroValuesUnknownOrOdd();
    void recallOfSentTexts();
    void alertWordsAcrossArrivals_data();
    void alertWordsAcrossArrivals();
    void alertWordList();
    void qsoRecordMadeAtTheEnd();
    void qsoEnds_data();
    void qsoEnds();
    void qsoLoggedOnlyWhenTickedAtItsEnd();
    void qsoFrequencyOnlyFromItsOwnAnswers();
    void qsoWaitingForTheRigNeverLost();
};

void TestConversationParts::macroVariables_data()
{
    QTest::addColumn<QString>("macro");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("send");
    const auto row = [](const char* name, const char* macro, const char* text, bool send = false) {
        QTest::newRow(name) << QString(macro) << QString(text) << send;
    };
    row("calls", "<CALL> de <MYCALL> k", "EA1ABC de N0CALL-1 k");
    row("UTC time and date", "<UTC> <DATE>", "23:42 2026-12-07"); // morning here, yesterday in UTC
    row("mode, bandwidth", "<MODE>/<BW>", "HF/2300");
    row("rig", "<FREQ> MHz <BAND>", "14.105 MHz 20m");
    row("repeated", "<MYCALL><MYCALL>", "N0CALL-1N0CALL-1");
    row("lines kept", "<CALL>\r\nde\n<MYCALL>", "EA1ABC\r\nde\nN0CALL-1");
    row("unknown and lower case stay", "<FRQ> <freq> <call> <> <NAME>", "<FRQ> <freq> <call> <> <NAME>");
    row("stray brackets", "<<CALL>> a<b <MYCALL", "<EA1ABC> a<b <MYCALL");
    row("send at the end", "73 <CALL><SEND>", "73 EA1ABC", true);
    row("blanks after send", "73 <SEND> \r\n\t", "73 ", true);
    row("send alone", "<SEND>", "", true);
    row("send not at the end", "<SEND> 73", "<SEND> 73");
    row("lower-case send", "73<send>", "73<send>");
    row("empty", "", "");
}

// Each variable filled in from the moment's values, anything else as typed.
void TestConversationParts::macroVariables()
{
    QFETCH(QString, macro);
    QFETCH(QString, text);
    QFETCH(bool, send);
    MacroContext c;
    c.myCall = "N0CALL-1";
    c.call = "EA1ABC";
    c.utc = QDateTime(QDate(2026, 12, 8), QTime(9, 42, 59), Qt::OffsetFromUTC, 10 * 3600);
    c.mode = "HF";
    c.bandwidth = "2300";
    c.frequency = "14.105";
    c.band = "20m";
    const ExpandedMacro out = ExpandMacro(macro, c);
    QCOMPARE(out.text, text);
    QCOMPARE(out.send, send);
    // Only then is the rig asked before the text is filled in.
    QCOMPARE(MacroUsesFrequency(macro), QByteArray(QTest::currentDataTag()) == "rig");
}

// Unknown values leave nothing, not the tag; a value is not read as a macro.
void TestConversationParts::macroValuesUnknownOrOdd()
{
    MacroContext c;
    QCOMPARE(ExpandMacro("[<CALL>|<FREQ>|<BAND>|<BW>|<UTC>|<DATE>]", c).text, QString("[|||||]"));
    c.call = "<MYCALL><SEND>";
    c.myCall = "N0CALL";
    const ExpandedMacro out = ExpandMacro("<CALL>", c);
    QCOMPARE(out.text, c.call);
    QVERIFY(!out.send);
}

// Newest first, the draft after the newest, at most the last 50; a text
// sent again is the newest; sending a recalled text brings the draft back.
void TestConversationParts::recallOfSentTexts()
{
    SentHistory h;
    QCOMPARE(h.older("typing"), std::nullopt);
    QCOMPARE(h.newer(), std::nullopt);
    QCOMPARE(h.add("ONE"), QString());
    h.add("TWO");
    h.add("ONE");
    QCOMPARE(h.older("DRAFT"), std::optional<QString>("ONE"));
    QCOMPARE(h.older("ONE"), std::optional<QString>("TWO"));
    QCOMPARE(h.older("TWO"), std::optional<QString>("ONE"));
    QCOMPARE(h.older("ONE"), std::nullopt); // the oldest stays shown
    QCOMPARE(h.newer(), std::optional<QString>("TWO"));
    QCOMPARE(h.newer(), std::optional<QString>("ONE"));
    QCOMPARE(h.newer(), std::optional<QString>("DRAFT"));
    QCOMPARE(h.newer(), std::nullopt);

    // Sent while recalled: the draft comes back, recall starts at the newest.
    h.older("DRAFT");
    h.older("ONE");
    QCOMPARE(h.add("TWO"), QString("DRAFT"));
    QCOMPARE(h.older("NEW"), std::optional<QString>("TWO"));
    QCOMPARE(h.older("TWO"), std::optional<QString>("ONE"));
    QCOMPARE(h.newer(), std::optional<QString>("TWO"));
    QCOMPARE(h.newer(), std::optional<QString>("NEW"));
    // The draft itself sent: nothing to give back.
    QCOMPARE(h.add("THREE"), QString());

    for (int i = 0; i < 2 * SentHistory::Capacity; ++i)
        h.add(QString::number(i));
    QCOMPARE(h.size(), SentHistory::Capacity);
    QStringList recalled;
    while (const auto t = h.older("x"))
        recalled << *t;
    QCOMPARE(recalled.size(), SentHistory::Capacity);
    QCOMPARE(recalled.first(), QString::number(2 * SentHistory::Capacity - 1));
    QCOMPARE(recalled.last(), QString::number(SentHistory::Capacity));
}

void TestConversationParts::alertWordsAcrossArrivals_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("arrivals"); // "|" starts afresh
    QTest::addColumn<QStringList>("found");
    const QStringList none;
    QTest::newRow("any case") << "sked,QRZ" << QStringList{"Sked? qrz de x, SKED"}
                              << QStringList{"Sked", "qrz", "SKED"};
    QTest::newRow("only whole words") << "sked" << QStringList{"skeds asked sked2 2sked"} << none;
    QTest::newRow("at the ends") << "sked" << QStringList{"sked", " x ", "sked"} << QStringList{"sked", "sked"};
    QTest::newRow("split in two") << "sked" << QStringList{"pse sK", "Ed?"} << QStringList{"sKEd"};
    QTest::newRow("split in three") << "sked" << QStringList{"s", "ke", "d"} << QStringList{"sked"};
    QTest::newRow("split, letter before") << "sked" << QStringList{"pse aske", "d"} << none;
    QTest::newRow("split, then longer") << "sked" << QStringList{"sk", "eds"} << none;
    QTest::newRow("letter before, arrival before") << "sked" << QStringList{"a", "sked", "long text a", "sked"} << none;
    QTest::newRow("found once") << "qrz,sked" << QStringList{"a qrz", " x", " qrz"} << QStringList{"qrz", "qrz"};
    QTest::newRow("started afresh") << "sked" << QStringList{"sk", "|", "ed sked"} << QStringList{"sked"};
    QTest::newRow("afresh, no letter before") << "sked" << QStringList{"a", "|", "sked"} << QStringList{"sked"};
    QTest::newRow("two words") << "cq dx" << QStringList{"CQ D", "X de", " cq dxx"} << QStringList{"CQ DX"};
    QTest::newRow("accented") << QString::fromUtf8("señal,Ñandú")
                              << QStringList{QString::fromUtf8("SEÑAL ñANDÚ señales qrzé")}
                              << QStringList{QString::fromUtf8("SEÑAL"), QString::fromUtf8("ñANDÚ")};
    QTest::newRow("letter after is accented") << "qrz" << QStringList{QString::fromUtf8("qrzé")} << none;
    QTest::newRow("the same word twice in the list") << "QRZ, qrz" << QStringList{"qrz"} << QStringList{"qrz"};
    QTest::newRow("no words") << " , ," << QStringList{"sked qrz"} << none;
}

// Whole words in any case, also split between arrivals, each found once, at
// its place in the count of all text received.
void TestConversationParts::alertWordsAcrossArrivals()
{
    QFETCH(QString, words);
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, found);
    AlertWords alert;
    alert.setWords(words, QString());
    QString all;
    const quint64 start = 1000;
    QStringList matched;
    for (const QString& a : arrivals) {
        if (a == "|") {
            alert.restart();
            continue;
        }
        alert.scan(a, start + quint64(all.size()), [&](quint64 from, quint64 to) {
            QVERIFY(from >= start && to <= start + quint64(all.size() + a.size()) && from < to);
            matched << (all + a).mid(qsizetype(from - start), qsizetype(to - from));
        });
        all += a;
    }
    QCOMPARE(matched, found);
}

// The list as typed: blanks and empty entries dropped, each word once, the
// own call without its SSID; a new list starts afresh.
void TestConversationParts::alertWordList()
{
    AlertWords alert;
    QVERIFY(alert.isEmpty());
    alert.setWords(" sked , ,QRZ,Sked,", "EA4XYZ-1");
    QCOMPARE(alert.words(), QStringList({"sked", "QRZ", "EA4XYZ"}));
    alert.setWords("", "EA4XYZ");
    QCOMPARE(alert.words(), QStringList("EA4XYZ"));
    alert.setWords("qrz", "");
    QCOMPARE(alert.words(), QStringList("qrz"));

    QStringList matched;
    const auto keep = [&](quint64 from, quint64 to) { matched << QString("%1-%2").arg(from).arg(to); };
    alert.scan("de ea4xyz-1 q", 0, keep);
    QCOMPARE(matched, QStringList());
    alert.setWords("qrz", "EA4XYZ-1");
    alert.scan("rz ea4xyz-1 k", 13, keep);
    QCOMPARE(matched, QStringList("16-22"));
    alert.setWords("", "");
    QVERIFY(alert.isEmpty());
    alert.scan("qrz ea4xyz", 26, keep);
    QCOMPARE(matched.size(), 1);
}

// A QSO's record: the other station without SSID, this station without
// SSID, the whole call chain, UTC times on and off, and what the logbook
// settings give; nothing for a call that never reached CONNECTED.
void TestConversationParts::qsoRecordMadeAtTheEnd()
{
    Qsos q;
    q.disconnected(); // a call that failed
    QVERIFY(q.ended.isEmpty());

    q.conn.callingOut();
    q.connected("N0CALL-1", "EA4XYZ-7", "EB2ZZZ-2");
    q.later(95);
    q.conn.abortRequested();
    q.terminal.UpdateConnectionDisplay(); // Stop asked: still connected
    QVERIFY(q.ended.isEmpty());
    q.disconnected();
    QCOMPARE(q.ended.size(), 1);
    const QsoRecord r = q.ended[0].first;
    QVERIFY(!q.ended[0].second);
    QCOMPARE(r.call, QString("EA4XYZ"));
    QCOMPARE(r.stationCallsign, QString("N0CALL"));
    QCOMPARE(r.comment, QString("N0CALL-1 <-> EB2ZZZ-2 <-> EA4XYZ-7"));
    QCOMPARE(r.timeOn.timeSpec(), Qt::UTC);
    QCOMPARE(r.timeOff.timeSpec(), Qt::UTC);
    QCOMPARE(r.timeOn.toString(Qt::ISODate), QString("2026-12-07T23:59:00Z"));
    QCOMPARE(r.timeOff.toString(Qt::ISODate), QString("2026-12-08T00:00:35Z"));
    QCOMPARE(r.mode + '/' + r.submode + '/' + r.myGridSquare + '/' + r.txPower, QString("DYNAMIC/KELDO HF/IN80dj/50"));
    QCOMPARE(r.frequencyHz, std::nullopt);
    QVERIFY(r.name.isEmpty() && r.rstSent.isEmpty() && r.gridSquare.isEmpty());

    // Called: the caller is the other station.
    q.connected("EB2XYZ", "N0CALL-1");
    q.disconnected();
    QCOMPARE(q.calls(), QStringList({"EA4XYZ", "EB2XYZ"}));
    QCOMPARE(q.ended[1].first.comment, QString("EB2XYZ <-> N0CALL-1"));
}

void TestConversationParts::qsoEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("shuttingDown");
    QTest::newRow("disconnected") << "disconnected" << QStringList("EA4XYZ") << false;
    QTest::newRow("link lost") << "link lost" << QStringList("EA4XYZ") << false;
    QTest::newRow("another station") << "another" << QStringList("EA4XYZ") << false;
    QTest::newRow("same station again") << "same" << QStringList() << false;
    QTest::newRow("shutdown") << "shutdown" << QStringList("EA4XYZ") << true;
}

// Whatever ends a QSO, it ends then, once; CONNECTED again with the same
// station (another SSID too) goes on with the same QSO.
void TestConversationParts::qsoEnds()
{
    QFETCH(QString, how);
    QFETCH(QStringList, calls);
    QFETCH(bool, shuttingDown);
    Qsos q;
    q.connected("EA4XYZ-7", "N0CALL-1");
    q.later(60);
    if (how == "disconnected") {
        q.disconnected();
    } else if (how == "link lost") {
        q.link.up = false;
        q.conn.linkLost();
        q.terminal.UpdateConnectionDisplay();
    } else if (how == "another") {
        q.connected("EB3XYZ", "N0CALL-1");
    } else if (how == "same") {
        q.connected("EA4XYZ-8", "N0CALL-1");
    } else {
        q.tracker.endNow();
    }
    QCOMPARE(q.calls(), calls);
    if (!calls.isEmpty()) {
        QCOMPARE(q.ended[0].second, shuttingDown);
        QCOMPARE(q.ended[0].first.timeOff.toString(Qt::ISODate), QString("2026-12-08T00:00:00Z"));
    }
    // Shutdown and a lost link leave nothing open; the QSO going on ends here.
    q.later(60);
    q.tracker.endNow();
    q.disconnected();
    const bool goesOn = how == "another" || how == "same";
    QCOMPARE(q.ended.size(), goesOn ? calls.size() + 1 : calls.size());
    if (goesOn)
        QCOMPARE(q.ended.last().first.timeOn.toString(Qt::ISODate),
                 QString(how == "same" ? "2026-12-07T23:59:00Z" : "2026-12-08T00:00:00Z"));
}

// Log QSOs counts as the QSO ends: ticked during it, the QSO is logged
// from its start; unticked before its end, it is not.
void TestConversationParts::qsoLoggedOnlyWhenTickedAtItsEnd()
{
    Qsos q(false);
    q.connected("EA4XYZ", "N0CALL-1");
    q.later(60);
    q.tick(true);
    q.later(60);
    q.disconnected();
    QCOMPARE(q.calls(), QStringList("EA4XYZ"));
    QCOMPARE(q.ended[0].first.timeOn.toString(Qt::ISODate), QString("2026-12-07T23:59:00Z"));

    q.connected("EB2XYZ", "N0CALL-1");
    q.tick(false);
    q.disconnected();
    q.connected("EC3XYZ", "N0CALL-1");
    q.tracker.endNow();
    QCOMPARE(q.calls(), QStringList("EA4XYZ"));
}

// A record takes the last frequency answered during its own QSO (the end's
// question included): a junk or missing answer keeps that one, and never
// brings in one from an earlier QSO.
void TestConversationParts::qsoFrequencyOnlyFromItsOwnAnswers()
{
    FakeRigctld fake;
    QVERIFY(fake.listen());
    Qsos q;
    QSignalSpy settled(&q.rig, &RigFrequency::settled);
    q.rigAt(fake, "14105000");
    q.connected("EA4XYZ", "N0CALL-1");
    QTRY_COMPARE(settled.size(), 1);
    fake.reply = "7074000\n"; // retuned
    q.disconnected();
    QVERIFY(q.ended.isEmpty()); // waits for the end's answer
    QTRY_COMPARE(q.ended.size(), 1);
    QCOMPARE(q.ended[0].first.frequencyHz, std::optional<qint64>(7074000));

    fake.reply = "10136000\n";
    q.connected("EB2XYZ", "N0CALL-1");
    QTRY_COMPARE(settled.size(), 3);
    fake.reply = "RPRT -11\n";
    q.disconnected();
    QTRY_COMPARE(q.ended.size(), 2);
    QCOMPARE(q.ended[1].first.frequencyHz, std::optional<qint64>(10136000));

    // Junk all through, then no answer in time: none.
    q.connected("EC3XYZ", "N0CALL-1");
    QTRY_COMPARE(settled.size(), 5);
    fake.hold = true;
    q.rig.setAnswerTimeout(200);
    q.disconnected();
    QTRY_COMPARE(q.ended.size(), 3);
    QCOMPARE(q.ended[2].first.frequencyHz, std::nullopt);

    // Logging off: the rig is not asked until Log QSOs is ticked.
    Qsos off(false);
    FakeRigctld other;
    QVERIFY(other.listen());
    off.rigAt(other, "3573000");
    off.connected("ED4XYZ", "N0CALL-1");
    off.tick(true);
    off.disconnected();
    QTRY_COMPARE(off.ended.size(), 1);
    QCOMPARE(off.ended[0].first.frequencyHz, std::optional<qint64>(3573000));
    QCOMPARE(other.received, QByteArray("f\n")); // once, when ticked
}

// A QSO waiting for the rig's answer is given as it stands when another
// one ends first, or at shutdown, never replaced by it.
void TestConversationParts::qsoWaitingForTheRigNeverLost()
{
    FakeRigctld fake;
    QVERIFY(fake.listen());
    fake.hold = true;
    for (const bool shutdown : {false, true}) {
        Qsos q;
        q.rigAt(fake, "14105000");
        q.rig.setAnswerTimeout(60000);
        q.connected("EA4XYZ", "N0CALL-1");
        q.connected("EB2XYZ", "N0CALL-1"); // EA4XYZ waits for the answer
        if (shutdown) {
            q.tracker.endNow();
        } else {
            q.disconnected();
            q.connected("EC3XYZ", "N0CALL-1");
        }
        QCOMPARE(q.calls(), QStringList({"EA4XYZ", "EB2XYZ"}));
        QCOMPARE(q.ended[0].second, shutdown);
    }
}

QTEST_GUILESS_MAIN(TestConversationParts)
#include "test_conversation_parts.moc"
