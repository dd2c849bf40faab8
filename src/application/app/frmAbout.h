#pragma once

#include <QDialog>

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // settingsFile: the settings file in use, shown to the operator.
    explicit frmAbout(const QString& settingsFile, QWidget* parent = nullptr);
};
