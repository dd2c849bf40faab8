#include "app/DesktopStation.h"
#include "dialogs/frmRemote.h"
#include "settings/IniDocument.h"
#include "settings/RemoteSettings.h"
#include "support/DialogParts.h"
#include "support/TerminalFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestRemoteAccess : public QObject
{
    Q_OBJECT

    static RemoteChoice stored()
    {
        RemoteChoice c;
        c.listenAddress = QStringLiteral("127.0.0.1");
        c.port = 8446;
        return c;
    }

    // Fills the boxes and presses OK; the choice, or none when refused.
    static std::optional<RemoteChoice> accept(frmRemote& d, const QString& address, const QString& port,
                                              const QString& password, const QString& again)
    {
        part<QLineEdit>(d, "txtAddress")->setText(address);
        part<QLineEdit>(d, "txtPort")->setText(port);
        part<QLineEdit>(d, "txtPassword")->setText(password);
        part<QLineEdit>(d, "txtPasswordAgain")->setText(again);
        d.accept();
        return d.choice();
    }

private slots:
    // Only what can be served is taken: the dialog stays open, saying why.
    void dialogRefusesWhatCannotServe()
    {
        frmRemote d(stored(), false);
        const auto refused = [&d](const char* why) {
            QVERIFY2(!d.choice(), why);
            QVERIFY2(!part<QLabel>(d, "lblProblem")->isHidden(), why);
            QVERIFY2(!part<QLabel>(d, "lblProblem")->text().isEmpty(), why);
        };
        accept(d, "127.0.0.1", "8446", "longenough1", "longenough2");
        refused("passwords differ");
        accept(d, "127.0.0.1", "8446", "short", "short");
        refused("too short");
        accept(d, "my.host", "8446", "", "");
        refused("not an address");
        accept(d, "0.0.0.0", "0", "", "");
        refused("port 0");
        accept(d, "0.0.0.0", "65536", "", "");
        refused("port too high");
        QVERIFY(d.result() != QDialog::Accepted);
    }

    void dialogReturnsTheChoiceWithTheHashOnly()
    {
        {
            frmRemote d(stored(), true);
            part<QCheckBox>(d, "chkEnabled")->setChecked(true);
            const auto c = accept(d, " 0.0.0.0 ", "65535", "correct horse", "correct horse");
            QVERIFY(c);
            QVERIFY(c->enabled);
            QCOMPARE(c->listenAddress, QString("0.0.0.0"));
            QCOMPARE(c->port, 65535);
            QVERIFY(PasswordHash::verify("correct horse", c->passwordHash));
            QVERIFY(!c->passwordHash.contains("correct"));
            // Not kept in the boxes either.
            QVERIFY(part<QLineEdit>(d, "txtPassword")->text().isEmpty());
        }
        {
            // An empty pair keeps the stored password.
            frmRemote d(stored(), true);
            const auto c = accept(d, "::1", "1", "", "");
            QVERIFY(c);
            QVERIFY(!c->enabled);
            QVERIFY(c->passwordHash.isEmpty());
        }
        QCOMPARE(frmRemote::addressesToOpen("127.0.0.1", 8446), QStringList{"https://127.0.0.1:8446/"});
        QCOMPARE(frmRemote::addressesToOpen("::1", 9000), QStringList{"https://[::1]:9000/"});
        QVERIFY(frmRemote::addressesToOpen("0.0.0.0", 8446).contains("https://127.0.0.1:8446/"));
    }

    // The [Remote] keys are written only once they differ from the defaults
    // (a choice of the defaults leaves the file as the other settings'
    // save has it), only the hash is stored, and the web front end hears of it.
    void controllerStoresKeysOnlyOnceSet()
    {
        StationFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=0\r\n[Elsewhere]\r\nKey = kept \r\n");
        f.createStation();
        f.station->settings.LoadSettings();
        QSignalSpy changed(f.station.get(), &Station::remoteSettingsChanged);
        f.station->controller.save();
        const QByteArray plain = f.readIni();

        f.station->controller.apply(stored());
        QVERIFY(changed.wait(10000));
        QCOMPARE(f.readIni(), plain);

        RemoteChoice on = stored();
        on.enabled = true;
        on.passwordHash = PasswordHash::make(QStringLiteral("correct horse"));
        f.station->controller.apply(on);
        QVERIFY(changed.wait(10000));
        const QByteArray after = f.readIni();
        QVERIFY(after.startsWith(plain));
        QCOMPARE(after.mid(plain.size()),
                 "[Remote]\r\nEnabled=1\r\nPassword Hash=" + on.passwordHash.toLatin1() + "\r\n");
        QVERIFY(!after.contains("correct horse"));

        // Moved, and with no new password: the stored hash stays.
        RemoteChoice moved = stored();
        moved.enabled = true;
        moved.listenAddress = QStringLiteral("0.0.0.0");
        moved.port = 9443;
        f.station->controller.apply(moved);
        QVERIFY(changed.wait(10000));
        const RemoteSettings r = RemoteSettings::load(f.iniPath());
        QVERIFY(r.enabled);
        QCOMPARE(r.listenAddress, QString("0.0.0.0"));
        QCOMPARE(r.port, 9443);
        QCOMPARE(r.passwordHash, on.passwordHash);
        QCOMPARE(IniDocument(f.readIni()).value("Elsewhere", "Key"), QString("kept"));
    }

    // The dialog follows the web front end and control while open; its
    // buttons act on the station at once; OK applies and saves.
    void dialogFollowsTheStation()
    {
        StationFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=0\r\n[Remote]\r\nPort=9000\r\n");
        f.createStation();
        f.station->settings.LoadSettings();
        std::unique_ptr<frmRemote> d = f.station->remoteDialog();
        QCOMPARE(part<QLineEdit>(*d, "txtPort")->text(), QString("9000"));
        QVERIFY(part<QLabel>(*d, "lblPassword")->text().contains("No password"));

        RemoteAccessState serving;
        serving.listening = true;
        serving.reason = QStringLiteral("Serving on 127.0.0.1:9000.");
        serving.fingerprint = QStringLiteral("AB:CD");
        serving.clients = QStringList{"192.0.2.7", "192.0.2.8"};
        f.station->setRemoteAccess(serving);
        QCOMPARE(part<QLabel>(*d, "lblState")->text(), serving.reason);
        QCOMPARE(part<QLabel>(*d, "lblFingerprint")->text(), serving.fingerprint);
        QCOMPARE(part<QLabel>(*d, "lblAddresses")->text(), QString("https://127.0.0.1:9000/"));
        QCOMPARE(part<QListWidget>(*d, "lstClients")->count(), 2);

        QPushButton* take = part<QPushButton>(*d, "cmdTakeControl");
        QVERIFY(!take->isEnabled());
        f.station->takeControl(ControlSide::Browser, QStringLiteral("192.0.2.7"));
        QVERIFY(part<QLabel>(*d, "lblControl")->text().contains("192.0.2.7"));
        QVERIFY(take->isEnabled());
        take->click();
        QVERIFY(f.station->inControl(ControlSide::Desktop));
        QVERIFY(!take->isEnabled());

        QSignalSpy disconnect(f.station.get(), &Station::remoteDisconnectRequested);
        part<QPushButton>(*d, "cmdDisconnectAll")->click();
        QCOMPARE(disconnect.count(), 1);

        QSignalSpy changed(f.station.get(), &Station::remoteSettingsChanged);
        part<QCheckBox>(*d, "chkEnabled")->setChecked(true);
        d->accept();
        QVERIFY(changed.wait(10000));
        QVERIFY(RemoteSettings::load(f.iniPath()).enabled);
        QCOMPARE(RemoteSettings::load(f.iniPath()).port, 9000);
    }
};

QTEST_MAIN(TestRemoteAccess)
#include "test_remote_access.moc"
