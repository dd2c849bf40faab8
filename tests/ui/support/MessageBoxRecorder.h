#pragma once

#include "widgets/MessageBox.h"

#include <QList>
#include <QString>

// Records every message box while it lives, instead of showing it. Boxes
// reach it through the test shell (TestShell.h); a recorder installs one
// for good when no test shell is installed yet.
//
//   MessageBoxRecorder boxes;
//   boxes.expect("C:\\KELDO\\KELDO.exe file not found", MessageBox::Icon::Critical);
//   ... code under test ...
//   QVERIFY(boxes.verify());          // or let the destructor check
//
// A box that was not expected, or an expected box that never came, fails the
// current test: through QVERIFY(verify()), through verifyNoUnexpected() (for
// a test's cleanup()), or else when the recorder is destroyed. take() hands
// over everything recorded so far (for boxes whose text is only partly
// known) and clears the books.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // Boxes are expected in the order given; the title defaults to "KELDO Terminal".
    void expect(const QString& text, MessageBox::Icon icon, const QString& title = MessageBox::DefaultTitle());
    // As expect(), but only a part of the text has to match.
    void expectContaining(const QString& fragment, MessageBox::Icon icon,
                          const QString& title = MessageBox::DefaultTitle());

    // Every box shown since the last take(), expected or not; clears all.
    QList<MessageBox::Shown> take();
    // Boxes shown so far (expected or not), without clearing.
    const QList<MessageBox::Shown>& shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }

    // False (with the reasons in the log) on an unexpected box or an
    // expected box not shown. Clears the books.
    bool verify();
    // Fails the current test itself on an unexpected box.
    void verifyNoUnexpected();

    // A box the shell was asked to show: to the recorder created last, or a
    // failure of the current test when none lives.
    static void deliver(const MessageBox::Shown& box);

private:
    struct Expected
    {
        QString text;
        MessageBox::Icon icon;
        QString title;
        bool partial;
    };
    void onShown(const MessageBox::Shown& box);
    QStringList problems(bool requireAllExpected);

    QList<Expected> m_expected;
    QList<MessageBox::Shown> m_shown;
    QList<MessageBox::Shown> m_unexpected;
};

// Text for failure messages.
QString describe(const MessageBox::Shown& box);
