// Two displays served by one tick: the scene surface and the data window each
// do their own part of the display work, and the engine sees only one of them.
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

private:
    TickDisplay* first_;
    TickDisplay* second_;
};

}  // namespace mb
