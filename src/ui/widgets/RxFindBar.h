#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class RxScreenView;

// The find bar over the RX screen's top corner (Ctrl+F). Enter or F3 finds
// the next match, Shift+Enter or Shift+F3 the previous, Esc closes. These
// keys belong to the bar while it has the focus, before any of the window's
// shortcuts (F3 is a macro key elsewhere).
class RxFindBar : public QFrame
{
    Q_OBJECT
public:
    RxFindBar(RxScreenView& view, QWidget* parent);

    // Shown with the focus in its text, selected.
    void open();
    // Hidden, the highlights gone, the focus back on the screen.
    void close();

    QLineEdit* textBox() const { return m_text; }
    QCheckBox* matchCase() const { return m_case; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void next(bool backward);
    void showCount();

    RxScreenView& m_view;
    QLineEdit* m_text;
    QCheckBox* m_case;
    QLabel* m_count;
};
