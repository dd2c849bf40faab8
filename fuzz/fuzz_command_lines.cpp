// Command-channel assembly: arbitrary arrivals into LineAssembler, compared
// with a plain split of the concatenated stream, and every complete line
// through the field helpers.

#include "encoding/AnsiCodec.h"
#include "link/LineAssembler.h"
#include "support/ByteReader.h"
#include "support/FuzzCheck.h"
#include "support/ProtocolReference.h"

#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr qsizetype Max = LineAssembler::MaxLineBytes;

// The stream cut at every CR or LF, byte by byte: a line is due when its end
// arrives; an LF right after a CR belongs to no line; a line longer than Max
// stops the stream until a reset, which also forgets the unfinished line.
struct ReferenceSplit
{
    std::string current; // the unfinished line, at most Max bytes
    bool afterCr = false;
    bool overflowed = false;

    void feed(const char* data, qsizetype size, std::deque<std::string>& due)
    {
        for (qsizetype i = 0; i < size && !overflowed; ++i) {
            const char c = data[i];
            const bool lineFeedAfterCr = afterCr && c == '\n';
            afterCr = false;
            if (lineFeedAfterCr)
                continue;
            if (c == '\r' || c == '\n') {
                due.push_back(current);
                current.clear();
                afterCr = c == '\r';
                continue;
            }
            if (qsizetype(current.size()) == Max) {
                current.clear();
                overflowed = true;
                continue;
            }
            current.push_back(c);
        }
    }
    void reset()
    {
        current.clear();
        afterCr = false;
        overflowed = false;
    }
};

struct Harness
{
    LineAssembler assembler;
    ReferenceSplit ref;
    std::deque<std::string> due;
    qint64 linesHandled = 0;

    void arrive(const QByteArray& bytes)
    {
        ref.feed(bytes.constData(), bytes.size(), due);
        assembler.feed(bytes, [this](const QByteArray& line) {
            FUZZ_CHECK(!due.empty(), "a line handled that the stream does not hold: %s", fuzz::show(line).constData());
            FUZZ_CHECK(line.size() == qsizetype(due.front().size())
                           && std::memcmp(line.constData(), due.front().data(), size_t(line.size())) == 0,
                       "line %lld: got %s, want %s", (long long)linesHandled, fuzz::show(line).constData(),
                       fuzz::show(QByteArray::fromStdString(due.front())).constData());
            due.pop_front();
            ++linesHandled;
            // What HandleCommandLine receives.
            fuzz::checkFieldHelpers(Ansi::toUnicode(line).toUpper());
        });
        // Every line whose CR has arrived was handled, none twice.
        FUZZ_CHECK(due.empty(), "%zu complete lines not handled", due.size());
        FUZZ_CHECK(assembler.pendingBytes() <= Max);
        FUZZ_CHECK(assembler.overflowed() == ref.overflowed);
        FUZZ_CHECK(assembler.pendingBytes() == qsizetype(ref.current.size()), "pending %lld, unfinished line %lld",
                   (long long)assembler.pendingBytes(), (long long)ref.current.size());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ByteReader in(data, size);
    Harness h;
    int fills = 0;
    while (!in.atEnd()) {
        const uint8_t op = in.byte();
        switch (op % 8) {
        case 5:
            h.assembler.reset();
            h.ref.reset();
            break;
        case 6: {
            // A long run without CR, sized relative to the limit so that the
            // boundary cases come up; then usually a CR of its own.
            const uint8_t mode = in.byte();
            const int8_t delta = int8_t(in.byte());
            char fill = char(in.byte());
            if (fill == '\r' || fill == '\n')
                fill = 'X';
            if (++fills > 3)
                break;
            const qsizetype pending = qsizetype(h.ref.current.size());
            qsizetype n = (mode & 1) ? Max - pending + delta : qsizetype(in.u16()) * 2;
            n = std::max<qsizetype>(n, 0);
            QByteArray run(n, fill);
            if (mode & 2) {
                // Split the run into two arrivals at a point from the input.
                const qsizetype cut = n ? qsizetype(in.u16()) % (n + 1) : 0;
                h.arrive(run.left(cut));
                h.arrive(run.mid(cut));
            } else {
                h.arrive(run);
            }
            if (mode & 4)
                h.arrive(QByteArray("\r"));
            break;
        }
        case 7: {
            // The same bytes one at a time.
            const QByteArray bytes = in.shortBytes();
            for (const char c : bytes)
                h.arrive(QByteArray(1, c));
            break;
        }
        default:
            h.arrive(in.shortBytes());
            break;
        }
    }
    return 0;
}
