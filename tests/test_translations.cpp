// The shipped translations are complete: every text the program shows has a
// finished translation in every language, and no .ts keeps entries the
// program no longer has. lupdate is run on a copy of the sources into copies
// of the .ts files, so nothing in the tree changes.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Count
{
    QStringList unfinished; // sources without a finished translation
    QStringList stale; // vanished or obsolete entries
    QString error;
};

Count Read(const QString& tsFile)
{
    Count c;
    QFile f(tsFile);
    if (!f.open(QIODevice::ReadOnly)) {
        c.error = tsFile + QStringLiteral(": ") + f.errorString();
        return c;
    }
    QXmlStreamReader xml(&f);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString shown = context + QStringLiteral(": \"") + source + QLatin1Char('"');
            // A numerus translation keeps its forms in child elements.
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                c.stale << shown;
            else if (type == QLatin1String("unfinished") || text.trimmed().isEmpty())
                c.unfinished << shown;
        }
    }
    if (xml.hasError())
        c.error = tsFile + QStringLiteral(": ") + xml.errorString();
    return c;
}

bool CopySources(const QString& from, const QString& to)
{
    QDirIterator it(from, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

QString Summary(const QString& what, const QStringList& entries)
{
    if (entries.isEmpty())
        return QString();
    QStringList first = entries.mid(0, 5);
    return QStringLiteral("%1 %2, e.g. %3").arg(entries.size()).arg(what, first.join(QStringLiteral(", ")));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();

private:
    QTemporaryDir m_work;
};

void TestTranslations::initTestCase()
{
    QVERIFY2(QFileInfo(QStringLiteral(KELDO_LUPDATE)).isExecutable(), "lupdate (Qt Linguist tools) is needed");
    QVERIFY(m_work.isValid());
    QVERIFY(CopySources(QStringLiteral(KELDO_SOURCE_DIR "/src"), m_work.filePath(QStringLiteral("src"))));
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(KELDO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, language);
    const QString name = QStringLiteral("keldo-terminal_%1.ts").arg(language);
    const QString shipped = QStringLiteral(KELDO_SOURCE_DIR "/translations/") + name;
    const QString fresh = m_work.filePath(name);
    QVERIFY2(QFile::exists(shipped), qPrintable(shipped + " is missing: run scripts/update-translations.sh"));
    QFile::remove(fresh);
    QVERIFY(QFile::copy(shipped, fresh));
    QVERIFY(QFile::setPermissions(fresh, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // What the shipped file says, and what it would say for today's sources.
    const Count before = Read(shipped);
    QProcess lupdate;
    lupdate.setWorkingDirectory(m_work.path());
    lupdate.start(QStringLiteral(KELDO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-target-language"), language,
                   QStringLiteral("src"), QStringLiteral("-ts"), fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    const Count after = Read(fresh);
    QVERIFY2(before.error.isEmpty() && after.error.isEmpty(), qPrintable(before.error + after.error));

    QStringList problems;
    for (const QString& p :
         {Summary(QStringLiteral("texts without a finished translation"), after.unfinished),
          Summary(QStringLiteral("stale entries (texts the program no longer has)"), after.stale),
          Summary(QStringLiteral("unfinished or stale entries in the shipped file"), before.unfinished + before.stale)})
        if (!p.isEmpty())
            problems << p;
    QVERIFY2(problems.isEmpty(),
             qPrintable(name + QStringLiteral(": ") + problems.join(QStringLiteral("; "))
                        + QStringLiteral(". Run scripts/update-translations.sh, then translate "
                                         "in Qt Linguist.")));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
