#include "frmKeldoTerminal.h"

#include "Lifecycle.h"
#include "app/DesktopStation.h"
#include "app/IncomingCallAlert.h"
#include "app/Links.h"
#include "app/frmAbout.h"
#include "settings/Language.h"
#include "settings/SettingsLocation.h"
#include "terminal/SpeakerColours.h"
#include "widgets/ImageList.h"
#include "widgets/MessageBox.h"
#include "widgets/RxScreenView.h"
#include "widgets/Shell.h"
#include "widgets/StatusPanels.h"
#include "widgets/Twips.h"

#include "dialogs/frmConnect.h"
#include "dialogs/frmLogbook.h"
#include "dialogs/frmMacros.h"
#include "dialogs/frmPTT.h"
#include "dialogs/frmRemote.h"
#include "dialogs/frmSetup.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTextCursor>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

namespace {

const int FontSizes[] = {10, 11, 12, 16, 20};

QFont DesignFont()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(11.25);
    return f;
}

QPixmap SendPicture()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 80, 170), 1.5));
    p.setBrush(QColor(70, 140, 230));
    QPolygonF plane({QPointF(3, 15), QPointF(29, 4), QPointF(21, 28), QPointF(15, 19)});
    p.drawPolygon(plane);
    p.drawLine(QPointF(29, 4), QPointF(15, 19));
    return pm;
}

// A menu-bar command's shortcut, which the bar itself does not show.
void Announce(QAction* a, const QKeySequence& keys, const QString& what)
{
    a->setShortcut(keys);
    const QString tip = QStringLiteral("%1 (%2)").arg(what, keys.toString(QKeySequence::NativeText));
    a->setToolTip(tip);
    a->setStatusTip(tip);
}

} // namespace

frmKeldoTerminal::frmKeldoTerminal(DesktopStation& station, QWidget* parent)
    : QMainWindow(parent)
    , m_station(station)
    , m_lifecycle(std::make_unique<Lifecycle>(station, *this))
{
    setObjectName(QStringLiteral("frmKeldoTerminal"));
    setWindowIcon(QIcon(ImageList::Picture(QStringLiteral("Terminal"))));
    buildMenus();
    buildControls();

    m_panelFrame.setSingleShot(true);
    m_panelFrame.setInterval(RxScreenView::FrameMs);
    connect(&m_panelFrame, &QTimer::timeout, this, &frmKeldoTerminal::syncStatusPanels);
    connect(&m_station.display, &DisplayState::changed, this, &frmKeldoTerminal::refreshFromDisplay);
    connect(&m_station.display, &DisplayState::txFocusRequested, this, [this] { m_tx->setFocus(); });
    connect(&m_station.display, &DisplayState::txTextReturned, this, &frmKeldoTerminal::putBackUnsentText);
    m_station.setMessageParent(this);

    m_alert = new IncomingCallAlert(this, this);
    connect(&m_station, &Station::incomingCall, this,
            [this](const QString& caller) { m_alert->announce(caller, m_station.s().notifyIncomingCall); });
    connect(&m_station, &Station::alertWordReceived, this, [this](const QString& other, const QString& word) {
        if (m_station.s().notifyIncomingCall)
            m_alert->announceAlertWord(other, word);
    });
    connect(&m_station, &Station::controlChanged, this, &frmKeldoTerminal::showControl);
    refreshFromDisplay();
    syncStatusPanels();
}

frmKeldoTerminal::~frmKeldoTerminal()
{
    m_station.setMessageParent(nullptr);
}

QAction* frmKeldoTerminal::addAction(QMenu* menu, const QString& name, const QString& caption)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (menu)
        menu->addAction(a);
    else
        menuBar()->addAction(a);
    return a;
}

void frmKeldoTerminal::addLanguageMenu(QMenu* settings)
{
    QMenu* menu = settings->addMenu(tr("Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(this);
    QStringList codes{QString()};
    codes << Language::Shipped() << QLatin1String(Language::English);
    for (const QString& code : codes) {
        // Each language by its own name, so that it is found from any other.
        QAction* a =
            addAction(menu, QStringLiteral("mnuLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code),
                      code.isEmpty() ? tr("System language") : Language::NativeName(code));
        a->setCheckable(true);
        a->setData(code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { mnuLanguage_Click(code); });
    }
    // The stored choice, read when the menu opens: the settings are loaded
    // after the menus are made.
    connect(menu, &QMenu::aboutToShow, this, [this, group] {
        for (QAction* a : group->actions())
            a->setChecked(a->data().toString() == m_station.s().language);
    });
}

void frmKeldoTerminal::mnuLanguage_Click(const QString& code)
{
    if (code == m_station.s().language)
        return;
    m_station.controller.setLanguage(code);
    MessageBox::show(this, tr("The language changes when KELDO Terminal is started again."),
                     MessageBox::Icon::Information);
}

QAction* frmKeldoTerminal::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void frmKeldoTerminal::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    QMenu* settings = bar->addMenu(tr("&Settings"));
    settings->setObjectName(QStringLiteral("mnuSettings"));
    QAction* setup = addAction(settings, QStringLiteral("mnuSetup"), tr("Terminal Setup..."));
    setup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(setup, &QAction::triggered, this, &frmKeldoTerminal::mnuSetup_Click);
    QAction* ptt = addAction(settings, QStringLiteral("mnuPTT"), tr("PTT..."));
    connect(ptt, &QAction::triggered, this, &frmKeldoTerminal::mnuPTT_Click);

    QMenu* size = settings->addMenu(tr("Font Size"));
    size->setObjectName(QStringLiteral("mnuSize"));
    auto* sizeGroup = new QActionGroup(this);
    sizeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int points : FontSizes) {
        QAction* a = addAction(size, QStringLiteral("mnuSize%1").arg(points), QString::number(points));
        a->setCheckable(true);
        sizeGroup->addAction(a);
        m_sizeActions << a;
        connect(a, &QAction::triggered, this, [this, points] { mnuSize_Click(points); });
    }
    QMenu* colour = settings->addMenu(tr("Colour"));
    colour->setObjectName(QStringLiteral("mnuColor"));
    QAction* black = addAction(colour, QStringLiteral("mnuColorNegro"), tr("Black"));
    QAction* white = addAction(colour, QStringLiteral("mnuColorBlanco"), tr("White"));
    for (QAction* a : {black, white}) {
        a->setCheckable(true);
        m_colourActions << a;
    }
    connect(black, &QAction::triggered, this, [this] { mnuColor_Click(QStringLiteral("Black")); });
    connect(white, &QAction::triggered, this, [this] { mnuColor_Click(QStringLiteral("White")); });
    colour->addSeparator();
    QAction* speakers = addAction(colour, QStringLiteral("mnuSpeakerColours"), tr("Speaker Colours"));
    speakers->setCheckable(true);
    connect(speakers, &QAction::triggered, this, &frmKeldoTerminal::mnuSpeakerColours_Click);
    QAction* stamps = addAction(settings, QStringLiteral("mnuTimeStamps"), tr("Time Stamps"));
    stamps->setCheckable(true);
    connect(stamps, &QAction::triggered, this, &frmKeldoTerminal::mnuTimeStamps_Click);

    settings->addSeparator();
    QAction* notify = addAction(settings, QStringLiteral("mnuNotify"), tr("Notify on Incoming Call"));
    notify->setCheckable(true);
    connect(notify, &QAction::triggered, this, &frmKeldoTerminal::mnuNotify_Click);
    QAction* log = addAction(settings, QStringLiteral("mnuLog"), tr("Log Conversations"));
    log->setCheckable(true);
    connect(log, &QAction::triggered, this, &frmKeldoTerminal::mnuLog_Click);
    connect(addAction(settings, QStringLiteral("mnuLogFolder"), tr("Log Folder...")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuLogFolder_Click);
    connect(addAction(settings, QStringLiteral("mnuLogbook"), tr("Logbook...")), &QAction::triggered, this,
            [this] { m_station.logbookDialog(this)->exec(); });
    connect(addAction(settings, QStringLiteral("mnuOpenLogsFolder"), tr("Open Logs Folder")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuOpenLogsFolder_Click);
    connect(addAction(settings, QStringLiteral("mnuRemote"), tr("Remote Access...")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuRemote_Click);
    settings->addSeparator();
    QAction* macros = addAction(settings, QStringLiteral("mnuMacros"), tr("Macros..."));
    macros->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    connect(macros, &QAction::triggered, this, &frmKeldoTerminal::mnuMacros_Click);
    QAction* macroBar = addAction(settings, QStringLiteral("mnuMacroBar"), tr("Show Macro Bar"));
    macroBar->setCheckable(true);
    connect(macroBar, &QAction::triggered, this, &frmKeldoTerminal::mnuMacroBar_Click);
    addLanguageMenu(settings);
    // F1 to F12 wherever the focus is in the window; a control that wants
    // one of them for itself (a find bar's F3) takes it by ShortcutOverride.
    for (int i = 0; i < MacroCount; ++i) {
        auto* key = new QAction(QStringLiteral("F%1").arg(i + 1), this);
        key->setObjectName(QStringLiteral("mnuF%1").arg(i + 1));
        key->setShortcut(QKeySequence(Qt::Key_F1 + i));
        key->setShortcutContext(Qt::WindowShortcut);
        connect(key, &QAction::triggered, this, [this, i] { runMacro(i); });
        QWidget::addAction(key);
    }

    // Ctrl+F: find in the RX screen, from anywhere in the window; the menu shows the key.
    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* find = addAction(edit, QStringLiteral("mnuFind"), tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] { m_rx->openFind(); });

    // The mode menu only carries check marks; the mode is chosen in the setup dialog.
    m_menuMode = bar->addMenu(tr("Mode"));
    m_menuMode->setObjectName(QStringLiteral("menuMode"));
    m_menuMode->menuAction()->setVisible(false);
    for (const auto& [name, caption] :
         {std::pair{"mnuKELDOHF", QT_TR_NOOP("KELDO HF")}, std::pair{"mnuKELDOFM1200", QT_TR_NOOP("KELDO FM")},
          std::pair{"mnuKELDOSAT", QT_TR_NOOP("KELDO SAT")}}) {
        QAction* a = addAction(m_menuMode, QLatin1String(name), tr(caption));
        a->setCheckable(true);
        a->setEnabled(false);
    }

    // Mnemonics clear of Alt+S (Settings), Alt+E (Edit) and Alt+H (Help).
    QAction* connectCmd = addAction(nullptr, QStringLiteral("mnuConnect"), tr("&Connect"));
    Announce(connectCmd, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), tr("Call a station"));
    connect(connectCmd, &QAction::triggered, this, &frmKeldoTerminal::mnuConnect_Click);
    QAction* stop = addAction(nullptr, QStringLiteral("mnuStop"), tr("S&top"));
    Announce(stop, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X), tr("End the connection"));
    connect(stop, &QAction::triggered, this, &frmKeldoTerminal::mnuStop_Click);
    QAction* clear = addAction(nullptr, QStringLiteral("mnuClear"), tr("C&lear"));
    Announce(clear, QKeySequence(Qt::CTRL | Qt::Key_L), tr("Empty the RX screen"));
    connect(clear, &QAction::triggered, this, &frmKeldoTerminal::mnuClear_Click);
    // Only while a browser holds control.
    QAction* take = addAction(nullptr, QStringLiteral("mnuTakeControl"), tr("T&ake Control"));
    Announce(take, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), tr("Operate the station from here again"));
    take->setVisible(false);
    connect(take, &QAction::triggered, this, &frmKeldoTerminal::mnuTakeControl_Click);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addAction(help, QStringLiteral("mnuGroup"), tr("KELDO Google Group")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuGroup_Click);
    connect(addAction(help, QStringLiteral("mnuSite"), tr("KELDO download site")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuSite_Click);
    connect(addAction(help, QStringLiteral("mnuChangeLog"), tr("ChangeLog")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuChangeLog_Click);
    connect(addAction(help, QStringLiteral("mnuAbout"), tr("About...")), &QAction::triggered, this,
            &frmKeldoTerminal::mnuAbout_Click);
}

void frmKeldoTerminal::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setMinimumSize(Twips::ToPixels(DesignClientWidth), Twips::ToPixels(DesignClientHeight));
    setCentralWidget(m_client);

    const QFont font = DesignFont();
    m_rx = new RxScreenView(m_station.rx, m_client);
    m_rx->setObjectName(QStringLiteral("txtMainChat"));
    m_rx->setFont(font);
    m_rx->setToolTip(tr("RX Screen"));
    m_rx->setAccessibleName(tr("Received text"));
    m_rx->setAccessibleDescription(tr("The conversation: what the other station sent and what you sent"));
    // Read-only, but reachable by keyboard to read back and select.
    m_rx->setFocusPolicy(Qt::StrongFocus);

    m_progress = new QProgressBar(m_client);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_progress->setAccessibleName(tr("Sending progress"));
    m_progress->setAccessibleDescription(tr("How much of the text being sent the modem has transmitted"));

    m_tx = new QPlainTextEdit(m_client);
    m_tx->setObjectName(QStringLiteral("txtTXChat"));
    m_tx->setFont(font);
    m_tx->setToolTip(tr("TX Screen"));
    m_tx->setAccessibleName(tr("Text to send"));
    m_tx->setAccessibleDescription(tr("Type your text here; Enter sends it"));
    m_tx->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tx->setTabChangesFocus(true);
    m_tx->installEventFilter(this);
    menuBar()->installEventFilter(this);

    m_send = new QToolButton(m_client);
    m_send->setObjectName(QStringLiteral("cmdEnviar"));
    m_send->setIcon(QIcon(SendPicture()));
    m_send->setIconSize(QSize(28, 28));
    m_send->setToolTip(tr("Send text (ENTER key)"));
    m_send->setAccessibleName(tr("Send"));
    m_send->setAccessibleDescription(tr("Sends the typed text to the other station (Enter key)"));
    m_send->setFocusPolicy(Qt::StrongFocus);
    connect(m_send, &QToolButton::clicked, this, &frmKeldoTerminal::cmdEnviar_Click);

    m_macroBar = new QWidget(m_client);
    m_macroBar->setObjectName(QStringLiteral("macroBar"));
    m_macroBar->setAccessibleName(tr("Macros"));
    auto* row = new QHBoxLayout(m_macroBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < MacroCount; ++i) {
        auto* b = new QToolButton(m_macroBar);
        b->setObjectName(QStringLiteral("cmdMacro%1").arg(i + 1));
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        // The caret stays in the TX box.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { runMacro(i); });
        row->addWidget(b);
        m_macroButtons << b;
    }
    m_macroBar->hide();

    m_status = new StatusPanels(m_client);
    setTabOrder(m_rx, m_tx);
    setTabOrder(m_tx, m_send);

    // Design colours: green on black, until start-up applies the stored scheme.
    for (QPlainTextEdit* pane : {static_cast<QPlainTextEdit*>(m_rx), m_tx}) {
        QPalette pal = pane->palette();
        pal.setColor(QPalette::Base, Qt::black);
        pal.setColor(QPalette::Text, QColor(0, 255, 0));
        pane->setPalette(pal);
    }
    layoutControls();
}

// The resize rule, on the client area below the menu bar. Every value is the
// design value plus the growth beyond the minimum; the minimum itself is
// enforced by the client area's minimum size.
void frmKeldoTerminal::layoutControls()
{
    if (isMinimized())
        return;
    const int w = Twips::FromPixels(m_client->width());
    const int h = Twips::FromPixels(m_client->height());
    const auto px = Twips::ToPixels;
    // The macro bar pushes everything above it up by its row.
    const int bar = m_macroBar->isVisibleTo(m_client) ? MacroBarHeight : 0;
    m_rx->setGeometry(px(120), px(120), px(w - 210), px(h - 1680 - bar));
    m_progress->setGeometry(px(120), px(h - 1455 - bar), px(w - 210), px(255));
    m_tx->setGeometry(px(120), px(h - 1095 - bar), px(w - 930), px(615));
    m_send->setGeometry(px(w - 705), px(h - 1095 - bar), px(615), px(615));
    m_macroBar->setGeometry(px(120), px(h - 420 - bar), px(w - 210), px(bar - 60));
    m_status->setGeometry(0, px(h - 375), m_client->width(), px(375));
    // The rest of the width: what the other panels grew by with the font comes off here.
    m_status->setPanelWidth(Panel::Indicativos, px(w - 3775) - m_status->growthOfFixedPanels());
}

void frmKeldoTerminal::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyPendingOuterSize();
    layoutControls();
    handPlacement();
}

void frmKeldoTerminal::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    applyPendingOuterSize();
    handPlacement();
}

void frmKeldoTerminal::applyPendingOuterSize()
{
    if (!m_pendingOuterSize.isValid() || !windowHandle())
        return;
    const QMargins m = windowHandle()->frameMargins();
    if (m.isNull())
        return;
    const QSize outer = m_pendingOuterSize;
    m_pendingOuterSize = QSize();
    if (windowState() == Qt::WindowNoState)
        resize(qMax(1, outer.width() - m.left() - m.right()), qMax(1, outer.height() - m.top() - m.bottom()));
}

void frmKeldoTerminal::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        layoutControls();
        handPlacement();
    }
}

void frmKeldoTerminal::syncStatusPanels()
{
    m_panelFrame.stop();
    const DisplayState& d = m_station.display;
    for (Panel key : StatusPanels::keys())
        m_status->setPanel(key, d.panel(key));
    const bool here = inControl();
    action(QStringLiteral("mnuConnect"))->setEnabled(here && d.connectEnabled());
    action(QStringLiteral("mnuStop"))->setEnabled(here && d.stopEnabled());
    action(QStringLiteral("mnuClear"))->setEnabled(here && d.clearEnabled());
    action(QStringLiteral("mnuPTT"))->setVisible(d.pttMenuVisible());
    action(QStringLiteral("mnuKELDOHF"))->setChecked(d.modeChecked(Mode::HF));
    action(QStringLiteral("mnuKELDOFM1200"))->setChecked(d.modeChecked(Mode::FM));
    action(QStringLiteral("mnuKELDOSAT"))->setChecked(d.modeChecked(Mode::SAT));
    m_send->setVisible(d.sendVisible());
    m_progress->setValue(d.progressValue());
    m_progress->setVisible(d.progressVisible());
    if (windowTitle() != d.caption())
        setWindowTitle(d.caption());
}

void frmKeldoTerminal::refreshFromDisplay()
{
    // What the window shows changes on every arrival (the byte counter) and
    // several times in every over; like the RX screen it follows at most
    // once per frame, so a flood repaints the window once per frame.
    if (!m_panelFrame.isActive())
        m_panelFrame.start();
}

bool frmKeldoTerminal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menuBar() && event->type() == QEvent::ToolTip) {
        // A menu bar shows no tooltips by itself, and the commands on it keep
        // their shortcuts there.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* a = menuBar()->actionAt(help->pos());
        if (a && !a->menu() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            QToolTip::showText(help->globalPos(), a->toolTip(), menuBar());
        else
            QToolTip::hideText();
        return true;
    }
    if (watched == m_tx && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+End also brings the RX screen back to its newest text; the
        // TX box goes to its own end as usual.
        if (key->matches(QKeySequence::MoveToEndOfDocument))
            m_rx->followEnd();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter never enters the TX box.
            sendFromKeyboard();
            return true;
        }
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && recallSent(key->key() == Qt::Key_Up))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmKeldoTerminal::inControl() const
{
    return m_station.inControl(m_station.localSide());
}

void frmKeldoTerminal::showControl()
{
    const bool here = inControl();
    QString watching;
    if (!here) {
        const QString who = m_station.controllerName().isEmpty()
            ? ControlSideName(m_station.control())
            : tr("%1 (%2)").arg(ControlSideName(m_station.control()), m_station.controllerName());
        watching =
            tr("In control: %1. This window only watches; Take Control (Ctrl+Shift+T) operates from here.").arg(who);
    }
    action(QStringLiteral("mnuTakeControl"))->setVisible(!here);
    m_send->setEnabled(here);
    m_send->setToolTip(here ? tr("Send text (ENTER key)") : watching);
    m_tx->setToolTip(here ? tr("TX Screen") : watching);
    m_macroBar->setToolTip(watching);
    m_status->setToolTip(watching);
    for (int i = 0; i < MacroCount; ++i)
        action(QStringLiteral("mnuF%1").arg(i + 1))->setEnabled(here);
    showMacroLabels();
    syncStatusPanels();
}

void frmKeldoTerminal::sendFromKeyboard()
{
    if (!inControl())
        return;
    // Sends only while sending is allowed, or queues the text during an
    // over ("Type Ahead").
    if (m_station.display.sendVisible() || m_station.takesTypeAhead())
        cmdEnviar_Click();
}

bool frmKeldoTerminal::recallSent(bool older)
{
    // Only from the first line up or the last line down; elsewhere the
    // arrows move the caret as usual.
    QTextCursor probe = m_tx->textCursor();
    probe.clearSelection();
    if (probe.movePosition(older ? QTextCursor::Up : QTextCursor::Down))
        return false;
    const std::optional<QString> text = older ? m_sent.older(m_tx->toPlainText()) : m_sent.newer();
    if (!text)
        return false;
    m_tx->setPlainText(*text);
    m_tx->moveCursor(QTextCursor::End);
    return true;
}

void frmKeldoTerminal::runMacro(int index)
{
    if (!inControl())
        return;
    m_station.runMacro(index, this, [this](const ExpandedMacro& expanded) {
        m_tx->insertPlainText(expanded.text);
        m_tx->setFocus();
        if (expanded.send)
            sendFromKeyboard();
    });
}

void frmKeldoTerminal::showMacroLabels()
{
    const MacroSet& macros = m_station.s().macros;
    for (int i = 0; i < MacroCount; ++i) {
        const Macro& m = macros[size_t(i)];
        QToolButton* b = m_macroButtons[i];
        const QString key = QStringLiteral("F%1").arg(i + 1);
        // A tool button takes '&' for a mnemonic: "Name & QTH" shows as typed.
        // The key on the button too, so that it is learnt by looking.
        b->setText(m.label.isEmpty()
                       ? key
                       : key + QLatin1Char(' ') + QString(m.label).replace(QLatin1Char('&'), QLatin1String("&&")));
        b->setEnabled(!m.text.isEmpty() && inControl());
        b->setToolTip(QStringLiteral("%1: %2").arg(key, m.text));
        b->setAccessibleName(QStringLiteral("%1 %2").arg(key, m.label).trimmed());
    }
}

void frmKeldoTerminal::showMacroBar(bool on, bool grow)
{
    action(QStringLiteral("mnuMacroBar"))->setChecked(on);
    if (on == m_macroBar->isVisibleTo(m_client))
        return;
    const int row = Twips::ToPixels(MacroBarHeight);
    m_macroBar->setVisible(on);
    m_client->setMinimumSize(Twips::ToPixels(DesignClientWidth),
                             Twips::ToPixels(DesignClientHeight + (on ? MacroBarHeight : 0)));
    // The RX screen keeps its size: the window takes the row.
    if (grow && windowState() == Qt::WindowNoState)
        resize(width(), height() + (on ? row : -row));
    layoutControls();
}

void frmKeldoTerminal::putBackUnsentText(const QString& text)
{
    // In front of anything typed since, selected: Delete drops it, Enter on
    // the next connection sends it.
    QTextCursor cursor(m_tx->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(text);
    cursor.setPosition(0);
    cursor.setPosition(int(text.size()), QTextCursor::KeepAnchor);
    m_tx->setTextCursor(cursor);
}

void frmKeldoTerminal::cmdEnviar_Click()
{
    if (!inControl())
        return;
    const QString text = m_tx->toPlainText();
    if (m_station.sendText(text)) {
        // A draft put aside to recall this text comes back.
        m_tx->setPlainText(m_sent.add(text));
        // Sending ends reading back: the echo and the answer are what matter now.
        m_rx->followEnd();
    }
}

// ---- Start-up -------------------------------------------------------------------

void frmKeldoTerminal::placeWindow(int topTwips, int leftTwips)
{
    QPoint pos(Twips::ToPixels(leftTwips), Twips::ToPixels(topTwips));
    // A position out of reach of every screen is moved onto the nearest one.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!screens.isEmpty()) {
        const QSize size = frameGeometry().size();
        bool reachable = false;
        QScreen* nearest = screens.first();
        qint64 best = -1;
        for (QScreen* screen : screens) {
            const QRect area = screen->availableGeometry();
            // Reachable: enough of the title area lies on the screen to grab it.
            if (area.intersects(QRect(pos, QSize(size.width(), 30)))
                && area.intersected(QRect(pos, QSize(size.width(), 30))).width() >= 40) {
                reachable = true;
                break;
            }
            const QPoint c = area.center();
            const qint64 dx = c.x() - pos.x(), dy = c.y() - pos.y();
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                nearest = screen;
            }
        }
        if (!reachable) {
            const QRect area = nearest->availableGeometry();
            pos.setX(qBound(area.left(), pos.x(), qMax(area.left(), area.right() - size.width())));
            pos.setY(qBound(area.top(), pos.y(), qMax(area.top(), area.bottom() - size.height())));
        }
    }
    move(pos);
}

bool frmKeldoTerminal::Form_Load(const QString& programPath)
{
    const bool running = m_lifecycle->startUp(programPath);
    // The window opens showing where things stand, not a frame later.
    syncStatusPanels();
    return running;
}

void frmKeldoTerminal::showStoredOptions()
{
    const Settings& s = m_station.s();
    action(QStringLiteral("mnuNotify"))->setChecked(s.notifyIncomingCall);
    action(QStringLiteral("mnuLog"))->setChecked(s.logConversations);
    showMacroLabels();
    showMacroBar(s.showMacroBar, false);
    action(QStringLiteral("mnuTimeStamps"))->setChecked(s.timeStamps);
}

void frmKeldoTerminal::setProgramFolderFrom(const QString& programPath)
{
    m_programFolder = QFileInfo(programPath).absolutePath();
}

void frmKeldoTerminal::restoreStoredWindow()
{
    const Settings& s = m_station.s();
    // State and size.
    const int state = (s.windowState == 1 || s.windowState == 2) ? s.windowState : 0;
    if (state == 0) {
        // The stored size is the outer size; the frame is known only once the
        // window manager has framed the window, so it is taken off then too.
        m_pendingOuterSize = QSize(Twips::ToPixels(s.terminalWidth), Twips::ToPixels(s.terminalHeight));
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(qMax(1, m_pendingOuterSize.width() - frame.width()),
               qMax(1, m_pendingOuterSize.height() - frame.height()));
        if (!frame.isEmpty())
            m_pendingOuterSize = QSize();
        setWindowState(Qt::WindowNoState);
    } else {
        setWindowState(state == 1 ? Qt::WindowMinimized : Qt::WindowMaximized);
    }
    // Font size and colour.
    for (int points : FontSizes)
        if (s.fontSize == points)
            mnuSize_Click(points);
    if (s.colour == QLatin1String("White"))
        mnuColor_Click(QStringLiteral("White"));
    else if (s.colour == QLatin1String("Black"))
        mnuColor_Click(QStringLiteral("Black"));
    if (s.speakerColours)
        mnuSpeakerColours_Click(true);
}

// ---- Shutdown -------------------------------------------------------------------

void frmKeldoTerminal::handPlacement()
{
    // Every save writes the state and size the window has then.
    WindowPlacement p;
    p.state = isMinimized() ? 1 : (isMaximized() || isFullScreen()) ? 2 : 0;
    if (p.state == 0) {
        const QRect frame = frameGeometry();
        p.width = Twips::FromPixels(frame.width());
        p.height = Twips::FromPixels(frame.height());
    }
    m_station.controller.setWindowPlacement(p);
}

void frmKeldoTerminal::Form_Unload()
{
    m_lifecycle->shutDown();
}

bool frmKeldoTerminal::isShutDown() const
{
    return m_lifecycle->isShutDown();
}

void frmKeldoTerminal::recordPositionForSave()
{
    handPlacement();
    if (isMinimized())
        return;
    const QPoint pos = frameGeometry().topLeft();
    m_station.controller.setWindowPosition(Twips::FromPixels(pos.y()), Twips::FromPixels(pos.x()));
}

void frmKeldoTerminal::closeBoxes()
{
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}

void frmKeldoTerminal::closeOtherWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && w->objectName() != objectName())
            w->close();
    }
}

void frmKeldoTerminal::closeEvent(QCloseEvent* event)
{
    if (!m_lifecycle->closeRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

void frmKeldoTerminal::setCloseWaitInterval(int ms)
{
    m_lifecycle->setCloseWaitInterval(ms);
}

bool frmKeldoTerminal::waitingToClose() const
{
    return m_lifecycle->waitingToClose();
}

// ---- Menu commands --------------------------------------------------------------

void frmKeldoTerminal::mnuSetup_Click()
{
    m_station.setupDialog(this)->exec();
}

void frmKeldoTerminal::mnuMacros_Click()
{
    m_station.macrosDialog(this)->exec();
    showMacroLabels();
    showMacroBar(m_station.s().showMacroBar, true);
}

void frmKeldoTerminal::mnuRemote_Click()
{
    m_station.remoteDialog(this)->exec();
}

void frmKeldoTerminal::mnuTakeControl_Click()
{
    m_station.takeControl(ControlSide::Desktop);
}

void frmKeldoTerminal::mnuMacroBar_Click(bool on)
{
    m_station.controller.setShowMacroBar(on);
    showMacroBar(on, true);
}

void frmKeldoTerminal::mnuPTT_Click()
{
    m_station.pttDialog(this)->exec();
}

void frmKeldoTerminal::mnuConnect_Click()
{
    if (!inControl())
        return;
    if (!m_station.modemLinked()) {
        MessageBox::show(this, tr("KELDO Terminal is not connected with KELDO Modem"), MessageBox::Icon::Warning);
        return;
    }
    m_tx->setFocus();
    m_station.connectDialog(this)->exec();
}

void frmKeldoTerminal::mnuStop_Click()
{
    if (!inControl())
        return;
    m_station.stop();
}

void frmKeldoTerminal::mnuClear_Click()
{
    if (!inControl())
        return;
    m_station.clear();
}

void frmKeldoTerminal::mnuGroup_Click()
{
    Shell::current().openDocument(QString::fromLatin1(Links::GoogleGroup));
}

void frmKeldoTerminal::mnuSite_Click()
{
    Shell::current().openDocument(QString::fromLatin1(Links::DownloadSite));
}

void frmKeldoTerminal::mnuChangeLog_Click()
{
    const QString name = QStringLiteral("KELDOTerminalChangeLog.txt");
    // Beside the program, or in the documentation folder of an installed one.
    const QString folder = m_programFolder.isEmpty() ? Station::ProgramFolder() : m_programFolder;
    for (const QString& path : ChangeLogCandidates(folder)) {
        Shell& shell = Shell::current();
        if (!shell.fileExists(path))
            continue;
        if (!shell.documentViewerAvailable()) {
            // Opening would fail without a word.
            MessageBox::show(this,
                             tr("No program to show text files was found (such as xdg-open).\n"
                                "The change log is the file %1")
                                 .arg(QDir::toNativeSeparators(path)),
                             MessageBox::Icon::Information);
        } else {
            shell.openDocument(path);
        }
        return;
    }
    MessageBox::show(this, tr("%1 not found").arg(name), MessageBox::Icon::Information);
}

void frmKeldoTerminal::mnuAbout_Click()
{
    frmAbout about(m_station.settings.filePath(), this);
    about.exec();
}

void frmKeldoTerminal::mnuSize_Click(int points)
{
    for (int i = 0; i < m_sizeActions.size(); ++i)
        m_sizeActions[i]->setChecked(FontSizes[i] == points);
    m_station.controller.setFontSize(points);
    for (QWidget* pane : {static_cast<QWidget*>(m_rx), static_cast<QWidget*>(m_tx)}) {
        QFont f = pane->font();
        f.setPointSize(points);
        pane->setFont(f);
    }
}

void frmKeldoTerminal::mnuColor_Click(const QString& scheme)
{
    const bool white = scheme == QLatin1String("White");
    m_colourActions[0]->setChecked(!white);
    m_colourActions[1]->setChecked(white);
    m_station.controller.setColour(scheme);
    const SchemeColours colours = ColoursOf(white ? ColourScheme::White : ColourScheme::Black);
    for (QPlainTextEdit* pane : {static_cast<QPlainTextEdit*>(m_rx), m_tx}) {
        QPalette pal = pane->palette();
        pal.setColor(QPalette::Base, colours.background);
        pal.setColor(QPalette::Text, colours.text);
        pane->setPalette(pal);
    }
    m_rx->setSchemeColours(colours);
}

void frmKeldoTerminal::mnuSpeakerColours_Click(bool on)
{
    action(QStringLiteral("mnuSpeakerColours"))->setChecked(on);
    m_station.controller.setSpeakerColours(on);
    m_rx->setSpeakerColours(on);
}

void frmKeldoTerminal::mnuNotify_Click(bool on)
{
    action(QStringLiteral("mnuNotify"))->setChecked(on);
    m_station.controller.setNotifyIncomingCall(on);
}

void frmKeldoTerminal::mnuTimeStamps_Click(bool on)
{
    action(QStringLiteral("mnuTimeStamps"))->setChecked(on);
    m_station.controller.setTimeStamps(on);
}

void frmKeldoTerminal::mnuLog_Click(bool on)
{
    action(QStringLiteral("mnuLog"))->setChecked(on);
    m_station.controller.setLogConversations(on);
}

void frmKeldoTerminal::mnuOpenLogsFolder_Click()
{
    const QString folder = m_station.logFolder();
    // A folder not made yet opens too: nothing was logged, but the operator sees where it will be.
    QDir().mkpath(folder);
    // With no opener on the desktop nothing would happen: say where it is.
    if (!Shell::current().openDocument(folder))
        MessageBox::show(this,
                         tr("The logs folder could not be opened: no program to open folders was found.\n"
                            "The logs are in %1")
                             .arg(QDir::toNativeSeparators(folder)),
                         MessageBox::Icon::Information);
}

void frmKeldoTerminal::mnuLogFolder_Click()
{
    const QString chosen = Shell::current().chooseFolder(this, tr("Log Folder"), m_station.logFolder());
    if (!chosen.isEmpty())
        m_station.controller.setLogFolder(chosen);
}
