#include "scene/scene.h"

#include <algorithm>
#include <cmath>

namespace mb {

void ResetScene(Scene& scene) {
    scene.settings.GravityOn = 0;
    scene.settings.MutualGravitationOn = 0;
    scene.settings.MutualCoulombOn = 0;
    scene.settings.RelativityOn = 0;
    scene.settings.BumpOn = 0;
    scene.settings.AccurateStep = 0;
    scene.reservedBytes.fill(0);
    scene.ledger = RunLedger{};
    // The cord and pole switches are left for the next full redraw to refresh.
    PresenceSwitches& p = scene.presence;
    p.damping = p.gravityMass = p.pointCharge = p.electricField = p.magneticField = 0;
    p.hangingSpring = p.linkSpring = p.straightTrack = p.circularTrack = 0;

    scene.SelectedBall = -1;
    scene.settings.StepTime = 0.001;
    scene.RunTime = 0.0;
    scene.view = ViewScale{};
    scene.settings.ShowCoordinate = 1;

    scene.balls.clear();
    scene.dampingFields.clear();
    scene.gravityMasses.clear();
    scene.pointCharges.clear();
    scene.electricFields.clear();
    scene.magneticFields.clear();
    scene.hangingSprings.clear();
    scene.linkSprings.clear();
    scene.straightTracks.clear();
    scene.circularTracks.clear();
    scene.hangingCords.clear();
    scene.linkCords.clear();
    scene.hangingPoles.clear();
    scene.linkPoles.clear();

    scene.curve = CurveSettings{};
    // Remarks lose their texts but keep their fonts, so a new remark starts with
    // the font the slot had.
    for (Remark& r : scene.remarks) r.text.clear();
}

void DeriveBallScreen(Ball& b, const ViewScale& view) {
    b.red = std::clamp(b.red, 0, 255);
    b.green = std::clamp(b.green, 0, 255);
    b.blue = std::clamp(b.blue, 0, 255);
    b.colour = PackColour(b.red, b.green, b.blue);
    b.screenX = view.ballColumn(b.x0);
    b.screenY = view.ballRow(b.y0);
    b.pixelRadius = view.pixelRadius(b.R);
}

void ResetBallMotion(Ball& b, const ViewScale& view) {
    b.x = b.x0;
    b.y = b.y0;
    b.vx = b.vx0;
    b.vy = b.vy0;
    b.mass = b.M0;
    b.screenX = view.ballColumn(b.x0);
    b.screenY = view.ballRow(b.y0);
    b.pixelRadius = view.pixelRadius(b.R);
}

void ResetBallToInitial(Ball& b, const ViewScale& view) {
    ResetBallMotion(b, view);
    b.markX = b.x0;
    b.markY = b.y0;
    b.prevMeanVx = b.vx0;
    b.prevMeanVy = b.vy0;
}

void RefreshPresenceSwitches(Scene& s) {
    PresenceSwitches& p = s.presence;
    p.damping = s.dampingFields[0].inUse();
    p.gravityMass = s.gravityMasses[0].inUse();
    p.pointCharge = s.pointCharges[0].inUse();
    p.electricField = s.electricFields[0].inUse();
    p.magneticField = s.magneticFields[0].inUse();
    p.hangingSpring = s.hangingSprings[0].inUse();
    p.linkSpring = s.linkSprings[0].inUse();
    p.hangingCord = s.hangingCords[0].inUse();
    p.linkCord = s.linkCords[0].inUse();
    p.hangingPole = s.hangingPoles[0].inUse();
    p.linkPole = s.linkPoles[0].inUse();
    p.straightTrack = s.straightTracks[0].inUse();
    p.circularTrack = s.circularTracks[0].inUse();
}

StraightTrack MakeStraightTrack(double xs, double ys, double xe, double ye) {
    if (xs > xe) {
        std::swap(xs, xe);
        std::swap(ys, ye);
    }
    // A zero difference is replaced by a tiny one so that a horizontal or vertical
    // track still gets a finite line; the coefficients are huge but exact enough.
    double dx = xs - xe;
    double dy = ys - ye;
    if (std::fabs(dx) < 1e-70) dx = 1e-70;
    if (std::fabs(dy) < 1e-70) dy = 1e-70;
    StraightTrack t{};
    t.A = 1.0;
    t.B = -dx / dy;
    t.C = (dy / dx * xs - ys) * t.B;
    t.norm = std::sqrt(t.A * t.A + t.B * t.B);
    t.theta = std::atan(-t.A / t.B);
    t.xs = xs;
    t.ys = ys;
    t.xe = xe;
    t.ye = ye;
    return t;
}

int AddBall(Scene& scene, const BallInit& init, const std::string& name) {
    const int i = scene.balls.firstFree();
    if (i < 0) return -1;
    Ball& b = scene.balls[i];
    b = Ball{};
    b.x0 = init.x0;
    b.y0 = init.y0;
    b.vx0 = init.vx0;
    b.vy0 = init.vy0;
    b.M0 = init.M0;
    b.R = init.R;
    b.Q = init.Q;
    b.red = 100;
    b.green = 255;
    b.blue = 100;
    b.trackFlag = 1;
    DeriveBallScreen(b, scene.view);
    ResetBallToInitial(b, scene.view);
    scene.balls.names[static_cast<std::size_t>(i)] = name;
    return i;
}

bool BallExists(const Scene& scene, int index) {
    return index >= 0 && index < kBallCapacity && scene.balls[index].inUse();
}

}  // namespace mb
