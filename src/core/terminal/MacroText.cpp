#include "MacroText.h"

namespace {

const QLatin1String SendTag("<SEND>");

QString ValueOf(QStringView tag, const MacroContext& c)
{
    if (tag == QLatin1String("MYCALL"))
        return c.myCall;
    if (tag == QLatin1String("CALL"))
        return c.call;
    if (tag == QLatin1String("UTC"))
        return c.utc.toUTC().toString(QStringLiteral("HH:mm"));
    if (tag == QLatin1String("DATE"))
        return c.utc.toUTC().toString(QStringLiteral("yyyy-MM-dd"));
    if (tag == QLatin1String("MODE"))
        return c.mode;
    if (tag == QLatin1String("BW"))
        return c.bandwidth;
    if (tag == QLatin1String("FREQ"))
        return c.frequency;
    if (tag == QLatin1String("BAND"))
        return c.band;
    return QLatin1Char('<') + tag.toString() + QLatin1Char('>');
}

} // namespace

ExpandedMacro ExpandMacro(const QString& text, const MacroContext& context)
{
    ExpandedMacro out;
    QStringView body(text);
    qsizetype end = body.size();
    while (end > 0 && body[end - 1].isSpace())
        --end;
    if (body.left(end).endsWith(SendTag)) {
        out.send = true;
        body = body.left(end - SendTag.size());
    }
    out.text.reserve(body.size());
    qsizetype i = 0;
    while (i < body.size()) {
        const qsizetype open = body.indexOf(QLatin1Char('<'), i);
        const qsizetype close = open < 0 ? -1 : body.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0) {
            out.text += body.mid(i);
            break;
        }
        const QStringView tag = body.mid(open + 1, close - open - 1);
        // "<<CALL>": the first '<' is plain text.
        const qsizetype inner = tag.lastIndexOf(QLatin1Char('<'));
        const qsizetype tagStart = inner < 0 ? open : open + 1 + inner;
        out.text += body.mid(i, tagStart - i);
        out.text += ValueOf(body.mid(tagStart + 1, close - tagStart - 1), context);
        i = close + 1;
    }
    return out;
}

bool MacroUsesFrequency(const QString& text)
{
    return text.contains(QLatin1String("<FREQ>")) || text.contains(QLatin1String("<BAND>"));
}
