#include "Certificate.h"

#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

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

ServerIdentity SelfSignedIdentity(const QString& folder, int waitMs)
{
    const QString certFile = QDir(folder).filePath(QStringLiteral("remote-certificate.pem"));
    const QString keyFile = QDir(folder).filePath(QStringLiteral("remote-key.pem"));
    if (QFileInfo::exists(certFile) && QFileInfo::exists(keyFile))
        return LoadIdentity(certFile, keyFile);

    ServerIdentity id;
    QDir().mkpath(folder);
    // The key file exists, owner-only, before openssl writes into it.
    const QString newKey = keyFile + QLatin1String(".new");
    const QString newCert = certFile + QLatin1String(".new");
    QFile::remove(newKey);
    QFile::remove(newCert);
    {
        QFile key(newKey);
        if (!key.open(QIODevice::WriteOnly) || !key.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            id.error =
                RemoteCertificate::tr("The key file cannot be made in %1.").arg(QDir::toNativeSeparators(folder));
            return id;
        }
    }
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("3650"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=KELDO Terminal"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1,IP:::1"), QStringLiteral("-keyout"),
                   newKey, QStringLiteral("-out"), newCert});
    const bool finished = openssl.waitForStarted(waitMs) && openssl.waitForFinished(waitMs);
    if (!finished) {
        openssl.kill();
        openssl.waitForFinished(1000);
    }
    if (!finished || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        QFile::remove(newKey);
        QFile::remove(newCert);
        id.error = RemoteCertificate::tr("No certificate could be made: the openssl command failed or is missing (%1).")
                       .arg(QString::fromLocal8Bit(openssl.readAllStandardError()).trimmed().left(200));
        return id;
    }
    QFile::setPermissions(newKey, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(keyFile);
    QFile::remove(certFile);
    if (!QFile::rename(newKey, keyFile) || !QFile::rename(newCert, certFile)) {
        id.error = RemoteCertificate::tr("The certificate cannot be kept in %1.").arg(QDir::toNativeSeparators(folder));
        return id;
    }
    return LoadIdentity(certFile, keyFile);
}
