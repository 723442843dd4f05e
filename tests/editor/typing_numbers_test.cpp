// The edits read at each keystroke, typed a character at a time: a number on its
// way ("-", "1e-") is left alone until Ok or Draw, a text that can never become a
// number is reported at once.
#include <functional>

#include "dialog_test_scene.h"
#include "editor/ball_dialog.h"
#include "measure/curve_window.h"

namespace mb::test {
namespace {

const char* const kOnTheWay[] = {"", "-", "+", ".", "-.", "1e", "1e-", "2.5e+", " -"};
// Each goes wrong at its last character, so typing it reports exactly once.
const char* const kHopeless[] = {"1x", "--", "e", ".e", "1 e", "+-"};

using Act = std::function<void(QLineEdit* edit, QWidget& window, const std::function<void()>& pressOk)>;

// An edit read as it is typed, and the words Ok or Draw refuses a text of it with.
struct LiveEdit {
    const char* window;  // "ball", "mass" or "curve"
    const char* edit;
    QString suffix;      // after the text; the ball's radius has words of its own
};

// Opens the window of the edit on a fresh scene, lets `act` work on it, and
// returns every message shown meanwhile.
std::vector<RecordedMessage> Drive(const LiveEdit& e, const Act& act) {
    DialogBench bench(SceneWithEveryKind(1, 1));
    Scene& scene = *bench.scene;
    scene.view.MetresPerPixel = 0.5;
    const QString window = e.window;
    if (window == "curve") {
        scene.balls[0].curveFlag = 1;
        CurveWindow w(bench.prompts);
        w.load(scene);
        w.show();
        act(w.findChild<QLineEdit*>(e.edit), w, [&] { w.findChild<QPushButton*>("BitBtn3")->click(); });
        return bench.prompts.messages;
    }
    bench.prompts.dialogs.push_back([&](QDialog& d) {
        d.show();
        act(d.findChild<QLineEdit*>(e.edit), d, [&] { ClickText(d, "&Ok"); });
        return d.isVisible() ? int(QDialog::Rejected) : d.result();
    });
    if (window == "ball") {
        BallDialog d(bench.prompts);
        d.edit(scene, 0, false);
    } else {
        bench.dialogs.open(ElementKind::GravityMass, scene, 0, false);
    }
    return bench.prompts.messages;
}

// Clears the edit and types the text a key at a time, as a user does.
void TypeKeys(QLineEdit* edit, const char* text) {
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

TEST(TypingNumbers, PartNumbersWaitForOkAndHopelessTextsAreReportedAtOnce) {
    const QString curve = " is not a real nember.";
    const LiveEdit edits[] = {
        {"ball", "Edit2", ""},
        {"mass", "Edit2", "  is not real number!"},
        {"mass", "Edit3", "  is not a real number!"},
        {"curve", "Edit4", curve},
        {"curve", "Edit5", curve},
        {"curve", "Edit6", curve},
        {"curve", "Edit7", curve},
    };
    for (const LiveEdit& e : edits) {
        for (const char* text : kOnTheWay) {
            const std::string where = std::string(e.window) + " " + e.edit + " '" + text + "'";
            QString focus;
            const auto shown = Drive(e, [&](QLineEdit* edit, QWidget& w, const std::function<void()>& ok) {
                ASSERT_NE(edit, nullptr) << where;
                TypeKeys(edit, text);
                ok();
                focus = w.focusWidget() ? w.focusWidget()->objectName() : QString();
            });
            // Nothing while typing; Ok refuses it with the edit's words and focus.
            ASSERT_EQ(shown.size(), 1u) << where;
            const QString refusal = e.suffix.isEmpty()
                                        ? "This is a wrong data! The ball's radius can not smaller than zero."
                                        : text + e.suffix;
            EXPECT_EQ(shown[0].text, refusal) << where;
            EXPECT_EQ(focus, e.edit) << where;
        }
        for (const char* text : kHopeless) {
            const auto shown = Drive(e, [&](QLineEdit* edit, QWidget&, const std::function<void()>&) { TypeKeys(edit, text); });
            EXPECT_EQ(shown.size(), 1u) << e.window << " " << e.edit << " '" << text << "'";
        }
    }
}

}  // namespace
}  // namespace mb::test
