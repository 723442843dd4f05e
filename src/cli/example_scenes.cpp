#include "cli/example_scenes.h"

#include <cmath>
#include <numbers>

namespace mb {

namespace {

constexpr double kPi = std::numbers::pi;

struct Colour {
    int red, green, blue;
};

class Builder {
public:
    Builder(const char* file, int originX, int originY, double metresPerPixel, int stepsPerTick, double stepTime) {
        example_.file = file;
        example_.scene = std::make_unique<Scene>();
        Scene& s = scene();
        s.view = ViewScale{originX, originY, metresPerPixel};
        s.settings.StepsPerTick = stepsPerTick;
        s.settings.StepTime = stepTime;
        s.settings.ShowCoordinate = 1;
    }

    Scene& scene() { return *example_.scene; }

    // A ball as the Moving object dialog would leave it.
    int ball(const std::string& name, double x0, double y0, double vx0, double vy0, double M0, double R,
             Colour c = {100, 255, 100}, double Q = 0) {
        Scene& s = scene();
        const int i = AddBall(s, {x0, y0, vx0, vy0, M0, R, Q}, name);
        Ball& b = s.balls[i];
        b.red = c.red;
        b.green = c.green;
        b.blue = c.blue;
        DeriveBallScreen(b, s.view);
        s.balls.nameCounter = i + 1;
        return i;
    }

    template <class TableT, class Record>
    void add(TableT& table, const std::string& name, const Record& record) {
        const int i = table.count();
        table[i] = record;
        table.names[static_cast<std::size_t>(i)] = name;
        table.nameCounter = i + 1;
    }

    // Cords and poles carry the length and stiffness a run start derives.
    void hangingCord(const std::string& name, double ax, double ay, int ballIndex) {
        const Ball& b = scene().balls[ballIndex];
        const double L = std::hypot(b.x0 - ax, b.y0 - ay);
        add(scene().hangingCords, name,
            HangingConnector{ax, ay, L, 100000.0 * b.M0 / L, double(kModePullOnly), double(ballIndex)});
    }

    void remark(const std::string& text) {
        Scene& s = scene();
        const int i = s.remarkCount();
        Remark& r = s.remarks[static_cast<std::size_t>(i)];
        r.x = 48;  // clear of the gravity sign in the top left corner
        r.y = 12 + 22 * i;
        r.width = 0;  // measured when the remark is drawn
        r.height = 0;
        r.charset = 1;
        r.fontColour = 0xFFFFFF;
        r.fontHeight = 15;
        r.pitch = 0;
        r.fontSize = 11;
        r.style = 0;
        r.text = text;
        r.fontName = "DejaVu Sans";
    }

    void curve(const std::string& name, double endTime, std::uint8_t h, double hStart, double hStep,
               std::uint8_t v, double vStart, double vStep) {
        CurveSettings& c = scene().curve;
        c.name = name;
        c.startTime = 0;
        c.endTime = endTime;
        c.horizontalVariable = h;
        c.horizontalStart = hStart;
        c.horizontalStep = hStep;
        c.verticalVariable = v;
        c.verticalStart = vStart;
        c.verticalStep = vStep;
    }

    ExampleScene done() { return std::move(example_); }

private:
    ExampleScene example_;
};

ExampleScene Projectile() {
    Builder e("projectile.kmx", 100, 600, 0.04, 10, 0.001);
    e.scene().settings.GravityOn = 1;
    const int b = e.ball("Thrown ball", 0, 0, 10, 10, 1, 0.2, {255, 200, 60});
    e.scene().balls[b].curveFlag = 1;
    e.curve("Height against time", 2.5, kQuantityTime, 0, 0.5, kQuantityY, 0, 2);
    e.remark("Projectile: a ball thrown at 45 degrees with 14.1 m/s, under gravity g = 9.8 m/s2.");
    e.remark("Watch the parabola: the ball is back at its starting height 2.04 s later, 20.4 m away.");
    e.remark("Its highest point, 5.1 m up, is half way along.");
    return e.done();
}

ExampleScene CordPendulum() {
    Builder e("cord_pendulum.kmx", 600, 150, 0.004, 20, 0.001);
    e.scene().settings.GravityOn = 1;
    const double angle = 10 * kPi / 180;
    const int b = e.ball("Pendulum bob", std::sin(angle), -std::cos(angle), 0, 0, 1, 0.05, {120, 160, 255});
    e.hangingCord("Cord 1 m", 0, 0, b);
    e.scene().balls[b].curveFlag = 1;
    e.curve("Swing of the bob", 10, kQuantityTime, 0, 1, kQuantityX, 0, 0.1);
    e.remark("Cord pendulum: a bob on a cord 1 m long, let go 10 degrees from the vertical.");
    e.remark("Watch the period: one swing there and back takes 2.01 s, as 2*pi*sqrt(L/g) predicts.");
    e.remark("The period hardly depends on the mass or on a small starting angle.");
    return e.done();
}

ExampleScene SpringOscillator() {
    Builder e("spring_oscillator.kmx", 200, 300, 0.005, 10, 0.001);
    const int b = e.ball("Mass on spring", 1.5, 0, 0, 0, 0.4, 0.08, {255, 120, 120});
    e.add(e.scene().hangingSprings, "Spring k=10",
          HangingConnector{0, 0, 1.0, 10.0, double(kModeBoth), double(b)});
    e.scene().balls[b].curveFlag = 1;
    e.curve("Position against time", 5, kQuantityTime, 0, 1, kQuantityX, 1, 0.25);
    e.remark("Spring oscillator: 0.4 kg on a spring of stiffness 10 N/m and natural length 1 m, no gravity.");
    e.remark("Pulled 0.5 m out, it swings between 1.5 m and 0.5 m from the anchor.");
    e.remark("Watch the period: 2*pi*sqrt(m/k) = 1.26 s, whatever the amplitude.");
    return e.done();
}

ExampleScene TwoBallsOnSpring() {
    Builder e("link_spring.kmx", 500, 400, 0.004, 10, 0.001);
    const int a = e.ball("Light ball 1 kg", -0.75, 0, 0, 0, 1, 0.08, {255, 230, 90});
    const int b = e.ball("Heavy ball 3 kg", 0.75, 0, 0, 0, 3, 0.12, {90, 200, 255});
    e.add(e.scene().linkSprings, "Spring k=12", LinkConnector{double(a), double(b), 1.0, 12.0, double(kModeBoth)});
    e.remark("Two balls of 1 kg and 3 kg on a spring of stiffness 12 N/m, stretched from 1 m to 1.5 m.");
    e.remark("Watch the centre of mass at x = 0.375 m stay put while the light ball moves three times as far.");
    e.remark("The separation swings with the reduced mass 0.75 kg: period 2*pi*sqrt(0.75/12) = 1.57 s.");
    return e.done();
}

ExampleScene Cyclotron() {
    Builder e("cyclotron.kmx", 600, 200, 0.02, 20, 0.001);
    e.add(e.scene().magneticFields, "Field 1 T out of the screen",
          UniformMagneticField{-20, -20, 20, 20, 1.0, 1.0});
    e.ball("Charged ball", 0, 0, 2, 0, 0.002, 0.1, {255, 90, 200}, 0.001);
    e.remark("A ball of 2 g carrying 1 mC moves at 2 m/s through a magnetic field of 1 T out of the screen.");
    e.remark("Watch it circle clockwise with radius r = m*v/(q*B) = 4 m, its speed never changing.");
    e.remark("One turn takes 2*pi*m/(q*B) = 12.6 s, however fast it goes.");
    return e.done();
}

ExampleScene Orbit() {
    Builder e("orbit.kmx", 600, 450, 0.025, 50, 0.001);
    const double GM = 6.672e-11 * 1e12;
    e.add(e.scene().gravityMasses, "Planet 1e12 kg", GravityMass{0, 0, 1e12});
    e.ball("Moon", 10, 0, 0, std::sqrt(GM / 10), 1, 0.3, {220, 220, 220});
    e.remark("A moon 10 m from a planet of 1e12 kg, launched sideways at sqrt(G*M/r) = 2.58 m/s.");
    e.remark("Watch it keep its distance of 10 m: gravity supplies exactly the centripetal force.");
    e.remark("One orbit takes 2*pi*r/v = 24.3 s.");
    return e.done();
}

ExampleScene BumpingRow() {
    Builder e("bumping_row.kmx", 150, 400, 0.01, 10, 0.001);
    e.scene().settings.BumpOn = 1;
    e.ball("Striker", -1.0, 0, 2, 0, 1, 0.1, {255, 80, 80});
    for (int k = 0; k < 4; ++k)
        e.ball("Row ball " + std::to_string(k + 1), 0.25 * k, 0, 0, 0, 1, 0.1, {200, 200, 255});
    e.remark("A row of equal balls, slightly apart; the striker runs into it at 2 m/s.");
    e.remark("Watch the motion pass along the row: each bump between equal balls swaps their velocities.");
    e.remark("In the end only the last ball moves, at 2 m/s; the others are left at rest.");
    return e.done();
}

ExampleScene LikeCharges() {
    Builder e("like_charges.kmx", 600, 400, 0.05, 10, 0.001);
    e.scene().settings.MutualCoulombOn = 1;
    e.ball("Charge A", -0.5, 0, 0, 0, 0.1, 0.1, {255, 140, 60}, 1e-5);
    e.ball("Charge B", 0.5, 0, 0, 0, 0.1, 0.1, {255, 140, 60}, 1e-5);
    e.remark("Two balls of 0.1 kg, each carrying +10 uC, start at rest 1 m apart.");
    e.remark("Watch them push each other away: the force k*q*q/r2 is 0.9 N at first and fades as they part.");
    e.remark("Their potential energy of 0.9 J turns into motion: each approaches 3 m/s.");
    return e.done();
}

ExampleScene Damping() {
    Builder e("damping.kmx", 150, 400, 0.01, 20, 0.001);
    e.add(e.scene().dampingFields, "Syrup N=0.5", DampingField{-1, -3, 30, 3, 0.5, 1, 0});
    e.ball("Sliding ball", 0, 0, 4, 0, 1, 0.1, {120, 255, 200});
    e.remark("A ball of 1 kg enters a damping region at 4 m/s; the braking force is 0.5 N per m/s of speed.");
    e.remark("Watch it slow down ever more gently: its speed halves every 1.39 s.");
    e.remark("It comes to rest m*v/N = 8 m from where it started.");
    return e.done();
}

ExampleScene BoxBounce() {
    Builder e("box_bounce.kmx", 600, 450, 0.01, 10, 0.001);
    Scene& s = e.scene();
    e.add(s.straightTracks, "Floor", MakeStraightTrack(-4, -3, 4, -3));
    e.add(s.straightTracks, "Ceiling", MakeStraightTrack(-4, 3, 4, 3));
    e.add(s.straightTracks, "Left wall", MakeStraightTrack(-4, -3, -4, 3));
    e.add(s.straightTracks, "Right wall", MakeStraightTrack(4, -3, 4, 3));
    e.ball("Bouncing ball", 0, 0, 3, 2, 1, 0.2, {255, 255, 120});
    e.remark("A ball in a box of four straight tracks, 8 m by 6 m, no gravity.");
    e.remark("Watch each wall reverse only the part of the velocity across it: the angle out equals the angle in.");
    e.remark("The speed stays 3.61 m/s and the ball never leaves the box.");
    return e.done();
}

ExampleScene RingRider() {
    Builder e("circular_track.kmx", 600, 450, 0.01, 10, 0.001);
    e.add(e.scene().circularTracks, "Ring r=3 m", CircularTrack{0, 0, -kPi, kPi, 3, 0, 0});
    e.ball("Rider", 0, -2.75, 3, 0, 1, 0.2, {255, 160, 80});
    e.remark("A ball inside a circular track of radius 3 m, starting along the track at 3 m/s, no gravity.");
    e.remark("Watch it ride round the inside of the ring, turned by the track at every touch.");
    e.remark("It keeps its speed and stays close to the track, going round about once every 6 s.");
    return e.done();
}

}  // namespace

std::vector<ExampleScene> BuildExampleScenes() {
    std::vector<ExampleScene> all;
    all.push_back(Projectile());
    all.push_back(CordPendulum());
    all.push_back(SpringOscillator());
    all.push_back(TwoBallsOnSpring());
    all.push_back(Cyclotron());
    all.push_back(Orbit());
    all.push_back(BumpingRow());
    all.push_back(LikeCharges());
    all.push_back(Damping());
    all.push_back(BoxBounce());
    all.push_back(RingRider());
    return all;
}

}  // namespace mb
