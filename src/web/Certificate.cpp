#include "Certificate.h"

#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace {

constexpr qint64 MaxPemBytes = 64 * 1024;

struct RemoteCertificate
{
    Q_DECLARE_TR_FUNCTIONS(RemoteCertificate)
};

} // namespace

QString ServerIdentity::fingerprint() const
{
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

ServerIdentity LoadIdentity(const QString& certificateFile, const QString& keyFile)
{
    ServerIdentity id;
    const RegularFile::Read cert = RegularFile::ReadFile(certificateFile, MaxPemBytes, RegularFile::Links::Follow);
    const RegularFile::Read key = RegularFile::ReadFile(keyFile, MaxPemBytes, RegularFile::Links::Follow);
    if (!cert.ok || !cert.exists || !key.ok || !key.exists) {
        id.error = RemoteCertificate::tr("The certificate or its key cannot be read (%1, %2).")
                       .arg(QDir::toNativeSeparators(certificateFile), QDir::toNativeSeparators(keyFile));
        return id;
    }
    id.certificate = QSslCertificate(cert.bytes, QSsl::Pem);
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Ec, QSsl::Rsa}) {
        id.key = QSslKey(key.bytes, algorithm, QSsl::Pem);
        if (!id.key.isNull())
            break;
    }
    if (id.certificate.isNull() || id.key.isNull())
        id.error = RemoteCertificate::tr("The certificate or its key is not in PEM form (%1, %2).")
                       .arg(QDir::toNativeSeparators(certificateFile), QDir::toNativeSeparators(keyFile));
    return id;
}

namespace {

struct PairFiles
{
    explicit PairFiles(const QString& folder)
        : cert(QDir(folder).filePath(QStringLiteral("remote-certificate.pem")))
        , key(QDir(folder).filePath(QStringLiteral("remote-key.pem")))
        , newCert(cert + QLatin1String(".new"))
        , newKey(key + QLatin1String(".new"))
    { }
    bool made() const { return QFileInfo::exists(cert) && QFileInfo::exists(key); }
    void dropNew() const
    {
        QFile::remove(newKey);
        QFile::remove(newCert);
    }

    QString cert, key, newCert, newKey;
};

ServerIdentity Failed(const QString& error)
{
    ServerIdentity id;
    id.error = error;
    return id;
}

// The key file exists, owner-only, before openssl writes into it. Empty
// when ready for openssl.
QString Prepare(const QString& folder, const PairFiles& files)
{
    QDir().mkpath(folder);
    files.dropNew();
    QFile key(files.newKey);
    if (!key.open(QIODevice::WriteOnly) || !key.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return RemoteCertificate::tr("The key file cannot be made in %1.").arg(QDir::toNativeSeparators(folder));
    return QString();
}

QStringList OpensslArguments(const PairFiles& files)
{
    return {QStringLiteral("req"),
            QStringLiteral("-x509"),
            QStringLiteral("-newkey"),
            QStringLiteral("ec"),
            QStringLiteral("-pkeyopt"),
            QStringLiteral("ec_paramgen_curve:prime256v1"),
            QStringLiteral("-nodes"),
            QStringLiteral("-days"),
            QStringLiteral("3650"),
            QStringLiteral("-subj"),
            QStringLiteral("/CN=KELDO Terminal"),
            QStringLiteral("-addext"),
            QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1,IP:::1"),
            QStringLiteral("-keyout"),
            files.newKey,
            QStringLiteral("-out"),
            files.newCert};
}

// What openssl left, put in place and loaded.
ServerIdentity Keep(const QString& folder, const PairFiles& files, bool made, const QByteArray& errors)
{
    if (!made) {
        files.dropNew();
        return Failed(
            RemoteCertificate::tr("No certificate could be made: the openssl command failed or is missing (%1).")
                .arg(QString::fromLocal8Bit(errors).trimmed().left(200)));
    }
    QFile::setPermissions(files.newKey, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(files.key);
    QFile::remove(files.cert);
    if (!QFile::rename(files.newKey, files.key) || !QFile::rename(files.newCert, files.cert))
        return Failed(
            RemoteCertificate::tr("The certificate cannot be kept in %1.").arg(QDir::toNativeSeparators(folder)));
    return LoadIdentity(files.cert, files.key);
}

bool Succeeded(const QProcess& openssl)
{
    return openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0;
}

} // namespace

std::optional<ServerIdentity> MadeSelfSignedIdentity(const QString& folder)
{
    const PairFiles files(folder);
    if (!files.made())
        return std::nullopt;
    return LoadIdentity(files.cert, files.key);
}

ServerIdentity SelfSignedIdentity(const QString& folder, int waitMs)
{
    if (std::optional<ServerIdentity> made = MadeSelfSignedIdentity(folder))
        return *made;
    const PairFiles files(folder);
    if (const QString error = Prepare(folder, files); !error.isEmpty())
        return Failed(error);
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), OpensslArguments(files));
    const bool finished = openssl.waitForStarted(waitMs) && openssl.waitForFinished(waitMs);
    if (!finished) {
        openssl.kill();
        openssl.waitForFinished(1000);
    }
    return Keep(folder, files, finished && Succeeded(openssl), openssl.readAllStandardError());
}

SelfSignedMaker::SelfSignedMaker(const QString& folder, int waitMs, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(waitMs);
    connect(&m_limit, &QTimer::timeout, this, [this] { finish(false); });
    connect(&m_openssl, &QProcess::finished, this, [this] { finish(Succeeded(m_openssl)); });
    connect(&m_openssl, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
}

SelfSignedMaker::~SelfSignedMaker()
{
    if (m_finished)
        return;
    m_openssl.disconnect(this);
    if (m_openssl.state() != QProcess::NotRunning) {
        m_openssl.kill();
        m_openssl.waitForFinished(1000);
    }
    PairFiles(m_folder).dropNew();
}

void SelfSignedMaker::start()
{
    const PairFiles files(m_folder);
    if (const QString error = Prepare(m_folder, files); !error.isEmpty()) {
        // Told from the event loop, as when openssl has run.
        QTimer::singleShot(0, this, [this, error] {
            m_finished = true;
            emit done(Failed(error));
        });
        return;
    }
    m_limit.start();
    m_openssl.start(QStringLiteral("openssl"), OpensslArguments(files));
}

void SelfSignedMaker::finish(bool ok)
{
    if (std::exchange(m_finished, true))
        return;
    m_limit.stop();
    if (m_openssl.state() != QProcess::NotRunning) {
        // Out of time: it is ended, and so is the waiting for it.
        m_openssl.disconnect(this);
        m_openssl.kill();
        m_openssl.waitForFinished(1000);
    }
    emit done(Keep(m_folder, PairFiles(m_folder), ok, m_openssl.readAllStandardError()));
}
