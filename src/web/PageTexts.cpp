#include "PageTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Listed so that the translation tools find them.
[[maybe_unused]] const char* const Texts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "KELDO Terminal"),
    QT_TRANSLATE_NOOP("RemotePage", "Password"),
    QT_TRANSLATE_NOOP("RemotePage", "Log in"),
    QT_TRANSLATE_NOOP("RemotePage", "Log out"),
    QT_TRANSLATE_NOOP("RemotePage", "Received text"),
    QT_TRANSLATE_NOOP("RemotePage", "Text to send (Enter sends)"),
    QT_TRANSLATE_NOOP("RemotePage", "Call"),
    QT_TRANSLATE_NOOP("RemotePage", "Via"),
    QT_TRANSLATE_NOOP("RemotePage", "Connect"),
    QT_TRANSLATE_NOOP("RemotePage", "Stop"),
    QT_TRANSLATE_NOOP("RemotePage", "Clear"),
    QT_TRANSLATE_NOOP("RemotePage", "Find"),
    QT_TRANSLATE_NOOP("RemotePage", "Next"),
    QT_TRANSLATE_NOOP("RemotePage", "Take control"),
    QT_TRANSLATE_NOOP("RemotePage", "In control:"),
    QT_TRANSLATE_NOOP("RemotePage", "you"),
    QT_TRANSLATE_NOOP("RemotePage", "Link"),
    QT_TRANSLATE_NOOP("RemotePage", "Bytes sent"),
    QT_TRANSLATE_NOOP("RemotePage", "Bytes received"),
    QT_TRANSLATE_NOOP("RemotePage", "PTT ON"),
    QT_TRANSLATE_NOOP("RemotePage", "PTT OFF"),
    QT_TRANSLATE_NOOP("RemotePage", "Macros"),
    QT_TRANSLATE_NOOP("RemotePage", "Log this QSO"),
    QT_TRANSLATE_NOOP("RemotePage", "Do not log"),
    QT_TRANSLATE_NOOP("RemotePage", "Connection to the station lost; trying again..."),
    QT_TRANSLATE_NOOP("RemotePage", "TCP link up"),
    QT_TRANSLATE_NOOP("RemotePage", "TCP link waiting"),
    QT_TRANSLATE_NOOP("RemotePage", "TCP link down"),
    QT_TRANSLATE_NOOP("RemotePage", "matches"),
    QT_TRANSLATE_NOOP("RemotePage", "1 match"),
};

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

QByteArray FillPage(const QByteArray& page, const QString& error)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([^{}]+)\\}\\}"));
    const QString text = QString::fromUtf8(page);
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(at, m.capturedStart() - at);
        const QString key = m.captured(1);
        if (key == QLatin1String("$error"))
            out += Escaped(error);
        else
            out += Escaped(QCoreApplication::translate("RemotePage", key.toUtf8().constData()));
        at = m.capturedEnd();
    }
    out += QStringView(text).mid(at);
    return out.toUtf8();
}
