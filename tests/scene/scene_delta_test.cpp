// What a step of the edit history keeps: what the user changed, not what the
// program derives while drawing and running, and exactly enough to put it back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "scene/element_kinds.h"
#include "scene/scene_delta.h"
#include "scene/table_ops.h"

namespace mb {
namespace {

std::unique_ptr<Scene> TwoBallsAndACord() {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    AddBall(*s, {1, 2}, TakeDefaultName(*s, ElementKind::Ball));
    AddBall(*s, {-3, 4}, TakeDefaultName(*s, ElementKind::Ball));
    s->hangingCords[0] = {0, 10, 6, 1, kModePullOnly, 1};
    s->hangingCords.names[0] = TakeDefaultName(*s, ElementKind::HangingCord);
    s->remarks[0].text = "watch the cord";
    return s;
}

bool Same(const Scene& a, const Scene& b) { return SceneDelta::Between(a, b).empty(); }

TEST(SceneDeltaTest, AStepKeepsWhatTheUserChangedAndPutsItBack) {
    struct Case {
        const char* text;  // the step's name; empty: no step at all
        std::function<void(Scene&)> edit;
    };
    const Case cases[] = {
        {"Place Ball_3", [](Scene& s) { AddBall(s, {5, 5}, TakeDefaultName(s, ElementKind::Ball)); }},
        // Ball_2 takes the first slot and the cord's ball follows it.
        {"Delete Ball_1", [](Scene& s) { DeleteElement(s, ElementKind::Ball, 0); }},
        {"Edit P_cord_1", [](Scene& s) { s.hangingCords[0].anchorX = 2; }},
        {"Edit remark", [](Scene& s) { s.remarks[0].text = "watch the ball"; }},
        {"Experiment settings", [](Scene& s) { s.settings.GravityOn = 1; }},
        {"Scale", [](Scene& s) { s.view.MetresPerPixel *= 2; }},
        {"Curve settings", [](Scene& s) { s.curve.endTime = 3; }},
        // Derived as the program draws and runs: no step.
        {"", [](Scene& s) { s.hangingCords[0].L = 6.5, s.hangingCords[0].K = 900; }},
        {"", [](Scene& s) { s.balls[0].x = 7, s.balls[0].screenX = 40, s.balls[0].pixelCount = 12; }},
        {"", [](Scene& s) { s.remarks[0].width = 80; }},
        {"", [](Scene& s) { s.RunTime = 2; }},
    };
    const auto before = TwoBallsAndACord();
    for (const Case& c : cases) {
        auto after = std::make_unique<Scene>(*before);
        c.edit(*after);
        const SceneDelta d = SceneDelta::Between(*before, *after);
        EXPECT_EQ(StepText(d.summary(), ""), c.text);
        EXPECT_EQ(d.empty(), c.text[0] == '\0') << c.text;
        if (d.empty()) continue;
        auto back = std::make_unique<Scene>(*after);
        d.undo(*back);
        EXPECT_TRUE(Same(*before, *back) && Same(*back, *before)) << c.text;
        EXPECT_EQ(back->balls.nameCounter, before->balls.nameCounter) << c.text;
        d.redo(*back);
        EXPECT_TRUE(Same(*after, *back) && Same(*back, *after)) << c.text;
        // A step holds records, never the ball pictures.
        EXPECT_LT(d.bytes(), 4096u) << c.text;
    }
}

}  // namespace
}  // namespace mb
