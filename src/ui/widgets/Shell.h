#pragma once

#include "ProgramShell.h"
#include "widgets/MessageBox.h"

#include <QString>
#include <QStringList>

class QWidget;

// What the desktop program asks of the desktop and of the operator, beside
// the station's programs and files: open documents, ask for a folder, show a
// box. One shell answers for the whole program: the one installed last (it
// is the station's program shell too). The program installs the real one;
// tests install one that records instead.
class Shell : public ProgramShell
{
public:
    Shell() = default;
    ~Shell() override;
    // A web page, a local file or a folder, with the desktop's associated
    // application; false when the desktop could not open it.
    virtual bool openDocument(const QString& pathOrUrl);
    // The desktop has a program to open a local document with.
    virtual bool documentViewerAvailable();
    // The chosen folder, or empty when the operator cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& current);
    // A modal box; its nested event loop keeps sockets and timers running.
    virtual void showMessage(QWidget* parent, const MessageBox::Shown& box);

    // The shell installed last, or the plain desktop one when none is.
    static Shell& current();
    static void install(Shell* shell);
    // Takes shell out, wherever it stands among those installed.
    static void remove(Shell* shell);
};
