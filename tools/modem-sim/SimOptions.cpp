#include "SimOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>

namespace {

bool readInt(const QString& text, int min, int max, int& out)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    out = v;
    return true;
}

bool readDouble(const QString& text, double min, double max, double& out)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < min || v > max)
        return false;
    out = v;
    return true;
}

} // namespace

int SimOptions::scaled(int ms) const
{
    if (ms <= 0)
        return 0;
    const double v = ms / speed;
    return v > 2.0e9 ? 2000000000 : int(std::lround(v));
}

int SimOptions::bytesPerSecond(int bw)
{
    switch (bw) {
    case 500:
        return 10;
    case 2750:
        return 50;
    default:
        return 40;
    }
}

int SimOptions::bytesPerReport(int bw) const
{
    const long long n = (long long)bytesPerSecond(bw) * reportMs / 1000;
    return n < 1 ? 1 : (n > 1000000 ? 1000000 : int(n));
}

bool SimOptions::parse(const QCoreApplication& app, SimOptions& out, QString& error)
{
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Practice modem for KELDO Terminal: keeps the modem's side of the command\n"
                       "and data channels on loopback TCP so the terminal can be used and tested\n"
                       "without a radio. Prints every command received (\"<- \"), every response\n"
                       "sent (\"-> \"), data received (\"<= \") and sent (\"=> \") and notes (\"# \").\n"
                       "Reads control lines on standard input: step [N], run, manual, auto,\n"
                       "callin CALL [DIGI1 [DIGI2]], say TEXT, disconnect, respond TEXT,\n"
                       "rawcmd TEXT, rawdata TEXT, drop [command|data|both],\n"
                       "refuse [command|data|both], accept [command|data|both], reply MODE,\n"
                       "unreachable [CALL,...], status, quit. See README.md."));
    p.addHelpOption();
    p.addVersionOption();

    const QCommandLineOption host(
        {QStringLiteral("host")},
        QStringLiteral("Address to listen on (default 127.0.0.1; \"localhost\" and \"any\" accepted)."),
        QStringLiteral("address"), out.host);
    const QCommandLineOption port({QStringLiteral("port")},
                                  QStringLiteral("Command port (default 8300); the data port is one higher."),
                                  QStringLiteral("port"), QString::number(out.port));
    const QCommandLineOption bandwidth(
        {QStringLiteral("bandwidth")},
        QStringLiteral("Bandwidth before any BW command: 500, 2300 or 2750 (default 2300). "
                       "Byte rates: 500 -> 10 B/s, 2300 -> 40 B/s, 2750 -> 50 B/s."),
        QStringLiteral("hz"), QString::number(out.bandwidth));
    const QCommandLineOption unreachable(
        {QStringLiteral("unreachable")},
        QStringLiteral("Comma-separated stations (targets or digipeaters) that never answer: "
                       "a CONNECT to them gets DISCONNECTED."),
        QStringLiteral("calls"));
    const QCommandLineOption reply(
        {QStringLiteral("reply")},
        QStringLiteral("What the remote station answers after each transmission: echo "
                       "(default, the text as received), none, or text:TEXT (TEXT and a CR)."),
        QStringLiteral("mode"), QStringLiteral("echo"));
    const QCommandLineOption callIn({QStringLiteral("call-in")},
                                    QStringLiteral("A station that calls this modem by itself, once it is listening."),
                                    QStringLiteral("call"));
    const QCommandLineOption after({QStringLiteral("after")},
                                   QStringLiteral("Seconds before --call-in calls, and between its attempts while "
                                                  "nobody listens (default 10)."),
                                   QStringLiteral("seconds"), QStringLiteral("10"));
    const QCommandLineOption step({QStringLiteral("step")},
                                  QStringLiteral("Step mode: every delayed report waits for a \"step\" control line."));
    const QCommandLineOption speed(
        {QStringLiteral("speed")},
        QStringLiteral("Divide every delay by this factor (default 1); BUFFER counts stay the same."),
        QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption connectDelay({QStringLiteral("connect-delay-ms")},
                                          QStringLiteral("CONNECT to its answer (default 2000)."), QStringLiteral("ms"),
                                          QString::number(out.connectDelayMs));
    const QCommandLineOption abortDelay({QStringLiteral("abort-delay-ms")},
                                        QStringLiteral("ABORT to DISCONNECTED (default 500)."), QStringLiteral("ms"),
                                        QString::number(out.abortDelayMs));
    const QCommandLineOption pttDelay({QStringLiteral("ptt-delay-ms")},
                                      QStringLiteral("Data to PTT ON, and BUFFER 0 to PTT OFF (default 200)."),
                                      QStringLiteral("ms"), QString::number(out.pttDelayMs));
    const QCommandLineOption report(
        {QStringLiteral("report-ms")},
        QStringLiteral("Between BUFFER reports (default 500); also sets the bytes per report."), QStringLiteral("ms"),
        QString::number(out.reportMs));
    const QCommandLineOption replyDelay(
        {QStringLiteral("reply-delay-ms")},
        QStringLiteral("PTT OFF to the remote station's first fragment (default 1500)."), QStringLiteral("ms"),
        QString::number(out.replyDelayMs));
    const QCommandLineOption seed({QStringLiteral("seed")},
                                  QStringLiteral("Seed for the fragment sizes (1..64 bytes) and gaps (50..250 ms) "
                                                 "of the remote station's answer (default 1)."),
                                  QStringLiteral("n"), QString::number(out.seed));

    p.addOptions({host, port, bandwidth, unreachable, reply, callIn, after, step, speed, connectDelay, abortDelay,
                  pttDelay, report, replyDelay, seed});
    p.process(app);

    if (!p.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument: %1").arg(p.positionalArguments().first());
        return false;
    }

    out.host = p.value(host).trimmed();
    if (out.host.isEmpty()) {
        error = QStringLiteral("--host is empty");
        return false;
    }
    int v = 0;
    if (!readInt(p.value(port), 1, 65534, v)) {
        error = QStringLiteral("--port must be 1..65534 (the data port is one higher)");
        return false;
    }
    out.port = quint16(v);
    if (!readInt(p.value(bandwidth), 0, 100000, v) || (v != 500 && v != 2300 && v != 2750)) {
        error = QStringLiteral("--bandwidth must be 500, 2300 or 2750");
        return false;
    }
    out.bandwidth = v;

    out.unreachable.clear();
    for (const QString& c : p.values(unreachable))
        for (const QString& part : c.split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty())
                out.unreachable << part.trimmed().toUpper();

    const QString r = p.value(reply);
    if (r.compare(QLatin1String("echo"), Qt::CaseInsensitive) == 0) {
        out.reply = Reply::Echo;
    } else if (r.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
        out.reply = Reply::None;
    } else if (r.startsWith(QLatin1String("text:"), Qt::CaseInsensitive)) {
        out.reply = Reply::Text;
        out.replyText = decodeEscapes(r.mid(5)) + '\r';
    } else {
        error = QStringLiteral("--reply must be echo, none or text:TEXT");
        return false;
    }

    out.callIn = p.value(callIn).trimmed().toUpper();
    if (!readDouble(p.value(after), 0.0, 1.0e6, out.callInAfterSeconds)) {
        error = QStringLiteral("--after must be a number of seconds, 0 or more");
        return false;
    }
    out.step = p.isSet(step);
    if (!readDouble(p.value(speed), 1.0e-3, 1.0e6, out.speed)) {
        error = QStringLiteral("--speed must be a factor between 0.001 and 1000000");
        return false;
    }

    struct
    {
        const QCommandLineOption* opt;
        int* dst;
    } ms[] = {{&connectDelay, &out.connectDelayMs},
              {&abortDelay, &out.abortDelayMs},
              {&pttDelay, &out.pttDelayMs},
              {&report, &out.reportMs},
              {&replyDelay, &out.replyDelayMs}};
    for (const auto& m : ms) {
        if (!readInt(p.value(*m.opt), 0, 3600000, *m.dst)) {
            error = QStringLiteral("--%1 must be 0..3600000 ms").arg(m.opt->names().first());
            return false;
        }
    }
    bool ok = false;
    const qulonglong s = p.value(seed).trimmed().toULongLong(&ok);
    if (!ok || s > 0xFFFFFFFFull) {
        error = QStringLiteral("--seed must be a number 0..4294967295");
        return false;
    }
    out.seed = quint32(s);
    return true;
}

QByteArray decodeEscapes(const QString& text)
{
    const QByteArray in = text.toLatin1();
    QByteArray out;
    out.reserve(in.size());
    for (int i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c != '\\' || i + 1 >= in.size()) {
            out += c;
            continue;
        }
        const char e = in.at(++i);
        switch (e) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case '\\':
            out += '\\';
            break;
        case 'x': {
            bool ok = false;
            const int v = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok && i + 2 < in.size()) {
                out += char(v);
                i += 2;
            } else {
                out += "\\x";
            }
            break;
        }
        default:
            out += '\\';
            out += e;
        }
    }
    return out;
}

QString printable(const QByteArray& bytes, int maxChars)
{
    QString s;
    s.reserve(qMin<qsizetype>(bytes.size(), maxChars) + 16);
    int i = 0;
    for (; i < bytes.size() && s.size() < maxChars; ++i) {
        const uchar c = uchar(bytes.at(i));
        switch (c) {
        case '\r':
            s += QLatin1String("\\r");
            break;
        case '\n':
            s += QLatin1String("\\n");
            break;
        case '\t':
            s += QLatin1String("\\t");
            break;
        case '\\':
            s += QLatin1String("\\\\");
            break;
        default:
            if (c < 0x20 || (c >= 0x7f && c < 0xa0))
                s += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
            else
                s += QChar(c); // Latin-1, as the wire's 8-bit text
        }
    }
    if (i < bytes.size())
        s += QStringLiteral("...(%1 more bytes)").arg(bytes.size() - i);
    return s;
}
