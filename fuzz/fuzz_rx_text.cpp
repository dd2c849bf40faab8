// Received text: the byte-to-screen conversion, the capped RX text model and
// the ANSI converter in both directions.

#include "encoding/AnsiCodec.h"
#include "support/ByteReader.h"
#include "support/FuzzCheck.h"
#include "terminal/RxTextModel.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr qsizetype Cap = RxTextModel::Cap;

// The 256 characters of the code page; built once, and checked to be 256
// different characters, so the byte <-> character mapping is one-to-one.
const QSet<char16_t>& codePage()
{
    static const QSet<char16_t> chars = [] {
        QSet<char16_t> s;
        for (int b = 0; b < 256; ++b) {
            const char one = char(b);
            const QString viaString = Ansi::toUnicode(&one, 1);
            FUZZ_CHECK(viaString.size() == 1 && viaString.at(0) == Ansi::byteToChar(uchar(b)));
            s.insert(Ansi::byteToChar(uchar(b)).unicode());
            // Printable ASCII and Latin-1 stay themselves.
            if ((b >= 0x20 && b < 0x7F) || b >= 0xA0 || b < 0x20)
                FUZZ_CHECK(Ansi::byteToChar(uchar(b)).unicode() == b, "byte %02x", b);
        }
        FUZZ_CHECK(s.size() == 256, "only %lld different characters", (long long)s.size());
        return s;
    }();
    return chars;
}

void checkAnsiBothWays(const QByteArray& bytes)
{
    // Bytes -> text -> bytes: nothing lost.
    const QString text = Ansi::toUnicode(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(Ansi::fromUnicode(text) == bytes, "bytes %s", fuzz::show(bytes).constData());

    // Text -> bytes -> text, the input read as UTF-16 code units: characters
    // of the code page survive, each other character (a surrogate pair
    // counting as one) becomes one '?'.
    QString units(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < units.size(); ++i)
        units[i] = QChar(char16_t(uchar(bytes[2 * i]) | (uchar(bytes[2 * i + 1]) << 8)));
    QString want;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const QChar c = units.at(i);
        if (codePage().contains(c.unicode())) {
            want += c;
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < units.size() && units.at(i + 1).isLowSurrogate())
            ++i;
        want += QLatin1Char('?');
    }
    const QByteArray encoded = Ansi::fromUnicode(units);
    FUZZ_CHECK(Ansi::toUnicode(encoded) == want, "text %s", fuzz::show(units).constData());
}

// CR -> CR LF, CR LF stays, a lone LF stays, every other byte one character.
QString referenceConvert(const QByteArray& bytes)
{
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            out += QLatin1String("\r\n");
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            out += Ansi::byteToChar(uchar(c));
        }
    }
    return out;
}

void checkConversion(const QByteArray& bytes, const QString& converted)
{
    FUZZ_CHECK(converted == referenceConvert(bytes), "bytes %s", fuzz::show(bytes).constData());
    // Every CR on screen starts a CR LF pair.
    for (qsizetype i = 0; i < converted.size(); ++i)
        if (converted[i] == QLatin1Char('\r'))
            FUZZ_CHECK(i + 1 < converted.size() && converted[i + 1] == QLatin1Char('\n'));
    FUZZ_CHECK(converted.count(QLatin1Char('\r')) == bytes.count('\r'));
}

// What the model must hold: everything appended since the last clear, of
// which it keeps a tail.
struct Mirror
{
    QString stream; // appended since the last clear, its front trimmed to bound memory
    quint64 appended = 0;
    quint64 cleared = 0; // characters that clear() discarded
    quint64 changes = 0;
};

void checkModel(const RxTextModel& rx, const Mirror& m, bool afterCapped, qsizetype lengthBefore, qsizetype added)
{
    const QString& text = rx.text();
    FUZZ_CHECK(rx.length() == text.size());
    if (afterCapped)
        FUZZ_CHECK(text.size() == std::min<qsizetype>(Cap, lengthBefore + added),
                   "length %lld after a capped append (before %lld, added %lld)", (long long)text.size(),
                   (long long)lengthBefore, (long long)added);
    else
        // Uncapped: all of it, or trimmed to the cap when it grew far too long.
        FUZZ_CHECK(text.size() == lengthBefore + added || text.size() == Cap);
    // Banners alone cannot grow it past its hard ceiling.
    FUZZ_CHECK(text.size() <= 16 * Cap);
    // It is the tail of what was appended since the last clear.
    FUZZ_CHECK(m.stream.endsWith(text), "model text is not the tail of the stream");
    // Bookkeeping for incremental views.
    FUZZ_CHECK(rx.appendedTotal() == m.appended);
    FUZZ_CHECK(rx.appendedTotal() - rx.trimmedTotal() - m.cleared == quint64(text.size()));
    FUZZ_CHECK(rx.trimmedCrTotal() <= rx.trimmedTotal());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkAnsiBothWays(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));

    fuzz::ByteReader in(data, size);
    RxTextModel rx;
    Mirror m;
    QObject::connect(&rx, &RxTextModel::changed, [&m] { ++m.changes; });
    qsizetype bigBytes = 0;
    while (!in.atEnd()) {
        const uint8_t op = in.byte();
        const qsizetype before = rx.length();
        const quint64 changesBefore = m.changes;
        const quint64 trimmedBefore = rx.trimmedTotal();
        const quint64 trimmedCrBefore = rx.trimmedCrTotal();
        const QString textBefore = rx.text();
        QString added;
        bool capped = true;
        const int kind = op % 16;
        if (kind <= 8 || kind == 15) {
            // Received bytes.
            const QByteArray bytes = in.shortBytes();
            checkAnsiBothWays(bytes);
            added = RxTextModel::ConvertReceived(bytes);
            checkConversion(bytes, added);
            if (op & 0x80) {
                // Into a text that already holds something: appended behind it.
                QString into = QStringLiteral("ab\r");
                RxTextModel::ConvertReceivedInto(into, bytes.constData(), bytes.size());
                FUZZ_CHECK(into == QStringLiteral("ab\r") + added);
            }
        } else if (kind <= 11) {
            // A banner or header.
            added = Ansi::toUnicode(in.shortBytes());
            capped = false;
        } else if (kind == 12) {
            m.cleared += quint64(rx.length());
            rx.clear();
            m.stream.clear();
            FUZZ_CHECK(rx.text().isEmpty() && rx.charBeforeText().isNull());
            FUZZ_CHECK(m.changes == changesBefore + 1);
            continue;
        } else {
            // A large arrival (a pattern repeated), so the cap and the hard
            // ceiling are reached within a few operations; bounded per input
            // to keep runs fast.
            const QByteArray pattern = in.bytes(1 + in.byte() % 16);
            const qsizetype n = qsizetype(in.u16()) * (kind == 13 ? 2 : 4);
            if (pattern.isEmpty() || bigBytes + n > 1100000)
                continue;
            bigBytes += n;
            QByteArray bytes = pattern.repeated(n / pattern.size() + 1);
            bytes.truncate(n);
            if (kind == 13) {
                added = RxTextModel::ConvertReceived(bytes);
                checkConversion(bytes, added);
            } else {
                added = Ansi::toUnicode(bytes);
                capped = false;
            }
        }
        const Speaker speaker = Speaker((op >> 4) % 3);
        if (capped)
            rx.appendCapped(added, speaker);
        else
            rx.appendUncapped(added, speaker);
        m.appended += quint64(added.size());
        m.stream += added;
        // Keep the mirror bounded (the model never holds more than 16 caps),
        // trimming seldom so small appends stay cheap.
        const qsizetype keep = 17 * Cap;
        if (m.stream.size() > 2 * keep)
            m.stream.remove(0, m.stream.size() - keep);
        FUZZ_CHECK(m.changes == changesBefore + 1, "one change signal per append");
        checkModel(rx, m, capped, before, added.size());
        // Speaker runs: cover the text exactly, never empty, neighbours differ,
        // the newest text under the speaker who just spoke.
        qsizetype covered = 0;
        const std::deque<RxTextModel::Run>& runs = rx.runs();
        for (size_t i = 0; i < runs.size(); ++i) {
            FUZZ_CHECK(runs[i].length > 0);
            FUZZ_CHECK(i == 0 || runs[i].speaker != runs[i - 1].speaker);
            covered += runs[i].length;
        }
        FUZZ_CHECK(covered == rx.length(), "runs cover %lld of %lld", (long long)covered, (long long)rx.length());
        FUZZ_CHECK(added.isEmpty() || rx.length() == 0 || runs.back().speaker == speaker);

        // What was cut is the front of the old text plus what was appended.
        const quint64 cut = rx.trimmedTotal() - trimmedBefore;
        if (cut > 0) {
            const QString joined = textBefore + added;
            FUZZ_CHECK(joined.mid(qsizetype(cut)) == rx.text());
            FUZZ_CHECK(rx.charBeforeText() == joined.at(qsizetype(cut) - 1));
            quint64 pairs = 0;
            for (qsizetype i = 0; i < qsizetype(cut); ++i)
                if (joined[i] == QLatin1Char('\r') && joined[i + 1] == QLatin1Char('\n'))
                    ++pairs;
            FUZZ_CHECK(rx.trimmedCrTotal() - trimmedCrBefore == pairs);
        } else {
            FUZZ_CHECK(rx.text() == textBefore + added);
        }
    }
    return 0;
}
