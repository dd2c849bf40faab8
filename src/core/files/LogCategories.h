#pragma once

#include <QLoggingCategory>
#include <QStringList>

// One category per area, warnings only by default; more is switched on with
// QT_LOGGING_RULES ("keldo.ptt.debug=true") or --debug ptt,link.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcPtt)
Q_DECLARE_LOGGING_CATEGORY(lcRigctld)
Q_DECLARE_LOGGING_CATEGORY(lcProcess)
Q_DECLARE_LOGGING_CATEGORY(lcLogbook)

// The names --debug takes: link, ptt, rigctld, process, logbook, and all.
QStringList DebugAreaNames();

// Switches on every message of the areas in a comma-separated list ("ptt,link",
// "all"). QT_LOGGING_RULES still has the last word over these. An unknown or
// empty area changes nothing and returns false, the reason in *error.
bool EnableDebugAreas(const QString& list, QString* error = nullptr);
