#include "MessageBox.h"

#include "Shell.h"

#include <QCoreApplication>

namespace MessageBox {

QString DefaultTitle()
{
    return QCoreApplication::translate("MessageBox", "KELDO Terminal");
}

void show(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    Shell::current().showMessage(parent, Shown{title, text, icon});
}

} // namespace MessageBox
