#include "logbook/Adif.h"
#include "logbook/LoggerLink.h"
#include "logbook/RigFrequency.h"
#include "support/FakeRigctld.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtEndian>
#include <QtTest>

// What the logbook writes and sends: ADIF records, the loggers' datagrams,
// and the rig's answers they are made of. Also run with TZ set to a zone
// other than UTC: every time written must still be UTC.
class TestLogbook : public QObject
{
    Q_OBJECT

    // A record's fields, read by the lengths its data specifiers state; each
    // value must be followed by the space the writer puts after it.
    static QMap<QString, QByteArray> fieldsOf(const QByteArray& record, bool* whole = nullptr)
    {
        QMap<QString, QByteArray> fields;
        static const QRegularExpression tag("<([A-Za-z_]+)(?::(\\d+))?>");
        qsizetype at = 0;
        bool ok = true;
        for (auto m = tag.match(QString::fromLatin1(record), at); m.hasMatch();
             m = tag.match(QString::fromLatin1(record), at)) {
            ok = ok && m.capturedStart() == at;
            const QString name = m.captured(1).toUpper();
            if (name == "EOR")
                break;
            const int length = m.captured(2).toInt();
            fields[name] = record.mid(m.capturedEnd(), length);
            at = m.capturedEnd() + length;
            ok = ok && record.mid(at, 1) == " ";
            ++at;
        }
        if (whole)
            *whole = ok;
        return fields;
    }

    static QsoRecord sample()
    {
        QsoRecord q;
        q.call = "EA4XYZ";
        q.stationCallsign = "N0CALL";
        q.timeOn = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 0), Qt::UTC);
        q.timeOff = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 35), Qt::UTC);
        q.frequencyHz = 14105000;
        q.mode = "DYNAMIC";
        return q;
    }

    // The fields of a "QSO Logged" datagram, in the published order.
    struct Logged
    {
        QDateTime off, on;
        QByteArray dxCall, dxGrid, mode, sent, rcvd, power, comments, name, op, myCall, myGrid, exSent, exRcvd, prop;
        quint64 txHz = 0;
        QList<QByteArray> texts() const
        {
            return {dxCall, dxGrid, mode, sent, rcvd, power, comments, name, op, myCall, myGrid, exSent, exRcvd, prop};
        }
    };
    static std::optional<Logged> readLogged(const QByteArray& d)
    {
        QDataStream in(d);
        in.setVersion(QDataStream::Qt_5_4);
        quint32 magic, schema, type;
        QByteArray id;
        Logged l;
        in >> magic >> schema >> type >> id >> l.off >> l.dxCall >> l.dxGrid >> l.txHz >> l.mode >> l.sent >> l.rcvd
            >> l.power >> l.comments >> l.name >> l.on >> l.op >> l.myCall >> l.myGrid >> l.exSent >> l.exRcvd
            >> l.prop;
        if (magic != Wsjtx::Magic || schema != 3 || type != 5 || id != "KELDO Terminal"
            || in.status() != QDataStream::Ok || !in.atEnd())
            return std::nullopt;
        return l;
    }
    static std::optional<QByteArray> readLoggedAdif(const QByteArray& d)
    {
        QDataStream in(d);
        in.setVersion(QDataStream::Qt_5_4);
        quint32 magic, schema, type;
        QByteArray id, text;
        in >> magic >> schema >> type >> id >> text;
        if (magic != Wsjtx::Magic || type != 12 || in.status() != QDataStream::Ok || !in.atEnd())
            return std::nullopt;
        return text;
    }
    static bool hasControls(const QByteArray& text)
    {
        return std::any_of(text.begin(), text.end(), [](char c) { return uchar(c) < 32 || uchar(c) == 127; });
    }

    // Resident memory of this process, in bytes.
    static qint64 residentBytes()
    {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
        }
        return -1;
    }

private slots:
    void fieldLengthsCountBytesWritten_data();
    void fieldLengthsCountBytesWritten();
    void bandAtItsEdges_data();
    void bandAtItsEdges();
    void callOnlyWhenACallSign_data();
    void callOnlyWhenACallSign();
    void locatorAndPower();
    void timesAreUtc();
    void qsoLoggedFieldsInTheirPlaces();
    void noControlBytesToTheLoggers();
    void unreachableLoggerToldOnce();
    void endlessAnswerIsDropped();
    void answersCountForTheirQuestion();
    void noFrequencyFromJunk_data();
    void noFrequencyFromJunk();
};

void TestLogbook::fieldLengthsCountBytesWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("spelt as two letters")
        << QString("Jürgen Weiß, Ærøskøbing") << QByteArray("Jurgen Weiss, AEroskobing");
    QTest::newRow("decomposed accents") << QString("Jose\u0301 Mun\u0303oz") << QByteArray("Jose Munoz");
    QTest::newRow("emoji") << QString("73 \U0001F600\U0001F4FB.") << QByteArray("73 ??.");
    QTest::newRow("mixed") << QString("æøß e\u0301\u0323 \U0001F600") << QByteArray("aeoss e ?");
}

void TestLogbook::fieldLengthsCountBytesWritten()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QsoRecord q = sample();
    q.name = text;
    q.qth = text;
    q.comment = text;
    const QByteArray record = Adif::Record(q);
    bool whole = false;
    const QMap<QString, QByteArray> fields = fieldsOf(record, &whole);
    QVERIFY2(whole, record.constData());
    for (const char* name : {"NAME", "QTH", "COMMENT"}) {
        QCOMPARE(fields[name], written);
        QVERIFY(
            record.contains('<' + QByteArray(name) + ':' + QByteArray::number(written.size()) + '>' + written + ' '));
    }
    QCOMPARE(fields["CALL"], QByteArray("EA4XYZ"));
    QVERIFY(record.endsWith("<EOR>\r\n"));
}

void TestLogbook::bandAtItsEdges_data()
{
    QTest::addColumn<QString>("mhz");
    QTest::addColumn<QString>("band");
    QTest::newRow("160m low") << "1.8"
                              << "160m";
    QTest::newRow("160m high") << "2.000"
                               << "160m";
    QTest::newRow("80m high") << "4.000"
                              << "80m";
    QTest::newRow("40m high") << "7.300"
                              << "40m";
    QTest::newRow("30m high") << "10.150"
                              << "30m";
    QTest::newRow("20m low") << "14.000"
                             << "20m";
    QTest::newRow("20m high") << "14.350"
                              << "20m";
    QTest::newRow("17m high") << "18.168"
                              << "17m";
    QTest::newRow("15m high") << "21.450"
                              << "15m";
    QTest::newRow("12m high") << "24.990"
                              << "12m";
    QTest::newRow("10m high") << "29.700"
                              << "10m";
    QTest::newRow("6m high") << "54.000"
                             << "6m";
    QTest::newRow("2m high") << "148.000"
                             << "2m";
    QTest::newRow("70cm high") << "450.000"
                               << "70cm";
    QTest::newRow("past 20m") << "14.351"
                              << "";
    QTest::newRow("below 40m") << "6.999"
                               << "";
}

// At the upper edge too, whichever way the frequency came: typed in MHz, or
// answered by the rig in Hz.
void TestLogbook::bandAtItsEdges()
{
    QFETCH(QString, mhz);
    QFETCH(QString, band);
    const std::optional<qint64> typed = Adif::RadioHz(mhz.toDouble() * 1e6);
    const std::optional<qint64> answered = Adif::RadioHz(QByteArray::number(mhz.toDouble() * 1e6, 'f', 0).toDouble());
    QVERIFY(typed && answered);
    QCOMPARE(*typed, *answered);
    QCOMPARE(Adif::BandOf(*typed), band);
    QsoRecord q = sample();
    q.frequencyHz = typed;
    const QMap<QString, QByteArray> fields = fieldsOf(Adif::Record(q));
    QCOMPARE(fields["FREQ"].toDouble(), mhz.toDouble());
    QCOMPARE(QString::fromLatin1(fields["BAND"]), band);
}

void TestLogbook::callOnlyWhenACallSign_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("comment");
    QTest::newRow("call") << "EA4XYZ" << QByteArray("EA4XYZ") << QByteArray("EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("lower case, SSID") << "ea4xyz-7" << QByteArray("EA4XYZ") << QByteArray("EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("portable") << "EA4/XYZ" << QByteArray() << QByteArray("EA4/XYZ EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("said in the chain") << "EA4XYZ-99" << QByteArray() << QByteArray("EA4XYZ-99 EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("control bytes") << "AB\x01\x1b[31mC\r\nD" << QByteArray()
                                   << QByteArray("AB[31mC  D EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("not ASCII") << "ÉÀ1Ω" << QByteArray() << QByteArray("EA1? EA4XYZ-7 <-> N0CALL-1");
    QTest::newRow("long") << QString(300, 'Q') << QByteArray()
                          << QByteArray(MaxRawCallLength, 'Q') + " EA4XYZ-7 <-> N0CALL-1";
    QTest::newRow("empty") << "" << QByteArray() << QByteArray("EA4XYZ-7 <-> N0CALL-1");
}

// The file's CALL and the loggers' DX call hold call signs only; anything
// else is kept, made safe, in the comment.
void TestLogbook::callOnlyWhenACallSign()
{
    QFETCH(QString, call);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, comment);
    QsoRecord q = sample();
    q.call = call;
    q.comment = "EA4XYZ-7 <-> N0CALL-1";
    bool whole = false;
    const QByteArray record = Adif::Record(q);
    const QMap<QString, QByteArray> fields = fieldsOf(record, &whole);
    QVERIFY(whole);
    QCOMPARE(fields.value("CALL"), written);
    QCOMPARE(fields.contains("CALL"), !written.isEmpty());
    QCOMPARE(fields["COMMENT"], comment);
    const std::optional<Logged> logged = readLogged(Wsjtx::QsoLogged(q));
    QVERIFY(logged);
    QCOMPARE(logged->dxCall, written);
    QCOMPARE(logged->comments, comment);
}

void TestLogbook::locatorAndPower()
{
    QsoRecord q = sample();
    q.gridSquare = "JN11ck";
    q.myGridSquare = "IN80dj";
    q.txPower = "100 W";
    QMap<QString, QByteArray> fields = fieldsOf(Adif::Record(q));
    QCOMPARE(fields["GRIDSQUARE"], QByteArray("JN11ck"));
    QCOMPARE(fields["MY_GRIDSQUARE"], QByteArray("IN80dj"));
    QCOMPARE(fields["TX_PWR"], QByteArray("100"));
    std::optional<Logged> logged = readLogged(Wsjtx::QsoLogged(q));
    QVERIFY(logged);
    QCOMPARE(logged->myGrid, QByteArray("IN80dj"));
    QCOMPARE(logged->power, QByteArray("100"));
    QCOMPARE(logged->dxGrid, QByteArray("JN11ck"));
    // Unset or no power: left out.
    for (const char* power : {"", "-5", "0", "lots", "inf", "nan"}) {
        q.myGridSquare.clear();
        q.txPower = power;
        fields = fieldsOf(Adif::Record(q));
        QVERIFY(!fields.contains("MY_GRIDSQUARE"));
        QVERIFY2(!fields.contains("TX_PWR"), power);
        logged = readLogged(Wsjtx::QsoLogged(q));
        QVERIFY(logged && logged->power.isEmpty() && logged->myGrid.isEmpty());
    }
    q.txPower = "5,5";
    QCOMPARE(fieldsOf(Adif::Record(q))["TX_PWR"], QByteArray("5.5"));
}

// Times given in local time (as a clock of this machine would) are written
// and sent as UTC.
void TestLogbook::timesAreUtc()
{
    QsoRecord q = sample();
    const QDateTime on(QDate(2026, 7, 1), QTime(23, 30, 5), Qt::UTC);
    const QDateTime off(QDate(2026, 7, 2), QTime(0, 1, 2), Qt::UTC);
    q.timeOn = on.toLocalTime();
    q.timeOff = off.toLocalTime();
    const QMap<QString, QByteArray> fields = fieldsOf(Adif::Record(q));
    QCOMPARE(fields["QSO_DATE"] + fields["TIME_ON"], QByteArray("20260701233005"));
    QCOMPARE(fields["QSO_DATE_OFF"] + fields["TIME_OFF"], QByteArray("20260702000102"));
    const std::optional<Logged> logged = readLogged(Wsjtx::QsoLogged(q));
    QVERIFY(logged);
    QCOMPARE(logged->on, on);
    QCOMPARE(logged->off, off);
    QCOMPARE(logged->on.timeSpec(), Qt::UTC);
    QCOMPARE(logged->off.time(), QTime(0, 1, 2));
    QVERIFY(Adif::Header(off.toLocalTime()).contains("<CREATED_TIMESTAMP:15>20260702 000102 "));
}

void TestLogbook::qsoLoggedFieldsInTheirPlaces()
{
    QsoRecord q = sample();
    q.rstSent = "599";
    q.rstReceived = "579";
    q.name = "José";
    q.comment = "TNX";
    q.gridSquare = "JN11";
    q.myGridSquare = "IN80";
    q.txPower = "50";
    q.submode = "OLIVIA 8/500";
    const std::optional<Logged> l = readLogged(Wsjtx::QsoLogged(q));
    QVERIFY(l);
    QCOMPARE(l->dxCall, QByteArray("EA4XYZ"));
    QCOMPARE(l->dxGrid, QByteArray("JN11"));
    QCOMPARE(l->txHz, quint64(14105000));
    QCOMPARE(l->mode, QByteArray("OLIVIA 8/500"));
    QCOMPARE(l->sent, QByteArray("599"));
    QCOMPARE(l->rcvd, QByteArray("579"));
    QCOMPARE(l->power, QByteArray("50"));
    QCOMPARE(l->comments, QByteArray("TNX"));
    QCOMPARE(l->name, QString("José").toUtf8());
    QCOMPARE(l->op, QByteArray("N0CALL"));
    QCOMPARE(l->myCall, QByteArray("N0CALL"));
    QCOMPARE(l->myGrid, QByteArray("IN80"));
    QVERIFY(l->exSent.isEmpty() && l->exRcvd.isEmpty() && l->prop.isEmpty());
}

void TestLogbook::noControlBytesToTheLoggers()
{
    QsoRecord q = sample();
    q.call = "EA4\tXYZ\x07";
    q.name = "Ana\r\nMaria\x1b[0m";
    q.qth = "\x7f\u0085Madrid\u2028";
    q.comment = "line 1\nline 2\x00";
    q.rstSent = "5\x01";
    q.rstReceived = "\x02"
                    "5";
    q.mode = "DYN\x03";
    const std::optional<Logged> l = readLogged(Wsjtx::QsoLogged(q));
    QVERIFY(l);
    for (const QByteArray& text : l->texts())
        QVERIFY2(!hasControls(text), text.toHex().constData());
    QCOMPARE(l->name, QByteArray("Ana  Maria[0m"));
    QCOMPARE(l->sent, QByteArray("5"));
    const std::optional<QByteArray> adif = readLoggedAdif(Wsjtx::LoggedAdif(Adif::Header(q.timeOff) + Adif::Record(q)));
    QVERIFY(adif);
    QVERIFY2(!hasControls(*adif), adif->constData());
    // Still read as ADIF: the header, then the record's fields.
    QCOMPARE(fieldsOf(adif->mid(adif->indexOf("<EOH>") + 6))["NAME"], QByteArray("Ana  Maria[0m"));
}

// A logger that cannot be reached is told once, not at every datagram, and
// again after datagrams went.
void TestLogbook::unreachableLoggerToldOnce()
{
    LoggerLink link;
    QSignalSpy failed(&link, &LoggerLink::sendFailed);
    QSignalSpy resumed(&link, &LoggerLink::sendingResumed);
    link.configure(true, "logger..invalid", 2237);
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.first().first().value<LoggerFailure>().kind, LoggerFailure::Kind::LookupFailed);
    QCOMPARE(failed.first().first().value<LoggerFailure>().host, QString("logger..invalid"));
    link.sendQso(sample(), Adif::Record(sample()));
    QTRY_VERIFY(link.failure());

    QUdpSocket logger;
    QVERIFY(logger.bind(QHostAddress::LocalHost, 0));
    link.configure(true, "127.0.0.1", logger.localPort());
    QCOMPARE(resumed.size(), 1);
    link.sendQso(sample(), Adif::Record(sample()));
    QTRY_VERIFY(logger.hasPendingDatagrams());
    // A datagram the system refuses (larger than UDP carries).
    QsoRecord huge = sample();
    huge.comment = QString(70000, 'x');
    link.sendQso(huge, Adif::Record(huge));
    QCOMPARE(failed.size(), 2);
    QCOMPARE(failed.last().first().value<LoggerFailure>().kind, LoggerFailure::Kind::SendFailed);
    link.sendQso(huge, Adif::Record(huge));
    link.sendQso(huge, Adif::Record(huge));
    QCOMPARE(failed.size(), 2);
    link.sendQso(sample(), Adif::Record(sample()));
    QCOMPARE(resumed.size(), 2);
    QVERIFY(!link.failure());
}

// A rigctld answering "f" with a line that never ends: the connection is
// dropped and the question settles with no frequency, and memory stays flat.
void TestLogbook::endlessAnswerIsDropped()
{
    FakeRigctld fake;
    QVERIFY(fake.listen());
    fake.reply = "14105000\n";
    RigFrequency rig;
    rig.setMinInterval(0);
    rig.setAnswerTimeout(5000);
    rig.setAddress("127.0.0.1", fake.port());
    QSignalSpy settled(&rig, &RigFrequency::settled);
    QSignalSpy failed(&rig, &RigFrequency::answerFailed);
    RigFrequency::Question q = rig.ask();
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.answerTo(q), std::optional<qint64>(14105000));

    // Where the system tells no resident size, what the client holds is checked alone.
    const qint64 before = residentBytes();
    fake.flood = true;
    q = rig.ask();
    QVERIFY(settled.wait(10000));
    QVERIFY(rig.answered(q));
    QCOMPARE(rig.answerTo(q), std::nullopt);
    QCOMPARE(rig.lastHz(), std::nullopt);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().value<RigAnswerFailure>(), RigAnswerFailure::TooLong);
    QVERIFY(rig.bufferedBytes() <= 4 * RigFrequency::MaxLineBytes);
    QTRY_VERIFY(!fake.client || fake.client->state() != QAbstractSocket::ConnectedState);
    if (before > 0) {
        const qint64 grown = residentBytes() - before;
        qInfo("flooded %lld bytes, resident memory grew by %lld bytes", fake.flooded, grown);
        QVERIFY2(grown < (qint64(16) << 20), qPrintable(QString::number(grown)));
    }

    // The next question opens a new connection and is answered as usual.
    fake.flood = false;
    q = rig.ask();
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.answerTo(q), std::optional<qint64>(14105000));
}

// An answer is the answer of the question it follows: while a question is
// out, the one before does not stand for it; an answer given late, after
// the question was given up on, is never taken for the next one.
void TestLogbook::answersCountForTheirQuestion()
{
    FakeRigctld fake;
    QVERIFY(fake.listen());
    fake.reply = "14105000\n";
    RigFrequency rig;
    rig.setMinInterval(0);
    rig.setAddress("127.0.0.1", fake.port());
    QSignalSpy settled(&rig, &RigFrequency::settled);
    const RigFrequency::Question first = rig.ask();
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.answerTo(first), std::optional<qint64>(14105000));

    // Retuned; the answer is late.
    fake.hold = true;
    rig.setAnswerTimeout(300);
    const RigFrequency::Question second = rig.ask();
    QVERIFY(second > first);
    QCOMPARE(rig.ask(), second); // one question at a time
    QCOMPARE(rig.answerTo(second), std::nullopt);
    QCOMPARE(rig.lastHz(), std::optional<qint64>(14105000));
    QVERIFY(settled.wait(10000));
    QVERIFY(rig.answered(second));
    QCOMPARE(rig.answerTo(second), std::nullopt);
    QTRY_COMPARE(fake.received, QByteArray("f\nf\n"));
    QPointer<QTcpSocket> late = fake.client;
    const RigFrequency::Question third = rig.ask();
    QTRY_COMPARE(fake.received, QByteArray("f\nf\nf\n"));
    QVERIFY(fake.client != late);
    // The given-up question's answer arrives on its old connection, then
    // the new connection's answer.
    if (late)
        late->write("3573000\n");
    fake.answer("7074000\n");
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.answerTo(third), std::optional<qint64>(7074000));
    QCOMPARE(rig.lastHz(), std::optional<qint64>(7074000));

    // Lines nobody asked for are no answer to the next question.
    fake.answer("3573000\n");
    QTRY_COMPARE(fake.client->bytesToWrite(), 0);
    const RigFrequency::Question fourth = rig.ask();
    QTRY_COMPARE(fake.received, QByteArray("f\nf\nf\nf\n"));
    fake.answer("10136000\n");
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.answerTo(fourth), std::optional<qint64>(10136000));
}

void TestLogbook::noFrequencyFromJunk_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("nan") << QByteArray("nan\n");
    QTest::newRow("NaN") << QByteArray("NaN\n");
    QTest::newRow("inf") << QByteArray("inf\n");
    QTest::newRow("-inf") << QByteArray("-inf\n");
    QTest::newRow("negative") << QByteArray("-14105000\n");
    QTest::newRow("zero") << QByteArray("0\n");
    QTest::newRow("absurd") << QByteArray("1e30\n");
    QTest::newRow("refused") << QByteArray("RPRT -1\n");
    QTest::newRow("empty") << QByteArray("\n");
}

// A rig answering junk makes the frequency unknown: no old value stands.
void TestLogbook::noFrequencyFromJunk()
{
    QFETCH(QByteArray, reply);
    FakeRigctld fake;
    QVERIFY(fake.listen());
    RigFrequency rig;
    rig.setMinInterval(0);
    rig.setAddress("127.0.0.1", fake.port());
    QSignalSpy settled(&rig, &RigFrequency::settled);
    QSignalSpy failed(&rig, &RigFrequency::answerFailed);
    fake.reply = "14105000\n";
    rig.ask();
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.lastHz(), std::optional<qint64>(14105000));
    fake.reply = reply;
    const RigFrequency::Question q = rig.ask();
    QVERIFY(settled.wait(10000));
    QCOMPARE(rig.lastHz(), std::nullopt);
    QCOMPARE(rig.answerTo(q), std::nullopt);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().value<RigAnswerFailure>(), RigAnswerFailure::NotAFrequency);
}

QTEST_GUILESS_MAIN(TestLogbook)
#include "test_logbook.moc"
