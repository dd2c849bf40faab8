#pragma once

#include "settings/Mode.h"

#include <QObject>
#include <QString>

#include <array>

// The status-bar panels, left to right.
enum class Panel { Margen1, Ptt, Indicativos, Bytes, Tcp };
inline constexpr int PanelCount = 5;

// The pictures the logic puts in a panel.
enum class Picture { None, Connected, ErrorAmarillo, Descargando, Subiendo, LedVerde, LedRojo, LedAmarillo, Rueda };

struct PanelState
{
    QString text;
    QString toolTip;
    Picture picture = Picture::None;
    bool operator==(const PanelState& o) const
    {
        return text == o.text && toolTip == o.toolTip && picture == o.picture;
    }
};

// What the logic shows: status panels, the enabled menu commands, the send
// button, the progress bar, the caption and the mode menus. The main window
// mirrors it; tests read it directly. Writers set only what the logic owns.
class DisplayState : public QObject
{
    Q_OBJECT
public:
    explicit DisplayState(QObject* parent = nullptr);

    PanelState panel(Panel key) const { return m_panels[size_t(key)]; }
    void setPanelText(Panel key, const QString& text);
    void setPanelToolTip(Panel key, const QString& toolTip);
    void setPanelPicture(Panel key, Picture picture);

    bool connectEnabled() const { return m_connectEnabled; }
    bool stopEnabled() const { return m_stopEnabled; }
    bool clearEnabled() const { return m_clearEnabled; }
    bool sendVisible() const { return m_sendVisible; }
    bool progressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }
    bool pttMenuVisible() const { return m_pttMenuVisible; }
    bool modeChecked(Mode mode) const { return mode != Mode::Other && m_checkedModes[size_t(mode)]; }
    QString caption() const { return m_caption; }

    void setConnectEnabled(bool on);
    void setStopEnabled(bool on);
    void setClearEnabled(bool on);
    void setSendVisible(bool on);
    void setProgressVisible(bool on);
    void setProgressValue(int value); // values outside 0..100 are ignored
    void setPttMenuVisible(bool on);
    void setModeChecked(Mode mode, bool on);
    void setCaption(const QString& caption);

    // Asks the window to move the keyboard focus to the TX box.
    void requestTxFocus() { emit txFocusRequested(); }
    // Gives typed text that never went out back to the TX box, in front of
    // what is there, selected.
    void returnToTxBox(const QString& text) { emit txTextReturned(text); }

signals:
    void changed();
    void txFocusRequested();
    void txTextReturned(const QString& text);

private:
    std::array<PanelState, PanelCount> m_panels;
    bool m_connectEnabled = true;
    bool m_stopEnabled = true;
    bool m_clearEnabled = true;
    bool m_sendVisible = true;
    bool m_progressVisible = false;
    int m_progressValue = 0;
    bool m_pttMenuVisible = true;
    std::array<bool, KnownModes.size()> m_checkedModes{};
    QString m_caption;
};
