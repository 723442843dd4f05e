// Two displays served by one tick: the scene surface and the data window each
// do their own part of the display work, and the engine sees only one of them.
// A pair holds a pair for more (the surface, then the data window and the live graph).
#pragma once

#include "engine/engine.h"

namespace mb {

class TickDisplayPair : public TickDisplay {
public:
    TickDisplayPair(TickDisplay* first, TickDisplay* second) : first_(first), second_(second) {}

    void drawTimeBox(const Scene& scene) override {
        if (first_) first_->drawTimeBox(scene);
        if (second_) second_->drawTimeBox(scene);
    }
    void updateDataWindow(const Scene& scene, int ball) override {
        if (first_) first_->updateDataWindow(scene, ball);
        if (second_) second_->updateDataWindow(scene, ball);
    }
    void moveBall(Scene& scene, int ball, int sx, int sy) override {
        if (first_) first_->moveBall(scene, ball, sx, sy);
        if (second_) second_->moveBall(scene, ball, sx, sy);
    }
    void tickEnded(const Scene& scene) override {
        if (first_) first_->tickEnded(scene);
        if (second_) second_->tickEnded(scene);
    }

private:
    TickDisplay* first_;
    TickDisplay* second_;
};

}  // namespace mb
