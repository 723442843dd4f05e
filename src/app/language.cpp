#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "app/resource_paths.h"

namespace mb {

namespace {
const char* const kLanguageKey = "ui/language";

struct Named {
    Language language;
    const char* key;  // as stored in the settings and in the translation's file name
};
constexpr Named kNames[] = {{Language::Own, "own"}, {Language::English, "en"}, {Language::Chinese, "zh_CN"}};

const char* KeyOf(Language language) {
    for (const Named& n : kNames)
        if (n.language == language) return n.key;
    return "own";
}
}  // namespace

std::optional<Language> StoredLanguage(const QSettings& settings) {
    const QString key = settings.value(kLanguageKey).toString();
    for (const Named& n : kNames)
        if (key == QLatin1String(n.key)) return n.language;
    return std::nullopt;
}

void StoreLanguage(QSettings& settings, Language language) { settings.setValue(kLanguageKey, KeyOf(language)); }

Language LanguageFor(std::optional<Language> chosen, const QLocale& desktop) {
    if (chosen) return *chosen;
    // Simplified characters only: a Traditional Chinese desktop reads the
    // program's own words rather than a script it does not use.
    const bool simplified = desktop.language() == QLocale::Chinese && desktop.script() == QLocale::SimplifiedHanScript;
    return simplified ? Language::Chinese : Language::Own;
}

QLocale DesktopLocale() {
    const QLocale system = QLocale::system();
    const QStringList languages = system.uiLanguages();
    return languages.isEmpty() ? system : QLocale(languages.first());
}

QString TranslationFile(Language language) {
    if (language == Language::Own) return {};
    return QStringLiteral("motionbench_%1.qm").arg(QLatin1String(KeyOf(language)));
}

bool InstallLanguage(QCoreApplication& app, const QString& programDirectory, Language language) {
    const QString file = TranslationFile(language);
    if (file.isEmpty()) return true;
    const QString path = FindDataPath(programDirectory, QStringLiteral("translations/") + file);
    auto* own = new QTranslator(&app);
    if (path.isEmpty() || !own->load(path)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    if (language == Language::Chinese) {
        // Qt's message box buttons and file choosers; absent, they stay English.
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return true;
}

}  // namespace mb
