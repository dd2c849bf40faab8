#pragma once

#include <QComboBox>
#include <QLatin1String>
#include <QWidget>

// A part of a dialog, found by its object name: dialogs keep their widgets
// to themselves.
template <typename Widget = QComboBox>
Widget* part(QWidget& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QLatin1String(name));
}
