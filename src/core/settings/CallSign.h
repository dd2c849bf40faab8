#pragma once

#include <QString>
#include <QStringList>
#include <array>

using CallSignList = std::array<QString, 10>;

QString CallSignBase(const QString& text);
quint8 CallSignSsid(const QString& text);
// Upper-cases text in place (valid or not) and tells whether it is a call sign.
bool IsValidCallSign(QString& text);
// Moves value to the front of list. An empty value is not pushed.
void PushCallSignHistory(CallSignList& list, const QString& value);
// Entries from index 0 up to, not including, the first empty one.
QStringList VisibleHistory(const CallSignList& list);
