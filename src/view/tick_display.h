// The display work of a run's tick on the scene surface: the time box and the
// picture moves of the balls with their trajectories.
#pragma once

#include <vector>

#include "engine/engine.h"
#include "view/connector_moves.h"
#include "view/scene_surface.h"

namespace mb {

class SurfaceTickDisplay : public TickDisplay {
public:
    explicit SurfaceTickDisplay(SceneSurface& surface) : surface_(surface) {}

    void drawTimeBox(const Scene& scene) override;
    // Left for the synchronous data window; the surface draws nothing for it.
    void updateDataWindow(const Scene& scene, int ball) override;
    // Connectors lifted (XOR), the pictures of the balls overlapping the new place
    // lifted, this ball lifted, its trajectory segment drawn when its track flag is
    // set, the backdrop saved at the new place, the sprite and the overlapping balls
    // stamped, the ball's screen position stored, the connectors drawn again.
    void moveBall(Scene& scene, int ball, int sx, int sy) override;

    // The connectors a move deals with; kept between moves to spare allocations.
    struct Held {
        ElementKind kind;
        int index;
        ConnectorShape before;
    };
    struct Crossing {
        ElementKind kind;
        int index;
    };

private:
    SceneSurface& surface_;
    std::vector<Held> held_;
    std::vector<Crossing> crossing_;
};

}  // namespace mb
