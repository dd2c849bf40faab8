#include "ConsoleText.h"

#include <QCoreApplication>

QString ConsoleTextFilter::feed(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\n' && m_afterCr) { // the LF of a CR LF: its break is printed
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == u'\r';
        if (c == u'\r')
            out += QLatin1Char('\n');
        else if (c < 0x20)
            out += QChar(char16_t(0x2400 + c));
        else if (c == 0x7F)
            out += QChar(char16_t(0x2421));
        else if (c >= 0x80 && c <= 0x9F) {
            out += QChar(char16_t(0x241B));
            out += QChar(char16_t(c - 0x40));
        } else
            out += qc;
    }
    if (!out.isEmpty())
        m_atLineStart = out.endsWith(QLatin1Char('\n'));
    return out;
}

ConsoleCommand ConsoleCommand::parse(const QString& line)
{
    ConsoleCommand c;
    if (!line.startsWith(QLatin1Char('/')) || line.startsWith(QLatin1String("//"))) {
        c.text = line.startsWith(QLatin1Char('/')) ? line.mid(1) : line;
        return c;
    }
    const QStringList words = line.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString name = words.value(0).toLower();
    const auto invalid = [&c](const QString& why) {
        c.kind = Kind::Invalid;
        c.text = why;
        return c;
    };
    const auto alone = [&](Kind kind) {
        if (words.size() > 1)
            return invalid(QCoreApplication::translate("Console", "/%1 takes nothing after it.").arg(name));
        c.kind = kind;
        return c;
    };
    if (name == QLatin1String("connect")) {
        if (words.size() < 2 || words.size() > 4)
            return invalid(QCoreApplication::translate("Console", "Usage: /connect CALL [VIA1 [VIA2]]"));
        c.kind = Kind::Connect;
        c.call = words[1].toUpper();
        for (int i = 2; i < words.size(); ++i)
            c.via << words[i].toUpper();
        return c;
    }
    if (name == QLatin1String("stop"))
        return alone(Kind::Stop);
    if (name == QLatin1String("clear"))
        return alone(Kind::Clear);
    if (name == QLatin1String("status"))
        return alone(Kind::Status);
    if (name == QLatin1String("control"))
        return alone(Kind::Control);
    if (name == QLatin1String("help"))
        return alone(Kind::Help);
    if (name == QLatin1String("quit"))
        return alone(Kind::Quit);
    if (name.size() >= 2 && name.size() <= 3 && name.startsWith(QLatin1Char('f'))) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12 && !name.mid(1).startsWith(QLatin1Char('0'))) {
            c.kind = Kind::Macro;
            c.macro = n;
            return alone(Kind::Macro);
        }
    }
    return invalid(QCoreApplication::translate("Console", "Unknown command %1: /help lists the commands.")
                       .arg(line.section(QLatin1Char(' '), 0, 0)));
}
