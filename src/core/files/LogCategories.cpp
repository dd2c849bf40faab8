#include "LogCategories.h"

#include <QCoreApplication>
#include <QMutex>

Q_LOGGING_CATEGORY(lcLink, "keldo.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPtt, "keldo.ptt", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRigctld, "keldo.rigctld", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProcess, "keldo.process", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLogbook, "keldo.logbook", QtWarningMsg)

QStringList DebugAreaNames()
{
    return {QStringLiteral("link"),    QStringLiteral("ptt"),     QStringLiteral("rigctld"),
            QStringLiteral("process"), QStringLiteral("logbook"), QStringLiteral("all")};
}

bool EnableDebugAreas(const QString& list, QString* error)
{
    const QStringList known = DebugAreaNames();
    QStringList areas;
    for (const QString& part : list.split(QLatin1Char(','))) {
        const QString area = part.trimmed().toLower();
        if (!known.contains(area)) {
            if (error)
                *error = area.isEmpty()
                    ? QCoreApplication::translate("CommandLine", "Empty debug area in '%1' (known: %2).")
                          .arg(list, known.join(QLatin1String(", ")))
                    : QCoreApplication::translate("CommandLine", "Unknown debug area '%1' (known: %2).")
                          .arg(part.trimmed(), known.join(QLatin1String(", ")));
            return false;
        }
        if (area == QLatin1String("all"))
            areas = known.mid(0, known.size() - 1);
        else if (!areas.contains(area))
            areas << area;
    }
    // setFilterRules replaces the rules of an earlier call, so they are kept
    // and added to; Qt applies QT_LOGGING_RULES after them.
    static QMutex mutex;
    static QStringList rules;
    const QMutexLocker lock(&mutex);
    for (const QString& area : areas) {
        // No level named: debug and info alike.
        const QString rule = QStringLiteral("keldo.%1=true").arg(area);
        if (!rules.contains(rule))
            rules << rule;
    }
    QLoggingCategory::setFilterRules(rules.join(QLatin1Char('\n')));
    return true;
}
