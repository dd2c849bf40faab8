#include "PttKeyer.h"

#include "PttDrivers.h"
#include "RadioCatalogue.h"
#include "RigctldClient.h"
#include "SerialPortDevice.h"
#include "SerialPortList.h"
#include "app/MessageBox.h"
#include "settings/Settings.h"
#include "terminal/DisplayState.h"

namespace {
constexpr quint8 ViaCat = 1;
constexpr quint8 ViaCom = 2;
constexpr quint8 ViaVox = 3;
constexpr quint8 ViaRigctld = 5;
} // namespace

PttKeyer::PttKeyer(SettingsStore& settings, DisplayState& display, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_display(display)
    , m_comPTT(CreateSystemSerialPort())
    , m_rigctld(std::make_unique<RigctldClient>())
{
    m_cat = std::make_unique<CatPttDriver>(m_comPTT);
    m_com = std::make_unique<ComPttDriver>(m_comPTT);
    m_none = std::make_unique<NoPttDriver>();
    m_rig = std::make_unique<RigctldPttDriver>(*m_rigctld);
    connect(m_rigctld.get(), &RigctldClient::problem, this,
            [this](const QString& text) { m_display.setPanelToolTip(Panel::Ptt, text); });
}

PttKeyer::~PttKeyer()
{
    m_rigctld->disconnect(this);
}

void PttKeyer::setSerialPort(std::unique_ptr<SerialPortDevice> port)
{
    if (m_comPTT)
        m_comPTT->close();
    m_comPTT = std::move(port);
    if (!m_comPTT)
        m_comPTT = CreateSystemSerialPort();
}

QString PttKeyer::OpenFailureText(int portNumber)
{
    return OpenFailureText(QStringLiteral("COM%1").arg(portNumber));
}

QString PttKeyer::OpenFailureText(const QString& port)
{
    return QStringLiteral("Unable to open radio serial port %1. May be in use by another application.").arg(port);
}

PttDriver& PttKeyer::driverFor(int via)
{
    switch (via) {
    case ViaCat: return *m_cat;
    case ViaCom: return *m_com;
    case ViaRigctld: return *m_rig;
    default: return *m_none;
    }
}

bool PttKeyer::keyingSuppressed() const
{
    return m_settings.s().keldoMode == QLatin1String(Settings::ModeFm);
}

void PttKeyer::PttOn()
{
    m_display.setPanelText(Panel::Ptt, QStringLiteral("TX"));
    m_display.setPanelPicture(Panel::Ptt, Picture::LedRojo);
    m_display.setPanelToolTip(Panel::Ptt, QStringLiteral("PTT ON"));
    if (keyingSuppressed())
        return;
    const Settings& s = m_settings.s();
    driverFor(s.via).key(s);
}

void PttKeyer::PttOff()
{
    m_display.setPanelText(Panel::Ptt, QStringLiteral("RX"));
    m_display.setPanelPicture(Panel::Ptt, Picture::LedVerde);
    m_display.setPanelToolTip(Panel::Ptt, QStringLiteral("PTT OFF"));
    if (keyingSuppressed())
        return;
    const Settings& s = m_settings.s();
    driverFor(s.via).unkey(s);
}

void PttKeyer::OpenPttPort()
{
    const Settings& s = m_settings.s();

    if (s.via != ViaRigctld || keyingSuppressed())
        m_rigctld->close();
    else
        m_rigctld->setEndpoint(s.rigctldHost, s.rigctldPort);

    if (s.via == ViaVox || s.via == ViaRigctld || keyingSuppressed()) {
        closeSerial();
        return;
    }

    PortParameters wanted;
    QString portText;
    if (s.via == ViaCat)
        portText = s.catPort;
    else if (s.via == ViaCom)
        portText = s.pttPort;
    wanted.portNumber = PortNumberOf(portText);
    wanted.port = PortIdentityOf(portText);
    if (s.via == ViaCat) {
        const RadioModel* model = RadioModelAt(s.rig);
        if (!model) {
            openFailed(wanted.port);
            return;
        }
        int stopBits = 1;
        if (model->Dialect == DialectFiveByte)
            stopBits = 2;
        else if (model->Dialect == DialectSemicolon && s.baud == QLatin1String("4800"))
            stopBits = 2;
        wanted.settings = (s.baud + QStringLiteral(",N,8,") + QString::number(stopBits)).toLower();
        wanted.rts = s.rts == 1;
        wanted.dtr = s.dtr == 1;
    } else if (s.via == ViaCom) {
        wanted.settings = QStringLiteral("4800,N,8,1");
    }

    if (m_comPTT->isOpen() && wanted == m_last)
        return;

    if (m_comPTT->isOpen()) {
        m_comPTT->flush();
        m_comPTT->close();
    }
    const std::optional<LineSettings> line = LineSettings::parse(wanted.settings);
    const QString device = PortDeviceOf(portText, s.portDevices);
    if (!line || device.isEmpty() || !m_comPTT->open(device, *line)) {
        openFailed(wanted.port);
        return;
    }
    const bool rtsSet = m_comPTT->setRts(wanted.rts);
    const bool dtrSet = m_comPTT->setDtr(wanted.dtr);
    // A CAT port without modem-control lines (a pseudo-terminal, a virtual
    // CAT port) still carries the commands; the COM method needs the lines.
    if (s.via == ViaCom && !(rtsSet && dtrSet)) {
        m_comPTT->close();
        openFailed(wanted.port);
        return;
    }
    m_last = wanted;
}

void PttKeyer::ClosePttPort()
{
    closeSerial();
    m_rigctld->close();
}

void PttKeyer::closeSerial()
{
    if (!m_comPTT->isOpen())
        return;
    m_comPTT->setRts(false);
    m_comPTT->setDtr(false);
    // The unkey command must reach the radio before the port goes.
    m_comPTT->flush();
    m_comPTT->close();
}

void PttKeyer::openFailed(const QString& port)
{
    MessageBox::show(m_messageParent, OpenFailureText(port), MessageBox::Icon::Warning);
}
