#include "Language.h"

#include "InstallDirs.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {

// "pt-BR", "pt_BR.UTF-8", "de_DE@euro" -> "pt_BR", "de_DE".
QString Normalised(const QString& code)
{
    QString c = code.trimmed().section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    c.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString lang = c.section(QLatin1Char('_'), 0, 0).toLower();
    const QString region = c.section(QLatin1Char('_'), 1, 1).toUpper();
    return region.isEmpty() ? lang : lang + QLatin1Char('_') + region;
}

// The shipped code for one language code; empty when none fits.
QString ShippedFor(const QString& code)
{
    const QString c = Normalised(code);
    const QStringList shipped = Shipped();
    if (shipped.contains(c))
        return c;
    const QString lang = c.section(QLatin1Char('_'), 0, 0);
    for (const QString& s : shipped)
        if (s.section(QLatin1Char('_'), 0, 0) == lang)
            return s;
    return QString();
}

bool IsEnglish(const QString& code)
{
    const QString lang = Normalised(code).section(QLatin1Char('_'), 0, 0);
    return lang == QLatin1String(English) || lang == QLatin1String("c") || lang == QLatin1String("posix");
}

} // namespace

QStringList Shipped()
{
    return {QStringLiteral("es"), QStringLiteral("de"),    QStringLiteral("fr"),
            QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("ja")};
}

QString NativeName(const QString& code)
{
    const QString c = Normalised(code);
    if (c == QLatin1String("es"))
        return QStringLiteral("Español");
    if (c == QLatin1String("de"))
        return QStringLiteral("Deutsch");
    if (c == QLatin1String("fr"))
        return QStringLiteral("Français");
    if (c == QLatin1String("it"))
        return QStringLiteral("Italiano");
    if (c == QLatin1String("pt_BR"))
        return QStringLiteral("Português (Brasil)");
    if (c == QLatin1String("ja"))
        return QStringLiteral("日本語");
    if (c == QLatin1String(English))
        return QStringLiteral("English");
    return code;
}

QString Resolve(const QString& setting, const QStringList& systemLanguages)
{
    if (!setting.trimmed().isEmpty())
        return IsEnglish(setting) ? QString() : ShippedFor(setting);
    // The first of the system's languages we speak; English when that comes first.
    for (const QString& code : systemLanguages) {
        if (IsEnglish(code))
            return QString();
        const QString shipped = ShippedFor(code);
        if (!shipped.isEmpty())
            return shipped;
    }
    return QString();
}

QStringList SystemLanguages()
{
    QByteArray messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qgetenv(name);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || messages == "C" || messages.startsWith("C.") || messages == "POSIX")
        return {QStringLiteral("C")};
    return QLocale::system().uiLanguages();
}

QStringList TranslationFolders(const QString& programFolder)
{
    const QDir program(programFolder);
    QStringList folders{program.filePath(QStringLiteral("translations")),
                        QDir::cleanPath(program.filePath(QStringLiteral(KELDO_BINDIR_TO_TRANSLATIONSDIR))),
                        QStringLiteral(KELDO_FULL_TRANSLATIONSDIR), QStringLiteral(KELDO_BUILD_TRANSLATIONSDIR)};
    folders.removeDuplicates();
    return folders;
}

QString InstallTranslations(QCoreApplication& app, const QString& setting)
{
    const QString code = Resolve(setting, SystemLanguages());
    if (code.isEmpty())
        return QString();
    bool loaded = false;
    auto* ours = new QTranslator(&app);
    for (const QString& folder : TranslationFolders(QCoreApplication::applicationDirPath())) {
        if (ours->load(QStringLiteral("keldo-terminal_") + code, folder)) {
            // Installed even while empty (installTranslator then says false):
            // the language is chosen, its texts come as they are translated.
            QCoreApplication::installTranslator(ours);
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        // Without ours, English throughout rather than Qt's buttons alone translated.
        delete ours;
        return QString();
    }
    // Qt's own texts, from the system's Qt; missing ones stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return code;
}

QString StoredSetting(const QString& file, const QString& seed)
{
    SettingsStore store(QFileInfo(file).absolutePath());
    store.useFile(file, seed);
    store.LoadSettings();
    return store.s().language;
}

} // namespace Language
