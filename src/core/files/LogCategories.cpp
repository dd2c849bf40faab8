#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcLink, "keldo.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPtt, "keldo.ptt", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRigctld, "keldo.rigctld", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProcess, "keldo.process", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLogbook, "keldo.logbook", QtWarningMsg)
