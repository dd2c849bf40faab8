#pragma once

#include <QFrame>
#include <QList>

#include <array>

#include "presenter/DisplayState.h"

class QLabel;

// stbStatus: five fixed panels in a row, each a sunken frame with a picture
// and a plain-text label, reached by key. The frames keep the design's
// object names ("Indicativos", ...) and the pictures come from ImageList.
// Inside the class, "::Panel": QFrame has a Panel of its own.
class StatusPanels : public QFrame
{
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    // The widest text the "Bytes" panel is sized for: a 10-digit count.
    static QString WidestBytesText();

    void setPanel(::Panel key, const PanelState& state);
    void setPanelWidth(::Panel key, int pixels);
    // The factor the design widths are drawn at: the dialogs' platform-font
    // factor, raised when the "Bytes" panel needs more for its widest text.
    double scale() const { return m_scale; }
    // Pixels the fixed panels take beyond their design widths; the
    // "Indicativos" panel gives them up.
    int growthOfFixedPanels() const { return m_growth; }
    QFrame* panel(::Panel key) const { return m_frames[size_t(key)]; }
    QLabel* panelText(::Panel key) const { return m_texts[size_t(key)]; }
    QLabel* panelPicture(::Panel key) const { return m_pictures[size_t(key)]; }
    // Every panel, left to right.
    static QList<::Panel> keys();

    // The design's object name of a panel ("Indicativos").
    static QString PanelName(::Panel key);
    // The ImageList key of a picture ("LedVerde"); empty for none.
    static QString PictureName(Picture picture);

private:
    void speak(::Panel key);
    void addPanel(::Panel key, const QString& text, int widthTwips, bool bevel, Qt::Alignment align);

    double m_scale = 1.0;
    int m_growth = 0;
    std::array<QFrame*, PanelCount> m_frames{};
    std::array<QLabel*, PanelCount> m_texts{};
    std::array<QLabel*, PanelCount> m_pictures{};
    std::array<PanelState, PanelCount> m_shown;
};

// What a screen reader says for a panel: a name in plain words that follows
// the panel's state, and a description of what the panel is for.
struct PanelSpeech
{
    QString name;
    QString description;
};
PanelSpeech PanelAccessibleText(Panel key, const PanelState& state);

// Sets a tooltip that is always shown as plain text.
void SetPlainToolTip(QWidget* widget, const QString& text);
