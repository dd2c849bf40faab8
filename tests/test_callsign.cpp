#include "settings/CallSign.h"

#include <QTest>

class TestCallSign : public QObject
{
    Q_OBJECT

private slots:
    void baseAndSsid_data();
    void baseAndSsid();
    void rule_data();
    void rule();
    void ruleUpperCasesEvenWhenInvalid();
    void pushMovesFoundEntryToFront();
    void pushNewValueDropsLastEntry();
    void pushValueAlreadyInFront();
    void pushIntoListWithGap();
    void pushEmptyValueLeavesListAlone();
    void visibleEntriesStopAtFirstGap();
};

void TestCallSign::baseAndSsid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("ssid");

    QTest::newRow("no hyphen") << "n0call"
                               << "N0CALL" << 0;
    QTest::newRow("digit") << "N0CALL-7"
                           << "N0CALL" << 7;
    QTest::newRow("two digits") << "N0CALL-15"
                                << "N0CALL" << 15;
    QTest::newRow("T") << "N0CALL-T"
                       << "N0CALL" << 16;
    QTest::newRow("R") << "N0CALL-R"
                       << "N0CALL" << 17;
    QTest::newRow("lower r is no R") << "N0CALL-r"
                                     << "N0CALL" << 0;
    QTest::newRow("bare hyphen") << "N0CALL-"
                                 << "N0CALL" << 0;
    QTest::newRow("leading number") << "N0CALL-12AB"
                                    << "N0CALL" << 12;
    QTest::newRow("not a number") << "N0CALL-X"
                                  << "N0CALL" << 0;
    QTest::newRow("too big for a byte") << "N0CALL-256"
                                        << "N0CALL" << 0;
    QTest::newRow("fits a byte") << "N0CALL-255"
                                 << "N0CALL" << 255;
    QTest::newRow("two hyphens") << "A-1-2"
                                 << "A" << 1;
    QTest::newRow("empty base") << "-5"
                                << "" << 5;
    QTest::newRow("empty") << ""
                           << "" << 0;
}

void TestCallSign::baseAndSsid()
{
    QFETCH(QString, text);
    QFETCH(QString, base);
    QFETCH(int, ssid);
    QCOMPARE(CallSignBase(text), base);
    QCOMPARE(int(CallSignSsid(text)), ssid);
}

void TestCallSign::rule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("upper");

    QTest::newRow("plain") << "N0CALL" << true << "N0CALL";
    QTest::newRow("ssid 1") << "N0CALL-1" << true << "N0CALL-1";
    QTest::newRow("ssid 2") << "N0CALL-2" << true << "N0CALL-2";
    QTest::newRow("lower case") << "n0call-1" << true << "N0CALL-1";
    QTest::newRow("mixed case") << "N0cAlL" << true << "N0CALL";
    QTest::newRow("R") << "N0CALL-R" << true << "N0CALL-R";
    QTest::newRow("r") << "n0call-r" << true << "N0CALL-R";
    QTest::newRow("T") << "N0CALL-T" << true << "N0CALL-T";
    QTest::newRow("t") << "N0CALL-t" << true << "N0CALL-T";
    QTest::newRow("9") << "N0CALL-9" << true << "N0CALL-9";
    QTest::newRow("01") << "N0CALL-01" << true << "N0CALL-01";
    QTest::newRow("09") << "N0CALL-09" << true << "N0CALL-09";
    QTest::newRow("10") << "N0CALL-10" << true << "N0CALL-10";
    QTest::newRow("17") << "N0CALL-17" << true << "N0CALL-17";
    QTest::newRow("0") << "N0CALL-0" << false << "N0CALL-0";
    QTest::newRow("00") << "N0CALL-00" << false << "N0CALL-00";
    QTest::newRow("bare hyphen") << "N0CALL-" << false << "N0CALL-";
    QTest::newRow("18") << "N0CALL-18" << false << "N0CALL-18";
    QTest::newRow("99") << "N0CALL-99" << false << "N0CALL-99";
    QTest::newRow("three chars") << "N0CALL-100" << false << "N0CALL-100";
    QTest::newRow("three chars small") << "N0CALL-011" << false << "N0CALL-011";
    QTest::newRow("1R") << "N0CALL-1R" << false << "N0CALL-1R";
    QTest::newRow("RR") << "N0CALL-RR" << false << "N0CALL-RR";
    QTest::newRow("letter") << "N0CALL-X" << false << "N0CALL-X";
    QTest::newRow("seven") << "ABCDEFG" << true << "ABCDEFG";
    QTest::newRow("eight") << "ABCDEFGH" << false << "ABCDEFGH";
    QTest::newRow("eight with ssid") << "ABCDEFGH-1" << false << "ABCDEFGH-1";
    QTest::newRow("space") << "N0 CALL" << false << "N0 CALL";
    QTest::newRow("slash") << "EA/N0CAL" << false << "EA/N0CAL";
    QTest::newRow("slash short") << "EA/N0" << false << "EA/N0";
    QTest::newRow("accented") << "\u00e9A1" << false << "\u00c9A1";
    QTest::newRow("sharp s keeps its length") << "A\u00df" << false << "A\u00df";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("only ssid") << "-1" << true << "-1";
    QTest::newRow("only T") << "-t" << true << "-T";
    QTest::newRow("two hyphens") << "N0CALL-1-2" << false << "N0CALL-1-2";
    QTest::newRow("two hyphens short") << "A--1" << false << "A--1";
    QTest::newRow("hyphen digit hyphen") << "A-1-" << false << "A-1-";
}

void TestCallSign::rule()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, upper);
    QCOMPARE(IsValidCallSign(text), valid);
    QCOMPARE(text, upper);
}

void TestCallSign::ruleUpperCasesEvenWhenInvalid()
{
    QString text = QStringLiteral("toolongcall-99");
    QVERIFY(!IsValidCallSign(text));
    QCOMPARE(text, QStringLiteral("TOOLONGCALL-99"));
}

static CallSignList numbered()
{
    CallSignList list;
    for (int i = 0; i < 10; ++i)
        list[size_t(i)] = QStringLiteral("C%1").arg(i);
    return list;
}

void TestCallSign::pushMovesFoundEntryToFront()
{
    CallSignList list = numbered();
    PushCallSignHistory(list, QStringLiteral("C4"));
    const CallSignList want = {"C4", "C0", "C1", "C2", "C3", "C5", "C6", "C7", "C8", "C9"};
    QCOMPARE(list, want);
}

void TestCallSign::pushNewValueDropsLastEntry()
{
    CallSignList list = numbered();
    PushCallSignHistory(list, QStringLiteral("NEW"));
    const CallSignList want = {"NEW", "C0", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8"};
    QCOMPARE(list, want);

    // The comparison is exact: another case is another value.
    PushCallSignHistory(list, QStringLiteral("new"));
    QCOMPARE(list[0], QStringLiteral("new"));
    QCOMPARE(list[1], QStringLiteral("NEW"));
}

void TestCallSign::pushValueAlreadyInFront()
{
    CallSignList list = numbered();
    PushCallSignHistory(list, QStringLiteral("C0"));
    QCOMPARE(list, numbered());
}

void TestCallSign::pushIntoListWithGap()
{
    CallSignList list = {"A", "B", "", "", "", "", "", "", "", "OLD"};
    PushCallSignHistory(list, QStringLiteral("C"));
    const CallSignList want = {"C", "A", "B", "", "", "", "", "", "", ""};
    QCOMPARE(list, want);
    // A value found behind the gap is moved to the front like any other.
    list[9] = QStringLiteral("OLD");
    PushCallSignHistory(list, QStringLiteral("OLD"));
    const CallSignList want2 = {"OLD", "C", "A", "B", "", "", "", "", "", ""};
    QCOMPARE(list, want2);
}

void TestCallSign::pushEmptyValueLeavesListAlone()
{
    CallSignList list = numbered();
    PushCallSignHistory(list, QString());
    QCOMPARE(list, numbered());
    QCOMPARE(VisibleHistory(list).size(), 10);

    CallSignList partial = {"A", "", "", "", "", "", "", "", "", ""};
    PushCallSignHistory(partial, QString());
    QCOMPARE(VisibleHistory(partial), QStringList{"A"});
}

void TestCallSign::visibleEntriesStopAtFirstGap()
{
    CallSignList list = {"A", "B", "", "D", "", "", "", "", "", "J"};
    QCOMPARE(VisibleHistory(list), (QStringList{"A", "B"}));
    list[0].clear();
    QVERIFY(VisibleHistory(list).isEmpty());
    QCOMPARE(VisibleHistory(numbered()).size(), 10);
}

QTEST_APPLESS_MAIN(TestCallSign)
#include "test_callsign.moc"
