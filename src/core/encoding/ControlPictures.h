#pragma once

#include <QString>
#include <QStringView>

// Control characters written to a file or shown outside the RX screen are
// made visible, so that a received ESC cannot drive the terminal a log is
// read in and a NUL cannot end a C string early: C0 controls other than TAB
// (and CR and LF where line breaks are kept) become their Unicode control
// pictures (U+2400 + code), DEL becomes U+2421.
namespace ControlPictures {

inline char16_t visible(char16_t c, bool keepLineBreaks = true)
{
    if (c == 0x7F)
        return char16_t(0x2421);
    if (c >= 0x20 || c == u'\t' || (keepLineBreaks && (c == u'\r' || c == u'\n')))
        return c;
    return char16_t(0x2400 + c);
}

QString visible(QStringView text, bool keepLineBreaks = true);

} // namespace ControlPictures
