#include "cli/sim_commands.h"

#include "app_version.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "engine/curve.h"
#include "engine/curve_session.h"
#include "engine/energy.h"
#include "engine/engine.h"
#include "io/project_file.h"
#include "scene/element_kinds.h"
#include "scene/number_parse.h"

namespace mb {

namespace {

constexpr const char* kUsage =
    "Usage: motionbench-sim COMMAND FILE.kmx [options]\n"
    "\n"
    "Commands:\n"
    "  run FILE.kmx [--ticks K | --until SECONDS] [--every M] [--integrator STEP]\n"
    "      Start the experiment as the Run command does and step it K timer ticks\n"
    "      (default 100), or until the run time reaches SECONDS. Prints CSV\n"
    "      t,index,name,x,y,vx,vy,ax,ay,mass: one row per ball for the start\n"
    "      (t = 0) and after every M-th tick (default 1). Exit status 2 when a\n"
    "      ball leaves the controllable area.\n"
    "  energy FILE.kmx [--ticks K | --until SECONDS] [--every M] [--integrator STEP]\n"
    "      Run as 'run' does and print the energy book instead, one row for the\n"
    "      start and after every M-th tick: CSV t,kinetic,potential,work,total,\n"
    "      px,py,angular, then the potential by source (uniform_gravity,\n"
    "      gravity_masses,mutual_gravitation,point_charges,mutual_coulomb,\n"
    "      connectors,extra_forces) and the work by force (damping_work,\n"
    "      electric_work). total = kinetic + potential - work: its drift is the\n"
    "      step's error.\n"
    "  curve FILE.kmx [--values] [--integrator STEP]\n"
    "      Compute the experiment curve of the file's curve settings for the balls\n"
    "      chosen as curve objects. Prints CSV\n"
    "      tick,ball,col0,row0,col1,row1,hbefore,hafter,vbefore,vafter: one row per\n"
    "      plotted segment, ticks counted from 1. With --values prints instead the\n"
    "      samples as the curve window saves them,\n"
    "      tick,t,ball,name,hbefore,hafter,vbefore,vafter: one row per curve ball\n"
    "      and tick from the start time on, on the graph or not.\n"
    "  resave IN.kmx OUT.kmx\n"
    "      Read a project and write it back (with its names file, in the\n"
    "      encoding it was read in).\n"
    "  info FILE.kmx\n"
    "      Print a JSON summary: the names file's encoding, settings, view scale,\n"
    "      curve settings and, per table, its count and names (in UTF-8).\n"
    "\n"
    "Options:\n"
    "  --integrator classic|accurate\n"
    "              Run with this step instead of the one the file chooses.\n"
    "  --help      Show this text.\n"
    "  --version   Print the version and end.\n"
    "\n"
    "Exit status: 0 success, 1 bad command line or unreadable file, 2 overflow.\n";

std::string Num(double v) { return ShortestText(v); }

std::string JsonString(const std::string& s) {
    std::string q = "\"";
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"': q += "\\\""; break;
            case '\\': q += "\\\\"; break;
            case '\n': q += "\\n"; break;
            case '\r': q += "\\r"; break;
            case '\t': q += "\\t"; break;
            default:
                if (u < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", u);
                    q += buf;
                } else {
                    q += c;
                }
        }
    }
    return q + "\"";
}

// Whole-string integer and real parsing: no blanks, no junk, no locale.
std::optional<long long> ParseInteger(const std::string& s) {
    if (s.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || end == s.c_str()) return std::nullopt;
    return v;
}

std::optional<double> ParseReal(const std::string& s) { return ParseStrictReal(s); }

// One complaint on standard error: prefixed with the program's name and ending
// with exactly one line break, whatever the text carried, so that scripts reading
// it line by line never see two messages run together.
void Complain(std::ostream& err, const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r')) --end;
    err << "motionbench-sim: " << text.substr(0, end) << '\n';
}

// Reads the project or explains why not; `encoding`, when given, receives the
// encoding its names file was read in.
std::unique_ptr<Scene> Load(const std::string& path, std::ostream& err, NamesEncoding* encoding = nullptr) {
    ReadResult r = ReadProject(path);
    if (!r.ok) {
        Complain(err, r.error);
        return nullptr;
    }
    for (const std::string& w : r.warnings) Complain(err, "warning: " + w);
    if (encoding) *encoding = r.namesEncoding;
    return std::move(r.scene);
}

void PrintBallRows(const Scene& s, std::ostream& out) {
    const int n = s.balls.count();
    for (int j = 0; j < n; ++j) {
        const Ball& b = s.balls[j];
        out << Num(s.RunTime) << ',' << j << ',' << CsvText(s.balls.names[static_cast<std::size_t>(j)]) << ','
            << Num(b.x) << ',' << Num(b.y) << ',' << Num(b.vx) << ',' << Num(b.vy) << ',' << Num(b.ax) << ','
            << Num(b.ay) << ',' << Num(b.mass) << '\n';
    }
}

int Usage(std::ostream& err, const std::string& complaint) {
    Complain(err, complaint);
    err << "Try 'motionbench-sim --help'.\n";
    return kSimFailed;
}

// The step a command line asks for, overriding the file's choice.
struct StepChoice {
    std::optional<std::uint8_t> accurate;
    // Takes "--integrator NAME" at args[i]; false (with the complaint made) when
    // the name is missing or unknown.
    bool take(const std::vector<std::string>& args, std::size_t& i, std::ostream& err, int& status) {
        const std::string* v = i + 1 < args.size() ? &args[++i] : nullptr;
        if (v && *v == "classic") {
            accurate = 0;
        } else if (v && *v == "accurate") {
            accurate = 1;
        } else {
            status = Usage(err, "--integrator needs classic or accurate.");
            return false;
        }
        return true;
    }
    void apply(Scene& s) const {
        if (accurate) s.settings.AccurateStep = *accurate;
    }
};

// What run and energy share: the file, how long to run and how often to report.
struct RunOptions {
    std::string file;
    std::optional<long long> ticks;
    std::optional<double> until;
    long long every = 1;
    StepChoice step;
};

// Returns kSimOk when the options were understood, else the status to exit with.
int ParseRunOptions(const std::vector<std::string>& args, RunOptions& o, std::ostream& err) {
    const std::string& command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) return nullptr;
            return &args[++i];
        };
        if (a == "--ticks") {
            const std::string* v = value();
            const auto k = v ? ParseInteger(*v) : std::nullopt;
            if (!k || *k < 0) return Usage(err, "--ticks needs a whole number of ticks, 0 or more.");
            o.ticks = k;
        } else if (a == "--until") {
            const std::string* v = value();
            const auto t = v ? ParseReal(*v) : std::nullopt;
            if (!t || *t < 0) return Usage(err, "--until needs a time in seconds, 0 or more.");
            o.until = t;
        } else if (a == "--every") {
            const std::string* v = value();
            const auto m = v ? ParseInteger(*v) : std::nullopt;
            if (!m || *m < 1) return Usage(err, "--every needs a whole number of ticks, 1 or more.");
            o.every = *m;
        } else if (a == "--integrator") {
            int status = kSimOk;
            if (!o.step.take(args, i, err, status)) return status;
        } else if (!a.empty() && a[0] == '-') {
            return Usage(err, "unknown option '" + a + "' for " + command + ".");
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            return Usage(err, command + " takes one project file.");
        }
    }
    if (o.file.empty()) return Usage(err, command + " needs a project file.");
    if (o.ticks && o.until) return Usage(err, "--ticks and --until cannot be used together.");
    return kSimOk;
}

void PrintEnergyRow(const Scene& s, std::ostream& out) {
    const EnergyBook e = MeasureEnergy(s);
    for (double v :
         {s.RunTime, e.kinetic, e.potential, e.work, e.total, e.px, e.py, e.angular, e.uniformGravity, e.gravityMasses,
          e.mutualGravitation, e.pointCharges, e.mutualCoulomb, e.connectors, e.extraForces, e.dampingWork})
        out << Num(v) << ',';
    out << Num(e.electricWork) << '\n';
}

// Starts the experiment as the Run command does and steps it, printing the
// header, the start and every M-th tick with `print`.
template <class Print>
int RunAndReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* header,
                 Print&& print) {
    RunOptions o;
    if (const int status = ParseRunOptions(args, o, err); status != kSimOk) return status;
    std::unique_ptr<Scene> scene = Load(o.file, err);
    if (!scene) return kSimFailed;
    Scene& s = *scene;
    o.step.apply(s);
    StartRun(s);
    const double T = s.settings.StepTime;
    // RunTime is a sum of sub-steps, so it may fall a hair short of a time that
    // a whole number of them reaches; half a sub-step absorbs that.
    auto done = [&](long long tick) {
        if (o.until) return s.RunTime >= *o.until - 0.5 * T;
        return tick >= (o.ticks ? *o.ticks : 100);
    };
    out << header << '\n';
    // The start, as the surface shows it before the first tick.
    print(s, out);
    for (long long tick = 0; !done(tick);) {
        if (StepScene(s, nullptr) == kStepOverflow) {
            print(s, out);
            out.flush();
            err << kOverflowMessage << "\n";
            return kSimOverflow;
        }
        ++tick;
        if (tick % o.every == 0) print(s, out);
    }
    return kSimOk;
}

constexpr const char* kEnergyHeader =
    "t,kinetic,potential,work,total,px,py,angular,uniform_gravity,gravity_masses,mutual_gravitation,point_charges,"
    "mutual_coulomb,connectors,extra_forces,damping_work,electric_work";

int CommandRun(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunAndReport(args, out, err, "t,index,name,x,y,vx,vy,ax,ay,mass", PrintBallRows);
}

int CommandEnergy(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunAndReport(args, out, err, kEnergyHeader, PrintEnergyRow);
}

int CommandCurve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    bool values = false;
    StepChoice step;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        int status = kSimOk;
        if (a == "--values")
            values = true;
        else if (a == "--integrator") {
            if (!step.take(args, i, err, status)) return status;
        } else if (!a.empty() && a[0] == '-')
            return Usage(
                err, "unknown option '" + a + "' for curve; curve takes one project file, --values and --integrator.");
        else if (file.empty())
            file = a;
        else
            return Usage(err, "curve takes one project file.");
    }
    if (file.empty()) return Usage(err, "curve takes one project file.");
    std::unique_ptr<Scene> scene = Load(file, err);
    if (!scene) return kSimFailed;
    Scene& s = *scene;
    step.apply(s);
    // The checks of "Draw curve", in its order and words.
    const CurveCheck check = CheckCurveSettings(s.curve);
    if (!check.ok()) {
        Complain(err, check.message);
        return kSimFailed;
    }
    if (!AnyCurveObject(s)) {
        Complain(err, kCurveNoObject);
        return kSimFailed;
    }
    // Opening the file redraws the scene, which puts the balls back and refreshes
    // every presence switch; then the computation starts.
    ResetBallsToInitial(s);
    RefreshPresenceSwitches(s);
    BeginCurve(s);
    out << (values ? kCurveValuesHeader : "tick,ball,col0,row0,col1,row1,hbefore,hafter,vbefore,vafter") << '\n';
    std::vector<CurveSegment> segments;
    for (long long tick = 1;; ++tick) {
        segments.clear();
        const int result = CurveTick(s, segments);
        for (const CurveSegment& g : segments) {
            if (values)
                out << CurveCsvRow(s, tick, g) << '\n';
            else if (g.plotted)
                out << tick << ',' << g.ball << ',' << g.col0 << ',' << g.row0 << ',' << g.col1 << ',' << g.row1
                    << ',' << Num(g.hBefore) << ',' << Num(g.hAfter) << ',' << Num(g.vBefore) << ','
                    << Num(g.vAfter) << '\n';
        }
        if (result == kCurveEnded) break;
    }
    return kSimOk;
}

int CommandResave(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 3) return Usage(err, "resave takes an input and an output project file.");
    for (std::size_t i = 1; i < 3; ++i)
        if (!args[i].empty() && args[i][0] == '-') return Usage(err, "unknown option '" + args[i] + "' for resave.");
    NamesEncoding encoding = NamesEncoding::Utf8;
    std::unique_ptr<Scene> scene = Load(args[1], err, &encoding);
    if (!scene) return kSimFailed;
    const WriteResult w = WriteProject(*scene, args[2], encoding);
    if (!w.ok) {
        Complain(err, w.error);
        return kSimFailed;
    }
    return kSimOk;
}

template <class TableT>
void JsonTable(std::ostream& out, const char* key, const TableT& t) {
    const int n = t.count();
    out << "    " << JsonString(key) << ": {\"count\": " << n << ", \"nameCounter\": " << t.nameCounter
        << ", \"names\": [";
    for (int i = 0; i < n; ++i) out << (i ? ", " : "") << JsonString(t.names[static_cast<std::size_t>(i)]);
    out << "]}";
}

int CommandInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return Usage(err, "info takes one project file.");
    if (!args[1].empty() && args[1][0] == '-') return Usage(err, "unknown option '" + args[1] + "' for info.");
    NamesEncoding encoding = NamesEncoding::Utf8;
    std::unique_ptr<Scene> scene = Load(args[1], err, &encoding);
    if (!scene) return kSimFailed;
    const Scene& s = *scene;
    const ExperimentSettings& e = s.settings;
    out << "{\n";
    out << "  \"namesEncoding\": " << JsonString(NamesEncodingName(encoding)) << ",\n";
    out << "  \"settings\": {\"StepTime\": " << Num(e.StepTime) << ", \"StepsPerTick\": " << e.StepsPerTick
        << ", \"ShowCoordinate\": " << int(e.ShowCoordinate) << ", \"GravityOn\": " << int(e.GravityOn)
        << ", \"RelativityOn\": " << int(e.RelativityOn) << ", \"MutualGravitationOn\": " << int(e.MutualGravitationOn)
        << ", \"MutualCoulombOn\": " << int(e.MutualCoulombOn) << ", \"BumpOn\": " << int(e.BumpOn)
        << ", \"AccurateStep\": " << int(e.AccurateStep) << "},\n";
    out << "  \"view\": {\"OriginX\": " << s.view.OriginX << ", \"OriginY\": " << s.view.OriginY
        << ", \"MetresPerPixel\": " << Num(s.view.MetresPerPixel) << "},\n";
    out << "  \"SelectedBall\": " << s.SelectedBall << ",\n";
    const CurveSettings& c = s.curve;
    out << "  \"curve\": {\"startTime\": " << Num(c.startTime) << ", \"endTime\": " << Num(c.endTime)
        << ", \"horizontalVariable\": " << int(c.horizontalVariable)
        << ", \"horizontalStart\": " << Num(c.horizontalStart) << ", \"horizontalStep\": " << Num(c.horizontalStep)
        << ", \"verticalVariable\": " << int(c.verticalVariable) << ", \"verticalStart\": " << Num(c.verticalStart)
        << ", \"verticalStep\": " << Num(c.verticalStep) << "},\n";
    out << "  \"tables\": {\n";
    JsonTable(out, "balls", s.balls);
    ForEachElementTable(s, [&](const auto& t, const KindInfo& k) {
        out << ",\n";
        JsonTable(out, k.key, t);
    });
    const int remarks = s.remarkCount();
    out << ",\n    \"remarks\": {\"count\": " << remarks << ", \"texts\": [";
    for (int i = 0; i < remarks; ++i) out << (i ? ", " : "") << JsonString(s.remarks[static_cast<std::size_t>(i)].text);
    out << "]}\n  }\n}\n";
    return kSimOk;
}

}  // namespace

int RunSimCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err, "no command given.");
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return kSimOk;
        } else if (a == "--version") {
            out << "motionbench-sim " << kVersion << '\n';
            return kSimOk;
        }
    const std::string& cmd = args[0];
    if (cmd == "run") return CommandRun(args, out, err);
    if (cmd == "energy") return CommandEnergy(args, out, err);
    if (cmd == "curve") return CommandCurve(args, out, err);
    if (cmd == "resave") return CommandResave(args, err);
    if (cmd == "info") return CommandInfo(args, out, err);
    return Usage(err, "unknown command '" + cmd + "'.");
}

}  // namespace mb
