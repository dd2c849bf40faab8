#pragma once

#include "ptt/PttKeyer.h"
#include "settings/Settings.h"
#include "support/KeyingRecorder.h"
#include "support/RecordingSerialPort.h"

#include <QObject>
#include <QtTest>

#include <memory>

// The keyer tests' common ground: a keyer on a recording port, the settings
// it is configured from (HF mode), and what it announces. A test class
// derives from it, calls startKeyer() in init() and stopKeyer() in cleanup().
class KeyerFixture : public QObject
{
protected:
    Settings& s() { return *m_settings; }
    // The settings as the PTT dialog applies them, and as the Setup dialog does.
    void open() { m_keyer->OpenPttPort(KeyingConfigOf(s())); }
    void configure() { m_keyer->configure(KeyingConfigOf(s())); }

    void startKeyer()
    {
        m_settings = std::make_unique<Settings>();
        m_keyer = std::make_unique<PttKeyer>();
        m_seen = std::make_unique<KeyingRecorder>(*m_keyer);
        auto port = std::make_unique<RecordingSerialPort>();
        m_port = port.get();
        m_keyer->setSerialPort(std::move(port));
        s().keldoMode = Mode::HF;
    }
    // Every port the keyer failed to open was expected (and taken) by the test.
    void stopKeyer()
    {
        const bool unexpected = m_seen && !m_seen->openFailures.isEmpty();
        m_seen.reset();
        m_keyer.reset();
        m_port = nullptr;
        m_settings.reset();
        QVERIFY(!unexpected);
    }

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PttKeyer> m_keyer;
    std::unique_ptr<KeyingRecorder> m_seen;
    RecordingSerialPort* m_port = nullptr;
};
