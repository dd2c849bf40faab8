#pragma once

#include <QString>
#include <QTextStream>

#include <functional>

class IniDocument;

// The [Remote] section: the web front end's settings. Each key is written
// only once set (or when already in the file), so a file that never used
// them keeps its bytes; older readers ignore the section.
struct RemoteSettings
{
    static constexpr int MinLinkTimeout = 5;
    static constexpr int MaxLinkTimeout = 180;

    bool enabled = false;
    QString listenAddress = QStringLiteral("127.0.0.1");
    int port = 8446;
    QString certificate; // empty: a self-signed one beside the settings file
    QString key;
    QString passwordHash; // PasswordHash's form, never the password
    int sessionMinutes = 60; // idle
    int controlLinkTimeout = 30; // seconds, clamped to 5..180

    static RemoteSettings read(const IniDocument& doc);
    // A missing or unreadable file reads as the defaults.
    static RemoteSettings load(const QString& settingsFile);
    // before: what doc held; keys whose value it already has are left as written.
    void write(IniDocument& doc, const RemoteSettings* before = nullptr) const;
};

// PBKDF2-HMAC-SHA256, stored as "pbkdf2-sha256$<iterations>$<salt>$<hash>"
// (salt and hash in base64).
namespace PasswordHash {
constexpr int Iterations = 100000;
constexpr int MinLength = 8;
QString make(const QString& password, int iterations = Iterations);
// False for anything not in the stored form, or too cheap to trust.
bool verify(const QString& password, const QString& stored);
// Whether stored is in that form (any password could match it).
bool usable(const QString& stored);
} // namespace PasswordHash

// Replaces "Password Hash" in the settings file, every other byte kept.
bool StoreRemotePasswordHash(const QString& settingsFile, const QString& hash, QString* why);
// Reads [Remote] from the settings file, lets change edit it and writes it
// back: only the keys it changed, each only once set; every other byte kept.
bool StoreRemoteSettings(const QString& settingsFile, const std::function<void(RemoteSettings&)>& change, QString* why);

// keldo-terminal --set-remote-password: one line from in is the password.
// 0 when stored; 2 when refused (too short); 1 when the file could not be
// written. Messages go to err.
int SetRemotePassword(QTextStream& in, const QString& settingsFile, QTextStream& err);
