// Every dialog in the languages with the longest and the widest-glyph texts,
// at the platform's font: nothing is cut. ctest runs it twice, at
// QT_SCALE_FACTOR 1 and 1.5.
#include "support/LayoutChecks.h"

#include "app/frmAbout.h"
#include "dialogs/frmConnect.h"
#include "dialogs/frmFirstRun.h"
#include "dialogs/frmLogQso.h"
#include "dialogs/frmLogbook.h"
#include "dialogs/frmMacros.h"
#include "dialogs/frmPTT.h"
#include "dialogs/frmRemote.h"
#include "dialogs/frmSetup.h"
#include "settings/Language.h"
#include "support/FakePortEnumerator.h"

#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

using Opener = std::function<std::unique_ptr<QDialog>()>;

struct Variant
{
    const char* name;
    Opener open;
};

QList<Variant> Dialogs()
{
    static FakePortEnumerator ports;
    QList<Variant> out;
    for (Mode mode : {Mode::HF, Mode::FM, Mode::SAT}) {
        out.append({mode == Mode::HF       ? "setup HF"
                        : mode == Mode::FM ? "setup FM"
                                           : "setup SAT",
                    [mode] {
                        Settings s;
                        s.keldoMode = mode;
                        s.autoLaunch = AutoLaunch::On;
                        return std::unique_ptr<QDialog>(std::make_unique<frmSetup>(SetupShown::of(s), SetupChecks{}));
                    }});
        out.append({mode == Mode::HF       ? "connect HF"
                        : mode == Mode::FM ? "connect FM"
                                           : "connect SAT",
                    [mode] {
                        Settings s;
                        s.keldoMode = mode;
                        return std::unique_ptr<QDialog>(std::make_unique<frmConnect>(ConnectShown::of(s), nullptr));
                    }});
    }
    for (PttMethod via : {PttMethod::Cat, PttMethod::Com, PttMethod::Vox, PttMethod::Rigctld}) {
        // An Icom shows the address row too.
        out.append({via == PttMethod::Cat       ? "PTT CAT"
                        : via == PttMethod::Com ? "PTT COM"
                        : via == PttMethod::Vox ? "PTT VOX"
                                                : "PTT rigctld",
                    [via] {
                        Settings s;
                        s.via = via;
                        s.rig = 128;
                        return std::unique_ptr<QDialog>(std::make_unique<frmPTT>(PttShown::of(s), nullptr, &ports));
                    }});
    }
    out.append({"macros", [] {
                    return std::unique_ptr<QDialog>(std::make_unique<frmMacros>(MacrosChoice{MacroSet(), true}));
                }});
    out.append({"logbook",
                [] { return std::unique_ptr<QDialog>(std::make_unique<frmLogbook>(LogbookChoice::of(Settings()))); }});
    out.append({"log QSO", [] {
                    auto d = std::make_unique<frmLogQso>([](const QsoRecord&, QString*) { return true; });
                    QsoRecord q;
                    q.call = QStringLiteral("EA4ABC");
                    q.frequencyHz = 14105000;
                    d->add(q);
                    d->add(q);
                    return std::unique_ptr<QDialog>(std::move(d));
                }});
    out.append({"remote access", [] {
                    auto d = std::make_unique<frmRemote>(RemoteChoice{true, QStringLiteral("0.0.0.0"), 8446, {}}, true);
                    RemoteAccessState serving;
                    serving.listening = true;
                    serving.reason = QStringLiteral("Serving on https://0.0.0.0:8446/ (certificate SHA-256 ...).");
                    serving.fingerprint =
                        QStringLiteral("AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:EF:01:23:"
                                       "45:67:89:AB:CD:EF:01:23:45:67:89");
                    serving.clients = QStringList{QStringLiteral("192.0.2.7"), QStringLiteral("2001:db8::7")};
                    d->showAccess(serving);
                    d->showControl(ControlSide::Browser, QStringLiteral("192.0.2.7"));
                    return std::unique_ptr<QDialog>(std::move(d));
                }});
    out.append({"first run", [] {
                    FirstRunOffer offer{QStringLiteral("/usr/bin/keldo-modem-sim"), QStringLiteral("/opt/keldo/modem"),
                                        QStringLiteral("127.0.0.1"), 8300};
                    return std::unique_ptr<QDialog>(std::make_unique<frmFirstRun>(offer));
                }});
    out.append({"about", [] {
                    return std::unique_ptr<QDialog>(std::make_unique<frmAbout>(
                        QStringLiteral("/home/op/.config/KELDO Terminal/KELDO Terminal.ini")));
                }});
    return out;
}

void RemoveTranslations()
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

class TestDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { RemoveTranslations(); }
    void everyDialogFits_data();
    void everyDialogFits();
};

void TestDialogLayout::everyDialogFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("dialog");
    const QList<Variant> dialogs = Dialogs();
    for (const char* language : {"en", "de", "ja"})
        for (int i = 0; i < dialogs.size(); ++i)
            QTest::addRow("%s, %s", language, dialogs[i].name) << QString::fromLatin1(language) << i;
}

void TestDialogLayout::everyDialogFits()
{
    QFETCH(QString, language);
    QFETCH(int, dialog);
    // The build's own .qm files, found as the program finds them.
    const QString loaded = Language::InstallTranslations(*qApp, language);
    QCOMPARE(loaded, language == QLatin1String("en") ? QString() : language);

    const std::unique_ptr<QDialog> d = Dialogs()[dialog].open();
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    QStringList faults = clippedControls(d.get());
    faults << textsWiderThanControls(d.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestDialogLayout)
#include "test_dialog_layout.moc"
