#pragma once

#include "RxTextModel.h"

#include <QObject>
#include <QString>

// The RX screen's text as a stream, for front ends that print or send it
// rather than show the whole text: each change is told as the text it adds,
// run by run with its speaker. Text taken out before it was told (own text
// that never went out) is never told; a restyle is not told again.
class RxFeed : public QObject
{
    Q_OBJECT
public:
    explicit RxFeed(const RxTextModel& model, QObject* parent = nullptr);

signals:
    void appended(const QString& text, Speaker speaker);
    void cleared();

private:
    void follow();

    const RxTextModel& m_model;
    qsizetype m_told = 0; // the text's first m_told characters were told
    quint64 m_trimmed = 0;
    quint64 m_resets = 0;
    quint64 m_edits = 0;
};
