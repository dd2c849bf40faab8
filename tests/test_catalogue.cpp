#include "ptt/RadioCatalogue.h"

#include <QSet>
#include <QtTest>

// The catalogue is one table of records, each placing its radio in its
// brand's list: no two on one place, no gap in a list, every name once.
class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void brandsAndColumnLengths();
    void everyRecordStandsInItsBrandColumn();
    void recordFieldsFitTheirDialect();
    void defaultModelOfEachBrand_data();
    void defaultModelOfEachBrand();
    void spotChecks();
    void modelsWithoutCommands_data();
    void modelsWithoutCommands();
    void lookupsOutsideTheTable();
};

void TestCatalogue::brandsAndColumnLengths()
{
    const RadioCatalogue& c = LoadRadioCatalogue();
    const QStringList brands = {"Icom", "Yaesu", "Kenwood", "Elecraft", "TenTec", "FlexRadio", "Microtelecom"};
    const int lengths[] = {62, 34, 26, 2, 7, 2, 1};
    int total = 0;
    for (int b = 0; b < BrandCount; ++b) {
        QCOMPARE(c.BrandNames[b], brands[b]);
        QCOMPARE(ModelsOfBrand(b).size(), lengths[b]);
        // Nothing hides behind the first empty entry of a column.
        for (int row = lengths[b]; row < ModelRows; ++row)
            QVERIFY2(c.ModelNames[b][row].isEmpty(), qPrintable(brands[b]));
        total += lengths[b];
    }
    QCOMPARE(total, RadioModelCount);
}

void TestCatalogue::everyRecordStandsInItsBrandColumn()
{
    const RadioCatalogue& c = LoadRadioCatalogue();
    QSet<QString> names;
    for (int rig = 1; rig <= RadioModelCount; ++rig) {
        const RadioModel& m = c.RadioModels[rig];
        const QByteArray where = QByteArray::number(rig) + ' ' + m.Model.toLatin1();
        QVERIFY2(!m.Model.isEmpty(), where);
        QVERIFY2(!names.contains(m.Model), where + " is not unique");
        names.insert(m.Model);
        const int brand = BrandIndexOf(m.Brand);
        QVERIFY2(brand >= 0, where);
        QVERIFY2(ModelsOfBrand(brand).count(m.Model) == 1, where);
        QCOMPARE(RadioPositionOf(m.Model), rig);
    }
    // ...and every listed name has its record, of the same brand.
    for (int b = 0; b < BrandCount; ++b) {
        for (const QString& name : ModelsOfBrand(b)) {
            const RadioModel* m = RadioModelAt(RadioPositionOf(name));
            QVERIFY2(m, qPrintable(name));
            QCOMPARE(m->Brand, c.BrandNames[b]);
        }
    }
}

void TestCatalogue::recordFieldsFitTheirDialect()
{
    for (int rig = 1; rig <= RadioModelCount; ++rig) {
        const RadioModel& m = *RadioModelAt(rig);
        const QByteArray where = QByteArray::number(rig) + ' ' + m.Model.toLatin1();
        QVERIFY2(m.BaudCount >= 1 && m.BaudCount <= 6, where);
        for (int i = 0; i < 6; ++i) {
            if (i < m.BaudCount) {
                bool ok = false;
                QVERIFY2(m.Bauds[i].toInt(&ok) > 0 && ok, where);
            } else {
                QVERIFY2(m.Bauds[i].isEmpty(), where);
            }
        }
        QCOMPARE(m.baudList().size(), int(m.BaudCount));
        QVERIFY2(m.TxCommand.isEmpty() == m.RxCommand.isEmpty(), where);
        switch (m.Dialect) {
        case DialectCiv: {
            QVERIFY2(m.TxCommand.isEmpty(), where);
            bool ok = false;
            m.CivAddress.toUInt(&ok, 16);
            QVERIFY2(m.CivAddress.size() == 2 && ok, where);
            break;
        }
        case DialectFiveByte:
            QVERIFY2(m.CivAddress.isEmpty(), where);
            QVERIFY2(m.TxCommand.isEmpty() || (m.TxCommand.size() == 5 && m.RxCommand.size() == 5), where);
            break;
        case DialectSemicolon:
            QVERIFY2(m.CivAddress.isEmpty(), where);
            QVERIFY2(m.TxCommand.isEmpty() || (m.TxCommand.endsWith(';') && m.RxCommand.endsWith(';')), where);
            break;
        case DialectCr:
            QVERIFY2(m.CivAddress.isEmpty(), where);
            QVERIFY2(m.TxCommand.isEmpty() || (m.TxCommand.endsWith('\r') && m.RxCommand.endsWith('\r')), where);
            break;
        default:
            QFAIL(where + " has no dialect");
        }
    }
}

void TestCatalogue::defaultModelOfEachBrand_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("rig");
    QTest::newRow("Icom") << 0 << "IC-7000" << 29;
    QTest::newRow("Yaesu") << 1 << "FT-897" << 52;
    QTest::newRow("Kenwood") << 2 << "TS-2000" << 87;
    QTest::newRow("Elecraft") << 3 << "K3" << 91;
    QTest::newRow("TenTec") << 4 << "Jupiter" << 95;
    QTest::newRow("FlexRadio") << 5 << "SmartSDR" << 125;
    QTest::newRow("Microtelecom") << 6 << "Perseus" << 92;
}

void TestCatalogue::defaultModelOfEachBrand()
{
    QFETCH(int, brand);
    QFETCH(QString, model);
    QFETCH(int, rig);
    QCOMPARE(DefaultModelOfBrand(brand), model);
    QVERIFY(ModelsOfBrand(brand).contains(model));
    QCOMPARE(RadioPositionOf(model), rig);
}

void TestCatalogue::spotChecks()
{
    // The default "Rig".
    const RadioModel* ft897 = RadioModelAt(DefaultRig);
    QCOMPARE(ft897->Model, QStringLiteral("FT-897"));
    QCOMPARE(int(ft897->Dialect), int(DialectFiveByte));
    QCOMPARE(ft897->baudList(), QStringList({"4800", "9600", "38400"}));
    QCOMPARE(ft897->TxCommand, QByteArray::fromHex("0000000008"));

    const QStringList yaesu = ModelsOfBrand(1);
    QCOMPARE(yaesu.last(), QStringLiteral("VR-5000"));
    QCOMPARE(yaesu.at(yaesu.size() - 2), QStringLiteral("FT-9000MP"));
    QCOMPARE(RadioPositionOf("FT-9000MP"), 66);
    QCOMPARE(RadioPositionOf("VR-5000"), 100);

    QCOMPARE(RadioModelAt(9)->baudList(), QStringList({"1200", "9600"}));
    QCOMPARE(RadioModelAt(91)->baudList(), QStringList({"4800", "9600", "19200", "38400"}));

    const RadioModel* ic7300 = RadioModelAt(128);
    QCOMPARE(ic7300->Model, QStringLiteral("IC-7300"));
    QCOMPARE(ic7300->CivAddress, QStringLiteral("94"));
    QCOMPARE(ic7300->baudList().first(), QStringLiteral("115200"));
    QCOMPARE(RadioModelAt(133)->CivAddress, QStringLiteral("A2"));

    // Receivers take CI-V frames like the transceivers.
    for (const char* name : {"IC-R10", "IC-R20", "IC-R71", "IC-R72", "IC-R75", "IC-R7000", "IC-R7100", "IC-R8500",
                             "IC-R9000", "IC-R9500", "IC-RX7", "Perseus"})
        QCOMPARE(int(RadioModelAt(RadioPositionOf(name))->Dialect), int(DialectCiv));

    // Binary bytes before the carriage return survive.
    QCOMPARE(RadioModelAt(98)->TxCommand, QByteArray("*T\x04\x00\r", 5));
    QCOMPARE(RadioModelAt(93)->TxCommand, QByteArray("*TK\r"));
    QCOMPARE(RadioModelAt(72)->TxCommand, QByteArray("TX1;"));
    QCOMPARE(RadioModelAt(87)->RxCommand, QByteArray("RX;"));
}

void TestCatalogue::modelsWithoutCommands_data()
{
    QTest::addColumn<QString>("model");
    for (const char* name : {"R-5000", "VR-5000", "FT-757GXII", "Jupiter", "RX-350"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCatalogue::modelsWithoutCommands()
{
    QFETCH(QString, model);
    const RadioModel* m = RadioModelAt(RadioPositionOf(model));
    QVERIFY(m);
    QVERIFY(m->Dialect != DialectCiv);
    QVERIFY(m->TxCommand.isEmpty());
    QVERIFY(m->RxCommand.isEmpty());
}

void TestCatalogue::lookupsOutsideTheTable()
{
    QVERIFY(!RadioModelAt(0));
    QVERIFY(!RadioModelAt(135));
    QVERIFY(!RadioModelAt(-1));
    QCOMPARE(RadioPositionOf("IC-9999"), 0);
    QCOMPARE(RadioPositionOf("ic-7300"), 0);
    QCOMPARE(BrandIndexOf("Alinco"), -1);
    QVERIFY(ModelsOfBrand(7).isEmpty());
    QVERIFY(ModelsOfBrand(-1).isEmpty());
    QVERIFY(DefaultModelOfBrand(7).isEmpty());
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
