#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, and on to the shell
// (widgets/Shell.h): a real modal box in the program, a record in tests.
namespace MessageBox {

enum class Icon { Information, Warning, Critical };

struct Shown
{
    QString title;
    QString text;
    Icon icon;
};

// The program's name, in the language shown.
QString DefaultTitle();

void show(QWidget* parent, const QString& text, Icon icon, const QString& title = DefaultTitle());

} // namespace MessageBox
