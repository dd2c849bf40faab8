#include "KeyingStateFields.h"

void KeyingStateOut::field(const char* key, const QString& value)
{
    static const char hex[] = "0123456789ABCDEF";
    m_out += key;
    m_out += '=';
    for (const char c : value.toUtf8()) {
        const uchar u = uchar(c);
        if (u < 0x20 || u == 0x7F || u == '%') {
            m_out += '%';
            m_out += hex[u >> 4];
            m_out += hex[u & 0xF];
        } else {
            m_out += c;
        }
    }
    m_out += '\n';
}

void KeyingStateOut::field(const char* key, int value)
{
    field(key, QString::number(value));
}

void KeyingStateIn::number(int& to, int low, int high)
{
    const QByteArray digits = value.trimmed();
    bool ok = false;
    const int n = digits.toInt(&ok);
    if (!ok || n < low || n > high || digits.startsWith('+'))
        broken = true;
    else
        to = n;
}
