#include "RxScreenView.h"

#include "terminal/RxTextModel.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

RxScreenView::RxScreenView(RxTextModel& model, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_model(model)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keep a visible caret in a read-only pane, as a locked text box does.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_frame.setSingleShot(true);
    m_frame.setTimerType(Qt::PreciseTimer);
    m_sinceSync.start();
    connect(&m_frame, &QTimer::timeout, this, &RxScreenView::syncNow);
    connect(&m_model, &RxTextModel::changed, this, &RxScreenView::scheduleSync);
    syncNow();
}

void RxScreenView::scheduleSync()
{
    // Frames are timed from the last sync, so a change that comes long after
    // it shows at once and a flood still syncs only once per frame.
    if (!m_frame.isActive())
        m_frame.start(int(qMax<qint64>(0, FrameMs - m_sinceSync.elapsed())));
}

QString RxScreenView::ToDisplay(QStringView text, QChar prev)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                continue; // the LF makes the break
            out.append(QChar(LoneCrMark));
        } else if (c == QLatin1Char('\n')) {
            const QChar before = i > 0 ? text[i - 1] : prev;
            out.append(before == QLatin1Char('\r') ? QChar(QLatin1Char('\n')) : QChar(LoneLfMark));
        } else {
            out.append(c);
        }
    }
    return out;
}

void RxScreenView::syncNow()
{
    m_frame.stop();
    m_sinceSync.restart();
    const QString& text = m_model.text();
    const quint64 appended = m_model.appendedTotal() - m_seenAppended;
    const quint64 trimmed = m_model.trimmedTotal() - m_seenTrimmed;
    const quint64 trimmedCr = m_model.trimmedCrTotal() - m_seenTrimmedCr;
    const bool reset = m_model.resetCount() != m_seenResets;

    const bool incremental = !reset && appended <= quint64(text.size())
        && trimmed <= quint64(document()->characterCount());
    if (!incremental) {
        setPlainText(ToDisplay(text, m_model.charBeforeText()));
    } else if (appended > 0 || trimmed > 0) {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        if (appended > 0) {
            const qsizetype start = text.size() - qsizetype(appended);
            const QChar prev = start > 0 ? text.at(start - 1) : m_model.charBeforeText();
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(ToDisplay(QStringView(text).mid(start), prev));
        }
        if (trimmed > 0) {
            // A CR LF pair is one character on screen.
            const qsizetype remove = qsizetype(trimmed - trimmedCr);
            cursor.setPosition(0);
            cursor.setPosition(qMin<qsizetype>(remove, document()->characterCount() - 1), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        cursor.endEditBlock();
    }
    m_seenAppended = m_model.appendedTotal();
    m_seenTrimmed = m_model.trimmedTotal();
    m_seenTrimmedCr = m_model.trimmedCrTotal();
    m_seenResets = m_model.resetCount();

    // The caret at the end, so the newest text is in view.
    QTextCursor end = textCursor();
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
