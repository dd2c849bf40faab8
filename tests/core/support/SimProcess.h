#pragma once

// SimProcess: runs the practice modem (keldo-modem-sim) for a test.
//
//   SimProcess sim({"--step"});          // extra arguments, --port is added
//   QVERIFY2(sim.start(), qPrintable(sim.errorString()));
//   socket.connectToHost(sim.host(), sim.port());      // data: sim.dataPort()
//   QVERIFY(sim.waitForOutput("<- MYCALL N0CALL"));     // the sim saw it
//   sim.writeControl("step");                          // next report
//
// start() picks a free pair of loopback ports (command and command + 1)
// unless setPort() fixed one, starts the program and returns once it prints
// its "# listening" line; if the ports were taken in the meantime it retries
// with others. Arguments must not contain --port (use setPort()).
//
// Every stdout line of the program is kept in output(). The program logs
// "<- TEXT" for each command received, "-> TEXT" for each response sent,
// "<= N bytes: ..." / "=> N bytes: ..." for data in and out, and "# ..." for
// notes (see tools/modem-sim/README.md).
//
// waitForOutput() works like "expect": it looks for the line from a cursor on,
// and on success moves the cursor past the line found, so consecutive calls
// check order. Use it before a "step" that depends on bytes the test just
// wrote: the sim reads its socket and its stdin independently, so wait until
// it has logged the bytes ("<= ...") before asking for the step.
//
// Waiting processes events (QTest::qWaitFor), so sockets and other objects of
// the test keep running. The destructor asks the program to quit and kills it
// if it does not.
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <functional>

class SimProcess : public QObject
{
    Q_OBJECT
public:
    explicit SimProcess(const QStringList& arguments = {}, QObject* parent = nullptr);
    ~SimProcess() override;

    // Path of the built keldo-modem-sim.
    static QString program();
    // A command port whose next port is free too, on 127.0.0.1; 0 if none found.
    static quint16 freePortPair();

    // Another copy of the program (for instance under another file name).
    void setProgram(const QString& path) { m_process.setProgram(path); }
    // A fixed command port instead of a free pair (0, the default, picks one).
    void setPort(quint16 port) { m_fixedPort = port; }
    bool start(int timeoutMs = 10000);
    // Asks the program to quit ("quit" on stdin), waits, kills it if needed.
    // Returns true when it ended on its own with exit code 0.
    bool stop(int timeoutMs = 5000);
    bool isRunning() const;

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    quint16 dataPort() const { return quint16(m_port + 1); }

    // One control line (see the README); the newline is added.
    void writeControl(const QString& line);

    QStringList output() const { return m_lines; }
    QString outputText() const { return m_lines.join(QLatin1Char('\n')); }
    bool hasOutput(const QString& line) const { return m_lines.contains(line); }

    // Waits for an exact line at or after the cursor; moves the cursor past it.
    bool waitForOutput(const QString& line, int timeoutMs = 10000);
    // The same for the first line matching a pattern; returns it (or an empty text).
    QString waitForOutputMatch(const QRegularExpression& pattern, int timeoutMs = 10000);
    int cursor() const { return m_cursor; }
    void setCursor(int index) { m_cursor = index; }
    // Moves the cursor to the end: later waits see only new lines.
    void skipOutput() { m_cursor = int(m_lines.size()); }

    QString errorString() const { return m_error; }
    QProcess& process() { return m_process; }

private:
    void readStdout();
    int findFromCursor(const std::function<bool(const QString&)>& match) const;

    QStringList m_args;
    QProcess m_process;
    QStringList m_lines;
    QByteArray m_partial;
    QByteArray m_stderr;
    int m_cursor = 0;
    quint16 m_port = 0;
    quint16 m_fixedPort = 0;
    QString m_error;
};
