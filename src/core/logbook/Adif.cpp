#include "Adif.h"

#include "Version.h"
#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// ADIF's band enumeration, limits in Hz / 100 (0.1 kHz).
constexpr struct
{
    const char* name;
    qint64 low;
    qint64 high;
} Bands[] = {
    {"2190m", 1357, 1378},
    {"630m", 4720, 4790},
    {"560m", 5010, 5040},
    {"160m", 18000, 20000},
    {"80m", 35000, 40000},
    {"60m", 50600, 54500},
    {"40m", 70000, 73000},
    {"30m", 101000, 101500},
    {"20m", 140000, 143500},
    {"17m", 180680, 181680},
    {"15m", 210000, 214500},
    {"12m", 248900, 249900},
    {"10m", 280000, 297000},
    {"8m", 400000, 450000},
    {"6m", 500000, 540000},
    {"5m", 540000, 699000},
    {"4m", 700000, 710000},
    {"2m", 1440000, 1480000},
    {"1.25m", 2220000, 2250000},
    {"70cm", 4200000, 4500000},
    {"33cm", 9020000, 9280000},
    {"23cm", 12400000, 13000000},
    {"13cm", 23000000, 24500000},
    {"9cm", 33000000, 35000000},
    {"6cm", 56500000, 59250000},
    {"3cm", 100000000, 105000000},
    {"1.25cm", 240000000, 242500000},
    {"6mm", 470000000, 472000000},
    {"4mm", 755000000, 810000000},
    {"2.5mm", 1199800000, 1230000000},
    {"2mm", 1340000000, 1490000000},
    {"1mm", 2410000000, 2500000000},
    {"submm", 3000000000, 75000000000},
};

// Letters that decompose to nothing ASCII, spelt as their languages do.
const char* SpeltOut(QChar c)
{
    static const struct
    {
        char16_t letter;
        const char* ascii;
    } Letters[] = {{u'ß', "ss"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'œ', "oe"}, {u'Œ', "OE"}, {u'ø', "o"},
                   {u'Ø', "O"},  {u'ł', "l"},  {u'Ł', "L"},  {u'đ', "d"},  {u'Đ', "D"},  {u'ð', "d"},
                   {u'Ð', "D"},  {u'þ', "th"}, {u'Þ', "TH"}, {u'ı', "i"}};
    for (const auto& l : Letters) {
        if (c.unicode() == l.letter)
            return l.ascii;
    }
    return nullptr;
}

QByteArray Field(const char* name, const QString& value)
{
    const QByteArray v = Adif::ToAscii(value.trimmed()).trimmed();
    if (v.isEmpty())
        return QByteArray();
    return '<' + QByteArray(name) + ':' + QByteArray::number(v.size()) + '>' + v + ' ';
}

QString CallOf(const QString& call)
{
    return call.trimmed().toUpper();
}

// Where the last whole record (else the header, else nothing) ends, read as
// ADIF is read: <NAME:LEN> is followed by exactly LEN characters, so an
// "<EOR>" inside a value ends nothing. A text not starting with '<' has a
// header up to <EOH>.
qsizetype EndOfWholeRecords(const QByteArray& text, bool fromStart = true)
{
    // A '<' with no '>' this near is text, not a data specifier.
    constexpr qsizetype LongestSpecifier = 128;
    const QByteArrayView all(text);
    qsizetype keep = 0;
    bool inHeader = fromStart && !text.startsWith('<');
    qsizetype at = 0;
    for (qsizetype open; (open = all.indexOf('<', at)) >= 0;) {
        at = open + 1;
        const qsizetype inside = all.sliced(at, std::min(LongestSpecifier, all.size() - at)).indexOf('>');
        if (inside < 0)
            continue;
        const QList<QByteArray> parts = all.sliced(at, inside).toByteArray().split(':');
        bool ok = true;
        const qint64 length = parts.size() > 1 ? parts[1].trimmed().toLongLong(&ok) : 0;
        if (parts[0].trimmed().isEmpty() || !ok || length < 0)
            continue;
        at += inside + 1 + length;
        if (at > all.size())
            break; // the value was cut
        const QByteArray name = parts[0].trimmed().toUpper();
        if (name == "EOH" && inHeader) {
            inHeader = false;
            keep = at;
        } else if (name == "EOR" && !inHeader) {
            keep = at;
        }
    }
    return keep;
}

} // namespace

QString Adif::BandOf(qint64 hz)
{
    for (const auto& b : Bands) {
        if (hz >= b.low * 100 && hz <= b.high * 100)
            return QLatin1String(b.name);
    }
    return QString();
}

QString Adif::MegahertzText(qint64 hz)
{
    QString text = QString::number(double(hz) / 1e6, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

std::optional<qint64> Adif::RadioHz(double hz)
{
    if (!std::isfinite(hz) || hz <= 0 || hz >= 3e12)
        return std::nullopt;
    return qint64(hz + 0.5);
}

QByteArray Adif::ToAscii(const QString& text)
{
    QString spelt;
    for (QChar c : text) {
        if (const char* ascii = SpeltOut(c))
            spelt += QLatin1String(ascii);
        else
            spelt += c;
    }
    QByteArray out;
    for (QChar c : spelt.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const char16_t u = c.unicode();
        if (u == '\r' || u == '\n' || u == '\t')
            out += ' ';
        else if (u >= 32 && u <= 126)
            out += char(u);
        else if (!c.isLowSurrogate())
            out += '?';
    }
    return out;
}

QByteArray Adif::Header(const QDateTime& createdUtc)
{
    return "KELDO Terminal logbook\r\n" + Field("ADIF_VER", QStringLiteral("3.1.4"))
        + Field("PROGRAMID", QStringLiteral("KELDO Terminal")) + Field("PROGRAMVERSION", QStringLiteral(KELDO_VERSION))
        + Field("CREATED_TIMESTAMP", createdUtc.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))) + "<EOH>\r\n";
}

QString Adif::GridSquare(const QString& text)
{
    QString g = text.trimmed().left(8);
    return g.left(g.size() & ~1);
}

QString Adif::PowerText(const QString& text)
{
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        t.chop(1);
    bool ok = false;
    const double watts = t.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(watts) || watts <= 0 || watts > 1e7)
        return QString();
    return QString::number(watts, 'g', 8);
}

QByteArray Adif::Record(const QsoRecord& qso)
{
    const QsoRecord q = LoggableQso(qso);
    const QDateTime on = q.timeOn.toUTC();
    const QDateTime off = q.timeOff.toUTC();
    QByteArray r = Field("CALL", CallOf(q.call)) + Field("QSO_DATE", on.toString(QStringLiteral("yyyyMMdd")))
        + Field("TIME_ON", on.toString(QStringLiteral("HHmmss")))
        + Field("QSO_DATE_OFF", off.toString(QStringLiteral("yyyyMMdd")))
        + Field("TIME_OFF", off.toString(QStringLiteral("HHmmss")))
        + Field("STATION_CALLSIGN", CallOf(q.stationCallsign)) + Field("MODE", q.mode.toUpper())
        + Field("SUBMODE", q.submode.toUpper());
    if (q.frequencyHz && *q.frequencyHz > 0)
        r += Field("FREQ", MegahertzText(*q.frequencyHz)) + Field("BAND", BandOf(*q.frequencyHz));
    r += Field("RST_SENT", q.rstSent) + Field("RST_RCVD", q.rstReceived) + Field("NAME", q.name) + Field("QTH", q.qth)
        + Field("GRIDSQUARE", GridSquare(q.gridSquare)) + Field("MY_GRIDSQUARE", GridSquare(q.myGridSquare))
        + Field("TX_PWR", PowerText(q.txPower)) + Field("COMMENT", q.comment);
    return r + "<EOR>\r\n";
}

bool AdifFile::ReadsAsAdif(const QByteArray& head)
{
    const QByteArray text = head.trimmed();
    if (text.isEmpty())
        return true;
    // Text only: a binary file is nobody's logbook.
    if (text.contains('\0'))
        return false;
    if (text.toUpper().contains("<EOH>"))
        return true;
    static const QRegularExpression specifier(QStringLiteral("^<[A-Za-z_][A-Za-z0-9_]*(:\\d+(:[A-Za-z])?)?>"));
    return specifier.match(QString::fromLatin1(text.left(64))).hasMatch();
}

bool AdifFile::append(const QList<QByteArray>& records, const QDateTime& nowUtc, QString* error) const
{
    QString why;
    auto fail = [&why, error](const QString& reason) {
        if (error)
            *error = reason.isEmpty() ? why : reason;
        return false;
    };
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A link is followed, but only to a regular file.
    if (const QString problem = RegularFile::Problem(m_path, RegularFile::Links::Follow); !problem.isEmpty())
        return fail(problem);
    const RegularFile::Read head =
        RegularFile::ReadFile(m_path, TailBytes, RegularFile::Links::Follow, RegularFile::Part::Head);
    if (!head.ok)
        return fail(head.why);
    if (!ReadsAsAdif(head.bytes))
        return fail(
            QCoreApplication::translate("Files", "the file does not read as an ADIF logbook; it is left as it is"));

    // The tail after the last whole record, read as ADIF is read from its
    // start when the file is small; in a large one, from the first <EOR> of
    // its last TailBytes.
    RegularFile::Read tail = head;
    if (head.size > head.bytes.size()) {
        tail = RegularFile::ReadFile(m_path, TailBytes, RegularFile::Links::Follow, RegularFile::Part::Tail);
        if (!tail.ok)
            return fail(tail.why);
    }
    qsizetype keep = tail.bytes.size();
    if (tail.offset == 0) {
        keep = EndOfWholeRecords(tail.bytes);
    } else if (const qsizetype eor = tail.bytes.toUpper().indexOf("<EOR>"); eor >= 0) {
        keep = eor + 5 + EndOfWholeRecords(tail.bytes.mid(eor + 5), false);
    }
    QByteArray cut = tail.bytes.mid(keep);
    qint64 size = tail.size;
    if (!cut.trimmed().isEmpty()) {
        // The line break after the last whole record is no part of what was cut.
        while (cut.startsWith('\r') || cut.startsWith('\n'))
            cut.remove(0, 1);
        if (!RegularFile::Append(badPath(), cut + "\r\n", RegularFile::Links::Refuse, &why))
            return fail(badPath() + QStringLiteral(": ") + why);
        size = tail.offset + keep;
        if (!RegularFile::Truncate(m_path, size, &why))
            return fail(QString());
        tail.bytes.truncate(keep);
    }

    QByteArray bytes;
    for (const QByteArray& record : records)
        if (!tail.bytes.contains(record))
            bytes += record;
    if (bytes.isEmpty())
        return true;
    if (size == 0) {
        bytes.prepend(Adif::Header(nowUtc));
    } else if (!tail.bytes.endsWith('\n')) {
        // A repair cut just after <EOR>, or a file ended without a line break:
        // the record starts a line of its own.
        bytes.prepend("\r\n");
    }
    if (!RegularFile::Append(m_path, bytes, RegularFile::Links::Follow, &why))
        return fail(QString());
    return true;
}
