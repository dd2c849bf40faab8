#pragma once

#include <QStringList>

class QWidget;

// Every shown caption, edit text and control of a dialog fits: nothing is cut
// at the platform's font, and nothing sticks out of its frame or the dialog.
// Returns one line per fault.
QStringList clippedControls(QWidget* dialog);
