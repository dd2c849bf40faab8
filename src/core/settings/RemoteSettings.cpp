#include "RemoteSettings.h"

#include "files/AtomicFile.h"
#include "files/RegularFile.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPasswordDigestor>
#include <QRandomGenerator>

#include <functional>
#include <optional>

namespace {

const QString Section = QStringLiteral("Remote");
const QString Prefix = QStringLiteral("pbkdf2-sha256");
// A stored count above this would let the file hold the server up.
constexpr int MaxIterations = 5000000;
constexpr int SaltBytes = 16;
constexpr int HashBytes = 32;

int NumberIn(const IniDocument& doc, const char* key, int def, int min, int max, bool clamp)
{
    bool ok = false;
    const int n = doc.value(Section, QLatin1String(key)).trimmed().toInt(&ok);
    if (!ok)
        return def;
    if (clamp)
        return qBound(min, n, max);
    return n < min || n > max ? def : n;
}

bool SameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QByteArray Derive(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, iterations,
                                              HashBytes);
}

} // namespace

RemoteSettings RemoteSettings::read(const IniDocument& doc)
{
    RemoteSettings r;
    r.enabled = NumberIn(doc, "Enabled", 0, 0, 1, false) == 1;
    r.listenAddress = doc.value(Section, QStringLiteral("Listen Address"), r.listenAddress).trimmed();
    r.port = NumberIn(doc, "Port", r.port, 1, 65535, false);
    r.certificate = doc.value(Section, QStringLiteral("Certificate"));
    r.key = doc.value(Section, QStringLiteral("Key"));
    r.passwordHash = doc.value(Section, QStringLiteral("Password Hash")).trimmed();
    r.sessionMinutes = NumberIn(doc, "Session Minutes", r.sessionMinutes, 1, 7 * 24 * 60, false);
    r.controlLinkTimeout =
        NumberIn(doc, "Control Link Timeout", r.controlLinkTimeout, MinLinkTimeout, MaxLinkTimeout, true);
    return r;
}

RemoteSettings RemoteSettings::load(const QString& settingsFile)
{
    IniDocument doc;
    const RegularFile::Read file =
        RegularFile::ReadFile(settingsFile, SettingsStore::MaxFileBytes, RegularFile::Links::Follow);
    if (file.ok)
        doc.parse(file.bytes);
    return read(doc);
}

void RemoteSettings::write(IniDocument& doc, const RemoteSettings* before) const
{
    const RemoteSettings def;
    const auto put = [&doc](const char* name, const QString& value, const QString& defValue, const QString* was) {
        if (was && *was == value)
            return;
        if (value != defValue || doc.contains(Section, QLatin1String(name)))
            doc.setValue(Section, QLatin1String(name), value);
    };
    const auto number = [](int n) { return QString::number(n); };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    // What the other settings had, for comparing: only changed keys are put.
    const QString wasEnabled = before ? flag(before->enabled) : QString();
    const QString wasPort = before ? number(before->port) : QString();
    const QString wasSession = before ? number(before->sessionMinutes) : QString();
    const QString wasTimeout = before ? number(before->controlLinkTimeout) : QString();
    put("Enabled", flag(enabled), flag(false), before ? &wasEnabled : nullptr);
    put("Listen Address", listenAddress, def.listenAddress, before ? &before->listenAddress : nullptr);
    put("Port", number(port), number(def.port), before ? &wasPort : nullptr);
    put("Certificate", certificate, def.certificate, before ? &before->certificate : nullptr);
    put("Key", key, def.key, before ? &before->key : nullptr);
    put("Password Hash", passwordHash, def.passwordHash, before ? &before->passwordHash : nullptr);
    put("Session Minutes", number(sessionMinutes), number(def.sessionMinutes), before ? &wasSession : nullptr);
    put("Control Link Timeout", number(controlLinkTimeout), number(def.controlLinkTimeout),
        before ? &wasTimeout : nullptr);
}

QString PasswordHash::make(const QString& password, int iterations)
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(salt.data()),
                                         reinterpret_cast<quint32*>(salt.data() + salt.size()));
    return QStringLiteral("%1$%2$%3$%4")
        .arg(Prefix, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
             QString::fromLatin1(Derive(password, salt, iterations).toBase64()));
}

namespace {

struct Stored
{
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

std::optional<Stored> Parse(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != Prefix)
        return std::nullopt;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < PasswordHash::Iterations || iterations > MaxIterations)
        return std::nullopt;
    const auto salt = QByteArray::fromBase64Encoding(parts[2].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const auto hash = QByteArray::fromBase64Encoding(parts[3].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || !hash || salt.decoded.size() < SaltBytes || hash.decoded.size() != HashBytes)
        return std::nullopt;
    return Stored{iterations, salt.decoded, hash.decoded};
}

} // namespace

bool PasswordHash::usable(const QString& stored)
{
    return Parse(stored).has_value();
}

bool PasswordHash::verify(const QString& password, const QString& stored)
{
    const std::optional<Stored> s = Parse(stored);
    return s && SameBytes(Derive(password, s->salt, s->iterations), s->hash);
}

bool StoreRemotePasswordHash(const QString& settingsFile, const QString& hash, QString* why)
{
    return SettingsStore::EditFile(
        settingsFile, QString(), true,
        [&hash](IniDocument& doc) { doc.setValue(Section, QStringLiteral("Password Hash"), hash); }, why);
}

bool StoreRemoteSettings(const QString& settingsFile, const std::function<void(RemoteSettings&)>& change, QString* why)
{
    return SettingsStore::EditFile(
        settingsFile, QString(), true,
        [&change](IniDocument& doc) {
            const RemoteSettings before = RemoteSettings::read(doc);
            RemoteSettings r = before;
            change(r);
            r.write(doc, &before);
        },
        why);
}

int SetRemotePassword(QTextStream& in, const QString& settingsFile, QTextStream& err)
{
    QString password = in.readLine();
    if (password.endsWith(QLatin1Char('\r')))
        password.chop(1);
    if (password.size() < PasswordHash::MinLength) {
        err << QCoreApplication::translate("RemotePassword",
                                           "The password is too short: at least %n characters, please.", nullptr,
                                           PasswordHash::MinLength)
            << '\n';
        err.flush();
        return 2;
    }
    QString why;
    if (!StoreRemotePasswordHash(settingsFile, PasswordHash::make(password), &why)) {
        err << QCoreApplication::translate("RemotePassword", "The password could not be stored in %1: %2")
                   .arg(QDir::toNativeSeparators(settingsFile), why)
            << '\n';
        err.flush();
        return 1;
    }
    return 0;
}
