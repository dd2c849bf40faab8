#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

class RxTextModel;

// txtMainChat: shows the RX text model. The model changes on every arrival;
// the widget follows at most once per display frame, by appending at the end
// and trimming the front, never by rewriting the whole text.
class RxScreenView : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    explicit RxScreenView(RxTextModel& model, QWidget* parent = nullptr);

    // Brings the widget up to date now (tests, and the frame timer).
    void syncNow();

    // How a piece of the model looks on screen: CR LF is a line break, a lone
    // LF a visible mark inside the line. prev is the model character before
    // the piece (or a null QChar).
    static QString ToDisplay(QStringView modelText, QChar prev = QChar());
    static constexpr char16_t LoneLfMark = 0x240A; // SYMBOL FOR LINE FEED
    static constexpr char16_t LoneCrMark = 0x240D; // SYMBOL FOR CARRIAGE RETURN

private:
    void scheduleSync();

    RxTextModel& m_model;
    QTimer m_frame;
    QElapsedTimer m_sinceSync;
    quint64 m_seenAppended = 0;
    quint64 m_seenTrimmed = 0;
    quint64 m_seenTrimmedCr = 0;
    quint64 m_seenResets = 0;
};
