#pragma once

#include <QObject>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTimer>

#include <optional>

// The server's certificate and key: the files the settings name, or a
// self-signed pair made with openssl beside the settings file on first use.
struct ServerIdentity
{
    QSslCertificate certificate;
    QSslKey key;
    QString error; // for the operator; empty when both are usable

    bool ok() const { return error.isEmpty(); }
    // "AB:CD:..." of the certificate, for the operator to compare.
    QString fingerprint() const;
};

ServerIdentity LoadIdentity(const QString& certificateFile, const QString& keyFile);
// Makes the pair when missing (the key readable by its owner only), then
// loads it. Waits for openssl at most waitMs.
ServerIdentity SelfSignedIdentity(const QString& folder, int waitMs = 20000);
// The pair made in that folder before, loaded; nothing when not made yet.
std::optional<ServerIdentity> MadeSelfSignedIdentity(const QString& folder);

// SelfSignedIdentity for a thread that must not wait: openssl runs on its
// own and done() tells the outcome, once. Deleted before that, it ends
// openssl (within a second) and leaves no half-made files.
class SelfSignedMaker : public QObject
{
    Q_OBJECT
public:
    explicit SelfSignedMaker(const QString& folder, int waitMs = 20000, QObject* parent = nullptr);
    ~SelfSignedMaker() override;
    void start();

signals:
    void done(const ServerIdentity& identity);

private:
    void finish(bool ok);

    QString m_folder;
    QProcess m_openssl;
    QTimer m_limit;
    bool m_finished = false;
};
