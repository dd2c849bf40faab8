#pragma once

#include <QObject>
#include <QString>

#include <memory>

class SettingsStore;
class DisplayState;
class QWidget;
class SerialPortDevice;
class RigctldClient;
class PttDriver;

// modPTT: keys and unkeys the radio when the modem asks. The keying method
// ("Via") picks a driver; the settings are read afresh at every call.
class PttKeyer : public QObject
{
    Q_OBJECT
public:
    // How comPTT was last opened successfully.
    struct PortParameters
    {
        quint8 portNumber = 0;
        // PortIdentityOf the port text: a device path stands apart from every COM name.
        QString port;
        bool rts = false;
        bool dtr = false;
        QString settings;
        bool operator==(const PortParameters& o) const
        {
            return portNumber == o.portNumber && port == o.port && rts == o.rts && dtr == o.dtr
                   && settings == o.settings;
        }
        bool operator!=(const PortParameters& o) const { return !(*this == o); }
    };

    PttKeyer(SettingsStore& settings, DisplayState& display, QObject* parent = nullptr);
    ~PttKeyer() override;

    void PttOn();
    void PttOff();
    void OpenPttPort();
    void ClosePttPort();

    // Parent for the open-failure message box.
    void setMessageParent(QWidget* parent) { m_messageParent = parent; }

    // Replaces comPTT (tests hand in a recording port). Closes the old one.
    void setSerialPort(std::unique_ptr<SerialPortDevice> port);
    SerialPortDevice& comPTT() { return *m_comPTT; }
    RigctldClient& rigctld() { return *m_rigctld; }
    const PortParameters& lastPortParameters() const { return m_last; }

    static QString OpenFailureText(int portNumber);
    // port: "COM3" or a device path.
    static QString OpenFailureText(const QString& port);

private:
    PttDriver& driverFor(int via);
    bool keyingSuppressed() const;
    void closeSerial();
    void openFailed(const QString& port);

    SettingsStore& m_settings;
    DisplayState& m_display;
    QWidget* m_messageParent = nullptr;

    std::unique_ptr<SerialPortDevice> m_comPTT;
    std::unique_ptr<RigctldClient> m_rigctld;
    std::unique_ptr<PttDriver> m_cat;
    std::unique_ptr<PttDriver> m_com;
    std::unique_ptr<PttDriver> m_none;
    std::unique_ptr<PttDriver> m_rig;
    PortParameters m_last;
};
