#pragma once

#include "widgets/Shell.h"

#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

// The shell for tests: installed while it lives, it records what the
// program asks the desktop for instead of doing it. Message boxes go to the
// MessageBoxRecorder alive at the time; with none, the box fails the test.
class TestShell : public Shell
{
public:
    TestShell() { Shell::install(this); }

    QStringList launched;
    QList<QStringList> launchArguments; // one list per launched program
    QStringList killed;
    QStringList opened;

    // Files exist as on disk, and also every path listed here; with
    // onlyListedFiles set, only those listed.
    QSet<QString> existing;
    bool onlyListedFiles = false;
    // Whatever the machine has installed, documents "open" into the list
    // above; reset it to ask the machine.
    std::optional<bool> viewerAvailable = true;
    // What the desktop answers when asked to open one.
    bool opens = true;
    // The operator's answer to the folder dialog (cancelled when unset).
    std::function<QString(const QString& current)> folderAnswer;

    QString launchProgram(const QString& keyText, const QStringList& arguments) override
    {
        launched << keyText;
        launchArguments << arguments;
        return QString();
    }
    void killProcessByName(const QString& fileName) override { killed << fileName; }
    bool fileExists(const QString& path) override
    {
        return existing.contains(path) || (!onlyListedFiles && Shell::fileExists(path));
    }
    bool openDocument(const QString& pathOrUrl) override
    {
        opened << pathOrUrl;
        return opens;
    }
    bool documentViewerAvailable() override
    {
        return viewerAvailable ? *viewerAvailable : Shell::documentViewerAvailable();
    }
    QString chooseFolder(QWidget*, const QString&, const QString& current) override
    {
        return folderAnswer ? folderAnswer(current) : QString();
    }
    void showMessage(QWidget* parent, const MessageBox::Shown& box) override;
};
