#pragma once

#include "Lifecycle.h"
#include "terminal/SentHistory.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class RxScreenView;
class DesktopStation;
class StatusPanels;
class IncomingCallAlert;

// The main window: owns its controls and wires their events to the logic.
class frmKeldoTerminal : public QMainWindow, public LifecycleFrontEnd
{
    Q_OBJECT
public:
    // Design client area below the menu bar, in twips.
    static constexpr int DesignClientWidth = 8025;
    static constexpr int DesignClientHeight = 5295;
    // What the row of macro buttons adds below the TX box, in twips.
    static constexpr int MacroBarHeight = 405;

    explicit frmKeldoTerminal(DesktopStation& station, QWidget* parent = nullptr);
    ~frmKeldoTerminal() override;

    // The start-up sequence (see Lifecycle). Returns false when the program
    // must end at once. programPath: the program file, whose folder may hold
    // the change log.
    bool Form_Load(const QString& programPath);
    // The shutdown sequence; runs once, whatever ends the program.
    void Form_Unload();
    bool isShutDown() const;
    void setCloseWaitInterval(int ms);
    bool waitingToClose() const;

    DesktopStation& station() { return m_station; }
    Lifecycle& lifecycle() { return *m_lifecycle; }

    // Controls, for the dialogs and the tests.
    RxScreenView* txtMainChat() const { return m_rx; }
    QProgressBar* progressBar() const { return m_progress; }
    QPlainTextEdit* txtTXChat() const { return m_tx; }
    QToolButton* cmdEnviar() const { return m_send; }
    QWidget* macroBar() const { return m_macroBar; }
    StatusPanels* stbStatus() const { return m_status; }
    QAction* action(const QString& objectName) const;
    // Brings the status panels and the progress bar up to date now (they
    // follow once per frame).
    void syncStatusPanels();

    // Menu commands.
    void mnuSetup_Click();
    void mnuPTT_Click();
    void mnuConnect_Click();
    void mnuStop_Click();
    void mnuClear_Click();
    void mnuGroup_Click();
    void mnuSite_Click();
    void mnuChangeLog_Click();
    void mnuAbout_Click();
    void mnuSize_Click(int points);
    void mnuColor_Click(const QString& scheme);
    void mnuSpeakerColours_Click(bool on);
    void mnuNotify_Click(bool on);
    void mnuTimeStamps_Click(bool on);
    void mnuLog_Click(bool on);
    void mnuLogFolder_Click();
    void mnuOpenLogsFolder_Click();
    void mnuMacros_Click();
    void mnuMacroBar_Click(bool on);
    void mnuRemote_Click();
    // The desktop takes control back from a browser.
    void mnuTakeControl_Click();
    // Settings -> Language: code is a shipped language, "en", or empty for the system's.
    void mnuLanguage_Click(const QString& code);
    void cmdEnviar_Click();
    // Macro index (0 for F1) typed into the TX box at the caret, and sent
    // when it ends in <SEND>.
    void runMacro(int index);

    // The window's steps of start-up and shutdown.
    void showStoredOptions() override;
    void setProgramFolderFrom(const QString& programPath) override;
    void placeWindow(int topTwips, int leftTwips) override;
    void restoreStoredWindow() override;
    void recordPositionForSave() override;
    void closeOtherWindows() override;
    void setWaitingToClose() override { setEnabled(false); }
    void closeWindow() override { close(); }
    void closeBoxes() override;

    IncomingCallAlert& incomingCallAlert() { return *m_alert; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addLanguageMenu(QMenu* settings);
    void buildControls();
    void layoutControls();
    void refreshFromDisplay();
    void putBackUnsentText(const QString& text);
    // Enter in the TX box: sends when sending is allowed.
    void sendFromKeyboard();
    // Up and Down at the TX box's first or last line; true when handled.
    bool recallSent(bool older);
    void showMacroLabels();
    // Whether the desktop sends, calls and stops, or watches a browser do it.
    bool inControl() const;
    void showControl();
    // grow: the window grows or shrinks by the row (the operator's switch).
    void showMacroBar(bool on, bool grow);
    // Tells the settings controller the window's state and size.
    void handPlacement();
    void applyPendingOuterSize();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption);

    DesktopStation& m_station;
    std::unique_ptr<Lifecycle> m_lifecycle;
    QString m_programFolder;
    QWidget* m_client = nullptr;
    RxScreenView* m_rx = nullptr;
    QProgressBar* m_progress = nullptr;
    QPlainTextEdit* m_tx = nullptr;
    QToolButton* m_send = nullptr;
    StatusPanels* m_status = nullptr;
    QMenu* m_menuMode = nullptr;
    QTimer m_panelFrame;
    QSize m_pendingOuterSize;
    QList<QAction*> m_sizeActions;
    QList<QAction*> m_colourActions;
    IncomingCallAlert* m_alert = nullptr;
    QWidget* m_macroBar = nullptr;
    QList<QToolButton*> m_macroButtons;
    SentHistory m_sent;
};
