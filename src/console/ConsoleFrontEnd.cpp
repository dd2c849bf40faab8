#include "ConsoleFrontEnd.h"

#include "ConsoleInput.h"
#include "ConsoleOutput.h"
#include "Station.h"
#include "ptt/PttKeyer.h"
#include "terminal/RxFeed.h"

#include <QCoreApplication>

ConsoleFrontEnd::ConsoleFrontEnd(Station& station, ConsoleOutput& out, ConsoleInput& in, QObject* parent)
    : QObject(parent)
    , m_station(station)
    , m_out(out)
    , m_lifecycle(std::make_unique<Lifecycle>(station, *this))
    , m_feed(std::make_unique<RxFeed>(station.rx))
{
    // The RX screen's text carries the conversation, its headers, banners
    // and notices: printed as it grows.
    connect(m_feed.get(), &RxFeed::appended, this, [this](const QString& text, Speaker) { printReceived(text); });
    connect(m_feed.get(), &RxFeed::cleared, this, [this] { say(QLatin1Char('*'), tr("Screen cleared")); });

    // Every request for the operator (a port that will not open included).
    connect(&station, &Station::attentionRequested, this, [this](const Attention& a) {
        say(QLatin1Char('!'), QString(a.text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    });
    // Nobody here to ask: a QSO is logged as it stands.
    connect(&station, &Station::qsoToLog, this, [this](const QsoRecord& qso) {
        if (!m_station.inControl(ControlSide::Console))
            return; // the browser in control is asked
        QString error;
        if (m_station.logQso(qso, &error))
            say(QLatin1Char('*'), tr("QSO with %1 logged").arg(qso.call));
        else
            say(QLatin1Char('!'), tr("QSO with %1 not logged: %2").arg(qso.call, error));
    });
    connect(&station, &Station::incomingCall, this,
            [this](const QString& caller) { say(QLatin1Char('*'), tr("%1 is calling").arg(caller)); });
    connect(&station, &Station::alertWordReceived, this, [this](const QString& other, const QString& word) {
        say(QLatin1Char('*'), tr("Alert word from %1: %2").arg(other, word));
    });
    connect(&station.keying.keyer(), &PttKeyer::keyingFailed, this, [this](const KeyingFailure& f) {
        say(QLatin1Char('!'), f.where.isEmpty() ? tr("PTT: %1").arg(f.why) : tr("PTT %1: %2").arg(f.where, f.why));
    });
    connect(&station.terminal, &Terminal::unsentReturned, this, [this](const QString& text) {
        if (!text.isEmpty())
            say(QLatin1Char('!'), tr("Not sent: %1").arg(ConsoleTextFilter().feed(text)));
    });

    // Remote operation: what the web front end does, and who holds control.
    connect(&station, &Station::remoteAccessChanged, this, [this](const RemoteAccessState& access) {
        if (access.reason != m_remoteReason) {
            m_remoteReason = access.reason;
            say(QLatin1Char('*'), tr("Remote access: %1").arg(access.reason));
        }
    });
    connect(&station, &Station::controlChanged, this,
            [this](ControlSide side) { say(QLatin1Char('*'), tr("In control: %1").arg(ControlSideName(side))); });

    connect(&in, &ConsoleInput::lineRead, this, &ConsoleFrontEnd::lineTyped);
    connect(&in, &ConsoleInput::lineTooLong, this, [this] { say(QLatin1Char('!'), tr("Line too long: not sent")); });
    // With its input gone the console can no longer answer: the station
    // takes the safe choices, and runs on until a signal ends it.
    connect(&in, &ConsoleInput::inputEnded, this, [this] {
        if (m_answering) {
            m_answering = false;
            m_station.detachAnswerer();
        }
    });
    if (!in.ended()) {
        m_answering = true;
        m_station.attachAnswerer();
    }
}

ConsoleFrontEnd::~ConsoleFrontEnd()
{
    if (m_answering)
        m_station.detachAnswerer();
}

void ConsoleFrontEnd::say(QChar marker, const QString& text)
{
    QString line;
    if (!m_filter.atLineStart())
        line += QLatin1Char('\n');
    line += marker + QLatin1Char(' ') + ConsoleTextFilter().feed(text) + QLatin1Char('\n');
    m_out.write(line.toLocal8Bit());
    // What follows starts on a line of its own, and a CR LF split around
    // this line still counts as one break.
    m_filter = ConsoleTextFilter();
}

void ConsoleFrontEnd::printReceived(const QString& text)
{
    m_out.write(m_filter.feed(text).toLocal8Bit());
}

void ConsoleFrontEnd::lineTyped(const QString& line)
{
    using Kind = ConsoleCommand::Kind;
    const ConsoleCommand c = ConsoleCommand::parse(line);
    // While a browser is in control this console watches: it may look, ask
    // for help, take control back or end, but not send, call or stop.
    const bool acts = c.kind == Kind::Text || c.kind == Kind::Connect || c.kind == Kind::Stop || c.kind == Kind::Clear
        || c.kind == Kind::Macro;
    if (acts && !m_station.inControl(ControlSide::Console)) {
        say(QLatin1Char('!'), tr("%1 is in control: /control takes it back").arg(ControlSideName(m_station.control())));
        return;
    }
    switch (c.kind) {
    case Kind::Text:
        if (c.text.isEmpty())
            return;
        if (!m_station.sendText(c.text))
            say(QLatin1Char('!'), tr("Not sent: no connection"));
        return;
    case Kind::Connect:
        if (!m_station.connectTo(c.call, c.via.value(0), c.via.value(1)))
            say(QLatin1Char('!'), tr("Cannot call %1: not a call sign, or the modem is not linked").arg(c.call));
        return;
    case Kind::Stop:
        m_station.stop();
        return;
    case Kind::Clear:
        m_station.clear();
        return;
    case Kind::Macro: {
        const int n = c.macro;
        const bool known = m_station.runMacro(n - 1, this, [this, n](const ExpandedMacro& m) {
            if (!m.send)
                say(QLatin1Char('*'), tr("F%1 does not end in <SEND>; type it to send it: %2").arg(n).arg(m.text));
            else if (!m.text.isEmpty() && m_station.inControl(ControlSide::Console) && !m_station.sendText(m.text))
                say(QLatin1Char('!'), tr("Not sent: no connection"));
        });
        if (!known)
            say(QLatin1Char('!'), tr("F%1 has no macro").arg(n));
        return;
    }
    case Kind::Status:
        printStatus();
        return;
    case Kind::Control:
        m_station.takeControl(ControlSide::Console);
        return;
    case Kind::Help:
        printHelp();
        return;
    case Kind::Quit:
        closeWindow();
        return;
    case Kind::Invalid:
        say(QLatin1Char('!'), c.text);
        return;
    }
}

void ConsoleFrontEnd::printStatus()
{
    const ConnectionState& conn = m_station.conn;
    const Settings& s = m_station.s();
    say(QLatin1Char('*'), tr("Modem link: %1").arg(m_station.modemLinked() ? tr("up") : tr("down")));
    if (conn.ConnectionActive)
        say(QLatin1Char('*'),
            tr("Connected with %1, %2 bytes received").arg(conn.OtherStation()).arg(conn.BytesReceived));
    else
        say(QLatin1Char('*'), tr("Not connected"));
    say(QLatin1Char('*'), tr("My call sign: %1; QSO logging %2").arg(s.myCallsign, s.logQsos ? tr("on") : tr("off")));
    say(QLatin1Char('*'), tr("In control: %1").arg(ControlSideName(m_station.control())));
}

void ConsoleFrontEnd::printHelp()
{
    const QStringList lines = {
        tr("A line is sent as typed (start it with // to send a /)."),
        tr("/connect CALL [VIA1 [VIA2]]  call a station"),
        tr("/stop                        end the connection or the call"),
        tr("/clear                       clear the screen"),
        tr("/f1 ... /f12                 the macros"),
        tr("/status                      the link, the connection, who is in control"),
        tr("/control                     take control back from a browser"),
        tr("/quit                        end, as closing the window does"),
    };
    for (const QString& l : lines)
        say(QLatin1Char('*'), l);
}

void ConsoleFrontEnd::setWaitingToClose()
{
    say(QLatin1Char('*'), tr("Waiting for the modem to end the connection..."));
}

void ConsoleFrontEnd::closeWindow()
{
    // Asked again by the lifecycle once it has waited for the modem.
    if (m_lifecycle->closeRequested() && !m_closed) {
        m_closed = true;
        QCoreApplication::quit();
    }
}
