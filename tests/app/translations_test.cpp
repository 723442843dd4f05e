// The program in Chinese and in the edited English: every text translated in both,
// the compiled files the program loads agree with them, and a Chinese desktop
// gets Chinese menus.
#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/language.h"
#include "app/project_session.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

struct Entry {
    QString context, source, translation;
    bool unfinished = false;
};

std::vector<Entry> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source")) entries.push_back({context, xml.readElementText(), {}});
        if (xml.name() == QLatin1String("translation")) {
            entries.back().unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    for (const auto& m : QRegularExpression("%\\d").globalMatch(text)) found << m.captured();
    return found;
}

bool HasAccelerator(const QString& text) { return text.contains(QRegularExpression("&[^&\\s;]")); }

bool IsChinese(const QString& text) { return text.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")); }

// The translators the program installed, taken out again so that other tests
// read the program's own words.
void RemoveTranslators() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

}  // namespace

// Every text the sources mark has a finished translation in both languages that
// keeps its placeholders and its accelerator, and the compiled file the program
// loads gives exactly that translation.
TEST(Translations, EveryTextIsTranslatedInBothLanguages) {
    for (const Language language : {Language::English, Language::Chinese}) {
        const QString file = TranslationFile(language);
        const std::vector<Entry> entries = ReadTs(QString(MB_TS_DIR "/") + QString(file).replace(".qm", ".ts"));
        EXPECT_GT(entries.size(), 400u) << file.toStdString();
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(QString(MB_QM_DIR "/") + file)) << file.toStdString();
        for (const Entry& e : entries) {
            SCOPED_TRACE(file.toStdString() + " " + e.context.toStdString() + ": " + e.source.toStdString());
            EXPECT_FALSE(e.unfinished);
            EXPECT_FALSE(e.translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source));
            // Parameter adjust lists the kinds, showing an ampersand as it is.
            if (e.context != QLatin1String("TForm32")) {
                EXPECT_EQ(HasAccelerator(e.translation), HasAccelerator(e.source));
            }
            EXPECT_EQ(compiled.translate(e.context.toUtf8(), e.source.toUtf8()), e.translation);
            // Words become Chinese; units may become their symbols ("newton": "N").
            const bool unitSymbol = e.translation.contains(QRegularExpression("^\\s*[A-Za-z]{1,2}$"));
            if (language == Language::Chinese && e.source.contains(QRegularExpression("[a-z]{4}")) &&
                !e.source.startsWith("Motionbench") && !unitSymbol) {
                EXPECT_TRUE(IsChinese(e.translation)) << "left in English";
            }
        }
    }
}

// The desktop's language decides until the teacher chooses: only a Simplified
// Chinese desktop gets Chinese.
TEST(Translations, TheDesktopDecidesUntilTheTeacherChooses) {
    const struct {
        const char* desktop;
        std::optional<Language> chosen;
        Language expected;
    } cases[] = {
        {"zh_CN", std::nullopt, Language::Chinese},       {"zh_SG", std::nullopt, Language::Chinese},
        {"zh_TW", std::nullopt, Language::Own},           {"en_GB", std::nullopt, Language::Own},
        {"de_DE", std::nullopt, Language::Own},           {"zh_CN", Language::Own, Language::Own},
        {"zh_CN", Language::English, Language::English}, {"fr_FR", Language::Chinese, Language::Chinese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFor(c.chosen, QLocale(c.desktop)), c.expected) << c.desktop;
}

class ChineseWindowTest : public AppTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(InstallLanguage(*qApp, MB_QM_DIR "/..", Language::Chinese));
        startWindow();
    }
    void TearDown() override {
        window.reset();
        RemoveTranslators();
    }
};

// Under the Chinese translation every menu of the menu bar, the creation menu
// and the dialogs' words are Chinese.
TEST_F(ChineseWindowTest, TheMenusAreChinese) {
    const QList<QAction*> titles = window->menuBar()->actions();
    ASSERT_GE(titles.size(), 7);
    for (QAction* a : titles) EXPECT_TRUE(IsChinese(a->text())) << a->text().toStdString();
    EXPECT_EQ(menu("N50")->title(), QString::fromUtf8("帮助(&H)"));
    EXPECT_EQ(menu("N9")->title(), QString::fromUtf8("创建(&C)"));
    for (const char* entry : {"N2", "N35", "N12", "N24", "N26"})
        EXPECT_TRUE(IsChinese(action(entry)->text())) << entry;
}

// The history's steps show their verb in Chinese and the element's name as it is.
TEST_F(ChineseWindowTest, StepsShowTheirVerbTranslatedAndTheNameAsItIs) {
    const struct {
        const char* step;
        const char* shown;
    } cases[] = {{"Move Ball_3", "移动 Ball_3"},          {"Delete remark", "删除 注释"},
                 {"Experiment settings", "实验设置"},     {"Zoom", "缩放"},
                 {"Placed Ball_1", "Placed Ball_1"},      {"Edit Move Ball_2", "修改 Move Ball_2"}};
    for (const auto& c : cases) EXPECT_EQ(ShownStepText(QString::fromUtf8(c.step)), QString::fromUtf8(c.shown)) << c.step;
}

// Help > Language remembers the choice and says when it shows.
TEST_F(AppTest, TheLanguageChosenIsRememberedForTheNextStart) {
    startWindow();
    QMenu* languages = menu("LanguageMenu");
    ASSERT_NE(languages, nullptr);
    QStringList texts;
    for (QAction* a : languages->actions()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"The program's own words", "English", QString::fromUtf8("中文")}));
    action("LanguageChinese")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "The program speaks the chosen language from its next start.");
    const QSettings stored(settingsDir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(StoredLanguage(stored), Language::Chinese);
}

}  // namespace mb::test
