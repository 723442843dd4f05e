#include "scene/table_ops.h"

#include <algorithm>

#include "scene/element_kinds.h"

namespace mb {

namespace {

int FirstFreeBall(const BallTable& balls) {
    for (int i = 0; i < kBallCapacity; ++i)
        if (!balls[i].inUse()) return i;
    return kBallCapacity;
}

void Renumber(double& ref, int removed) {
    if (ref >= removed) ref -= 1.0;
}

// A reference holds the ball it names once truncated toward zero, the way the
// engine reads it: 1.5 holds ball 1, and so does -0.5 ball 0.
bool Refers(const HangingTable& table, int ball) {
    const int n = table.count();
    for (int i = 0; i < n; ++i)
        if (table[i].ballIndex() == ball) return true;
    return false;
}

bool Refers(const LinkTable& table, int ball) {
    const int n = table.count();
    for (int i = 0; i < n; ++i)
        if (table[i].ball1Index() == ball || table[i].ball2Index() == ball) return true;
    return false;
}

}  // namespace

void RenumberBallRefs(HangingTable& table, const BallTable& balls) {
    const int r = FirstFreeBall(balls);
    if (r == kBallCapacity) return;
    const int n = table.count();
    for (int i = 0; i < n; ++i) Renumber(table[i].ball, r);
}

void RenumberBallRefs(LinkTable& table, const BallTable& balls) {
    const int r = FirstFreeBall(balls);
    if (r == kBallCapacity) return;
    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        Renumber(table[i].ball1, r);
        Renumber(table[i].ball2, r);
    }
}

void CompactBalls(Scene& scene) {
    BallTable& balls = scene.balls;
    const int d = FirstFreeBall(balls);
    if (d == kBallCapacity) return;
    if (scene.SelectedBall == d)
        scene.SelectedBall = -1;
    else if (scene.SelectedBall > d)
        --scene.SelectedBall;  // the chosen ball moved down one place
    for (int i = d; i < kBallCapacity - 1; ++i) {
        balls[i] = balls[i + 1];
        balls.names[static_cast<std::size_t>(i)] = std::move(balls.names[static_cast<std::size_t>(i + 1)]);
    }
    balls[kBallCapacity - 1] = Ball{};
    balls.names[kBallCapacity - 1].clear();
}

bool BallHeldByConnector(const Scene& scene, int ballIndex) {
    bool held = false;
    ForEachConnectorTable(scene, [&](const auto& table, ElementKind) { held = held || Refers(table, ballIndex); });
    return held;
}

void CompactTable(RemarkTable& remarks) {
    // Each gap is closed by moving every later record down one place; the last
    // slot keeps the font it had, so a new remark there starts with that font.
    auto& r = remarks.records;
    for (int i = 0; i < kRemarkCapacity - 1;) {
        if (r[static_cast<std::size_t>(i)].inUse()) {
            ++i;
            continue;
        }
        const auto at = r.begin() + i;
        if (std::none_of(at, r.end(), [](const Remark& m) { return m.inUse(); })) break;
        std::copy(at + 1, r.end(), at);
        r.back().text.clear();
    }
}

DeleteResult DeleteElement(Scene& scene, ElementKind kind, int index) {
    if (!HasTable(kind) || !ElementInUse(scene, kind, index)) return DeleteResult::NoSuchElement;
    if (kind == ElementKind::Ball) {
        if (BallHeldByConnector(scene, index)) return DeleteResult::HeldByConnector;
        scene.balls[index].M0 = 0.0;
        // No connector refers to the ball, so the six tables only need their
        // references to later balls moved down.
        ForEachConnectorTable(scene, [&](auto& table, ElementKind) { RenumberBallRefs(table, scene.balls); });
        CompactBalls(scene);
        return DeleteResult::Deleted;
    }
    ClearElement(scene, kind, index);
    VisitTable(scene, kind, [&](auto& table) {
        CompactTable(table);
        if constexpr (requires { RenumberBallRefs(table, scene.balls); }) RenumberBallRefs(table, scene.balls);
    });
    return DeleteResult::Deleted;
}

}  // namespace mb
