// The language the program speaks: its own words, the edited English or
// Simplified Chinese. The teacher's choice is remembered; without one, the
// desktop's language decides (Chinese for a Simplified Chinese desktop, the
// program's own words for every other).
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;
class QSettings;

namespace mb {

enum class Language { Own, English, Chinese };

// The remembered choice, if the teacher made one.
std::optional<Language> StoredLanguage(const QSettings& settings);
void StoreLanguage(QSettings& settings, Language language);

// What the program speaks on a desktop of the given locale.
Language LanguageFor(std::optional<Language> chosen, const QLocale& desktop);

// The language the desktop shows its programs in: the first of LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG that is set, so that a Chinese desktop with
// English numbers still counts as Chinese.
QLocale DesktopLocale();

// The compiled translation of the language ("motionbench_zh_CN.qm"); empty for
// the program's own words, which need none.
QString TranslationFile(Language language);

// Loads the translation found in the program's data folders (and, for Chinese,
// Qt's own words for its standard buttons and choosers) into the application.
// Returns false when the language needs a file that is not there.
bool InstallLanguage(QCoreApplication& app, const QString& programDirectory, Language language);

}  // namespace mb
