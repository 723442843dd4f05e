// The display work of a run's tick on the scene surface: the time box and the
// picture moves of the balls with their trajectories.
#pragma once

#include <array>
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
    // k: the kind's number in kConnectorKinds.
    struct Held {
        int k;
        int index;
        ConnectorShape before;
    };
    struct Crossing {
        int k;
        int index;
    };

private:
    // A connector's shape with what it was worked out from: its record's ball
    // references and anchor, the screen places of its balls and the view. A move
    // asks for the shape of every connector but changes only those its ball
    // holds; the others are taken from here while what they depend on is unchanged.
    struct ShapeKey {
        double ref0 = 0, ref1 = 0, anchorX = 0, anchorY = 0;
        int balls[2] = {-1, -1};
        int screen[4] = {};
        ViewScale view;
    };
    struct ShapeMemo {
        bool known = false;
        ShapeKey key;
        ConnectorShape shape;
    };
    // The shape of connector `index` of kind number `k` in kConnectorKinds, and
    // whether ball j is one of its balls.
    const ConnectorShape& shapeOf(const Scene& scene, int k, int index);
    bool holds(int k, int index, int j) const;

    SceneSurface& surface_;
    std::array<std::array<ShapeMemo, kTableCapacity>, 6> memo_{};
    std::vector<Held> held_;
    std::vector<Crossing> crossing_;
};

}  // namespace mb
