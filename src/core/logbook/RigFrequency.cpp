#include "RigFrequency.h"

#include "logbook/Adif.h"

RigFrequency::RigFrequency(QObject* parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(DefaultAnswerTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &RigFrequency::giveUp);
    connect(&m_socket, &QTcpSocket::connected, this, &RigFrequency::writeQuestion);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RigFrequency::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_asking)
            giveUp();
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
        giveUp();
    setLastHz(std::nullopt);
}

void RigFrequency::ask()
{
    if (m_asking)
        return;
    if (!configured() || fresh()) {
        QMetaObject::invokeMethod(this, &RigFrequency::settled, Qt::QueuedConnection);
        return;
    }
    m_asking = true;
    m_lastAsked.start();
    m_timeout.start();
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        writeQuestion();
    else if (m_socket.state() == QAbstractSocket::UnconnectedState)
        m_socket.connectToHost(m_host, m_port);
}

void RigFrequency::writeQuestion()
{
    if (!m_asking)
        return;
    m_socket.readAll();
    m_socket.write("f\n");
}

void RigFrequency::onReadyRead()
{
    while (m_socket.canReadLine()) {
        const QByteArray line = m_socket.readLine().trimmed();
        if (!m_asking)
            continue;
        bool ok = false;
        const std::optional<qint64> hz = Adif::RadioHz(line.toDouble(&ok));
        // "RPRT -n", junk or an absurd value: the frequency is not known.
        setLastHz(ok ? hz : std::nullopt);
        m_asking = false;
        m_timeout.stop();
        emit settled();
    }
}

void RigFrequency::giveUp()
{
    // The answer to a question given up on must not pair with the next one.
    m_socket.abort();
    m_asking = false;
    m_timeout.stop();
    setLastHz(std::nullopt);
    emit settled();
}

void RigFrequency::setLastHz(std::optional<qint64> hz)
{
    if (hz == m_lastHz)
        return;
    m_lastHz = hz;
    emit frequencyChanged();
}
