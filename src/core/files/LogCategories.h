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
