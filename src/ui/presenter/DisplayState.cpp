#include "DisplayState.h"

DisplayState::DisplayState(QObject* parent)
    : QObject(parent)
{
    m_panels[size_t(Panel::Tcp)].text = QStringLiteral("TCP");
}

template <typename T>
static bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void DisplayState::setPanelText(Panel key, const QString& text)
{
    if (assign(m_panels[size_t(key)].text, text))
        emit changed();
}

void DisplayState::setPanelToolTip(Panel key, const QString& toolTip)
{
    if (assign(m_panels[size_t(key)].toolTip, toolTip))
        emit changed();
}

void DisplayState::setPanelPicture(Panel key, Picture picture)
{
    if (assign(m_panels[size_t(key)].picture, picture))
        emit changed();
}

void DisplayState::setConnectEnabled(bool on)
{
    if (assign(m_connectEnabled, on))
        emit changed();
}
void DisplayState::setStopEnabled(bool on)
{
    if (assign(m_stopEnabled, on))
        emit changed();
}
void DisplayState::setClearEnabled(bool on)
{
    if (assign(m_clearEnabled, on))
        emit changed();
}
void DisplayState::setSendVisible(bool on)
{
    if (assign(m_sendVisible, on))
        emit changed();
}
void DisplayState::setProgressVisible(bool on)
{
    if (assign(m_progressVisible, on))
        emit changed();
}
void DisplayState::setPttMenuVisible(bool on)
{
    if (assign(m_pttMenuVisible, on))
        emit changed();
}
void DisplayState::setCaption(const QString& caption)
{
    if (assign(m_caption, caption))
        emit changed();
}

void DisplayState::setProgressValue(int value)
{
    if (value < 0 || value > 100)
        return;
    if (assign(m_progressValue, value))
        emit changed();
}

void DisplayState::setModeChecked(Mode mode, bool on)
{
    if (mode == Mode::Other || m_checkedModes[size_t(mode)] == on)
        return;
    m_checkedModes[size_t(mode)] = on;
    emit changed();
}
