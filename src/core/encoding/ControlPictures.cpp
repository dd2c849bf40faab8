#include "ControlPictures.h"

namespace ControlPictures {

QString visible(QStringView text, bool keepLineBreaks)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* w = out.data();
    for (QChar c : text)
        *w++ = QChar(visible(c.unicode(), keepLineBreaks));
    return out;
}

} // namespace ControlPictures
