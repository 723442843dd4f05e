// Small helpers for building experiments in engine tests.
#pragma once

#include <memory>

#include "engine/engine.h"

namespace mb::test {

inline std::unique_ptr<Scene> NewScene() {
    auto s = std::make_unique<Scene>();
    s->view = ViewScale{600, 450, 0.01};
    return s;
}

inline Ball& AddBall(Scene& s, double x, double y, double vx = 0, double vy = 0, double m = 1, double R = 0.1,
                     double q = 0) {
    return s.balls[mb::AddBall(s, {x, y, vx, vy, m, R, q})];
}

// Runs n single sub-steps (one tick of one sub-step each) and calls f after each.
template <class F>
int RunSubSteps(Scene& s, int n, F f) {
    s.settings.StepsPerTick = 1;
    for (int i = 0; i < n; ++i) {
        const int r = StepScene(s, nullptr);
        if (r != kStepNormal) return r;
        f(i + 1);
    }
    return kStepNormal;
}

// Mean period from the times at which a sampled signal crosses its level upward.
class PeriodMeter {
public:
    explicit PeriodMeter(double level) : level_(level) {}
    void sample(double t, double v) {
        if (havePrev_ && prev_ < level_ && v >= level_) {
            const double tc = prevT_ + (t - prevT_) * (level_ - prev_) / (v - prev_);
            if (crossings_ == 0) first_ = tc;
            last_ = tc;
            ++crossings_;
        }
        prev_ = v;
        prevT_ = t;
        havePrev_ = true;
    }
    int cycles() const { return crossings_ - 1; }
    double period() const { return (last_ - first_) / cycles(); }

private:
    double level_;
    double prev_ = 0, prevT_ = 0, first_ = 0, last_ = 0;
    bool havePrev_ = false;
    int crossings_ = 0;
};

}  // namespace mb::test
