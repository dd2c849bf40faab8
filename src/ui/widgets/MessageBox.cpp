#include "MessageBox.h"

#include "Shell.h"

namespace MessageBox {

void show(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    Shell::current().showMessage(parent, Shown{title, text, icon});
}

} // namespace MessageBox
