#include "KeyingState.h"

#include "KeyingStateFields.h"
#include "PttDriverFactory.h"

#include <QDir>
#include <QFileInfo>

const char* DriverName(PttMethod method, bool terminalKeys)
{
    return PttDriverFactory::statePart(method, terminalKeys).name;
}

QByteArray FormatKeyingState(const QList<KeyingStateEntry>& entries)
{
    QByteArray bytes;
    KeyingStateOut out(bytes);
    for (const KeyingStateEntry& e : entries) {
        const KeyingStatePart& part = PttDriverFactory::statePart(e.config.method, e.config.terminalKeys);
        out.field("driver", QString::fromLatin1(part.name));
        if (e.config.terminalKeys)
            part.write(e.config, out);
        out.field("keyed", e.keyed ? 1 : 0);
    }
    return bytes;
}

QList<KeyingStateEntry> ParseKeyingState(const QByteArray& text)
{
    QList<KeyingStateEntry> entries;
    std::optional<KeyingStateEntry> current;
    const KeyingStatePart* part = nullptr; // of the current entry
    bool broken = false; // the current entry had a bad value
    auto finish = [&] {
        if (current && !broken && part && part->usable(current->config, current->keyed)
            && entries.size() < MaxKeyingStateEntries)
            entries.append(*current);
        current.reset();
        part = nullptr;
        broken = false;
    };
    for (QByteArray raw : text.left(MaxKeyingStateBytes).split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const qsizetype eq = raw.indexOf('=');
        if (raw.isEmpty() || raw.startsWith('#') || eq <= 0)
            continue;
        KeyingStateIn line{raw.left(eq).trimmed(), QByteArray::fromPercentEncoding(raw.mid(eq + 1))};
        if (line.key == "driver") {
            finish();
            current.emplace();
            part = PttDriverFactory::statePartNamed(line.value.trimmed());
            if (!part) {
                broken = true;
                continue;
            }
            current->config.method = part->method;
            current->config.terminalKeys = part->terminalKeys;
            continue;
        }
        if (!current)
            continue;
        if (line.key == "keyed") {
            int keyed = 0;
            line.number(keyed, 0, 1);
            current->keyed = keyed == 1;
        } else if (part) {
            part->read(current->config, line);
        }
        broken = broken || line.broken;
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
