#include "KeyingState.h"

#include "RadioCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// '%' and control bytes, so that a value stays on its line.
QByteArray encodeValue(const QString& value)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : value.toUtf8()) {
        const uchar u = uchar(c);
        if (u < 0x20 || u == 0x7F || u == '%') {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

void line(QByteArray& out, const char* key, const QString& value)
{
    out += key;
    out += '=';
    out += encodeValue(value);
    out += '\n';
}

void line(QByteArray& out, const char* key, int value)
{
    line(out, key, QString::number(value));
}

std::optional<int> number(const QByteArray& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high || text.startsWith('+'))
        return std::nullopt;
    return value;
}

std::optional<PttMethod> methodNamed(const QByteArray& name)
{
    if (name == "CAT")
        return PttMethod::Cat;
    if (name == "COM")
        return PttMethod::Com;
    if (name == "VOX")
        return PttMethod::Vox;
    if (name == "rigctld")
        return PttMethod::Rigctld;
    if (name == "none")
        return PttMethod::Other;
    return std::nullopt;
}

bool usable(const KeyingStateEntry& e)
{
    switch (e.config.method) {
    case PttMethod::Cat:
        return !e.config.cat.device.isEmpty() && !e.config.cat.baud.isEmpty() && RadioModelAt(e.config.cat.rig);
    case PttMethod::Com:
        return !e.config.com.device.isEmpty() && e.config.com.pin >= 1 && e.config.com.pin <= 3;
    case PttMethod::Rigctld:
        return !e.config.rigctld.host.trimmed().isEmpty() && e.config.rigctld.port >= 1
            && e.config.rigctld.port <= 65535;
    case PttMethod::Vox:
    case PttMethod::Other:
        return !e.keyed;
    }
    return false;
}

} // namespace

const char* DriverName(PttMethod method, bool terminalKeys)
{
    if (!terminalKeys)
        return "none";
    switch (method) {
    case PttMethod::Cat:
        return "CAT";
    case PttMethod::Com:
        return "COM";
    case PttMethod::Vox:
        return "VOX";
    case PttMethod::Rigctld:
        return "rigctld";
    case PttMethod::Other:
        break;
    }
    return "none";
}

QByteArray FormatKeyingState(const QList<KeyingStateEntry>& entries)
{
    QByteArray out;
    for (const KeyingStateEntry& e : entries) {
        const KeyingConfig& c = e.config;
        line(out, "driver", QString::fromLatin1(DriverName(c.method, c.terminalKeys)));
        if (c.terminalKeys) {
            switch (c.method) {
            case PttMethod::Cat:
                line(out, "port", c.cat.port);
                line(out, "device", c.cat.device);
                line(out, "model", c.cat.rig);
                line(out, "baud", c.cat.baud);
                line(out, "rts", c.cat.rts);
                line(out, "dtr", c.cat.dtr);
                line(out, "icom-address", c.cat.icomAddress);
                break;
            case PttMethod::Com:
                line(out, "port", c.com.port);
                line(out, "device", c.com.device);
                line(out, "pin", c.com.pin);
                break;
            case PttMethod::Rigctld:
                line(out, "host", c.rigctld.host);
                line(out, "tcp-port", c.rigctld.port);
                break;
            case PttMethod::Vox:
            case PttMethod::Other:
                break;
            }
        }
        line(out, "keyed", e.keyed ? 1 : 0);
    }
    return out;
}

QList<KeyingStateEntry> ParseKeyingState(const QByteArray& text)
{
    QList<KeyingStateEntry> entries;
    std::optional<KeyingStateEntry> current;
    bool broken = false; // the current entry had a bad value
    auto finish = [&] {
        if (current && !broken && usable(*current) && entries.size() < MaxKeyingStateEntries)
            entries.append(*current);
        current.reset();
        broken = false;
    };
    for (QByteArray raw : text.left(MaxKeyingStateBytes).split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const qsizetype eq = raw.indexOf('=');
        if (raw.isEmpty() || raw.startsWith('#') || eq <= 0)
            continue;
        const QByteArray key = raw.left(eq).trimmed();
        const QByteArray value = QByteArray::fromPercentEncoding(raw.mid(eq + 1));
        if (key == "driver") {
            finish();
            const std::optional<PttMethod> method = methodNamed(value.trimmed());
            if (!method) {
                broken = true;
                current.emplace();
                continue;
            }
            current.emplace();
            current->config.method = *method;
            current->config.terminalKeys = *method != PttMethod::Other;
            continue;
        }
        if (!current)
            continue;
        KeyingConfig& c = current->config;
        const QString text16 = QString::fromUtf8(value);
        auto setNumber = [&](int& to, int low, int high) {
            if (const auto n = number(value.trimmed(), low, high))
                to = *n;
            else
                broken = true;
        };
        if (key == "keyed") {
            int keyed = 0;
            setNumber(keyed, 0, 1);
            current->keyed = keyed == 1;
        } else if (c.method == PttMethod::Cat) {
            if (key == "port")
                c.cat.port = text16;
            else if (key == "device")
                c.cat.device = text16;
            else if (key == "model")
                setNumber(c.cat.rig, 1, RadioModelCount);
            else if (key == "baud") {
                int baud = 0;
                setNumber(baud, 1, 4000000);
                c.cat.baud = QString::number(baud);
            } else if (key == "rts")
                setNumber(c.cat.rts, 0, 1);
            else if (key == "dtr")
                setNumber(c.cat.dtr, 0, 1);
            else if (key == "icom-address")
                c.cat.icomAddress = text16.left(2);
        } else if (c.method == PttMethod::Com) {
            if (key == "port")
                c.com.port = text16;
            else if (key == "device")
                c.com.device = text16;
            else if (key == "pin")
                setNumber(c.com.pin, 1, 3);
        } else if (c.method == PttMethod::Rigctld) {
            if (key == "host")
                c.rigctld.host = text16.left(255);
            else if (key == "tcp-port")
                setNumber(c.rigctld.port, 1, 65535);
        }
    }
    finish();
    return entries;
}

QString KeyingStatePathFor(const QString& settingsPath)
{
    const QFileInfo ini(settingsPath);
    const QString name =
        ini.suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) == 0 ? ini.completeBaseName() : ini.fileName();
    return ini.dir().filePath(name + QStringLiteral(".keying"));
}

std::optional<QByteArray> ReadSmallRegularFile(const QString& path, qint64 maxBytes)
{
    // Never opened unless regular: a pipe would hold the start up.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}
