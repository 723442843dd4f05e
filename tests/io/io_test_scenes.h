// Scenes and byte helpers shared by the project file tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "scene/scene.h"

namespace mb::test {

inline std::unique_ptr<Scene> BlankScene() { return std::make_unique<Scene>(); }

inline void PutBall(Scene& s, int i, const std::string& name, double x0, double y0, double M0, double R) {
    ASSERT_EQ(mb::AddBall(s, {.x0 = x0, .y0 = y0, .M0 = M0, .R = R}, name), i);
}

// A scene with something in every table, two balls and two remarks, with values
// that differ from the reset ones wherever the file stores them.
inline std::unique_ptr<Scene> RichScene() {
    auto s = std::make_unique<Scene>();
    s->settings.StepsPerTick = 50;
    s->settings.StepTime = 0.0005;
    s->settings.GravityOn = 1;
    s->settings.MutualGravitationOn = 1;
    s->settings.MutualCoulombOn = 0;
    s->settings.RelativityOn = 1;
    s->settings.BumpOn = 1;
    s->settings.ShowCoordinate = 0;
    s->view = ViewScale{400, 300, 0.05};
    s->SelectedBall = 1;

    PutBall(*s, 0, "Ball_1", 1.0, 2.0, 3.0, 0.5);
    PutBall(*s, 1, "heavy one", -1.25, 0.75, 7.5, 0.25);
    s->balls[0].Q = 1e-6;
    s->balls[0].vx0 = 3;
    s->balls[0].vy0 = -4;
    s->balls[0].extraFx = 0.5;
    s->balls[0].extraFy = -0.25;
    s->balls[1].curveFlag = 1;
    s->balls[1].trackFlag = 0;
    s->balls[1].red = 10;
    s->balls[1].green = 20;
    s->balls[1].blue = 30;
    s->balls[1].colour = PackColour(10, 20, 30);
    s->balls[1].pixelCount = 321;
    s->balls.nameCounter = 7;

    s->dampingFields[0] = {-1, -1, 1, 1, 0.3, 1, 2};
    s->dampingFields.names[0] = "Damp_field1";
    s->dampingFields.nameCounter = 1;
    s->gravityMasses[0] = {5, 5, 1e12};
    s->gravityMasses.names[0] = "Mass_3";
    s->gravityMasses.nameCounter = 3;
    s->pointCharges[0] = {0, 3, -2e-6};
    s->pointCharges[1] = {0, -3, 2e-6};
    s->pointCharges.names[0] = "E_dot_1";
    s->pointCharges.names[1] = "E_dot_2";
    s->pointCharges.nameCounter = 2;
    s->electricFields[0] = {-2, -2, 2, 2, 1.5, 100};
    s->electricFields.names[0] = "E_field_1";
    s->magneticFields[0] = {-3, -3, 3, 3, -1, 0.5};
    s->magneticFields.names[0] = "Magnetic_1";
    s->hangingSprings[0] = {0, 5, 1, 20, 0, 0};
    s->hangingSprings.names[0] = "P_spring_1";
    s->linkSprings[0] = {0, 1, 0.5, 30, 1};
    s->linkSprings.names[0] = "L_spring_1";
    s->straightTracks[0] = MakeStraightTrack(-5, -5, 5, -5);
    s->straightTracks[0].spare1 = 11;
    s->straightTracks[0].spare2 = 22;
    s->straightTracks.names[0] = "R_track_1";
    s->straightTracks.nameCounter = 4;
    s->circularTracks[0] = {0, 0, -1.5, 1.5, 4, 0, 0};
    s->circularTracks.names[0] = "C_track_1";
    s->hangingCords[0] = {1, 4, 2, 3000, 1, 1};
    s->hangingCords.names[0] = "P_cord_1";
    s->linkCords[0] = {1, 0, 1, 5000, 1};
    s->linkCords.names[0] = "Link_cord_1";
    s->hangingPoles[0] = {-1, 4, 2, 7000, 0, 0};
    s->hangingPoles.names[0] = "P_pole_1";
    s->linkPoles[0] = {0, 1, 2, 9000, 0};
    s->linkPoles.names[0] = "Link_pole_9";
    s->linkPoles.nameCounter = 9;

    Remark& r0 = s->remarks[0];
    r0.x = 20;
    r0.y = 30;
    r0.width = 120;
    r0.height = 18;
    r0.charset = 1;
    r0.fontColour = 0xFFFFFF;
    r0.fontHeight = 15;
    r0.pitch = 2;
    r0.fontSize = 11;
    r0.style = kStyleBold | kStyleUnderline;
    r0.text = "Watch the period";
    r0.fontName = "DejaVu Sans";
    s->remarks[1] = r0;
    s->remarks[1].y = 60;
    s->remarks[1].text = "Zweite Bemerkung: Größe";
    s->remarks[1].fontName = "DejaVu Serif";

    s->curve.startTime = 1;
    s->curve.endTime = 5;
    s->curve.horizontalVariable = kQuantityX;
    s->curve.horizontalStart = -2;
    s->curve.horizontalStep = 0.5;
    s->curve.verticalVariable = kQuantitySpeed;
    s->curve.verticalStart = 0.25;
    s->curve.verticalStep = 2;
    return s;
}

inline void PokeI32(std::string& bytes, std::size_t at, std::int32_t v) { std::memcpy(&bytes[at], &v, 4); }
inline void PokeF64(std::string& bytes, std::size_t at, double v) { std::memcpy(&bytes[at], &v, 8); }
inline std::int32_t PeekI32(const std::string& bytes, std::size_t at) {
    std::int32_t v;
    std::memcpy(&v, &bytes[at], 4);
    return v;
}

}  // namespace mb::test
