// The scenes the engine benchmark times, shared with the tests that check the
// fast stepping loop against the plain transcription of the laws.
#pragma once

#include <cmath>
#include <memory>

#include "engine/engine.h"

namespace mb::bench {

// 30 balls on a 6 x 5 lattice, charged alternately, drifting so that they meet.
inline void FillBalls(Scene& s) {
    for (int i = 0; i < mb::kBallCapacity; ++i)
        mb::AddBall(s, {(i % 6) * 3.0 - 7.5, (i / 6) * 3.0 - 6.0, std::sin(i) * 2.0, std::cos(i) * 2.0, 1.0 + 0.1 * i,
                        0.4, (i % 2 ? 1e-5 : -1e-5)});
    s.view.MetresPerPixel = 0.05;
    s.view.OriginX = 600;
    s.view.OriginY = 450;
}

inline std::unique_ptr<Scene> MutualScene() {
    auto s = std::make_unique<Scene>();
    FillBalls(*s);
    s->settings.MutualGravitationOn = 1;
    s->settings.MutualCoulombOn = 1;
    s->settings.BumpOn = 1;
    return s;
}

// Every table full and every switch on: the most work one tick can ask for.
inline std::unique_ptr<Scene> LargestScene() {
    auto s = MutualScene();
    Scene& sc = *s;
    sc.settings.GravityOn = 1;
    sc.settings.RelativityOn = 1;
    for (int i = 0; i < mb::kTableCapacity; ++i) {
        const double o = i * 0.5;
        sc.dampingFields[i] = {-20 + o, -20, -10 + o, 20, 0.01, 1, static_cast<double>(i % 3)};
        sc.gravityMasses[i] = {-30 + o, 25, 1e6};
        sc.pointCharges[i] = {30 - o, -25, (i % 2 ? 1e-6 : -1e-6)};
        sc.electricFields[i] = {-5, -5, 5 + o, 5, 0.3 * i, 100};
        sc.magneticFields[i] = {-8, -8, 8, 8 + o, (i % 2 ? 1.0 : -1.0), 0.01};
        sc.hangingSprings[i] = {o, 30, 5, 10, static_cast<double>(i % 3), static_cast<double>(i)};
        sc.linkSprings[i] = {static_cast<double>(i), static_cast<double>(i + 1), 3, 5, 0};
        sc.straightTracks[i] = mb::MakeStraightTrack(-30 + o, -28, 30 - o, -27);
        sc.circularTracks[i] = {0, 0, -1.0, 2.0 + 0.1 * i, 25 + o, 0, 0};
        sc.hangingCords[i] = {o, -30, 1, 1, 1, static_cast<double>(i + 5)};
        sc.linkCords[i] = {static_cast<double>(i + 2), static_cast<double>(i + 9), 1, 1, 1};
        sc.hangingPoles[i] = {-o, 30, 1, 1, 0, static_cast<double>(i + 10)};
        sc.linkPoles[i] = {static_cast<double>(i + 3), static_cast<double>(i + 7), 1, 1, 0};
    }
    return s;
}

// 30 balls hung under gravity: 20 on cords in a row, each tied to its neighbour
// by a spring, and 10 hung on poles below every second one of them (double
// pendulums), swinging from different starts. The step time is 0.05 ms: the
// classic step's stiff cords and poles leave the screen within a minute at any
// step time above 0.1 ms (the accurate step holds the scene at 1 ms).
inline std::unique_ptr<Scene> HangingRowScene() {
    auto s = std::make_unique<Scene>();
    Scene& sc = *s;
    for (int i = 0; i < mb::kTableCapacity; ++i)
        mb::AddBall(sc, {(i - 9.5) * 0.8, -2.0, std::sin(i) * 1.5, 0, 1.0 + 0.05 * i, 0.15});
    for (int i = 0; i < 10; ++i) mb::AddBall(sc, {(2 * i - 9.5) * 0.8 + 0.3, -3.0, std::cos(i), 0, 0.5, 0.12});
    for (int i = 0; i < mb::kTableCapacity; ++i) {
        sc.hangingCords[i] = {sc.balls[i].x0, 0, 1, 1, mb::kModePullOnly, static_cast<double>(i)};
        if (i + 1 < mb::kTableCapacity)
            sc.linkSprings[i] = {static_cast<double>(i), static_cast<double>(i + 1), 0.8, 20, mb::kModeBoth};
    }
    for (int i = 0; i < 10; ++i)
        sc.linkPoles[i] = {static_cast<double>(2 * i), static_cast<double>(20 + i), 1, 1, mb::kModeBoth};
    sc.settings.GravityOn = 1;
    sc.settings.StepTime = 5e-5;
    sc.view.MetresPerPixel = 0.02;
    sc.view.OriginX = 600;
    sc.view.OriginY = 300;
    return s;
}

inline std::unique_ptr<Scene> SingleBallScene() {
    auto s = std::make_unique<Scene>();
    mb::AddBall(*s, {.vx0 = 3, .vy0 = 20});
    s->settings.GravityOn = 1;
    s->view.MetresPerPixel = 0.01;
    return s;
}

}  // namespace mb::bench
