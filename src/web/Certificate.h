#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

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
