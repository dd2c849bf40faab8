#include "encoding/AnsiCodec.h"
#include "settings/IniDocument.h"

#include <QSet>
#include <QTest>

// The INI layer must read files written by the Windows profile functions the
// way those functions read them, and write files they read back the same.
class TestIni : public QObject
{
    Q_OBJECT

private slots:
    void ansiEveryByteRoundTrips();
    void ansiMapping();
    void ansiUnknownCharactersBecomeQuestionMarks();

    void readsWindowsWrittenFile();
    void lineEnds_data();
    void lineEnds();
    void valueCutTo255();
    void quotes_data();
    void quotes();
    void defaultTrailingBlanksDropped();
    void keysAndSections();

    void newFileLayout();
    void updateKeepsEverythingElse();
    void newKeyGoesAfterLastKeyOfItsSection();
    void duplicateSectionsWriteToFirst();
    void newSectionAfterUnterminatedLine();
    void valueCannotInjectLines();
    void unstorableNamesRefused();
    void oddValuesReadBackUnchanged_data();
    void oddValuesReadBackUnchanged();
    void eightBitTextKept();
    void textOutsideCodePageWritesUtf8();
    void utf8FileStaysUtf8();
    void unmarkedUtf8_data();
    void unmarkedUtf8();
    void bareKeyFilledInPlace();
};

void TestIni::ansiEveryByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Ansi::toUnicode(all);
    QCOMPARE(text.size(), 256);
    for (int b = 0; b < 256; ++b)
        QCOMPARE(text[b], Ansi::byteToChar(uchar(b)));
    QCOMPARE(Ansi::fromUnicode(text), all);
    // Distinct characters: no two bytes share one.
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
}

void TestIni::ansiMapping()
{
    QCOMPARE(Ansi::byteToChar(0x80), QChar(0x20AC));
    QCOMPARE(Ansi::byteToChar(0x9F), QChar(0x0178));
    QCOMPARE(Ansi::byteToChar(0x92), QChar(0x2019));
    QCOMPARE(Ansi::byteToChar(0xE9), QChar(0x00E9));
    QCOMPARE(Ansi::byteToChar(0x41), QChar('A'));
    QCOMPARE(Ansi::byteToChar(0x00), QChar(0));
    for (uchar hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QCOMPARE(Ansi::byteToChar(hole), QChar(hole));
    QCOMPARE(Ansi::fromUnicode(u"\u20ac \u00e9 \u0152 \u2122"), QByteArray("\x80 \xE9 \x8C \x99"));
}

void TestIni::ansiUnknownCharactersBecomeQuestionMarks()
{
    // C1 controls that 1252 gives to printable characters are not in it.
    QCOMPARE(Ansi::fromUnicode(u"\u0080\u009f"), QByteArray("??"));
    QCOMPARE(Ansi::fromUnicode(u"a\u4e2db"), QByteArray("a?b"));
    // One character outside the BMP is one '?', not two.
    QCOMPARE(Ansi::fromUnicode(QString::fromUtf8("x\xF0\x9F\x93\xBBy")), QByteArray("x?y"));
    // A lone surrogate is no character either.
    const QChar lone[] = {QChar(0xD800), QChar('z')};
    QCOMPARE(Ansi::fromUnicode(QStringView(lone, 2)), QByteArray("?z"));
    QCOMPARE(Ansi::fromUnicode(QString()), QByteArray());
}

// A file as the Windows functions and hand editing leave it.
static const char WindowsFile[] = "; settings of the terminal\r\n"
                                  "orphan=before any section\r\n"
                                  "\r\n"
                                  "[PTT]\r\n"
                                  "Rig=7\r\n"
                                  "  Baud   =   9600   \r\n"
                                  "rig=99\r\n"
                                  ";Pin=3\r\n"
                                  "just a line\r\n"
                                  "Icom Address=\r\n"
                                  "\r\n"
                                  "  [ setup ]  \r\n"
                                  "HF Host\t=\tmodem.example\t\r\n"
                                  "[Extra]\r\n"
                                  "Anything=goes\r\n"
                                  "[ptt]\r\n"
                                  "Rig=55\r\n"
                                  "Pin=2\r\n";

void TestIni::readsWindowsWrittenFile()
{
    const IniDocument doc{QByteArray(WindowsFile)};
    QCOMPARE(doc.value("PTT", "Rig"), QStringLiteral("7")); // first key wins
    QCOMPARE(doc.value("ptt", "RIG"), QStringLiteral("7")); // names ignore case
    QCOMPARE(doc.value(" PTT ", " Rig "), QStringLiteral("7")); // and blanks around them
    QCOMPARE(doc.value("PTT", "Baud"), QStringLiteral("9600"));
    QCOMPARE(doc.value("PTT", "Pin", "d"), QStringLiteral("d")); // comment and later section unseen
    QCOMPARE(doc.value("PTT", ";Pin", "d"), QStringLiteral("d"));
    QCOMPARE(doc.value("PTT", "just a line", "d"), QStringLiteral("d"));
    QVERIFY(doc.contains("PTT", "Icom Address"));
    QCOMPARE(doc.value("PTT", "Icom Address", "d"), QString(""));
    QCOMPARE(doc.value("Setup", "HF Host"), QStringLiteral("modem.example"));
    QCOMPARE(doc.value("Extra", "anything"), QStringLiteral("goes"));
    QCOMPARE(doc.value("PTT", "orphan", "d"), QStringLiteral("d"));
    QCOMPARE(doc.value("Nowhere", "Rig", "d"), QStringLiteral("d"));
    QVERIFY(!doc.contains("Nowhere", "Rig"));

    // Nothing is lost or reordered when the file is written back.
    QCOMPARE(doc.toBytes(), QByteArray(WindowsFile));
}

void TestIni::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("[s]\r\na=1\r\nb=2\r\n");
    QTest::newRow("LF") << QByteArray("[s]\na=1\nb=2\n");
    QTest::newRow("CR") << QByteArray("[s]\ra=1\rb=2\r");
    QTest::newRow("mixed, no last line end") << QByteArray("[s]\ra=1\nb=2");
}

void TestIni::lineEnds()
{
    QFETCH(QByteArray, bytes);
    const IniDocument doc(bytes);
    QCOMPARE(doc.value("s", "a"), QStringLiteral("1"));
    QCOMPARE(doc.value("s", "b"), QStringLiteral("2"));
    QCOMPARE(doc.toBytes(), QByteArray("[s]\r\na=1\r\nb=2\r\n"));
}

void TestIni::valueCutTo255()
{
    const QString longValue = QString(300, QLatin1Char('x')) + QLatin1Char('y');
    IniDocument doc;
    doc.setValue("S", "Long", longValue);
    doc.setValue("S", "Exact", QString(255, QLatin1Char('e')));

    const IniDocument back(doc.toBytes());
    QCOMPARE(back.value("S", "Long"), QString(255, QLatin1Char('x')));
    QCOMPARE(back.value("S", "Exact"), QString(255, QLatin1Char('e')));
    // The quotes come off before the cut.
    const IniDocument quoted("[S]\r\nQuoted=\"" + longValue.toLatin1() + "\"\r\n");
    QCOMPARE(quoted.value("S", "Quoted"), QString(255, QLatin1Char('x')));
    // The file itself keeps the whole value.
    QVERIFY(doc.toBytes().contains(longValue.toLatin1()));
    QCOMPARE(back.value("S", "Missing", QString(300, QLatin1Char('d'))).size(), 255);
}

void TestIni::quotes_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("double") << QByteArray("k=\"val2\"") << "val2";
    QTest::newRow("single") << QByteArray("k='val2'") << "val2";
    QTest::newRow("blanks inside kept") << QByteArray("k = \" a b \" ") << " a b ";
    QTest::newRow("empty pair") << QByteArray("k=\"\"") << "";
    QTest::newRow("unmatched") << QByteArray("k=\"val'") << "\"val'";
    QTest::newRow("only opening") << QByteArray("k=\"val") << "\"val";
    QTest::newRow("lone quote") << QByteArray("k=\"") << "\"";
    QTest::newRow("inner quotes") << QByteArray("k=a \"b\" c") << "a \"b\" c";
    QTest::newRow("one pair only") << QByteArray("k=\"\"x\"\"") << "\"x\"";
}

void TestIni::quotes()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, value);
    const IniDocument doc("[s]\r\n" + line + "\r\n");
    QCOMPARE(doc.value("s", "k"), value);
}

void TestIni::defaultTrailingBlanksDropped()
{
    const IniDocument doc;
    QCOMPARE(doc.value("s", "k", "one two  "), QStringLiteral("one two"));
    QCOMPARE(doc.value("s", "k", "  lead"), QStringLiteral("  lead"));
}

void TestIni::keysAndSections()
{
    const IniDocument doc{QByteArray(WindowsFile)};
    QCOMPARE(doc.sections(), (QStringList{"PTT", "setup", "Extra"}));
    QCOMPARE(doc.keys("ptt"), (QStringList{"Rig", "Baud", "Icom Address"}));
    QVERIFY(doc.keys("none").isEmpty());
}

void TestIni::newFileLayout()
{
    // The layout the Windows functions give a file built key by key.
    IniDocument doc;
    doc.setValue("App1", "key1", "string1");
    doc.setValue("App1", "key2", "string2");
    doc.setValue("App1", "key3", "string3");
    doc.setValue("App2", "key4", "string4");
    doc.setValue("App3", "key5", "string5");
    doc.setValue("app1", "KEY2", "");
    QCOMPARE(doc.toBytes(),
             QByteArray("[App1]\r\n"
                        "key1=string1\r\n"
                        "key2=\r\n"
                        "key3=string3\r\n"
                        "[App2]\r\n"
                        "key4=string4\r\n"
                        "[App3]\r\n"
                        "key5=string5\r\n"));
}

void TestIni::updateKeepsEverythingElse()
{
    IniDocument doc{QByteArray(WindowsFile)};
    doc.setValue("ptt", "RIG", "12");
    doc.setValue("SETUP", "hf host", "other");
    doc.setValue("PTT", "Icom Address", "94");
    QByteArray want(WindowsFile);
    want.replace("Rig=7\r\n", "Rig=12\r\n");
    want.replace("HF Host\t=\tmodem.example\t\r\n", "HF Host=other\r\n");
    want.replace("Icom Address=\r\n", "Icom Address=94\r\n");
    QCOMPARE(doc.toBytes(), want);
}

void TestIni::newKeyGoesAfterLastKeyOfItsSection()
{
    IniDocument doc(QByteArray("[A]\r\n"
                               "a1=1\r\n"
                               "no equals sign\r\n"
                               "\r\n"
                               "; about B\r\n"
                               "\r\n"
                               "[B]\r\n"
                               "; nothing yet\r\n"
                               "[C]\r\n"
                               "c1=1\r\n"
                               "\r\n"));
    doc.setValue("A", "a2", "2");
    doc.setValue("A", "a3", "3");
    doc.setValue("B", "b1", "1");
    doc.setValue("C", "c2", "2");
    doc.setValue("D", "d1", "1");
    QCOMPARE(doc.toBytes(),
             QByteArray("[A]\r\n"
                        "a1=1\r\n"
                        "no equals sign\r\n"
                        "a2=2\r\n"
                        "a3=3\r\n"
                        "\r\n"
                        "; about B\r\n"
                        "\r\n"
                        "[B]\r\n"
                        "b1=1\r\n"
                        "; nothing yet\r\n"
                        "[C]\r\n"
                        "c1=1\r\n"
                        "c2=2\r\n"
                        "\r\n"
                        "[D]\r\n"
                        "d1=1\r\n"));
    // Keys after the inserted ones are still found.
    doc.setValue("A", "a1", "one");
    QCOMPARE(doc.value("A", "a1"), QStringLiteral("one"));
    QCOMPARE(doc.value("A", "a3"), QStringLiteral("3"));
}

void TestIni::duplicateSectionsWriteToFirst()
{
    IniDocument doc(QByteArray("[S]\r\nk=1\r\n[T]\r\n[s]\r\nk=2\r\nonly=second\r\n"));
    QCOMPARE(doc.value("S", "only", "d"), QStringLiteral("d"));
    doc.setValue("S", "k", "one");
    doc.setValue("S", "only", "first");
    QCOMPARE(doc.toBytes(), QByteArray("[S]\r\nk=one\r\nonly=first\r\n[T]\r\n[s]\r\nk=2\r\nonly=second\r\n"));
}

void TestIni::newSectionAfterUnterminatedLine()
{
    // Bytes before the first section, NULs included, are kept.
    const QByteArray data("Data \0 before \0 first \0 section", 31);
    IniDocument doc(data);
    doc.setValue("section1", "key1", "string1");
    QCOMPARE(doc.toBytes(), data + "\r\n[section1]\r\nkey1=string1\r\n");
}

void TestIni::valueCannotInjectLines()
{
    IniDocument doc(QByteArray("[PTT]\r\nRig=52\r\n"));
    QVERIFY(doc.setValue("Setup", "HF Host", "evil\r\n[PTT]\r\nRig=1\nVia=1\rPin=2"));
    const IniDocument back(doc.toBytes());
    QCOMPARE(back.value("PTT", "Rig"), QStringLiteral("52"));
    QVERIFY(!back.contains("PTT", "Via"));
    QVERIFY(!back.contains("PTT", "Pin"));
    QCOMPARE(back.sections(), (QStringList{"PTT", "Setup"}));
    QCOMPARE(back.keys("Setup"), QStringList{"HF Host"});
    QCOMPARE(back.value("Setup", "HF Host"), QStringLiteral("evil  [PTT]  Rig=1 Via=1 Pin=2"));
    QCOMPARE(doc.toBytes().count('\n'), 4);
}

void TestIni::unstorableNamesRefused()
{
    const QByteArray original("[S]\r\nk=1\r\n");
    IniDocument doc(original);
    QVERIFY(!doc.setValue("S", "a=b", "x"));
    QVERIFY(!doc.setValue("S", "a\r\nb", "x"));
    QVERIFY(!doc.setValue("S", "line\nbreak", "x"));
    QVERIFY(!doc.setValue("S", ";comment", "x"));
    QVERIFY(!doc.setValue("S", "[head]", "x"));
    QVERIFY(!doc.setValue("S", "   ", "x"));
    QVERIFY(!doc.setValue("S]", "k", "x"));
    QVERIFY(!doc.setValue("S\nT", "k", "x"));
    QVERIFY(!doc.setValue("", "k", "x"));
    QCOMPARE(doc.toBytes(), original);
    // Blanks around names are not part of them.
    QVERIFY(doc.setValue(" S ", " k ", "2"));
    QCOMPARE(doc.toBytes(), QByteArray("[S]\r\nk=2\r\n"));
}

void TestIni::oddValuesReadBackUnchanged_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks around") << "  padded  ";
    QTest::newRow("tab") << "\tx";
    QTest::newRow("quoted") << "\"quoted\"";
    QTest::newRow("single quoted") << "'q'";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("brackets") << "[PTT]";
    QTest::newRow("windows path") << "C:\\KELDO FM\\KELDOFM.exe";
    QTest::newRow("empty") << "";
    QTest::newRow("lone quote") << "\"";
    // A NUL read from a file must survive the next save (found by fuzzing).
    QTest::newRow("nul inside") << QString::fromLatin1("R\0ed", 4);
}

void TestIni::oddValuesReadBackUnchanged()
{
    QFETCH(QString, value);
    IniDocument doc;
    QVERIFY(doc.setValue("S", "k", value));
    QCOMPARE(IniDocument(doc.toBytes()).value("S", "k", "default"), value);
}

void TestIni::eightBitTextKept()
{
    const QByteArray bytes("[S]\r\n; caf\xE9 \x80\x81\x9D\xFF\r\nk=\xE9t\xE9 \x80\r\n");
    IniDocument doc(bytes);
    QCOMPARE(doc.value("S", "k"), QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"));
    QCOMPARE(doc.toBytes(), bytes);
    doc.setValue("S", "n", QString::fromUtf8("\xC3\x9F \xE2\x84\xA2"));
    QCOMPARE(doc.toBytes(), bytes + "n=\xDF \x99\r\n");
}

void TestIni::textOutsideCodePageWritesUtf8()
{
    // A Cyrillic folder cannot be written in 1252: the whole file turns to
    // UTF-8 behind a mark and an empty line, the old 8-bit text included.
    const QString folder = QString::fromUtf8("/home/\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD/KELDO");
    IniDocument doc(QByteArray("; caf\xE9\r\n[S]\r\nk=\x80\r\n"));
    doc.setValue("Path", "Folder", folder);
    const QByteArray want =
        "\xEF\xBB\xBF\r\n; caf\xC3\xA9\r\n[S]\r\nk=\xE2\x82\xAC\r\n[Path]\r\nFolder=" + folder.toUtf8() + "\r\n";
    QCOMPARE(doc.toBytes(), want);
    // Read back the same, and written again unchanged (no second empty line).
    const IniDocument back(want);
    QCOMPARE(back.value("Path", "Folder"), folder);
    QCOMPARE(back.value("S", "k"), QString(QChar(0x20AC)));
    QCOMPARE(back.sections(), (QStringList{"S", "Path"}));
    QCOMPARE(back.toBytes(), want);

    // 1252 text whose bytes happen to be UTF-8 (these two letters are the
    // UTF-8 of one) would not read back as written: the same way out (found
    // by fuzzing).
    IniDocument ascii(QByteArray("[S]\r\n"));
    const QString lookalike = QString::fromUtf8("\xC3\x83\xC2\xA9");
    ascii.setValue("S", "k", lookalike);
    QCOMPARE(ascii.toBytes(), QByteArray("\xEF\xBB\xBF\r\n[S]\r\nk=\xC3\x83\xC2\xA9\r\n"));
    QCOMPARE(IniDocument(ascii.toBytes()).value("S", "k"), lookalike);
}

void TestIni::utf8FileStaysUtf8()
{
    const QByteArray bytes("\xEF\xBB\xBF[S]\r\nk=caf\xC3\xA9\r\n");
    IniDocument doc(bytes);
    QCOMPARE(doc.value("S", "k"), QString::fromUtf8("caf\xC3\xA9"));
    QCOMPARE(doc.toBytes(), bytes);
    doc.setValue("S", "k", QString::fromUtf8("\xE4\xB8\xAD"));
    QCOMPARE(doc.toBytes(), QByteArray("\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n"));
}

void TestIni::unmarkedUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("cyrillic") << QByteArray("[S]\nk=\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C\n")
                              << QString::fromUtf8("\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C") << true;
    QTest::newRow("four bytes") << QByteArray("[S]\r\nk=\xF0\x9F\x93\xBB\r\n") << QString::fromUtf8("\xF0\x9F\x93\xBB")
                                << true;
    // Not UTF-8, so 1252: a stray lead byte, an overlong '/', an encoded
    // surrogate, a sequence cut by the end of the file.
    QTest::newRow("lead byte alone") << QByteArray("[S]\r\nk=caf\xC3\r\n") << QString::fromUtf8("caf\xC3\x83") << false;
    QTest::newRow("overlong") << QByteArray("[S]\r\nk=\xC0\xAF\r\n") << QString::fromUtf8("\xC3\x80\xC2\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("[S]\r\nk=\xED\xA0\x80\r\n")
                               << QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC") << false;
    QTest::newRow("cut at end") << QByteArray("[S]\r\nk=\xE2\x82") << QString::fromUtf8("\xC3\xA2\xE2\x80\x9A")
                                << false;
}

void TestIni::unmarkedUtf8()
{
    // A file saved by a UTF-8 editor, without a mark: read as UTF-8 and
    // written back the same way, with no mark added.
    QFETCH(QByteArray, bytes);
    QFETCH(QString, value);
    QFETCH(bool, utf8);
    IniDocument doc(bytes);
    QCOMPARE(doc.value("S", "k"), value);
    doc.setValue("S", "n", QString::fromUtf8("\xC3\xB1"));
    const QByteArray n = utf8 ? QByteArray("n=\xC3\xB1\r\n") : QByteArray("n=\xF1\r\n");
    QCOMPARE(doc.toBytes(), "[S]\r\nk=" + (utf8 ? value.toUtf8() : Ansi::fromUnicode(value)) + "\r\n" + n);
}

void TestIni::bareKeyFilledInPlace()
{
    // A key line without '=' is the key with no value: read as absent, and
    // it hides a later line of the same key, as the profile functions have
    // it. A write fills that line, so a reader that takes the first line
    // sees the value.
    IniDocument doc(QByteArray("[Setup]\r\n"
                               "  HF Host \r\n"
                               "FM Host=fm\r\n"
                               "hf host=hidden\r\n"
                               "[Other]\r\n"));
    QCOMPARE(doc.value("Setup", "HF Host", "localhost"), QStringLiteral("localhost"));
    QVERIFY(!doc.contains("Setup", "HF Host"));
    QCOMPARE(doc.keys("Setup"), QStringList{"FM Host"});
    QVERIFY(doc.setValue("Setup", "hf HOST", "modem.local"));
    QCOMPARE(doc.toBytes(),
             QByteArray("[Setup]\r\n"
                        "HF Host=modem.local\r\n"
                        "FM Host=fm\r\n"
                        "hf host=hidden\r\n"
                        "[Other]\r\n"));
    QCOMPARE(doc.value("Setup", "HF Host"), QStringLiteral("modem.local"));
    QCOMPARE(doc.keys("Setup"), (QStringList{"HF Host", "FM Host"}));
}

QTEST_APPLESS_MAIN(TestIni)
#include "test_ini.moc"
