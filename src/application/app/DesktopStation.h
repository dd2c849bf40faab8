#pragma once

#include "Station.h"
#include "presenter/StationDisplay.h"
#include "widgets/Shell.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class SerialPortEnumerator;
class frmConnect;
class frmLogQso;
class frmLogbook;
class frmMacros;
class frmPTT;
class frmRemote;
class frmSetup;

// The station as the desktop runs it: the presenter watching it, the
// dialogs built from a copy of its settings, and its requests answered with
// boxes and the Log QSO window.
class DesktopStation : public StationDisplay, public Station
{
public:
    explicit DesktopStation(const QString& folder = QString(), QObject* parent = nullptr);
    ~DesktopStation() override;

    // Each dialog shows the settings as they stand; its choice is applied
    // when it closes (never at shutdown).
    std::unique_ptr<frmSetup> setupDialog(QWidget* parent = nullptr);
    std::unique_ptr<frmPTT> pttDialog(QWidget* parent = nullptr, const SerialPortEnumerator* ports = nullptr);
    std::unique_ptr<frmConnect> connectDialog(QWidget* parent = nullptr);
    std::unique_ptr<frmLogbook> logbookDialog(QWidget* parent = nullptr);
    std::unique_ptr<frmMacros> macrosDialog(QWidget* parent = nullptr);
    // Follows the web front end and control while open; its buttons act at once.
    std::unique_ptr<frmRemote> remoteDialog(QWidget* parent = nullptr);

    // Parent of the boxes and of the Log QSO window.
    void setMessageParent(QWidget* parent) { m_messageParent = parent; }
    // The "Log QSO" window, once a QSO has waited in it.
    frmLogQso* logQsoWindow() const;

private:
    void answer(const Attention& attention);
    void askToLog(const QsoRecord& qso);
    void writeWaiting();

    QPointer<QWidget> m_messageParent;
    QPointer<frmLogQso> m_logQso;
};

// The program's shell: modem programs are started and ended through the
// record of what was started here; the rest is the desktop's.
class DesktopShell : public Shell
{
public:
    // linkEnds: the command connection as it stands when a program is ended.
    DesktopShell(ModemProcesses& modem, std::function<ModemLinkEnds()> linkEnds)
        : m_programs(modem, std::move(linkEnds))
    { }

    QString launchProgram(const QString& keyText, const QStringList& arguments) override
    {
        return m_programs.launchProgram(keyText, arguments);
    }
    void killProcessByName(const QString& fileName) override { m_programs.killProcessByName(fileName); }

private:
    ModemShell m_programs;
};
