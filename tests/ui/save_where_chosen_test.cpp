#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/scripted_prompts.h"
#include "ui/save_where_chosen.h"

namespace mb {
namespace {

TEST(SaveWhereChosen, WritesWhereTheUserChoseOrSaysWhyNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    struct Case {
        const char* chosen;      // "" cancels the chooser
        bool makeBytes;          // false: the bytes cannot be made
        const char* written;     // the file that holds the bytes afterwards, or nullptr
        bool warned;
    } cases[] = {
        {"", true, nullptr, false},
        {"plain", true, "plain.csv", false},         // the default suffix is added
        {"kept.txt", true, "kept.txt", false},       // a suffix of the user's own stays
        {"no-folder/x.csv", true, nullptr, true},    // cannot be written there
        {"unmade.csv", false, nullptr, true},
    };
    for (const Case& c : cases) {
        test::ScriptedPrompts prompts;
        const QString chosen = *c.chosen ? QDir(folder).filePath(c.chosen) : QString();
        prompts.files = {chosen};
        QString remembered = "start";
        const SaveRequest request{"Save", "CSV file (*.csv)", "csv",
                                  [&](const QString&) -> std::optional<QByteArray> {
                                      if (!c.makeBytes) return std::nullopt;
                                      return QByteArray("t,x\n");
                                  },
                                  [](const QString& path, const QString&) { return "not written: " + path; }};
        const bool saved = SaveWhereChosen(prompts, remembered, request);
        EXPECT_EQ(saved, c.written != nullptr) << c.chosen;
        EXPECT_EQ(prompts.fileFolders, std::vector<QString>{"start"}) << c.chosen;
        if (c.written) {
            QFile file(QDir(folder).filePath(c.written));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written;
            EXPECT_EQ(file.readAll(), QByteArray("t,x\n"));
        }
        // The next chooser starts in the chosen file's folder, written or not.
        const QString expectedFolder = *c.chosen ? QFileInfo(chosen).absolutePath() : QString("start");
        EXPECT_EQ(remembered, expectedFolder) << c.chosen;
        ASSERT_EQ(prompts.messages.size(), c.warned ? 1u : 0u) << c.chosen;
        if (c.warned) {
            EXPECT_TRUE(prompts.messages[0].text.startsWith("not written: ")) << c.chosen;
            EXPECT_EQ(prompts.messages[0].caption, kWarningCaption);
            EXPECT_EQ(prompts.messages[0].severity, Prompts::Severity::Warning);
        }
    }
}

}  // namespace
}  // namespace mb
