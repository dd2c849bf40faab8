#include "MessageBoxRecorder.h"

#include "TestShell.h"

#include <QTest>

namespace {

const char* iconName(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Information:
        return "information";
    case MessageBox::Icon::Warning:
        return "warning";
    case MessageBox::Icon::Critical:
        return "critical";
    }
    return "?";
}

void fail(const QString& message)
{
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    else
        qCritical("%s", qPrintable(message));
}

QList<MessageBoxRecorder*>& recorders()
{
    static QList<MessageBoxRecorder*> list;
    return list;
}

} // namespace

QString describe(const MessageBox::Shown& box)
{
    return QStringLiteral("[%1] \"%2\": \"%3\"").arg(QLatin1String(iconName(box.icon)), box.title, box.text);
}

MessageBoxRecorder::MessageBoxRecorder()
{
    // A real box would block a headless test forever: from the first
    // recorder on, a box with no recorder fails the test that shows it.
    if (!dynamic_cast<TestShell*>(&Shell::current()))
        static TestShell forGood;
    recorders().append(this);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    recorders().removeAll(this);
    const QStringList found = problems(true);
    if (!found.isEmpty())
        fail(found.join(QLatin1Char('\n')));
}

void MessageBoxRecorder::expect(const QString& text, MessageBox::Icon icon, const QString& title)
{
    m_expected.append(Expected{text, icon, title, false});
}

void MessageBoxRecorder::expectContaining(const QString& fragment, MessageBox::Icon icon, const QString& title)
{
    m_expected.append(Expected{fragment, icon, title, true});
}

void MessageBoxRecorder::deliver(const MessageBox::Shown& box)
{
    if (recorders().isEmpty())
        fail(QStringLiteral("Message box with no recorder: ") + describe(box));
    else
        recorders().last()->onShown(box);
}

void MessageBoxRecorder::onShown(const MessageBox::Shown& box)
{
    m_shown.append(box);
    if (!m_expected.isEmpty()) {
        const Expected& e = m_expected.first();
        const bool textMatches = e.partial ? box.text.contains(e.text) : box.text == e.text;
        if (textMatches && e.icon == box.icon && e.title == box.title) {
            m_expected.removeFirst();
            return;
        }
    }
    m_unexpected.append(box);
}

QList<MessageBox::Shown> MessageBoxRecorder::take()
{
    QList<MessageBox::Shown> out;
    out.swap(m_shown);
    m_expected.clear();
    m_unexpected.clear();
    return out;
}

QStringList MessageBoxRecorder::problems(bool requireAllExpected)
{
    QStringList out;
    for (const MessageBox::Shown& box : std::as_const(m_unexpected))
        out << QStringLiteral("unexpected message box ") + describe(box);
    if (requireAllExpected) {
        for (const Expected& e : std::as_const(m_expected))
            out << QStringLiteral("expected message box not shown: [%1] \"%2\": %3\"%4\"")
                       .arg(QLatin1String(iconName(e.icon)), e.title,
                            e.partial ? QStringLiteral("containing ") : QString(), e.text);
        m_expected.clear();
    }
    m_unexpected.clear();
    return out;
}

bool MessageBoxRecorder::verify()
{
    const QStringList found = problems(true);
    m_shown.clear();
    for (const QString& p : found)
        qWarning("%s", qPrintable(p));
    return found.isEmpty();
}

void MessageBoxRecorder::verifyNoUnexpected()
{
    const QStringList found = problems(false);
    if (!found.isEmpty())
        fail(found.join(QLatin1Char('\n')));
}
