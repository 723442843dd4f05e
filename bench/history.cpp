// The cost of the edit history on the largest scene (every table full, every
// element named, a hundred remarks): one drag made a step, one step undone or
// redone, and the memory 200 drags keep.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/project_session.h"
#include "bench/engine_scenes.h"
#include "support/scripted_prompts.h"
#include "view/ball_sprite.h"

namespace {

using mb::ProjectSession;

struct Bench {
    QTemporaryDir settings;
    mb::test::ScriptedPrompts prompts;
    QWidget window;  // owns the session and its save prompt
    ProjectSession* session;

    Bench() {
        session = new ProjectSession(prompts, settings.filePath("s.ini"), QString(), &window);
        mb::Scene& s = session->scene();
        s = *mb::bench::LargestScene();
        for (mb::ElementKind kind : mb::kTableKinds) {
            if (!mb::IsNamedKind(kind)) continue;
            for (int i = 0; i < mb::ElementCount(s, kind); ++i) mb::TakeDefaultName(s, kind);
            for (int i = 0; i < mb::ElementCount(s, kind); ++i)
                mb::ElementName(s, kind, i) = mb::KindInfoOf(kind).prefix + std::to_string(i + 1);
        }
        for (int i = 0; i < mb::kRemarkCapacity; ++i) {
            s.remarks[i].text = "remark number " + std::to_string(i);
            s.remarks[i].x = 10 + i;
            s.remarks[i].y = 10 + 3 * i;
        }
        mb::DeriveEveryBall(s);
        session->originSet(s.view.MetresPerPixel);
    }
    // A drag of ball 5 by a few centimetres, as the editor leaves it.
    void drag(int i) {
        session->scene().balls[5].x0 += (i % 2 ? -0.03 : 0.05);
        session->nameNextStep("Move");
        session->record();
    }
};

void DragStep(benchmark::State& state) {
    Bench b;
    int i = 0;
    for (auto _ : state) b.drag(i++);
    state.counters["steps_kept"] = b.session->history().count();
    state.SetLabel("one drag recorded as a step");
}

void UndoRedoStep(benchmark::State& state) {
    Bench b;
    for (int i = 0; i < 200; ++i) b.drag(i);
    int i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            b.session->history().undo();
        else
            b.session->history().redo();
    }
    state.SetLabel("one step undone or redone, its ball drawn again");
}

void TwoHundredDrags(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Bench b;
        const std::size_t heapBefore = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int i = 0; i < 200; ++i) b.drag(i);
        state.PauseTiming();
        const std::size_t heapAfter = mallinfo2().uordblks;
        state.counters["history_bytes"] = double(b.session->historyBytes());
        state.counters["heap_growth_bytes"] = double(heapAfter - heapBefore);
        state.counters["steps_kept"] = b.session->history().count();
        state.ResumeTiming();
    }
}

BENCHMARK(DragStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedoStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(TwoHundredDrags)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
