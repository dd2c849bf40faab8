#pragma once

#include "widgets/MessageBox.h"

#include <QString>
#include <QStringList>

class QWidget;

// What the program asks of the desktop and of the operator: start and end
// programs, look for files, open documents, ask for a folder, show a box.
// One shell answers for the whole program: the one installed last. The
// program installs the real one; tests install one that records instead.
class Shell
{
public:
    Shell() = default;
    virtual ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Starts the modem program a settings key names, not waited for, with
    // these arguments. What went wrong, for the operator; empty when it started.
    virtual QString launchProgram(const QString& keyText, const QStringList& arguments = {});
    // Ends the program of that file name that serves this terminal.
    virtual void killProcessByName(const QString& fileName);
    // Something (a file or a folder) exists at path, taken as given.
    virtual bool fileExists(const QString& path);
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
