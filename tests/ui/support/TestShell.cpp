#include "TestShell.h"

#include "MessageBoxRecorder.h"

void TestShell::showMessage(QWidget*, const MessageBox::Shown& box)
{
    MessageBoxRecorder::deliver(box);
}
