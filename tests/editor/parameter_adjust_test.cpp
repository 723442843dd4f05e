// Parameter adjust: every element reached by kind and name opens its own dialog.
#include <QLabel>
#include <QListWidget>

#include "dialog_test_scene.h"
#include "editor/parameter_adjust_dialog.h"

namespace mb::test {
namespace {

// Stands in for the Moving object dialog: remembers which balls it was opened on.
class BallDialogDouble : public PropertyDialog {
public:
    std::vector<int> opened;
    BallDialogDouble(Prompts& prompts, QWidget* parent) : PropertyDialog(ElementKind::Ball, {}, prompts, parent) {
        setObjectName("TForm4");
    }

protected:
    void load(const Scene&, int index, bool isNew) override {
        EXPECT_FALSE(isNew);
        opened.push_back(index);
    }
    bool store(Scene&, int) override { return true; }
    QString deleteQuestion() const override { return "Do you want to delete this moving object?"; }
};

struct AdjustBench {
    ScriptedPrompts prompts;
    QWidget parent;
    ElementDialogs dialogs;
    BallDialogDouble* ball;
    ParameterAdjustDialog adjust{dialogs, prompts, &parent};
    std::unique_ptr<Scene> scene;

    explicit AdjustBench(std::unique_ptr<Scene> s) : scene(std::move(s)) {
        AddFieldConnectorTrackDialogs(dialogs, prompts, &parent);
        ball = new BallDialogDouble(prompts, &parent);
        dialogs.add(ball);
    }
    // Runs the window with `act` working on it, then closes it.
    void run(const std::function<void(QDialog&)>& act) {
        prompts.dialogs.push_back([act](QDialog& d) {
            d.show();
            act(d);
            d.reject();
            return d.result();
        });
        adjust.run(*scene);
    }
};

struct Window {
    QListWidget* kinds;
    QListWidget* elements;
    QLabel* choice;
    QPushButton* adjust;
    explicit Window(QDialog& d)
        : kinds(Child<QListWidget>(d, "ListBox1")),
          elements(Child<QListWidget>(d, "ListBox2")),
          choice(Child<QLabel>(d, "Label4")),
          adjust(Child<QPushButton>(d, "BitBtn1")) {}
    // The state every activation returns to.
    void expectActivated(int balls, const std::string& where) const {
        EXPECT_EQ(kinds->currentRow(), 0) << where;
        EXPECT_EQ(elements->count(), balls) << where;
        EXPECT_EQ(choice->text(), "") << where;
        EXPECT_FALSE(adjust->isEnabled()) << where;
    }
};

TEST(ParameterAdjust, EveryKindListsItsElementsInTableOrderAndEachEntryOpensItsOwnElement) {
    AdjustBench bench(SceneWithEveryKind(30, 2));
    const Scene& scene = *bench.scene;
    std::vector<std::string> opened, expected;
    bench.run([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Parameter adjust");
        Window w(d);
        ASSERT_EQ(w.kinds->count(), 14);
        EXPECT_EQ(w.kinds->item(4)->text(), "Universal &gravitation mass");
        w.expectActivated(30, "start");
        for (int row = 0; row < w.kinds->count(); ++row) {
            const ElementKind kind = ParameterAdjustDialog::kindAt(row);
            const std::string where = w.kinds->item(row)->text().toStdString();
            w.kinds->setCurrentRow(row);
            ASSERT_EQ(w.elements->count(), ElementCount(scene, kind)) << where;
            EXPECT_FALSE(w.adjust->isEnabled()) << where;
            for (int i = 0; i < w.elements->count(); ++i) {
                const std::string name = ElementName(scene, kind, i);
                EXPECT_EQ(w.elements->item(i)->text().toStdString(), name) << where;
                w.elements->setCurrentRow(i);
                EXPECT_TRUE(w.adjust->isEnabled()) << where;
                EXPECT_EQ(w.choice->text(), QString::fromStdString("Choose:" + name + " from ") + w.kinds->item(row)->text());
                // The opened dialog shows the element's own name (the ball double has none).
                expected.push_back(kind == ElementKind::Ball ? "TForm4" : name);
                bench.prompts.dialogs.push_back([&](QDialog& opened_) {
                    auto* nameEdit = opened_.findChild<QLineEdit*>("Edit1");
                    opened.push_back(nameEdit ? nameEdit->text().toStdString() : opened_.objectName().toStdString());
                    return int(QDialog::Rejected);
                });
                QTest::mouseClick(w.adjust, Qt::LeftButton);
                w.expectActivated(30, where + " after its dialog");
                w.kinds->setCurrentRow(row);
            }
        }
    });
    EXPECT_EQ(opened, expected);
    std::vector<int> balls(30);
    for (int i = 0; i < 30; ++i) balls[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(bench.ball->opened, balls);
}

TEST(ParameterAdjust, ADeleteThroughItShowsTheCompactedList) {
    AdjustBench bench(SceneWithEveryKind(3, 3));
    bench.run([&](QDialog& d) {
        Window w(d);
        w.kinds->setCurrentRow(1);  // "Dot electric field"
        w.elements->setCurrentRow(1);
        bench.prompts.dialogs.push_back([](QDialog& opened) {
            ClickText(opened, "&Delete");  // the question is answered OK
            return opened.result();
        });
        QTest::mouseClick(w.adjust, Qt::LeftButton);
        w.expectActivated(3, "after the delete");
        w.kinds->setCurrentRow(1);
        ASSERT_EQ(w.elements->count(), 2);
        EXPECT_EQ(w.elements->item(0)->text().toStdString(), TestName(ElementKind::PointCharge, 0));
        EXPECT_EQ(w.elements->item(1)->text().toStdString(), TestName(ElementKind::PointCharge, 2));
    });
    EXPECT_EQ(bench.prompts.messages.back().text, "Do you want to delete this electric dot?");
    EXPECT_EQ(ElementCount(*bench.scene, ElementKind::PointCharge), 2);
}

TEST(ParameterAdjust, DoubleClickOpensAtOnceAndAnEmptyKindCannotBeAdjusted) {
    AdjustBench bench(SceneWithEveryKind(3, 0));
    QString shownWhileOpen;
    bench.run([&](QDialog& d) {
        Window w(d);
        w.kinds->setCurrentRow(5);  // "Damp field": none
        EXPECT_EQ(w.elements->count(), 0);
        EXPECT_FALSE(w.adjust->isEnabled());
        w.kinds->setCurrentRow(0);
        bench.prompts.dialogs.push_back([&](QDialog& opened) {
            shownWhileOpen = w.choice->text();
            return opened.result();
        });
        const QRect at = w.elements->visualItemRect(w.elements->item(2));
        QTest::mouseClick(w.elements->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(w.elements->viewport(), Qt::LeftButton, {}, at.center());
        w.expectActivated(3, "after the double click");
    });
    EXPECT_EQ(bench.ball->opened, std::vector<int>{2});
    EXPECT_EQ(shownWhileOpen.toStdString(), "Choose:" + TestName(ElementKind::Ball, 2) + " from Moving object");
}

}  // namespace
}  // namespace mb::test
