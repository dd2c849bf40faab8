// CONNECTED and BUFFER lines through the real command handler, with the
// connection variables, the progress bar and the byte counter compared to
// references; and the progress rounding on its own over the whole range.

#include "encoding/AnsiCodec.h"
#include "link/CommandProtocol.h"
#include "link/ConnectionState.h"
#include "link/ModemLink.h"
#include "settings/Settings.h"
#include "support/ByteReader.h"
#include "support/FuzzCheck.h"
#include "support/ProtocolReference.h"
#include "terminal/RxTextModel.h"
#include "terminal/Terminal.h"

#include <QCoreApplication>

#include <limits>
#include <memory>
#include <vector>

namespace {

struct Rig
{
    SettingsStore settings{QStringLiteral("/nonexistent-keldo-fuzz")};
    ConnectionState conn;
    RxTextModel rx;
    ModemLink link{LinkConfigOf(settings.s()), conn};
    Terminal terminal{ConversationConfigOf(settings.s()), conn, rx, link};
    // The BUFFER counts the link reported, as numbers.
    std::vector<qint64> reported;
    // What the terminal announced of the block going out.
    int percent = 0;
    qint64 sent = 0;
    bool finished = false;
    // As the station wires them.
    Rig()
    {
        QObject::connect(&terminal, &Terminal::sendProgress, [this](qint64 bytes, qint64 total) {
            sent = bytes;
            percent = Terminal::ProgressPercent(total, total - bytes);
        });
        QObject::connect(&terminal, &Terminal::sendFinished, [this] { finished = true; });
        QObject::connect(&link, &ModemLink::connected, &terminal, &Terminal::ShowConnected);
        QObject::connect(&link, &ModemLink::bufferReported, &terminal, [this](qint64 n) {
            reported.push_back(n);
            terminal.UpdateTransmitProgress(n);
        });
        QObject::connect(&link, &ModemLink::disconnected, &terminal, &Terminal::UpdateConnectionDisplay);
    }
};

// Counts as a modem might send them: digits, sometimes a lot of them, with
// blanks, signs and junk around.
QString countText(fuzz::ByteReader& in)
{
    const uint8_t form = in.byte();
    const QByteArray raw = in.shortBytes();
    if (form & 1)
        return Ansi::toUnicode(raw);
    static const char alphabet[] = "0123456789012345678901234567890123456789 \t+-x.";
    QString out;
    for (const char c : raw)
        out += QLatin1Char(alphabet[uchar(c) % (sizeof alphabet - 1)]);
    return out;
}

qint32 blockSize(fuzz::ByteReader& in)
{
    const uint8_t form = in.byte();
    const uint32_t v = in.u32();
    switch (form % 4) {
    case 0:
        return qint32(v % 200);
    case 1:
        return std::numeric_limits<qint32>::max() - qint32(v % 200);
    case 2:
        return qint32(v & 0x7fffffff);
    default:
        return qint32(v); // may be negative: never a real block, must do no harm
    }
}

void checkPercent(qint64 total, qint64 remaining)
{
    const int got = Terminal::ProgressPercent(total, remaining);
    const int want = fuzz::referencePercent(total, remaining);
    FUZZ_CHECK(got >= 0 && got <= 100, "ProgressPercent(%lld, %lld) = %d", (long long)total, (long long)remaining, got);
    FUZZ_CHECK(got == want, "ProgressPercent(%lld, %lld) = %d, want %d", (long long)total, (long long)remaining, got,
               want);
}

void connectedLine(Rig& r, const QString& line)
{
    const ConnectionState before = r.conn;
    r.link.HandleCommandLine(line);
    const std::vector<QString> f = fuzz::referenceFields(line);
    FUZZ_CHECK(r.conn.ConnectionActive);
    FUZZ_CHECK(r.conn.ConnectedCall1 == (f.size() > 1 ? f[1] : before.ConnectedCall1));
    FUZZ_CHECK(r.conn.ConnectedCall2 == (f.size() > 2 ? f[2] : before.ConnectedCall2));
    FUZZ_CHECK(r.conn.ConnectedVia1 == (f.size() > 4 ? f[4] : QString()));
    const bool via2 = f.size() > 5 && f[5] != QLatin1String("NARROW") && f[5] != QLatin1String("WIDE");
    FUZZ_CHECK(r.conn.ConnectedVia2 == (via2 ? f[5] : QString()), "line %s", fuzz::show(line).constData());
    FUZZ_CHECK(r.conn.LastSpeaker == Talker::Nobody);
}

void bufferLine(Rig& r, const QString& count, qint32 toSend)
{
    const QString line = QStringLiteral("BUFFER ") + count;
    r.conn.BytesToSend = toSend;
    r.conn.PendingEcho = QStringLiteral("fuzz echo\r\n");
    r.conn.BytesReceived = 7;
    const int progressBefore = r.percent;
    r.finished = false;
    const QString rxBefore = r.rx.text();
    const size_t reportsBefore = r.reported.size();
    r.link.HandleCommandLine(line);

    const bool accepted = fuzz::referenceFields(line).size() == 2 && toSend != 0;
    // The count leaves the link once, as the number the field starts with.
    FUZZ_CHECK(r.reported.size() == reportsBefore + (accepted ? 1 : 0));
    if (accepted)
        FUZZ_CHECK(r.reported.back() == fuzz::referenceLeadingNumber(count), "count %s reported as %lld",
                   fuzz::show(count).constData(), (long long)r.reported.back());
    if (!accepted || toSend < 0) {
        // Ignored (or a block size no send makes): nothing moves.
        if (!accepted) {
            FUZZ_CHECK(r.conn.BytesToSend == toSend && r.conn.BytesReceived == 7);
            FUZZ_CHECK(r.percent == progressBefore && r.rx.text() == rxBefore);
        }
        return;
    }
    FUZZ_CHECK(r.conn.BytesReceived == 0);
    const qint64 remaining = std::clamp<qint64>(fuzz::referenceLeadingNumber(count), 0, toSend);
    const int percent = fuzz::referencePercent(toSend, remaining);
    checkPercent(toSend, remaining);
    FUZZ_CHECK(r.percent == percent, "count %s of %d: bar at %d, want %d", fuzz::show(count).constData(), toSend,
               r.percent, percent);
    if (remaining != 0) {
        FUZZ_CHECK(r.conn.BytesToSend == toSend);
        FUZZ_CHECK(r.sent == toSend - remaining, "count %s: %lld sent", fuzz::show(count).constData(),
                   (long long)r.sent);
        FUZZ_CHECK(r.rx.text() == rxBefore);
    } else {
        // The block is gone: echoed once, the send button back.
        FUZZ_CHECK(percent == 100);
        FUZZ_CHECK(r.conn.BytesToSend == 0 && r.conn.PendingEcho.isEmpty()
                   && r.conn.LastSpeaker == Talker::ThisStation);
        FUZZ_CHECK(r.rx.text().endsWith(QStringLiteral("fuzz echo\r\n")));
        FUZZ_CHECK(r.finished);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ByteReader in(data, size);
    Rig r;
    while (!in.atEnd()) {
        const uint8_t op = in.byte();
        switch (op % 6) {
        case 0: {
            // The handler gets lines upper-cased, as the assembler hands them on.
            const QString line = QStringLiteral("CONNECTED ") + Ansi::toUnicode(in.shortBytes()).toUpper();
            fuzz::checkFieldHelpers(line);
            connectedLine(r, line);
            break;
        }
        case 1:
        case 2: {
            const qint32 toSend = blockSize(in);
            const QString count = countText(in).toUpper();
            fuzz::checkFieldHelpers(count);
            bufferLine(r, count, toSend);
            break;
        }
        case 3: {
            // Any other line: no crash, no effect on a pending block.
            const QString line = Ansi::toUnicode(in.shortBytes()).toUpper();
            fuzz::checkFieldHelpers(line);
            r.link.HandleCommandLine(line);
            break;
        }
        case 4:
            r.link.HandleCommandLine(QStringLiteral("DISCONNECTED"));
            FUZZ_CHECK(!r.conn.ConnectionActive && r.conn.BytesToSend == 0);
            break;
        case 5: {
            // The rounding alone, over every block size a send can make.
            const qint64 total = qint64(in.u32() & 0x7fffffff);
            const qint64 raw = fuzz::referenceLeadingNumber(countText(in));
            checkPercent(total, std::clamp<qint64>(raw, 0, total));
            checkPercent(total, total > 0 ? qint64(in.u32()) % (total + 1) : 0);
            break;
        }
        }
    }
    return 0;
}
