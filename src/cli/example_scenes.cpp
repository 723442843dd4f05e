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

    // The lesson is about what the laws keep (energy, momentum, a circle, a
    // length): the accurate step keeps it at a natural step time.
    void accurate() { scene().settings.AccurateStep = 1; }

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
        add(scene().hangingCords, name, derivedHanging(ax, ay, ballIndex, kModePullOnly));
    }
    void hangingPole(const std::string& name, double ax, double ay, int ballIndex) {
        add(scene().hangingPoles, name, derivedHanging(ax, ay, ballIndex, kModeBoth));
    }

    // Straight tracks as the Straight track dialog stores them.
    void track(const std::string& name, double xs, double ys, double xe, double ye) {
        add(scene().straightTracks, name, MakeStraightTrack(xs, ys, xe, ye));
    }
    // A closed box of four straight tracks.
    void box(double left, double bottom, double right, double top) {
        track("Floor", left, bottom, right, bottom);
        track("Ceiling", left, top, right, top);
        track("Left wall", left, bottom, left, top);
        track("Right wall", right, bottom, right, top);
    }

    void remark(const std::string& text) {
        Scene& s = scene();
        const int i = s.remarkCount();
        Remark& r = s.remarks[static_cast<std::size_t>(i)];
        r.x = 48;  // clear of the gravity sign in the top left corner
        r.y = 10 + 22 * i;
        r.width = 0;  // measured when the remark is drawn
        r.height = 0;
        r.charset = 1;
        r.fontColour = 0xFFFFFF;
        r.fontHeight = 16;
        r.pitch = 0;
        r.fontSize = 12;  // 16 pixels: readable from the back of a classroom
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
    HangingConnector derivedHanging(double ax, double ay, int ballIndex, double mode) {
        const Ball& b = scene().balls[ballIndex];
        const double L = std::hypot(b.x0 - ax, b.y0 - ay);
        return HangingConnector{ax, ay, L, 100000.0 * b.M0 / L, mode, double(ballIndex)};
    }

    ExampleScene example_;
};

// Every example runs ten minutes without leaving the screen. Those whose lesson
// is a conserved quantity run the accurate step at 1 ms; the ones about tracks
// and bumps keep the classic step, and the projectile says so: under it a
// bounce reverses the velocity after the sub-step's gravity was added, so each
// bounce climbs a little (the less the shorter the step).

ExampleScene Projectile() {
    Builder e("projectile.kmx", 80, 560, 0.025, 50, 0.0002);
    e.scene().settings.GravityOn = 1;
    const int b = e.ball("Thrown ball", 0, 0, 10, 10, 1, 0.3, {255, 200, 60});
    // The floor lies just below the ball's reach at the starting height, so the
    // first flight lands where the closed form says before the bouncing begins.
    e.box(-1, -0.35, 22, 7);
    e.scene().balls[b].curveFlag = 1;
    e.curve("Height against time", 2.5, kQuantityTime, 0, 0.5, kQuantityY, 0, 2);
    e.remark("Projectile: a ball thrown at 45 degrees with 14.1 m/s, under gravity g = 9.8 m/s2.");
    e.remark("Watch the parabola: 5.1 m high half way, back at its starting height 20.4 m away.");
    e.remark("The box keeps it bouncing. This example runs the classic step, which lets each bounce climb a little.");
    return e.done();
}

ExampleScene CordPendulum() {
    Builder e("cord_pendulum.kmx", 500, 150, 0.004, 20, 0.001);
    e.accurate();
    e.scene().settings.GravityOn = 1;
    const double angle = 10 * kPi / 180;
    const int b = e.ball("Pendulum bob", std::sin(angle), -std::cos(angle), 0, 0, 1, 0.05, {120, 160, 255});
    e.hangingCord("Cord 1 m", 0, 0, b);
    e.scene().balls[b].curveFlag = 1;
    // Ten seconds across and the whole swing, 0.17 m either side, up the graph.
    e.curve("Swing of the bob", 10, kQuantityTime, 0, 2, kQuantityX, -0.2, 0.08);
    e.remark("Cord pendulum: a bob on a cord 1 m long, let go 10 degrees from the vertical.");
    e.remark("Watch the period: one swing there and back takes 2.01 s, as 2*pi*sqrt(L/g) predicts.");
    e.remark("The period hardly depends on the mass or on a small starting angle.");
    return e.done();
}

ExampleScene SpringOscillator() {
    Builder e("spring_oscillator.kmx", 200, 300, 0.005, 10, 0.001);
    e.accurate();
    // Half a metre above the x axis, where the axis does not hide the spring.
    const int b = e.ball("Mass on spring", 1.5, 0.5, 0, 0, 0.4, 0.08, {255, 120, 120});
    e.add(e.scene().hangingSprings, "Spring k=10", HangingConnector{0, 0.5, 1.0, 10.0, double(kModeBoth), double(b)});
    e.scene().balls[b].curveFlag = 1;
    e.curve("Position against time", 5, kQuantityTime, 0, 1, kQuantityX, 1, 0.25);
    e.remark("Spring oscillator: 0.4 kg on a spring of 10 N/m, natural length 1 m, no gravity.");
    e.remark("Pulled 0.5 m out, it swings between 1.5 m and 0.5 m from the anchor.");
    e.remark("Watch the period: 2*pi*sqrt(m/k) = 1.26 s, whatever the amplitude.");
    return e.done();
}

ExampleScene TwoBallsOnSpring() {
    Builder e("link_spring.kmx", 400, 380, 0.004, 10, 0.001);
    e.accurate();
    const int a = e.ball("Light ball 1 kg", -0.75, 0.5, 0, 0, 1, 0.08, {255, 230, 90});
    const int b = e.ball("Heavy ball 3 kg", 0.75, 0.5, 0, 0, 3, 0.12, {90, 200, 255});
    e.add(e.scene().linkSprings, "Spring k=12", LinkConnector{double(a), double(b), 1.0, 12.0, double(kModeBoth)});
    e.remark("Two balls of 1 kg and 3 kg on a spring of 12 N/m, stretched from 1 m to 1.5 m.");
    e.remark("Watch the light ball swing three times as far; period 2*pi*sqrt(0.75/12) = 1.57 s.");
    e.remark("Their centre of mass, at x = 0.375 m, stays put: the accurate step moves both balls at once,");
    e.remark("so the spring pulls each as hard as the other, and their momentum stays zero.");
    return e.done();
}

ExampleScene Cyclotron() {
    Builder e("cyclotron.kmx", 600, 180, 0.02, 20, 0.001);
    e.accurate();
    e.add(e.scene().magneticFields, "Field 1 T out of the screen",
          UniformMagneticField{-20, -20, 20, 20, 1.0, 1.0});
    e.ball("Charged ball", 0, 0, 2, 0, 0.002, 0.25, {255, 90, 200}, 0.001);
    e.remark("A ball of 2 g carrying 1 mC moves at 2 m/s in a magnetic field of 1 T out of the screen.");
    e.remark("Watch it circle clockwise with radius r = m*v/(q*B) = 4 m; one turn takes 12.6 s.");
    e.remark("The force is always across the motion; the accurate step turns the velocity exactly, so it stays 2 m/s.");
    return e.done();
}

ExampleScene Orbit() {
    Builder e("orbit.kmx", 500, 380, 0.035, 50, 0.001);
    e.accurate();
    const double GM = 6.672e-11 * 1e12;
    e.add(e.scene().gravityMasses, "Planet 1e12 kg", GravityMass{0, 0, 1e12});
    e.ball("Moon", 10, 0, 0, std::sqrt(GM / 10), 1, 0.4, {220, 220, 220});
    e.remark("A moon 10 m from a planet of 1e12 kg, launched sideways at sqrt(G*M/r) = 2.58 m/s.");
    e.remark("Watch it keep its distance of 10 m: gravity supplies exactly the centripetal force.");
    e.remark("One orbit takes 2*pi*r/v = 24.3 s.");
    return e.done();
}

ExampleScene BumpingRow() {
    Builder e("bumping_row.kmx", 300, 380, 0.008, 10, 0.001);
    e.scene().settings.BumpOn = 1;
    e.ball("Striker", -1.0, 0, 2, 0, 1, 0.1, {255, 80, 80});
    for (int k = 0; k < 4; ++k)
        e.ball("Row ball " + std::to_string(k + 1), 0.25 * k, 0, 0, 0, 1, 0.1, {200, 200, 255});
    // A groove just wider than the balls: the bumps of round balls magnify the
    // smallest sideways offset, and without it the row would scatter in a minute.
    e.box(-1.8, -0.11, 2.5, 0.11);
    e.remark("A row of equal balls, slightly apart; the striker runs into it at 2 m/s.");
    e.remark("Watch the motion pass along the row: each bump between equal balls swaps their velocities.");
    e.remark("Only the last ball flies off; the wall sends it back, and the motion returns along the row.");
    e.remark("After a few passes the row breaks up: bumps of round balls magnify the tiniest offset.");
    return e.done();
}

ExampleScene LikeCharges() {
    Builder e("like_charges.kmx", 500, 380, 0.01, 10, 0.001);
    e.accurate();
    e.scene().settings.MutualCoulombOn = 1;
    e.ball("Charge A", -0.5, 0, 0, 0, 0.1, 0.15, {255, 140, 60}, 1e-5);
    e.ball("Charge B", 0.5, 0, 0, 0, 0.1, 0.15, {255, 140, 60}, 1e-5);
    e.track("Left wall", -3, -0.8, -3, 0.8);
    e.track("Right wall", 3, -0.8, 3, 0.8);
    e.remark("Two balls of 0.1 kg, each carrying +10 uC, start at rest 1 m apart between two walls.");
    e.remark("Watch them push each other away: the force k*q*q/r2 is 0.9 N at first and fades as they part.");
    e.remark("The walls send them back; climbing the same energy hill, they stop again about 1 m apart.");
    return e.done();
}

ExampleScene Damping() {
    Builder e("damping.kmx", 100, 380, 0.01, 20, 0.001);
    e.accurate();
    e.add(e.scene().dampingFields, "Syrup N=0.5", DampingField{-1, -2, 9, 2, 0.5, 1, 0});
    e.ball("Sliding ball", 0, 0, 4, 0, 1, 0.12, {120, 255, 200});
    e.remark("A ball of 1 kg enters a damping region at 4 m/s; the braking force is 0.5 N per m/s.");
    e.remark("Watch it slow down ever more gently: its speed halves every 1.39 s.");
    e.remark("It comes to rest m*v/N = 8 m from where it started.");
    return e.done();
}

ExampleScene BoxBounce() {
    Builder e("box_bounce.kmx", 500, 380, 0.0125, 10, 0.001);
    e.box(-4, -3, 4, 3);
    e.ball("Bouncing ball", 0, 0, 3, 2, 1, 0.2, {255, 255, 120});
    e.remark("A ball in a box of four straight tracks, 8 m by 6 m, no gravity.");
    e.remark("Watch each wall reverse only the part of the velocity across it: angle out = angle in.");
    e.remark("The speed stays 3.61 m/s and the ball never leaves the box.");
    return e.done();
}

ExampleScene RingRider() {
    Builder e("circular_track.kmx", 500, 380, 0.0125, 10, 0.001);
    e.add(e.scene().circularTracks, "Ring r=3 m", CircularTrack{0, 0, -kPi, kPi, 3, 0, 0});
    e.ball("Rider", 0, -2.75, 3, 0, 1, 0.2, {255, 160, 80});
    e.remark("A ball inside a circular track of radius 3 m, starting along the track at 3 m/s, no gravity.");
    e.remark("Watch it ride round the inside of the ring, turned by the track at every touch.");
    e.remark("It keeps its speed and stays close to the track, going round about once every 6 s.");
    return e.done();
}

// Crossed fields: the electric force q*E and the magnetic force q*v*B cancel for
// one speed only, v = E/B.
ExampleScene VelocitySelector() {
    Builder e("velocity_selector.kmx", 250, 380, 0.01, 10, 0.001);
    e.accurate();
    Scene& s = e.scene();
    s.settings.ShowCoordinate = 0;  // the two fields' markings are enough to read
    // The fields fill the whole box: a ball that could leave a uniform electric
    // field at one height and come back at another would gain energy each time.
    e.add(s.electricFields, "E 1 N/C upward", UniformElectricField{-2.1, -2.6, 6.1, 2.6, kPi / 2, 1.0});
    e.add(s.magneticFields, "B 1 T out of the screen", UniformMagneticField{-2.1, -2.6, 6.1, 2.6, 1.0, 1.0});
    // Started where their loops bring the slower ball up and the faster one down
    // by about a metre as they reach the slit.
    e.ball("Slow 0.5 m/s", 0.3, 0, 0.5, 0, 0.001, 0.12, {120, 200, 255}, 0.001);
    e.ball("Matched 1 m/s", -1.2, 0, 1.0, 0, 0.001, 0.12, {255, 230, 90}, 0.001);
    e.ball("Fast 1.5 m/s", -0.5, 0, 1.5, 0, 0.001, 0.12, {255, 110, 150}, 0.001);
    e.track("Slit, lower jaw", 3, -2.5, 3, -0.2);
    e.track("Slit, upper jaw", 3, 0.2, 3, 2.5);
    e.box(-2, -2.5, 6, 2.5);
    e.remark("Velocity selector: an electric field of 1 N/C upward crosses a field of 1 T out of the screen.");
    e.remark("Each ball carries 1 mC on 1 g: only at v = E/B = 1 m/s do the two forces cancel.");
    e.remark("Watch that ball fly straight through the slit: the slower one loops up, the faster one down.");
    e.remark("The jaws of the slit and the walls turn the others back, and all go on wandering the box.");
    return e.done();
}

// A pole pushes as well as pulls; a cord only pulls.
ExampleScene PolePendulum() {
    Builder e("pole_pendulum.kmx", 512, 330, 0.005, 20, 0.001);
    e.accurate();
    e.scene().settings.GravityOn = 1;
    const int p = e.ball("On the pole", -1.2, -1, 6.5, 0, 1, 0.07, {120, 220, 255});
    const int c = e.ball("On the cord", 1.2, -1, 6.5, 0, 1, 0.07, {255, 170, 90});
    e.hangingPole("Pole 1 m", -1.2, 0, p);
    e.hangingCord("Cord 1 m", 1.2, 0, c);
    e.remark("Two balls on supports 1 m long start at the bottom at 6.5 m/s, under gravity.");
    e.remark("Left, a pole: it pushes as well as pulls, and carries its ball over the top at 1.75 m/s.");
    e.remark("Right, a cord: at the top its ball would need 3.13 m/s, so the cord goes slack and it falls.");
    return e.done();
}

// A circular track holds a charged ball in a uniform electric field the way a
// bowl holds a marble under gravity.
ExampleScene RingInField() {
    Builder e("ring_in_field.kmx", 500, 380, 0.01, 10, 0.001);
    e.accurate();
    Scene& s = e.scene();
    e.add(s.electricFields, "E 100 N/C to the left", UniformElectricField{-2.5, -2.5, 2.5, 2.5, kPi, 100.0});
    e.add(s.circularTracks, "Ring r=2 m", CircularTrack{0, 0, 0, 2 * kPi, 2, 0, 0});
    e.ball("Charged ball", 0, -1.85, 8, 0, 0.01, 0.15, {255, 200, 90}, 0.001);
    e.remark("A ball of 10 g carrying 1 mC runs inside a ring of radius 2 m; 100 N/C pull it to the left.");
    e.remark("The field acts as gravity turned sideways, 10 m/s2. Watch the ball race round the ring,");
    e.remark("fastest at the left (10 m/s), slowest at the right (5 m/s): what it gains it pays back.");
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
    all.push_back(VelocitySelector());
    all.push_back(PolePendulum());
    all.push_back(RingInField());
    return all;
}

}  // namespace mb
