// A main window with an open project to edit with the mouse, and a stand-in
// property dialog for the kinds whose own dialogs are built elsewhere.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "app/app_fixture.h"
#include "editor/element_dialogs.h"
#include "editor/mouse_editor.h"
#include "scene/element_kinds.h"

namespace mb::test {

// Accepts by putting the kind's in-use marker in place (a straight track also gets
// its line form, a circular track its full circle); nothing else.
class MarkerDialog : public PropertyDialog {
public:
    static constexpr FormText kTexts[] = {{"Ok", "&Ok"}, {"Cancel", "&Cancel"}};
    MarkerDialog(ElementKind kind, Prompts& prompts, QWidget* parent)
        : PropertyDialog(kind, kTexts, prompts, parent) {
        setObjectName(QString("Marker%1").arg(int(kind)));
        QPushButton* ok = form().button("Ok");
        QPushButton* cancel = form().button("Cancel");
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        connectButtons(ok, cancel, nullptr);
    }

protected:
    void load(const Scene&, int, bool) override {}
    bool store(Scene& scene, int index) override {
        VisitTable(scene, kind(), [index](auto& table) {
            auto& r = table[index];
            using R = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<R, DampingField>) r.N = 1;
            else if constexpr (std::is_same_v<R, GravityMass> || std::is_same_v<R, UniformMagneticField>) {
                if constexpr (std::is_same_v<R, GravityMass>) r.M = 1;
                else r.B = 1;
            } else if constexpr (std::is_same_v<R, PointChargeField>) r.Q = 1;
            else if constexpr (std::is_same_v<R, UniformElectricField>) r.E = 1;
            else if constexpr (std::is_same_v<R, HangingConnector> || std::is_same_v<R, LinkConnector>) r.K = 1;
            else if constexpr (std::is_same_v<R, StraightTrack>) r = MakeStraightTrack(r.xs, r.ys, r.xe, r.ye);
            else if constexpr (std::is_same_v<R, CircularTrack>) {
                r.startAngle = 0;
                r.endAngle = 6.283;
            }
        });
        return true;
    }
    QString deleteQuestion() const override { return "delete?"; }
};

class EditorTest : public AppTest {
protected:
    static constexpr double kScale = 0.5;  // metres per pixel
    static constexpr int kOriginX = 200, kOriginY = 300;

    // Opens a project holding `scene` (its view set to the fixture's) and gives every
    // kind but the ball and the remark the marker dialog, so the editor is tested apart from the
    // forms (they have tests of their own).
    void openScene(std::unique_ptr<Scene> s = nullptr) {
        startWindow();
        if (!s) {
            s = std::make_unique<Scene>();
            ResetScene(*s);
        }
        s->view.OriginX = kOriginX;
        s->view.OriginY = kOriginY;
        s->view.MetresPerPixel = kScale;
        s->settings.ShowCoordinate = 0;
        openThroughMenu(writeProject(*s));
        ASSERT_TRUE(window->projectOpen());
        for (ElementKind k : kTableKinds)
            if (k != ElementKind::Ball && k != ElementKind::Remark)
                window->elementDialogs().add(new MarkerDialog(k, prompts, window.get()));
    }

    QWidget* surfaceWidget() { return window->centralWidget(); }
    const EditorState& state() { return window->editor().state(); }
    Scene& scene() { return window->scene(); }
    QString prompt() { return window->findChild<QLabel*>("StatusPanel1")->text(); }

    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(surfaceWidget(), at);
        QTest::mouseClick(surfaceWidget(), button, {}, at);
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(surfaceWidget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(surfaceWidget(), (from + to) / 2);
        // QTest's move does not carry the button; the editor reads its own state.
        QTest::mouseMove(surfaceWidget(), to);
        QTest::mouseRelease(surfaceWidget(), Qt::LeftButton, {}, to);
    }
    // Answers the next dialog with its Ok button of the given name.
    void acceptNext(const char* ok = "Ok") { prompts.dialogs.push_back(Press(ok)); }

    double worldX(int column) { return (column - kOriginX) * kScale; }
    double worldY(int row) { return (kOriginY - row) * kScale; }
};

// A ball of radius R metres at world (x, y), in use, its screen values derived.
inline void PutBall(Scene& s, double x, double y, double R) {
    BallInit b;
    b.x0 = x;
    b.y0 = y;
    b.R = R;
    AddBall(s, b);
}

}  // namespace mb::test
