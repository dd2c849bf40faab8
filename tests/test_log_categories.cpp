#include "files/LogCategories.h"

#include <QCoreApplication>
#include <QTest>

// The user's QT_LOGGING_RULES is set before the application reads it, as a
// shell would have it; the functions run in order, --debug adding up.
class TestLogCategories : public QObject
{
    Q_OBJECT

private slots:
    void warningsOnlyBesideTheEnvironment()
    {
        QVERIFY(lcPtt().isDebugEnabled());
        QVERIFY(lcLink().isWarningEnabled());
        QVERIFY(!lcLink().isDebugEnabled());
        QVERIFY(!lcRigctld().isInfoEnabled());
        QVERIFY(!lcProcess().isDebugEnabled());
    }

    void debugSwitchesOnItsAreas()
    {
        QString error;
        QVERIFY2(EnableDebugAreas(QStringLiteral("link, Process"), &error), qPrintable(error));
        QVERIFY(lcLink().isDebugEnabled());
        QVERIFY(lcLink().isInfoEnabled());
        QVERIFY(lcProcess().isDebugEnabled());
        QVERIFY(!lcRigctld().isDebugEnabled());
        // A later list adds to the first; the environment keeps its own.
        QVERIFY(EnableDebugAreas(QStringLiteral("rigctld")));
        QVERIFY(lcLink().isDebugEnabled());
        QVERIFY(lcRigctld().isDebugEnabled());
        QVERIFY(lcPtt().isDebugEnabled());
    }

    void environmentHasTheLastWord()
    {
        QVERIFY(EnableDebugAreas(QStringLiteral("all")));
        QVERIFY(lcPtt().isDebugEnabled());
        QVERIFY(lcLogbook().isInfoEnabled());
        QVERIFY(!lcLogbook().isDebugEnabled());
    }

    void wrongAreaIsRefused_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("told");
        QTest::newRow("unknown") << QStringLiteral("link,radio") << QStringLiteral("'radio'");
        QTest::newRow("empty") << QString() << QStringLiteral("Empty");
        QTest::newRow("empty item") << QStringLiteral("link,,ptt") << QStringLiteral("Empty");
    }

    void wrongAreaIsRefused()
    {
        QFETCH(QString, list);
        QFETCH(QString, told);
        QString error;
        QVERIFY(!EnableDebugAreas(list, &error));
        QVERIFY2(error.contains(told), qPrintable(error));
        QVERIFY(error.contains(QLatin1String("logbook")));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_LOGGING_RULES", "keldo.ptt.debug=true;keldo.logbook.debug=false");
    QCoreApplication app(argc, argv);
    TestLogCategories test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_log_categories.moc"
