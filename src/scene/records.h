// Element records of an experiment. Every record other than Ball and Remark is a
// plain run of doubles in the order the project file stores them, so the file
// reader and writer can move them field by field.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

namespace mb {

constexpr int kBallCapacity = 30;
constexpr int kTableCapacity = 20;
constexpr int kRemarkCapacity = 100;
constexpr int kPixelListCapacity = 4000;

// Truncation toward zero that saturates at the int range instead of being
// undefined for huge values; NaN gives 0.
inline int TruncToInt(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// A ball reference of a connector as a Ball table index, or -1 when it cannot
// name a slot of the table (a damaged file may hold anything).
inline int BallRefIndex(double ref) {
    const double t = std::trunc(ref);
    return (t >= 0 && t < kBallCapacity) ? static_cast<int>(t) : -1;
}

// Effect modes of springs, cords and poles.
inline constexpr double kModeBoth = 0;      // pushes and pulls
inline constexpr double kModePullOnly = 1;  // acts only while stretched
inline constexpr double kModePushOnly = 2;  // acts only while compressed

struct DampingField {
    static constexpr int kFieldCount = 7;
    double x1, y1, x2, y2;
    double N;        // coefficient; in-use marker
    double K;        // exponent of the speed
    double formula;  // 0: N*v, 1: N*m*v, 2: N*volume*v
    bool inUse() const { return N != 0.0; }
};

struct GravityMass {
    static constexpr int kFieldCount = 3;
    double x, y;
    double M;  // in-use marker
    bool inUse() const { return M != 0.0; }
};

struct PointChargeField {
    static constexpr int kFieldCount = 3;
    double x, y;
    double Q;  // in-use marker
    bool inUse() const { return Q != 0.0; }
};

struct UniformElectricField {
    static constexpr int kFieldCount = 6;
    double x1, y1, x2, y2;
    double direction;  // radians from +x, counter-clockwise
    double E;          // in-use marker
    bool inUse() const { return E != 0.0; }
};

struct UniformMagneticField {
    static constexpr int kFieldCount = 6;
    double x1, y1, x2, y2;
    double sign;  // +1 out of the screen, -1 in to the screen
    double B;     // in-use marker
    bool inUse() const { return B != 0.0; }
};

// Hanging spring, cord and pole: a ball tied to a fixed anchor.
struct HangingConnector {
    static constexpr int kFieldCount = 6;
    double anchorX, anchorY;
    double L;  // natural length
    double K;  // stiffness; in-use marker
    double mode;
    double ball;  // Ball table index, truncated toward zero when used
    bool inUse() const { return K != 0.0; }
    int ballIndex() const { return BallRefIndex(ball); }
};

// Link spring, cord and pole: two balls tied to each other.
struct LinkConnector {
    static constexpr int kFieldCount = 5;
    double ball1, ball2;
    double L;
    double K;  // in-use marker
    double mode;
    bool inUse() const { return K != 0.0; }
    int ball1Index() const { return BallRefIndex(ball1); }
    int ball2Index() const { return BallRefIndex(ball2); }
};

using HangingSpring = HangingConnector;
using HangingCord = HangingConnector;
using HangingPole = HangingConnector;
using LinkSpring = LinkConnector;
using LinkCord = LinkConnector;
using LinkPole = LinkConnector;

// A straight track is the segment (xs, ys)-(xe, ye) kept as the line
// A*x + B*y + C = 0 with A = 1; xs <= xe always.
struct StraightTrack {
    static constexpr int kFieldCount = 11;
    double A, B, C, norm, theta;
    double xs, ys, xe, ye;
    double spare1, spare2;  // carried along, read by nothing
    bool inUse() const { return A != 0.0 || B != 0.0; }
};

// Arc counter-clockwise from startAngle to endAngle (radians) about (cx, cy).
struct CircularTrack {
    static constexpr int kFieldCount = 7;
    double cx, cy;
    double startAngle, endAngle;
    double radius;  // in-use marker
    double spare1, spare2;
    bool inUse() const { return radius != 0.0; }
};

// One entry of a ball's pixel lists: offset from the centre (rows downward) and colour.
struct PixelEntry {
    std::int8_t dx, dy;
    std::uint8_t red, green, blue;
};
static_assert(sizeof(PixelEntry) == 5);

using PixelList = std::array<PixelEntry, kPixelListCapacity>;

struct Ball {
    // Physical state and parameters.
    double x, y, vx, vy, ax, ay, Fx, Fy;
    double mass;  // current mass: M0, or the relativistic mass
    double Q;
    double x0, y0, vx0, vy0;
    double M0;  // rest mass; in-use marker
    double extraFx, extraFy;
    double R;
    // Display-interval data kept for the synchronous data window.
    double markX, markY;
    double meanVx, meanVy;
    double prevMeanVx, prevMeanVy;
    double meanAx, meanAy;
    // Screen and look.
    std::uint8_t curveFlag;
    std::int32_t screenX, screenY, pixelRadius;
    std::int32_t colour;  // red + 256*green + 65536*blue
    std::int32_t red, green, blue;
    std::int32_t trackFlag;
    std::int32_t pixelCount;  // entries used in both lists
    PixelList backdrop;       // screen pixels saved from under the picture
    PixelList sprite;         // the ball's own picture
    // Largest |dx| or |dy| among the sprite's entries, kept with the sprite by
    // whoever records it: a moving picture's box, without a pass over the list.
    std::int32_t spriteReach;
    bool inUse() const { return M0 != 0.0; }
};

// Font style bits of a remark.
enum FontStyleBits : std::uint8_t { kStyleBold = 1, kStyleItalic = 2, kStyleUnderline = 4, kStyleStrikeOut = 8 };

struct Remark {
    std::int32_t x, y;           // screen pixels of the text's top-left corner
    std::int32_t width, height;  // refreshed whenever the text is drawn
    std::uint8_t charset;
    std::int32_t fontColour;
    std::int32_t fontHeight;
    std::uint8_t pitch;  // 0 default, 1 variable, 2 fixed
    std::int32_t fontSize;
    std::uint8_t style;  // FontStyleBits
    std::string text;
    std::string fontName;
    bool inUse() const { return !text.empty(); }
};

// Frees a record's slot. A remark slot keeps its font and place, so a remark
// placed there later starts with that font; every other record starts afresh.
template <class R>
void FreeRecord(R& r) {
    r = R{};
}
inline void FreeRecord(Remark& r) {
    r.text.clear();
}

template <class R>
constexpr bool kIsDoubleRecord = std::is_trivially_copyable_v<R> && sizeof(R) == R::kFieldCount * sizeof(double);
static_assert(kIsDoubleRecord<DampingField> && kIsDoubleRecord<GravityMass> && kIsDoubleRecord<PointChargeField> &&
              kIsDoubleRecord<UniformElectricField> && kIsDoubleRecord<UniformMagneticField> &&
              kIsDoubleRecord<HangingConnector> && kIsDoubleRecord<LinkConnector> && kIsDoubleRecord<StraightTrack> &&
              kIsDoubleRecord<CircularTrack>);

constexpr std::int32_t PackColour(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

}  // namespace mb
