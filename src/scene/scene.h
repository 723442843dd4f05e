// The whole experiment as one value: every element table, the settings, the view
// scale, the curve settings and the run values. The main window owns one; copying
// it is a snapshot.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "scene/records.h"
#include "scene/translatable.h"

namespace mb {

// A fixed-capacity table kept compact: in-use records occupy 0, 1, 2 ... and the
// first record not in use ends the table. A full table has no terminating record.
template <class Record, int Capacity>
struct Table {
    static constexpr int kCapacity = Capacity;
    std::array<Record, Capacity> records{};
    std::array<std::string, Capacity> names{};
    std::int32_t nameCounter = 0;

    Record& operator[](int i) { return records[static_cast<std::size_t>(i)]; }
    const Record& operator[](int i) const { return records[static_cast<std::size_t>(i)]; }

    // Index of the first record not in use; the capacity when the table is full.
    int count() const {
        int n = 0;
        while (n < Capacity && records[static_cast<std::size_t>(n)].inUse()) ++n;
        return n;
    }
    // The slot a new element goes into, or -1 when the table is full.
    int firstFree() const {
        const int n = count();
        return n < Capacity ? n : -1;
    }
    bool full() const { return count() == Capacity; }
    auto begin() { return records.begin(); }
    auto end() { return records.end(); }
    auto begin() const { return records.begin(); }
    auto end() const { return records.end(); }
    void clear() {
        records.fill(Record{});
        names.fill(std::string());
        nameCounter = 0;
    }
};

using DampingTable = Table<DampingField, kTableCapacity>;
using GravityMassTable = Table<GravityMass, kTableCapacity>;
using PointChargeTable = Table<PointChargeField, kTableCapacity>;
using ElectricFieldTable = Table<UniformElectricField, kTableCapacity>;
using MagneticFieldTable = Table<UniformMagneticField, kTableCapacity>;
using HangingTable = Table<HangingConnector, kTableCapacity>;
using LinkTable = Table<LinkConnector, kTableCapacity>;
using StraightTrackTable = Table<StraightTrack, kTableCapacity>;
using CircularTrackTable = Table<CircularTrack, kTableCapacity>;
using BallTable = Table<Ball, kBallCapacity>;
// Remarks carry no names: the names file holds their texts and fonts instead, and
// the name array of their table stays empty.
using RemarkTable = Table<Remark, kRemarkCapacity>;

struct ExperimentSettings {
    double StepTime = 0.001;
    std::int32_t StepsPerTick = 100;
    std::uint8_t ShowCoordinate = 1;
    std::uint8_t GravityOn = 0;
    std::uint8_t RelativityOn = 0;
    std::uint8_t MutualGravitationOn = 0;
    std::uint8_t MutualCoulombOn = 0;
    std::uint8_t BumpOn = 0;
    // 1: the accurate step (every ball advanced from one state, symplectic, cords
    // and poles held as lengths); 0: the classic step, what every older file runs.
    std::uint8_t AccurateStep = 0;
    friend bool operator==(const ExperimentSettings&, const ExperimentSettings&) = default;
};

// What the ball dialog and the project reader say of a radius out of bounds; the
// first is followed by the largest radius and "meter".
inline constexpr char kBallRadiusTooLargeText[] = MB_TRANSLATE_NOOP("TForm4", "In this coordinate setting,the ball's radius must be smaller than ");
inline constexpr char kBallRadiusNegativeText[] = MB_TRANSLATE_NOOP("TForm4", "The ball's radius can not smaller than zero.");
// What the ball dialog says of a start position no pixel of this scale can hold.
inline constexpr char kBallTooFarText[] =
    MB_TRANSLATE_NOOP("TForm4", "In this coordinate setting,the ball's position is too far away to be shown.");

// World metres to surface pixels: x to the right and y upward in the world,
// columns to the right and rows downward on the surface.
struct ViewScale {
    std::int32_t OriginX = 200;
    std::int32_t OriginY = 150;
    double MetresPerPixel = 10.0;

    // Unrounded surface position of a world point.
    double columnOf(double x) const { return OriginX + x / MetresPerPixel; }
    double rowOf(double y) const { return OriginY - y / MetresPerPixel; }
    // Element glyphs: truncated toward zero.
    int glyphColumn(double x) const { return TruncToInt(columnOf(x)); }
    int glyphRow(double y) const { return TruncToInt(rowOf(y)); }
    // Balls: rounded as trunc(value + 0.5).
    int ballColumn(double x) const { return TruncToInt(columnOf(x) + 0.5); }
    int ballRow(double y) const { return TruncToInt(rowOf(y) + 0.5); }
    // A ball's radius on screen, never below 3 pixels.
    int pixelRadius(double R) const {
        const int r = TruncToInt(R / MetresPerPixel + 0.5);
        return r < 3 ? 3 : r;
    }
    // The largest ball radius in metres this scale shows (kMaxBallPixelRadius), and
    // whether a radius exceeds it.
    double largestBallRadius() const { return kMaxBallPixelRadius * MetresPerPixel; }
    bool ballTooLarge(double R) const { return R / MetresPerPixel > kMaxBallPixelRadius; }
    // Whether a ball at (x, y) has a surface place a pixel coordinate can hold,
    // its picture's reach included; one farther away could never be drawn.
    bool holdsBallAt(double x, double y) const {
        constexpr double kFarthest = 2147483647.0 - 2 * kMaxBallPixelRadius;
        const double column = columnOf(x) + 0.5, row = rowOf(y) + 0.5;
        return std::fabs(column) < kFarthest && std::fabs(row) < kFarthest;
    }
    // Mouse positions to world coordinates.
    double worldX(int column) const { return (column - OriginX) * MetresPerPixel; }
    double worldY(int row) const { return (OriginY - row) * MetresPerPixel; }
    friend bool operator==(const ViewScale&, const ViewScale&) = default;
};

// The ten quantities a curve can plot, in the order of the window's lists.
enum CurveQuantity : std::uint8_t {
    kQuantityTime = 0,
    kQuantityX,
    kQuantityY,
    kQuantityDistance,
    kQuantityVx,
    kQuantityVy,
    kQuantitySpeed,
    kQuantityAx,
    kQuantityAy,
    kQuantityAcceleration,
    kQuantityCount
};

struct CurveSettings {
    std::string name = "Noname curve";
    double startTime = 0.0;
    double endTime = 10.0;
    std::uint8_t horizontalVariable = kQuantityTime;
    double horizontalStart = 0.0;
    double horizontalStep = 1.0;
    std::uint8_t verticalVariable = kQuantityX;
    double verticalStart = 0.0;
    double verticalStep = 1.0;
    friend bool operator==(const CurveSettings&, const CurveSettings&) = default;
};

// One switch per force routine that depends on a table: 1 exactly when record 0
// of the table is in use. They follow the tables only at a full redraw (and, for
// some, when a curve computation starts).
struct PresenceSwitches {
    std::uint8_t damping = 0;
    std::uint8_t gravityMass = 0;
    std::uint8_t pointCharge = 0;
    std::uint8_t electricField = 0;
    std::uint8_t magneticField = 0;
    std::uint8_t hangingSpring = 0;
    std::uint8_t linkSpring = 0;
    std::uint8_t hangingCord = 0;
    std::uint8_t linkCord = 0;
    std::uint8_t hangingPole = 0;
    std::uint8_t linkPole = 0;
    std::uint8_t straightTrack = 0;
    std::uint8_t circularTrack = 0;
};

// The kind codes used by the editor, the dialogs and the selection outline.
enum class ElementKind : int {
    None = 0,
    Ball = 1,
    PointCharge = 2,
    ElectricField = 3,
    MagneticField = 5,
    GravityMass = 6,
    Damping = 7,
    HangingSpring = 12,
    LinkSpring = 13,
    StraightTrack = 14,
    CircularTrack = 15,
    HangingCord = 16,
    LinkCord = 17,
    HangingPole = 18,
    LinkPole = 19,
    DataBallPick = 60,
    Remark = 62,
};

// The project file's reserved bytes as read: the first holds the step, the
// others are written back as they came (zeros in a new project).
inline constexpr int kReservedByteCount = 20;

// What a run carries besides the balls' own fields: the work done on the balls
// since the run start by the forces that have no potential, and what the
// accurate step found at the end of its last sub-step and starts the next one
// from: the forces of the position laws on each ball where it stands and the
// pull of each cord and pole (they hold only while the balls are where they
// were found).
struct RunLedger {
    double dampingWork = 0;
    double electricWork = 0;
    int heldBalls = -1;  // balls the held forces belong to; -1: none held
    std::array<double, kBallCapacity> heldX{}, heldY{}, heldFx{}, heldFy{};
    int heldTies = 0;
    std::array<double, 4 * kTableCapacity> heldPull{};
};

struct Scene {
    // The tables in the scene's canonical order.
    DampingTable dampingFields;
    GravityMassTable gravityMasses;
    PointChargeTable pointCharges;
    ElectricFieldTable electricFields;
    MagneticFieldTable magneticFields;
    HangingTable hangingSprings;
    LinkTable linkSprings;
    StraightTrackTable straightTracks;
    CircularTrackTable circularTracks;
    HangingTable hangingCords;
    LinkTable linkCords;
    HangingTable hangingPoles;
    LinkTable linkPoles;
    BallTable balls;
    RemarkTable remarks;

    ExperimentSettings settings;
    ViewScale view;
    CurveSettings curve;

    // Run values.
    double RunTime = 0.0;
    std::int32_t SelectedBall = -1;
    std::uint8_t Running = 0;
    std::uint8_t RedrawPending = 0;
    PresenceSwitches presence;
    RunLedger ledger;
    std::array<std::uint8_t, kReservedByteCount> reservedBytes{};

    int ballCount() const { return balls.count(); }
    int remarkCount() const { return remarks.count(); }
};

// The data part of the scene reset: empty tables, zero counters, reset settings
// and view scale, no selected ball. StepsPerTick and the remark fonts are kept.
void ResetScene(Scene& scene);

// The one derivation of a ball's screen values from its stored ones: colour
// channels held to 0..255 and packed, the screen centre from x0, y0 and the
// pixel radius (at least 3) from R, all at the given view scale.
void DeriveBallScreen(Ball& ball, const ViewScale& view);

// Puts a ball's position, velocity and mass back to their initial values and
// recomputes its screen position and pixel radius from x0, y0 and R.
void ResetBallMotion(Ball& ball, const ViewScale& view);

// ResetBallMotion, and the display-interval marks start again from the
// initial state too (what a full redraw and a run start do).
void ResetBallToInitial(Ball& ball, const ViewScale& view);

// Refreshes all thirteen presence switches from record 0 of their tables.
void RefreshPresenceSwitches(Scene& scene);

// Builds a straight track from two end points (swapped so that xs <= xe).
StraightTrack MakeStraightTrack(double xs, double ys, double xe, double ye);

// What a new ball is given when it is placed from code (examples, tests, the
// benchmarks): its initial state, as the Moving object dialog would store it.
struct BallInit {
    double x0 = 0, y0 = 0;
    double vx0 = 0, vy0 = 0;
    double M0 = 1;
    double R = 0.1;
    double Q = 0;
};

// Puts a ball into the first free slot of the ball table, light green with its
// trajectory shown (a new ball's look), its screen position and pixel radius
// derived. Returns the slot, or -1 when the table is full.
int AddBall(Scene& scene, const BallInit& init, const std::string& name = {});

// The ball of the given index exists (index in range and in use).
bool BallExists(const Scene& scene, int index);

}  // namespace mb
