#pragma once

#include "settings/Mode.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

// Status-bar panel keys and image-list keys used by the logic.
namespace Panel {
inline const QString Margen1 = QStringLiteral("Margen1");
inline const QString Ptt = QStringLiteral("PTT");
inline const QString Indicativos = QStringLiteral("Indicativos");
inline const QString Bytes = QStringLiteral("Bytes");
inline const QString Tcp = QStringLiteral("TCP");
} // namespace Panel

namespace Picture {
inline const QString None;
inline const QString Connected = QStringLiteral("Connected");
inline const QString ErrorAmarillo = QStringLiteral("ErrorAmarillo");
inline const QString Descargando = QStringLiteral("Descargando");
inline const QString Subiendo = QStringLiteral("Subiendo");
inline const QString LedVerde = QStringLiteral("LedVerde");
inline const QString LedRojo = QStringLiteral("LedRojo");
inline const QString Rueda = QStringLiteral("Rueda");
} // namespace Picture

struct PanelState {
    QString text;
    QString toolTip;
    QString picture; // image-list key, empty for none
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

    PanelState panel(const QString& key) const { return m_panels.value(key); }
    void setPanelText(const QString& key, const QString& text);
    void setPanelToolTip(const QString& key, const QString& toolTip);
    void setPanelPicture(const QString& key, const QString& picture);

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
    QHash<QString, PanelState> m_panels;
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
