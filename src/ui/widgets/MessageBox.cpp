#include "MessageBox.h"

#include <QMessageBox>

namespace MessageBox {

static Handler& handler()
{
    static Handler h;
    return h;
}

void setHandler(Handler h)
{
    handler() = std::move(h);
}

void show(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    if (handler()) {
        handler()(Shown{title, text, icon});
        return;
    }
    QMessageBox::Icon qicon = QMessageBox::Information;
    if (icon == Icon::Warning)
        qicon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        qicon = QMessageBox::Critical;
    QMessageBox box(qicon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace MessageBox
