#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "support/scripted_prompts.h"
#include "ui/dialog_kit.h"

namespace mb {
namespace {

TEST(DialogKit, ReadingAnEditWarnsWithItsOwnWordsAndMovesTheFocus) {
    struct Case {
        const char* text;
        bool integer;
        const char* suffix;
        const char* caption;
        const char* message;  // nullptr: read without a warning
    };
    const Case cases[] = {
        {" 2.5 ", false, kNotRealSuffix, kWarningCaption, nullptr},
        {"1,5", false, kNotRealSuffix, kWarningCaption, "1,5  is not a real number!"},
        {"", false, " is not a real nember.", "Warning", " is not a real nember."},
        {"7", true, kNotIntegerSuffix, kWarningCaption, nullptr},
        {"2.5", true, kNotIntegerSuffix, kWarningCaption, "2.5  is not a integer."},
    };
    for (const Case& c : cases) {
        test::ScriptedPrompts prompts;
        QWidget form;
        QLineEdit* other = new QLineEdit(&form);
        QLineEdit* edit = new QLineEdit(c.text, &form);
        form.show();
        other->setFocus();
        QApplication::processEvents();
        const bool read = c.integer ? ReadIntegerOrWarn(prompts, edit, c.suffix, c.caption).has_value()
                                    : ReadRealOrWarn(prompts, edit, c.suffix, c.caption).has_value();
        EXPECT_EQ(read, c.message == nullptr) << c.text;
        if (c.message) {
            ASSERT_EQ(prompts.messages.size(), 1u) << c.text;
            EXPECT_EQ(prompts.messages[0].text, c.message);
            EXPECT_EQ(prompts.messages[0].caption, c.caption);
            EXPECT_EQ(prompts.messages[0].buttons, Prompts::Ok | Prompts::Cancel);
            EXPECT_EQ(prompts.messages[0].severity, Prompts::Severity::Warning);
            EXPECT_TRUE(edit->hasFocus()) << c.text;
        } else {
            EXPECT_TRUE(prompts.messages.empty()) << c.text;
            EXPECT_TRUE(other->hasFocus()) << c.text;
        }
    }
}

TEST(DialogKit, WidgetsCarryTheirComponentNamesAndTheFormsWords) {
    constexpr FormText texts[] = {{"Label1", "Mass M："}, {"Label2", "kg"}};
    QWidget form;
    const FormBuilder f(&form, texts);
    QLabel* label = f.label("Label1");
    EXPECT_EQ(label->objectName(), "Label1");
    EXPECT_EQ(label->text(), QString::fromUtf8("Mass M："));
    EXPECT_EQ(f.edit("Edit1")->objectName(), "Edit1");
    EXPECT_EQ(form.findChild<QLabel*>("Label1"), label);
}

}  // namespace
}  // namespace mb
