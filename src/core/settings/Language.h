#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// Which language the program speaks, shared by every front end. English is
// the source text and needs no translation; the others are
// "keldo-terminal_<code>.qm" files.
namespace Language {

// "[Options] Language" for English whatever the system's language.
inline constexpr const char* English = "en";

// The codes with a translation shipped, in menu order.
QStringList Shipped();

// A language's own name ("Deutsch", "日本語"): never translated, so that
// whoever reads it finds their language in any other.
QString NativeName(const QString& code);

// The shipped code to load for a setting (empty: the system's, from
// systemLanguages in order, as QLocale::system().uiLanguages() gives them),
// or empty for English: "en", anything unknown and any language without a
// translation are English.
QString Resolve(const QString& setting, const QStringList& systemLanguages);

// The system's languages, most wanted first: QLocale::system().uiLanguages()
// (LANGUAGE, else the messages locale), except that, as the C library has
// it, a messages locale of C or POSIX (LC_ALL, LC_MESSAGES, LANG, the first
// set; none set is C) means English whatever LANGUAGE says.
QStringList SystemLanguages();

// The folders searched for our .qm files, in order: "translations" beside
// the program, the installed folder seen from the program (an unpacked
// package), the installed folder, the build folder.
QStringList TranslationFolders(const QString& programFolder);

// Resolves setting against the system's languages and installs our
// translation and Qt's own (standard buttons, the file dialog) into app.
// Returns the code loaded, or empty when English is spoken.
QString InstallTranslations(QCoreApplication& app, const QString& setting);

// "[Options] Language" of the settings file (or of its seed while the file
// does not exist), read through the settings layer before anything else is.
QString StoredSetting(const QString& file, const QString& seed);

} // namespace Language
