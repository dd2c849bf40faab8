#pragma once

#include <QFrame>
#include <QHash>

#include "display/DisplayState.h"

class QLabel;

// stbStatus: five fixed panels in a row, each a sunken frame with a picture
// and a plain-text label, reached by key.
class StatusPanels : public QFrame
{
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    // The widest text the "Bytes" panel is sized for: a 10-digit count.
    static QString WidestBytesText();

    void setPanel(const QString& key, const PanelState& state);
    void setPanelWidth(const QString& key, int pixels);
    // The factor the design widths are drawn at: the dialogs' platform-font
    // factor, raised when the "Bytes" panel needs more for its widest text.
    double scale() const { return m_scale; }
    // Pixels the fixed panels take beyond their design widths; the
    // "Indicativos" panel gives them up.
    int growthOfFixedPanels() const { return m_growth; }
    QFrame* panel(const QString& key) const { return m_frames.value(key); }
    QLabel* panelText(const QString& key) const { return m_texts.value(key); }
    QLabel* panelPicture(const QString& key) const { return m_pictures.value(key); }
    QStringList keys() const { return m_order; }

private:
    void speak(const QString& key);
    void addPanel(const QString& key, const QString& text, int widthTwips, bool bevel, Qt::Alignment align);

    double m_scale = 1.0;
    int m_growth = 0;
    QStringList m_order;
    QHash<QString, QFrame*> m_frames;
    QHash<QString, QLabel*> m_texts;
    QHash<QString, QLabel*> m_pictures;
    QHash<QString, PanelState> m_shown;
};

// What a screen reader says for a panel: a name in plain words that follows
// the panel's state, and a description of what the panel is for.
struct PanelSpeech {
    QString name;
    QString description;
};
PanelSpeech PanelAccessibleText(const QString& key, const PanelState& state);

// Sets a tooltip that is always shown as plain text.
void SetPlainToolTip(QWidget* widget, const QString& text);
