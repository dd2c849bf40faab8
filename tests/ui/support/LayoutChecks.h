#pragma once

#include <QStringList>

class QWidget;

// Every shown caption, edit text and control of a dialog fits: nothing is cut
// at the platform's font, and nothing sticks out of its frame or the dialog.
// Returns one line per fault.
QStringList clippedControls(QWidget* dialog);

// Every shown caption (label, button, check box, option, group title) of a
// dialog is no wider than the room its control gives it, measured with the
// control's font; for translations, whose texts are longer. Labels that
// wrap are left out. Returns one line per fault.
QStringList textsWiderThanControls(QWidget* dialog);
