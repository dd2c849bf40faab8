#pragma once

#include "Choices.h"
#include "settings/MacroSet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// "Macros": the label and text of F1 to F12, and whether their buttons are
// shown under the TX box. OK yields the twelve as edited; Cancel nothing.
class frmMacros : public QDialog
{
    Q_OBJECT
public:
    explicit frmMacros(const MacrosChoice& shown, QWidget* parent = nullptr);

    const std::optional<MacrosChoice>& choice() const { return m_choice; }
    // Shows macro index (0 for F1) in the boxes.
    void selectMacro(int index);
    void done(int result) override;

private:
    QListWidget* lstMacros;
    QLineEdit* txtLabel;
    QPlainTextEdit* txtText;
    QCheckBox* chkMacroBar;

    void keepEdits();
    void showEntry(int index);

    MacroSet m_macros;
    int m_shown = -1;
    QString m_shownText; // as the box showed it at first
    std::optional<MacrosChoice> m_choice;
};
