#include "scene/table_ops.h"

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
bool HangingRefers(const HangingTable& table, int ball) {
    const int n = table.count();
    for (int i = 0; i < n; ++i)
        if (table[i].ballIndex() == ball) return true;
    return false;
}

bool LinkRefers(const LinkTable& table, int ball) {
    const int n = table.count();
    for (int i = 0; i < n; ++i)
        if (table[i].ball1Index() == ball || table[i].ball2Index() == ball) return true;
    return false;
}

template <class T>
DeleteResult RemoveAt(T& table, int index) {
    if (index < 0 || index >= T::kCapacity || !table[index].inUse()) return DeleteResult::NoSuchElement;
    table[index] = {};
    CompactTable(table);
    return DeleteResult::Deleted;
}

template <class T>
DeleteResult RemoveConnectorAt(T& table, const BallTable& balls, int index) {
    const DeleteResult result = RemoveAt(table, index);
    if (result == DeleteResult::Deleted) RenumberBallRefs(table, balls);
    return result;
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
    return HangingRefers(scene.hangingSprings, ballIndex) || LinkRefers(scene.linkSprings, ballIndex) ||
           HangingRefers(scene.hangingCords, ballIndex) || LinkRefers(scene.linkCords, ballIndex) ||
           HangingRefers(scene.hangingPoles, ballIndex) || LinkRefers(scene.linkPoles, ballIndex);
}

DeleteResult DeleteElement(Scene& scene, ElementKind kind, int index) {
    switch (kind) {
        case ElementKind::Ball: {
            if (!BallExists(scene, index)) return DeleteResult::NoSuchElement;
            if (BallHeldByConnector(scene, index)) return DeleteResult::HeldByConnector;
            scene.balls[index].M0 = 0.0;
            // No connector refers to the ball, so the six tables only need their
            // references to later balls moved down.
            RenumberBallRefs(scene.hangingSprings, scene.balls);
            RenumberBallRefs(scene.linkSprings, scene.balls);
            RenumberBallRefs(scene.hangingCords, scene.balls);
            RenumberBallRefs(scene.linkCords, scene.balls);
            RenumberBallRefs(scene.hangingPoles, scene.balls);
            RenumberBallRefs(scene.linkPoles, scene.balls);
            CompactBalls(scene);
            return DeleteResult::Deleted;
        }
        case ElementKind::PointCharge: return RemoveAt(scene.pointCharges, index);
        case ElementKind::GravityMass: return RemoveAt(scene.gravityMasses, index);
        case ElementKind::ElectricField: return RemoveAt(scene.electricFields, index);
        case ElementKind::MagneticField: return RemoveAt(scene.magneticFields, index);
        case ElementKind::Damping: return RemoveAt(scene.dampingFields, index);
        case ElementKind::StraightTrack: return RemoveAt(scene.straightTracks, index);
        case ElementKind::CircularTrack: return RemoveAt(scene.circularTracks, index);
        case ElementKind::HangingSpring: return RemoveConnectorAt(scene.hangingSprings, scene.balls, index);
        case ElementKind::LinkSpring: return RemoveConnectorAt(scene.linkSprings, scene.balls, index);
        case ElementKind::HangingCord: return RemoveConnectorAt(scene.hangingCords, scene.balls, index);
        case ElementKind::LinkCord: return RemoveConnectorAt(scene.linkCords, scene.balls, index);
        case ElementKind::HangingPole: return RemoveConnectorAt(scene.hangingPoles, scene.balls, index);
        case ElementKind::LinkPole: return RemoveConnectorAt(scene.linkPoles, scene.balls, index);
        default: return DeleteResult::NoSuchElement;
    }
}

}  // namespace mb
