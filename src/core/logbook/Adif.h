#pragma once

#include "logbook/QsoRecord.h"

#include <QByteArray>
#include <QString>

// Records in ADIF 3.1.4's text form (.adi): ASCII 32 to 126 only.
namespace Adif {

inline constexpr const char* FileName = "KELDO Terminal.adi";

// The band of the ADIF enumeration a frequency lies in; empty outside all.
QString BandOf(qint64 hz);
// "14.105": MHz, without trailing zeros.
QString MegahertzText(qint64 hz);
// Hz rounded, or nothing for a value no radio is tuned to (not finite, not
// above 0, 3 THz or more): junk must not become an absurd frequency.
std::optional<qint64> RadioHz(double hz);
// Text as ASCII 32..126: letters lose their accents (decomposed, marks
// dropped), a few letters are spelt out (ß ss, æ ae, ø o, ł l, þ th),
// line breaks and tabs become spaces, anything else '?'.
QByteArray ToAscii(const QString& text);
// A gridsquare as written: 2, 4, 6 or 8 characters (an odd last one cut).
QString GridSquare(const QString& text);
// Transmit power in watts as a positive number ("100", "5.5"; a trailing
// "W" is allowed); empty for anything else.
QString PowerText(const QString& text);
// The header a new file starts with.
QByteArray Header(const QDateTime& createdUtc);
// One record on one line, ended by <EOR> and CR LF; empty values are left
// out. The record is made loggable first (LoggableQso).
QByteArray Record(const QsoRecord& qso);

} // namespace Adif

// The logbook file, written on the file writer's thread. Records are
// appended in one write. Only a regular file is written: a link is followed
// only to one, and a file that does not read as ADIF (text that is not a
// logbook, say) is never changed, nor repaired. Before each write a tail
// after the last whole record that is not blank (a cut write) is cut back,
// the tail kept in the ".bad" file beside it; only the file's last
// TailBytes are read for that.
class AdifFile
{
public:
    static constexpr qint64 TailBytes = 64 * 1024;

    explicit AdifFile(const QString& path)
        : m_path(path)
    { }

    QString path() const { return m_path; }
    QString badPath() const { return m_path + QStringLiteral(".bad"); }

    // Appends the records (Adif::Record's bytes), leaving out any that the
    // file already ends with (written before a crash could say so). False,
    // with the reason in error, when they could not be written.
    bool append(const QList<QByteArray>& records, const QDateTime& nowUtc, QString* error = nullptr) const;
    bool append(const QsoRecord& qso, const QDateTime& nowUtc, QString* error = nullptr) const
    {
        return append(QList<QByteArray>{Adif::Record(qso)}, nowUtc, error);
    }

    // Empty or blank, or ADIF's text form: a header ended by <EOH>, or data
    // specifiers from the start.
    static bool ReadsAsAdif(const QByteArray& head);

private:
    QString m_path;
};
