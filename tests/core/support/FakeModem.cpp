#include "FakeModem.h"

FakeModem::FakeModem(const QHostAddress& address, QObject* parent)
    : QObject(parent)
    , m_address(address)
{
    connect(&m_cmdServer, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_cmdServer.nextPendingConnection()) {
            if (m_cmd)
                m_cmd->deleteLater();
            m_cmd = s;
            ++m_cmdAccepts;
            m_pending.clear();
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                m_pending += s->readAll();
                qsizetype cr;
                while ((cr = m_pending.indexOf('\r')) >= 0) {
                    const QString line = QString::fromLatin1(m_pending.left(cr));
                    m_pending.remove(0, cr + 1);
                    m_commands << line;
                    emit commandReceived(line);
                }
            });
            emit commandAccepted();
        }
    });
    connect(&m_dataServer, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_dataServer.nextPendingConnection()) {
            if (m_refuseData) {
                s->abort();
                s->deleteLater();
                continue;
            }
            if (m_data)
                m_data->deleteLater();
            m_data = s;
            ++m_dataAccepts;
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                m_dataBytes += s->readAll();
                emit dataArrived();
            });
        }
    });
}

FakeModem::~FakeModem()
{
    stopListening();
}

bool FakeModem::listen(quint16 commandPort)
{
    for (int tries = 0; tries < 50; ++tries) {
        quint16 port = commandPort;
        if (port == 0) {
            QTcpServer probe;
            if (!probe.listen(m_address, 0))
                return false;
            port = probe.serverPort();
            probe.close();
            if (port == 65535)
                continue;
        }
        if (m_cmdServer.listen(m_address, port)) {
            if (m_dataServer.listen(m_address, quint16(port + 1))) {
                m_port = port;
                return true;
            }
            m_cmdServer.close();
        }
        if (commandPort != 0)
            return false;
    }
    return false;
}

void FakeModem::stopListening()
{
    m_cmdServer.close();
    m_dataServer.close();
    if (m_cmd)
        m_cmd->abort();
    if (m_data)
        m_data->abort();
}

bool FakeModem::commandConnected() const
{
    return m_cmd && m_cmd->state() == QAbstractSocket::ConnectedState;
}

bool FakeModem::dataConnected() const
{
    return m_data && m_data->state() == QAbstractSocket::ConnectedState;
}

void FakeModem::sendCommandBytes(const QByteArray& bytes)
{
    if (m_cmd) {
        m_cmd->write(bytes);
        m_cmd->flush();
    }
}

void FakeModem::sendData(const QByteArray& bytes)
{
    if (m_data) {
        m_data->write(bytes);
        m_data->flush();
    }
}

void FakeModem::dropCommand()
{
    if (m_cmd)
        m_cmd->disconnectFromHost();
}

void FakeModem::dropData()
{
    if (m_data)
        m_data->disconnectFromHost();
}

void FakeModem::setRefuseData(bool refuse)
{
    m_refuseData = refuse;
    if (refuse)
        m_dataServer.close();
    else if (m_port)
        m_dataServer.listen(m_address, quint16(m_port + 1));
}

ThreadedFakeModem::ThreadedFakeModem()
    : m_thread(new QThread)
{
    m_thread->start();
    QObject context;
    context.moveToThread(m_thread);
    QMetaObject::invokeMethod(
        &context, [this] { m_modem = new FakeModem; }, Qt::BlockingQueuedConnection);
}

ThreadedFakeModem::~ThreadedFakeModem()
{
    onThread([this] { delete m_modem; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

template <typename F>
void ThreadedFakeModem::onThread(F f, Qt::ConnectionType type)
{
    QMetaObject::invokeMethod(m_modem, f, type);
}

bool ThreadedFakeModem::listen()
{
    bool ok = false;
    onThread(
        [this, &ok] {
            ok = m_modem->listen();
            m_host = m_modem->host();
            m_port = m_modem->commandPort();
        },
        Qt::BlockingQueuedConnection);
    return ok;
}

bool ThreadedFakeModem::linked()
{
    bool up = false;
    onThread([this, &up] { up = m_modem->linked(); }, Qt::BlockingQueuedConnection);
    return up;
}

void ThreadedFakeModem::sendLine(const QString& line)
{
    onThread([this, line] { m_modem->sendLine(line); }, Qt::QueuedConnection);
}
