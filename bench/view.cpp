// Cost of the view's two hot paths: a full redraw of the largest scene and one
// tick's display work with 30 balls drawing their trajectories.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <memory>

#include "view/ball_overlay.h"
#include "view/ball_sprite.h"
#include "view/scene_surface.h"
#include "view/tick_display.h"

namespace {

using namespace mb;

// Every table full, 30 balls, 100 remarks, every switch on.
std::unique_ptr<Scene> LargestScene(bool connectors) {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    Scene& sc = *s;
    sc.view = ViewScale{600, 600, 10.0};
    ExperimentSettings& set = sc.settings;
    set.ShowCoordinate = set.GravityOn = set.RelativityOn = set.MutualGravitationOn = set.MutualCoulombOn = set.BumpOn = 1;
    for (int i = 0; i < kTableCapacity; ++i) {
        const double x = -5000 + 500.0 * i, y = -4000 + 400.0 * (i % 10);
        sc.dampingFields[i] = DampingField{x, y, x + 1000, y + 800, 1, 1, 0};
        sc.gravityMasses[i] = GravityMass{x + 100, y, 1e10};
        sc.pointCharges[i] = PointChargeField{x, y + 100, i % 2 ? 1e-6 : -1e-6};
        sc.electricFields[i] = UniformElectricField{x, y, x + 1200, y + 1000, 0.3 * i, i % 3 ? 10.0 : -10.0};
        sc.magneticFields[i] = UniformMagneticField{y, x, y + 1000, x + 1000, i % 2 ? 1.0 : -1.0, 0.5};
        sc.straightTracks[i] = MakeStraightTrack(x, y, x + 3000, y - 2000);
        sc.circularTracks[i] = CircularTrack{x, -y, 0, 3.0 + 0.1 * i, 800, 0, 0};
        if (connectors) {
            sc.hangingSprings[i] = HangingConnector{x, 5000, 100, 5, 0, double(i)};
            sc.linkSprings[i] = LinkConnector{double(i), double((i + 1) % 30), 100, 5, 0};
            sc.hangingCords[i] = HangingConnector{-x, 5000, 100, 5, 1, double(i + 10)};
            sc.linkCords[i] = LinkConnector{double(i + 10), double((i + 3) % 30), 100, 5, 1};
            sc.hangingPoles[i] = HangingConnector{x, -5000, 100, 5, 0, double((i + 20) % 30)};
            sc.linkPoles[i] = LinkConnector{double((i + 5) % 30), double((i + 7) % 30), 100, 5, 0};
        }
    }
    for (int j = 0; j < kBallCapacity; ++j) {
        Ball& b = sc.balls[j];
        b.M0 = 1;
        b.x0 = -4500 + 1500.0 * (j % 6);
        b.y0 = -4000 + 1800.0 * (j / 6);
        b.vx0 = 10;
        b.vy0 = j % 3 ? 5 : 0;
        b.R = 80;  // 8 pixels
        b.red = 50 + 6 * j;
        b.green = 255 - 5 * j;
        b.blue = 120;
        b.trackFlag = 1;
        DeriveBall(b, sc.view);
    }
    for (int r = 0; r < kRemarkCapacity; ++r) {
        Remark& m = sc.remarks[r];
        m.text = "remark " + std::to_string(r);
        m.x = 20 + 110 * (r % 10);
        m.y = 20 + 115 * (r / 10);
        m.fontColour = PackColour(255, 255, 255);
        m.fontSize = 10;
        m.fontName = "Liberation Sans";
    }
    return s;
}

void BM_FullRedrawLargestScene(benchmark::State& state) {
    auto s = LargestScene(true);
    SceneSurface surface;
    surface.setWindowSize(1200, 1200);
    for (auto _ : state) {
        surface.FullRedraw(*s);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_FullRedrawLargestScene)->Unit(benchmark::kMillisecond);

// The display work of one tick: the time box and 30 picture moves with their
// trajectory segments, each ball moving a pixel or two as in a slow run.
void TickDisplayWork(benchmark::State& state, bool connectors) {
    auto s = LargestScene(connectors);
    SceneSurface surface;
    surface.setWindowSize(1200, 1200);
    s->Running = 1;
    surface.FullRedraw(*s);
    SurfaceTickDisplay display(surface);
    int tick = 0;
    for (auto _ : state) {
        display.drawTimeBox(*s);
        // Back and forth along a diagonal, staying in view.
        const int step = (tick / 40) % 2 ? -1 : 1;
        for (int j = 0; j < kBallCapacity; ++j) {
            const Ball& b = s->balls[j];
            display.moveBall(*s, j, b.screenX + step, b.screenY + ((tick + j) % 2) * step);
        }
        s->RunTime += 0.1;
        surface.takeDirty();
        ++tick;
    }
}
void BM_TickDisplay30Balls(benchmark::State& state) { TickDisplayWork(state, false); }
void BM_TickDisplay30BallsEveryConnector(benchmark::State& state) { TickDisplayWork(state, true); }
BENCHMARK(BM_TickDisplay30Balls)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDisplay30BallsEveryConnector)->Unit(benchmark::kMicrosecond);

// What the arrows and names add to one frame of the scene widget: their region
// (repainted to take the last frame's away) and painting them over a
// window-sized copy of the surface, for 30 moving, accelerating, named balls.
void BM_Overlay30BallsArrowsAndNames(benchmark::State& state) {
    auto s = LargestScene(false);
    SceneSurface surface;
    surface.setWindowSize(1200, 1200);
    // The full redraw puts the balls at their start; a frame of a run finds them
    // on their way, with the last sub-step's accelerations.
    surface.FullRedraw(*s);
    for (int j = 0; j < kBallCapacity; ++j) {
        Ball& b = s->balls[j];
        b.x += 1;
        b.vx = 10 + j, b.vy = 5 - j;
        b.ax = 0.5 * j, b.ay = -1.0 - j;
        s->balls.names[static_cast<std::size_t>(j)] = "Ball_" + std::to_string(j + 1);
    }
    QImage frame = surface.image().copy(0, 0, 1200, 900);
    const OverlayChoice all{true, true, true};
    for (auto _ : state) {
        const OverlayFrame overlay = LayOutOverlay(*s, all, frame.size());
        QPainter p(&frame);
        p.setClipRegion(overlay.region);
        PaintOverlay(p, overlay);
        p.end();
        benchmark::DoNotOptimize(frame.constBits());
        // The next frame's balls a pixel on, as in a run.
        for (int j = 0; j < kBallCapacity; ++j) s->balls[j].screenX += (state.iterations() % 2) ? 1 : -1;
    }
}
BENCHMARK(BM_Overlay30BallsArrowsAndNames)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
