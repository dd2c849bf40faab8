#include "QsoRecord.h"

#include "logbook/Adif.h"
#include "settings/CallSign.h"

QString WithoutControls(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            out += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Control)
            out += c;
    }
    return out;
}

QsoRecord LoggableQso(const QsoRecord& qso)
{
    QsoRecord q = qso;
    for (QString* text : {&q.call, &q.stationCallsign, &q.mode, &q.submode, &q.rstSent, &q.rstReceived, &q.name, &q.qth,
                          &q.gridSquare, &q.comment, &q.myGridSquare, &q.txPower})
        *text = WithoutControls(*text).trimmed();
    QString call = q.call;
    const bool isCall = !CallSignBase(call).isEmpty() && IsValidCallSign(call);
    if (isCall) {
        q.call = CallSignBase(call);
        return q;
    }
    const QString raw = QString::fromLatin1(Adif::ToAscii(q.call).left(MaxRawCallLength)).trimmed();
    q.call.clear();
    // The call chain in the comment often says it already.
    if (!raw.isEmpty() && !q.comment.contains(raw))
        q.comment = q.comment.isEmpty() ? raw : raw + QLatin1Char(' ') + q.comment;
    return q;
}
