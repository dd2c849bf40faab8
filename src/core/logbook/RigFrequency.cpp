#include "RigFrequency.h"

#include "files/LogCategories.h"
#include "logbook/Adif.h"

RigFrequency::RigFrequency(QObject* parent)
    : QObject(parent)
{
    // Room for a few answers; past it the socket stops reading and the
    // line is too long anyway.
    m_socket.setReadBufferSize(4 * MaxLineBytes);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(DefaultAnswerTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { giveUp(RigAnswerFailure::NoAnswer); });
    connect(&m_socket, &QTcpSocket::connected, this, &RigFrequency::writeQuestion);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RigFrequency::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_asking)
            giveUp(RigAnswerFailure::NoAnswer);
    });
}

void RigFrequency::setAddress(const QString& host, int port)
{
    const QString h = host.trimmed();
    if (h == m_host && quint16(port) == m_port)
        return;
    m_host = h;
    m_port = quint16(port);
    m_socket.abort();
    if (m_asking)
        giveUp(RigAnswerFailure::NoAnswer);
    // Another rig: nothing answered before is its answer.
    m_answered = m_asked;
    m_answeredAt.invalidate();
    setLastHz(std::nullopt);
}

RigFrequency::Question RigFrequency::ask()
{
    if (m_asking)
        return m_asked;
    if (!configured() || fresh()) {
        QMetaObject::invokeMethod(this, &RigFrequency::settled, Qt::QueuedConnection);
        return configured() ? m_answered : 0;
    }
    m_asking = true;
    ++m_asked;
    m_timeout.start();
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        writeQuestion();
    else if (m_socket.state() == QAbstractSocket::UnconnectedState)
        m_socket.connectToHost(m_host, m_port);
    return m_asked;
}

std::optional<qint64> RigFrequency::answerTo(Question q) const
{
    return answered(q) ? m_lastHz : std::nullopt;
}

void RigFrequency::writeQuestion()
{
    if (!m_asking)
        return;
    // Whatever came unasked is no answer to this question.
    m_socket.readAll();
    qCDebug(lcLogbook) << "asking rigctld at" << m_host << m_port << "for the frequency, question" << m_asked;
    m_socket.write("f\n");
}

void RigFrequency::onReadyRead()
{
    // Ends when the lines are read, or the connection is dropped (its
    // buffer goes with it).
    for (;;) {
        if (!m_socket.canReadLine()) {
            // A line this long is no frequency: drop it with the connection
            // rather than hold what a broken rigctld keeps sending.
            if (m_socket.bytesAvailable() > MaxLineBytes)
                giveUp(RigAnswerFailure::TooLong);
            return;
        }
        const QByteArray raw = m_socket.readLine(MaxLineBytes + 1);
        if (!raw.endsWith('\n')) {
            giveUp(RigAnswerFailure::TooLong);
            return;
        }
        // A line nobody asked for (after a question was given up on, the
        // connection was dropped, so none of its answers can come here).
        if (!m_asking)
            continue;
        bool ok = false;
        const std::optional<qint64> hz = Adif::RadioHz(raw.trimmed().toDouble(&ok));
        // "RPRT -n", junk or an absurd value: the frequency is not known.
        qCDebug(lcLogbook) << "rigctld answered" << raw.trimmed();
        if (ok && hz) {
            answer(hz);
        } else {
            answer(std::nullopt);
            emit answerFailed(RigAnswerFailure::NotAFrequency);
        }
        emit settled();
    }
}

void RigFrequency::giveUp(RigAnswerFailure why)
{
    // The answer to a question given up on must not pair with the next one.
    m_socket.abort();
    qCDebug(lcLogbook) << "no frequency from rigctld at" << m_host << m_port << "reason" << int(why);
    if (!m_asking) {
        // A flood nobody asked for: the connection goes, the next question
        // opens a new one.
        emit answerFailed(why);
        return;
    }
    answer(std::nullopt);
    emit answerFailed(why);
    emit settled();
}

void RigFrequency::answer(std::optional<qint64> hz)
{
    m_asking = false;
    m_timeout.stop();
    m_answered = m_asked;
    m_answeredAt.start();
    setLastHz(hz);
}

void RigFrequency::setLastHz(std::optional<qint64> hz)
{
    if (hz == m_lastHz)
        return;
    m_lastHz = hz;
    emit frequencyChanged();
}
