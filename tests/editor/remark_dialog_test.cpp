// Remarks opened with the right button: their text, font and deletion.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace mb::test {
namespace {

class RemarkDialogTest : public EditorTest {
protected:
    // Three remarks in a column at x = 100, rows 100, 200 and 300.
    void openWithRemarks() {
        auto s = std::make_unique<Scene>();
        ResetScene(*s);
        for (int i = 0; i < 3; ++i) {
            Remark& r = s->remarks[static_cast<std::size_t>(i)];
            r.text = "remark " + std::to_string(i);
            r.x = 100;
            r.y = 100 * (i + 1);
            r.fontHeight = 15;
            r.fontColour = PackColour(255, 255, 255);
            r.fontName = "DejaVu Sans";
        }
        openScene(std::move(s));
    }
    void rightPressOnRemark(int i) { click({105, 100 * (i + 1) + 5}, Qt::RightButton); }
};

TEST_F(RemarkDialogTest, OkFontDeleteAndTheCloseBoxDoWhatTheySay) {
    struct Case {
        const char* what;
        std::function<int(QDialog&)> script;
        Prompts::Button answer;  // to the delete question
        QStringList texts;       // the remark table afterwards
    };
    const Case cases[] = {
        {"Ok takes the text",
         [](QDialog& d) {
             d.findChild<QLineEdit*>("Edit1")->setText("changed");
             return Press("BitBtn5")(d);
         },
         Prompts::Ok, {"changed", "remark 1", "remark 2"}},
        {"the close box leaves it", [](QDialog& d) {
             d.findChild<QLineEdit*>("Edit1")->setText("lost");
             d.reject();
             return d.result();
         },
         Prompts::Ok, {"remark 0", "remark 1", "remark 2"}},
        {"Delete asks; Cancel keeps it", [](QDialog& d) {
             Press("BitBtn2")(d);
             d.reject();
             return d.result();
         },
         Prompts::Cancel, {"remark 0", "remark 1", "remark 2"}},
        {"Delete asks; OK closes the gap", Press("BitBtn2"), Prompts::Ok, {"remark 1", "remark 2"}},
        {"Ok on an emptied text deletes it without asking",
         [](QDialog& d) {
             d.findChild<QLineEdit*>("Edit1")->clear();
             return Press("BitBtn5")(d);
         },
         Prompts::Ok, {"remark 1", "remark 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openWithRemarks();
        prompts.answers = {c.answer};
        prompts.dialogs.push_back(c.script);
        rightPressOnRemark(0);
        ASSERT_EQ(prompts.dialogsShown.size(), 1u);
        EXPECT_EQ(prompts.dialogsShown[0], "TForm27");
        QStringList texts;
        for (int i = 0; i < scene().remarkCount(); ++i) texts << QString::fromStdString(scene().remarks[i].text);
        EXPECT_EQ(texts, c.texts);
        if (!prompts.messages.empty()) {
            EXPECT_EQ(prompts.messages[0].text, "Do you want to delete this remark ?");
            EXPECT_EQ(prompts.messages[0].caption, "warning");
        }
        prompts.dialogsShown.clear();
        prompts.messages.clear();
    }
    // The deleted remark's place went to the next one, with its own position.
    EXPECT_EQ(scene().remarks[0].y, 200);
}

TEST_F(RemarkDialogTest, TheFontChooserStartsFromTheRemarksFontAndItsChoiceStays) {
    openWithRemarks();
    prompts.fontAnswer = true;
    prompts.fontChoice = QFont("DejaVu Serif", 20);
    prompts.fontChoice.setBold(true);
    prompts.fontChoice.setItalic(true);
    prompts.dialogs.push_back([](QDialog& d) {
        Press("BitBtn4")(d);
        d.reject();  // the close box: the font stays, the text too
        return d.result();
    });
    rightPressOnRemark(1);
    const Remark& r = scene().remarks[1];
    EXPECT_EQ(r.text, "remark 1");
    EXPECT_EQ(r.fontName, "DejaVu Serif");
    EXPECT_EQ(r.fontSize, 20);
    EXPECT_EQ(r.style, kStyleBold | kStyleItalic);
    EXPECT_EQ(r.fontColour, PackColour(255, 255, 255));
}

TEST_F(RemarkDialogTest, TheColourChooserStartsFromTheRemarksColourAndOnlyAChoiceChangesIt) {
    struct Case {
        bool chosen;
        std::int32_t colour;  // the remark's afterwards
    };
    for (const Case c : {Case{true, PackColour(10, 200, 30)}, Case{false, PackColour(255, 255, 255)}}) {
        openWithRemarks();
        prompts.colourAnswer = c.chosen;
        prompts.colourChoice = QColor(10, 200, 30);
        prompts.coloursOffered.clear();
        prompts.dialogs.push_back([](QDialog& d) {
            Press("BitBtn6")(d);
            return Press("BitBtn5")(d);
        });
        rightPressOnRemark(1);
        ASSERT_EQ(prompts.coloursOffered.size(), 1u);
        EXPECT_EQ(prompts.coloursOffered[0], QColor(255, 255, 255));
        EXPECT_EQ(scene().remarks[1].fontColour, c.colour);
        EXPECT_EQ(scene().remarks[1].text, "remark 1");
    }
}

TEST_F(RemarkDialogTest, ARemarkIsDraggedByItsCornerAndStaysOnTheScreenWhenTheScaleChanges) {
    openWithRemarks();
    drag({105, 305}, {405, 205});
    EXPECT_EQ((std::pair{scene().remarks[2].x, scene().remarks[2].y}), (std::pair{400, 200}));
    scene().view.MetresPerPixel = 3;
    window->resizeView();
    EXPECT_EQ((std::pair{scene().remarks[2].x, scene().remarks[2].y}), (std::pair{400, 200}));
}

}  // namespace
}  // namespace mb::test
