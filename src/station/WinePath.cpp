#include "WinePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace WinePath {

bool IsDrivePath(const QString& text)
{
    return text.size() >= 3 && text.at(0).isLetter() && text.at(0).unicode() < 128 && text.at(1) == QLatin1Char(':')
        && (text.at(2) == QLatin1Char('\\') || text.at(2) == QLatin1Char('/'));
}

QString Prefix(const QProcessEnvironment& env)
{
    const QString prefix = env.value(QStringLiteral("WINEPREFIX"));
    if (!prefix.isEmpty())
        return prefix;
    QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return QDir(home).filePath(QStringLiteral(".wine"));
}

QString Resolve(const QString& drivePath, const QString& prefix)
{
    if (!IsDrivePath(drivePath))
        return drivePath;
    QString path = QDir(prefix).filePath(QStringLiteral("dosdevices/") + drivePath.left(2).toLower());
    bool lookingUp = QFileInfo(path).isDir();
    // Folded as Windows folds the text, before anything is looked up: ".."
    // stops at the drive's root, so the text never leads out of the drive.
    // Links inside the prefix (Wine's own) are followed as they are.
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    QStringList parts;
    for (const QString& part : drivePath.mid(3).split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != QLatin1String(".")) {
            parts.append(part);
        }
    }
    for (const QString& part : parts) {
        QString name = part;
        if (lookingUp && !QFileInfo::exists(path + QLatin1Char('/') + part)) {
            // Sorted, so that two names differing only in case always give the same pick.
            const QStringList entries =
                QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            name.clear();
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    break;
                }
            }
            if (name.isEmpty()) {
                name = part;
                lookingUp = false;
            }
        }
        path += QLatin1Char('/') + name;
        lookingUp = lookingUp && QFileInfo(path).isDir();
    }
    return path;
}

QString FindWine(const QProcessEnvironment& env)
{
    const QStringList folders = env.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return QString();
    return QStandardPaths::findExecutable(QStringLiteral("wine"), folders);
}

} // namespace WinePath

ModemProgramPlan PlanModemProgram(const QString& keyText, const QProcessEnvironment& env)
{
    ModemProgramPlan plan;
    plan.keyText = keyText;
    plan.path = keyText;
#if defined(Q_OS_LINUX)
    if (WinePath::IsDrivePath(keyText))
        plan.path = WinePath::Resolve(keyText, WinePath::Prefix(env));
    plan.throughWine = plan.path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
    if (plan.throughWine)
        plan.wine = WinePath::FindWine(env);
#else
    Q_UNUSED(env);
#endif
    return plan;
}

QString ModemProgramNotFoundText(const ModemProgramPlan& plan)
{
    QString text = QCoreApplication::translate("Station", "%1 file not found").arg(plan.keyText);
    if (plan.resolved())
        text += QLatin1Char('\n') + QCoreApplication::translate("Station", "Linux path tried: %1").arg(plan.path);
    return text;
}

QString WineMissingText(const ModemProgramPlan& plan)
{
    return QCoreApplication::translate("Station",
                                       "%1 cannot be started: it is a Windows program, and \"wine\" was not found "
                                       "on the PATH.\nInstall Wine to run it, or choose a modem program for Linux.")
        .arg(plan.keyText);
}
