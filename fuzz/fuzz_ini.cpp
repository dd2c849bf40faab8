// The settings file: any bytes parsed, the settings read, saved into the
// same document and read again must come back the same; and no value or
// name written with setValue can add or change any other key. Values outside
// 1252 turn the file into UTF-8, which must be a fixed point as well.

#include "encoding/AnsiCodec.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"
#include "support/ByteReader.h"
#include "support/FuzzCheck.h"

#include <QMap>

#include <utility>
#include <vector>

namespace {

// The first member that differs, or null.
const char* firstDifference(const Settings& a, const Settings& b)
{
#define SAME(m)                                                                                                        \
    if (!(a.m == b.m))                                                                                                 \
    return #m
    SAME(rig);
    SAME(pttPort);
    SAME(catPort);
    SAME(baud);
    SAME(pin);
    SAME(rts);
    SAME(dtr);
    SAME(via);
    SAME(icomAddress);
    SAME(rigctldHost);
    SAME(rigctldPort);
    SAME(hfTcpPort);
    SAME(fmTcpPort);
    SAME(satTcpPort);
    SAME(hfHost);
    SAME(fmHost);
    SAME(satHost);
    SAME(myCallsign);
    SAME(connectWithHf);
    SAME(connectWithFm);
    SAME(connectWithSat);
    SAME(via1);
    SAME(via2);
    SAME(keldoMode);
    SAME(keldoHfBw);
    SAME(autoLaunch);
    SAME(connectHfList);
    SAME(connectFmList);
    SAME(via1List);
    SAME(via2List);
    SAME(connectSatList);
    SAME(keldoHfPath);
    SAME(keldoFmPath);
    SAME(keldoSatPath);
    SAME(fontSize);
    SAME(colour);
    SAME(topPosition);
    SAME(leftPosition);
    SAME(terminalWidth);
    SAME(terminalHeight);
    SAME(windowState);
    SAME(loadPathFile);
    SAME(savePathFile);
    SAME(portDevices);
    SAME(pttTimeoutSeconds);
    SAME(speakerColours);
    SAME(notifyIncomingCall);
    SAME(logConversations);
    SAME(logFolder);
#undef SAME
    return nullptr;
}

using Snapshot = QMap<std::pair<QString, QString>, QString>; // (section, key) as listed -> value

Snapshot snapshot(const IniDocument& doc)
{
    Snapshot out;
    for (const QString& section : doc.sections())
        for (const QString& key : doc.keys(section))
            out.insert({section, key}, doc.value(section, key, QStringLiteral("\x01missing")));
    return out;
}

QString fold(const QString& name)
{
    // As the document compares names: blanks at the ends ignored, case folded.
    QString t = name;
    auto blank = [](QChar c) {
        const char16_t u = c.unicode();
        return u == ' ' || u == '\t' || u == '\v' || u == '\f' || u == 0x1A;
    };
    while (!t.isEmpty() && blank(t.front()))
        t.remove(0, 1);
    while (!t.isEmpty() && blank(t.back()))
        t.chop(1);
    return t.toUpper();
}

// The document written out and read back holds the same keys and values.
void checkSerialisation(const IniDocument& doc, const char* when)
{
    const QByteArray bytes = doc.toBytes();
    const IniDocument again(bytes);
    FUZZ_CHECK(again.toBytes() == bytes, "%s: written bytes are not a fixed point", when);
    FUZZ_CHECK(again.sections() == doc.sections(), "%s", when);
    const Snapshot a = snapshot(doc);
    const Snapshot b = snapshot(again);
    FUZZ_CHECK(a == b, "%s: keys or values changed by a write and read", when);
}

const char* const KnownSections[] = {"PTT", "Setup", "Position", "Path", "Ports"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ByteReader in(data, size);
    const QByteArray file = in.bytes(in.u16());

    // Read, save into the same document, read again: a fixed point.
    IniDocument doc(file);
    checkSerialisation(doc, "parsed file");
    SettingsStore first(QStringLiteral("/nonexistent-keldo-fuzz"));
    first.readFrom(doc);
    first.writeTo(doc);
    const QByteArray saved = doc.toBytes();
    IniDocument reread(saved);
    SettingsStore second(QStringLiteral("/nonexistent-keldo-fuzz"));
    second.readFrom(reread);
    const char* diff = firstDifference(first.s(), second.s());
    FUZZ_CHECK(!diff, "'%s' read back differently after a save", diff);
    // A second save changes nothing more.
    second.writeTo(reread);
    FUZZ_CHECK(reread.toBytes() == saved, "a second save of the same settings changed the file");

    // Junk names and values through setValue: only the named key changes.
    // A few per input: each is checked against the whole document.
    for (int op = 0; op < 12 && !in.atEnd(); ++op) {
        const uint8_t how = in.byte();
        QString section = Ansi::toUnicode(in.shortBytes());
        QString key = Ansi::toUnicode(in.shortBytes());
        const QByteArray rawValue = in.shortBytes();
        const QString value = (how & 32) ? QString::fromUtf8(rawValue) : Ansi::toUnicode(rawValue);
        const QStringList sections = doc.sections();
        if ((how & 1) && !sections.isEmpty())
            section = sections.at(section.size() % sections.size());
        else if (how & 2)
            section = QLatin1String(KnownSections[section.size() % 5]);
        if (how & 4) {
            const QStringList keys = doc.keys(section);
            if (!keys.isEmpty())
                key = keys.at(key.size() % keys.size());
        }
        if (how & 8)
            section = QLatin1Char(' ') + section.toLower() + QLatin1Char('\t');
        if (how & 16)
            key = key.toLower() + QLatin1Char(' ');

        const QByteArray bytesBefore = doc.toBytes();
        const Snapshot before = snapshot(doc);
        const QStringList keysBefore = doc.keys(section);
        const bool keyExisted = doc.contains(section, key);
        const bool stored = doc.setValue(section, key, value);
        if (!stored) {
            FUZZ_CHECK(doc.toBytes() == bytesBefore, "a refused setValue changed the document");
            continue;
        }
        // The value reads back as written, line breaks as blanks, cut like
        // every value.
        QString want = value;
        for (QChar& c : want)
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                c = QLatin1Char(' ');
        want.truncate(IniDocument::MaxValueLength);
        FUZZ_CHECK(doc.value(section, key, QStringLiteral("\x01missing")) == want, "value %s read back as %s",
                   fuzz::show(value).constData(), fuzz::show(doc.value(section, key)).constData());
        // Every other key reads as before; no key appeared but the one set.
        const Snapshot after = snapshot(doc);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (fold(it.key().first) == fold(section) && fold(it.key().second) == fold(key))
                continue;
            FUZZ_CHECK(after.value(it.key(), QStringLiteral("\x01gone")) == it.value(),
                       "[%s] %s changed by setting [%s] %s", fuzz::show(it.key().first).constData(),
                       fuzz::show(it.key().second).constData(), fuzz::show(section).constData(),
                       fuzz::show(key).constData());
        }
        FUZZ_CHECK(after.size() == before.size() + (keyExisted ? 0 : 1), "%lld keys before, %lld after",
                   (long long)before.size(), (long long)after.size());
        const QStringList keysAfter = doc.keys(section);
        if (keyExisted)
            FUZZ_CHECK(keysAfter == keysBefore);
        else {
            // A new key goes after the section's other keys, unless it fills
            // in a bare key line where that stands; the others keep their order.
            QStringList others = keysAfter;
            for (qsizetype i = 0; i < others.size(); ++i) {
                if (fold(others.at(i)) == fold(key)) {
                    others.removeAt(i);
                    break;
                }
            }
            FUZZ_CHECK(keysAfter.size() == keysBefore.size() + 1 && others == keysBefore);
        }
    }
    checkSerialisation(doc, "after setValue");
    return 0;
}
