#include "io/project_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "io/file_replacement.h"
#include "io/names_text.h"
#include "scene/element_kinds.h"

namespace mb {

namespace {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);

constexpr std::size_t kHeaderSize = 38;
constexpr std::size_t kBallRecordSize = 109;
constexpr std::size_t kReservedSize = kReservedByteCount;
constexpr std::size_t kCurveSize = 50;
constexpr std::size_t kRemarkRecordSize = 40;
// A name counter only ever grows by one per new element; anything near the top
// of the int32 range cannot come from the program and would overflow there.
constexpr std::int32_t kMaxNameCounter = 1000000000;
// The largest project file there can be: every table, the balls and the remarks full.
constexpr std::size_t kMaxProjectSize =
    kHeaderSize + kElementTableCount * 8 + kTableCapacity * 8 * (7 + 3 + 3 + 6 + 6 + 6 + 5 + 11 + 7 + 6 + 5 + 6 + 5) +
    8 + kBallCapacity * kBallRecordSize + kReservedSize + kCurveSize + 4 + kRemarkCapacity * kRemarkRecordSize;
// Names can be long, but not this long.
constexpr std::size_t kMaxNamesSize = 64u << 20;

// ---------------------------------------------------------------- writing

class ByteWriter {
public:
    std::string bytes;

    void u8(std::uint8_t v) { bytes.push_back(static_cast<char>(v)); }
    void i32(std::int32_t v) { raw(std::bit_cast<std::uint32_t>(v)); }
    void f64(double v) { raw(std::bit_cast<std::uint64_t>(v)); }
    void zeros(std::size_t n) { bytes.append(n, '\0'); }

private:
    template <class U>
    void raw(U v) {
        for (std::size_t k = 0; k < sizeof(U); ++k) bytes.push_back(static_cast<char>((v >> (8 * k)) & 0xFFu));
    }
};

template <class Record, int Capacity>
void WriteTable(ByteWriter& w, const Table<Record, Capacity>& table) {
    const int n = table.count();
    w.i32(n);
    for (int i = 0; i < n; ++i) {
        double fields[Record::kFieldCount];
        std::memcpy(fields, &table[i], sizeof fields);
        for (double f : fields) w.f64(f);
    }
    w.i32(table.nameCounter);
}

void WriteBall(ByteWriter& w, const Ball& b) {
    for (double f : {b.Q, b.x0, b.y0, b.vx0, b.vy0, b.M0, b.extraFx, b.extraFy, b.R}) w.f64(f);
    w.u8(b.curveFlag);
    for (std::int32_t v : {b.screenX, b.screenY, b.pixelRadius, b.colour, b.red, b.green, b.blue, b.trackFlag,
                           b.pixelCount})
        w.i32(v);
}

void WriteRemark(ByteWriter& w, const Remark& r) {
    w.i32(r.x);
    w.i32(r.y);
    w.i32(r.width);
    w.i32(r.height);
    w.u8(r.charset);
    w.zeros(3);
    w.i32(r.fontColour);
    w.i32(r.fontHeight);
    w.u8(r.pitch);
    w.zeros(3);
    w.i32(r.fontSize);
    w.u8(r.style);
    w.zeros(3);
}

void AppendLine(std::string& out, const std::string& name) {
    out += NameLine(name);
    out += "\r\n";
}

template <class Record, int Capacity>
void AppendTableNames(std::string& out, const Table<Record, Capacity>& table) {
    const int n = table.count();
    for (int i = 0; i < n; ++i) AppendLine(out, table.names[static_cast<std::size_t>(i)]);
}

// ---------------------------------------------------------------- reading

struct Damaged {
    std::string message;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    // Makes sure `n` more bytes are there for the named part of the file.
    void need(std::size_t n, const std::string& what) const {
        if (bytes_.size() - pos_ < n) {
            std::ostringstream m;
            m << "The project file is damaged: it ends inside " << what << " (" << n << " bytes needed at offset "
              << pos_ << ", " << bytes_.size() - pos_ << " left).";
            throw Damaged{m.str()};
        }
    }
    std::uint8_t u8() { return static_cast<std::uint8_t>(bytes_[pos_++]); }
    std::int32_t i32() { return std::bit_cast<std::int32_t>(raw<std::uint32_t>()); }
    double f64() { return std::bit_cast<double>(raw<std::uint64_t>()); }
    void skip(std::size_t n) { pos_ += n; }
    std::size_t offset() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }

private:
    template <class U>
    U raw() {
        U v = 0;
        for (std::size_t k = 0; k < sizeof(U); ++k)
            v |= static_cast<U>(static_cast<std::uint8_t>(bytes_[pos_ + k])) << (8 * k);
        pos_ += sizeof(U);
        return v;
    }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

[[noreturn]] void Fail(const std::string& what) { throw Damaged{"The project file is damaged: " + what}; }

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

double FiniteDouble(ByteReader& r, const std::string& what) {
    const std::size_t at = r.offset();
    const double v = r.f64();
    if (!std::isfinite(v)) Fail(what + " at offset " + std::to_string(at) + " is not a finite number.");
    return v;
}

std::int32_t ReadCount(ByteReader& r, int capacity, const std::string& what) {
    r.need(4, "the count of " + what);
    const std::int32_t n = r.i32();
    if (n < 0 || n > capacity)
        Fail("the count of " + what + " is " + std::to_string(n) + " (it must be 0 to " + std::to_string(capacity) +
             ").");
    return n;
}

std::int32_t ReadNameCounter(ByteReader& r, const std::string& what) {
    r.need(4, "the name counter of " + what);
    const std::int32_t c = r.i32();
    if (c < 0 || c > kMaxNameCounter)
        Fail("the name counter of " + what + " is " + std::to_string(c) + ", which no experiment can reach.");
    return c;
}

template <class Record, int Capacity>
void ReadTable(ByteReader& r, Table<Record, Capacity>& table, const char* label) {
    const std::int32_t n = ReadCount(r, Capacity, label);
    r.need(static_cast<std::size_t>(n) * Record::kFieldCount * 8, std::string("the records of ") + label);
    for (int i = 0; i < n; ++i) {
        double fields[Record::kFieldCount];
        for (double& f : fields)
            f = FiniteDouble(r, std::string("a value of record ") + std::to_string(i + 1) + " of " + label);
        std::memcpy(&table[i], fields, sizeof fields);
    }
    table.nameCounter = ReadNameCounter(r, label);
}

// A table walk stops at the first record not in use: records stored after such
// a gap could never be reached and would come back to life when the table is
// compacted, so they are dropped.
template <class Record, int Capacity>
bool DropUnreachable(Table<Record, Capacity>& table) {
    const int n = table.count();
    bool dropped = false;
    for (int i = n; i < Capacity; ++i) {
        Record blank{};
        if (std::memcmp(&table[i], &blank, sizeof(Record)) != 0) dropped = true;
        table[i] = blank;
    }
    return dropped;
}

// Balls read from the file after one whose mass is 0; the slots beyond the
// file's count are still blank.
bool DropUnreachableBalls(BallTable& balls, int fileCount) {
    const int n = balls.count();
    for (int i = n; i < fileCount; ++i) balls[i] = Ball{};
    return fileCount > n;
}

void ReadBall(ByteReader& r, Ball& b, int index) {
    const std::string what = "ball " + std::to_string(index + 1);
    for (double* f : {&b.Q, &b.x0, &b.y0, &b.vx0, &b.vy0, &b.M0, &b.extraFx, &b.extraFy, &b.R})
        *f = FiniteDouble(r, "a value of " + what);
    b.curveFlag = r.u8();
    for (std::int32_t* v : {&b.screenX, &b.screenY, &b.pixelRadius, &b.colour, &b.red, &b.green, &b.blue,
                            &b.trackFlag, &b.pixelCount})
        *v = r.i32();
}

void ReadRemark(ByteReader& r, Remark& m) {
    m.x = r.i32();
    m.y = r.i32();
    m.width = r.i32();
    m.height = r.i32();
    m.charset = r.u8();
    r.skip(3);
    m.fontColour = r.i32();
    m.fontHeight = r.i32();
    m.pitch = r.u8();
    r.skip(3);
    m.fontSize = r.i32();
    m.style = r.u8();
    r.skip(3);
}

std::string BallLabel(const Scene& s, int i) {
    const std::string& name = s.balls.names[static_cast<std::size_t>(i)];
    return "Ball " + std::to_string(i + 1) + (name.empty() ? std::string() : " (" + name + ")");
}

// Connectors refer to balls by index; a reference to a ball that is not there
// would make the engine read an empty record.
void CheckBallReference(double ref, int ballCount, const char* label, int record) {
    if (!(ref > -1.0 && ref < static_cast<double>(ballCount)))
        Fail("record " + std::to_string(record + 1) + " of " + label + " holds ball number " + Num(ref) +
             ", but the file has " + std::to_string(ballCount) + " ball(s).");
}

void CheckConnectorRefs(const Scene& s) {
    const int balls = s.balls.count();
    ForEachConnectorTable(s, [&](const auto& t, ElementKind kind) {
        const char* label = KindInfoOf(kind).label;
        for (int i = 0; i < t.count(); ++i) {
            if constexpr (std::is_same_v<std::decay_t<decltype(t)>, HangingTable>) {
                CheckBallReference(t[i].ball, balls, label, i);
            } else {
                CheckBallReference(t[i].ball1, balls, label, i);
                CheckBallReference(t[i].ball2, balls, label, i);
            }
        }
    });
}

// A screen coordinate that an int32 cannot hold: the ball is absurdly far away.
bool OutsideInt32(double v) { return !(v > -2147483648.0 && v < 2147483647.0); }

// The part of confirming a ball's properties that needs no picture: colour,
// trajectory flag, screen position and pixel radius from the stored values and
// the view scale just read. A ball the property dialog would refuse is kept, and
// the user is told why.
void RederiveBalls(Scene& s, std::vector<std::string>& warnings) {
    const ViewScale& v = s.view;
    const int n = s.balls.count();
    for (int i = 0; i < n; ++i) {
        Ball& b = s.balls[i];
        b.trackFlag = b.trackFlag == 1 ? 1 : 0;
        // The pixel lists hold 4000 entries; the count must never index past them.
        b.pixelCount = std::clamp(b.pixelCount, 0, kPixelListCapacity);

        // Every run start places the ball on the screen from these values, so a
        // file whose ball cannot be held in pixels at all is not taken.
        const double col = v.columnOf(b.x0) + 0.5;
        const double row = v.rowOf(b.y0) + 0.5;
        if (!v.holdsBallAt(b.x0, b.y0) || OutsideInt32(b.R / v.MetresPerPixel + 0.5))
            Fail(BallLabel(s, i) + " lies " + Num(std::max(std::fabs(col), std::fabs(row))) +
                 " pixels from the view's origin with a radius of " + Num(b.R / v.MetresPerPixel) +
                 " pixels, too large to be shown.");

        DeriveBallScreen(b, v);
        // The ball is kept as it is; its picture is drawn at the nearest size allowed.
        if (v.ballTooLarge(b.R))
            warnings.push_back(BallLabel(s, i) + ": " + kBallRadiusTooLargeText + Num(v.largestBallRadius()) + "meter");
        else if (!(b.R >= 0))
            warnings.push_back(BallLabel(s, i) + ": " + kBallRadiusNegativeText);
        if (b.M0 <= 0) warnings.push_back(BallLabel(s, i) + ": The mass must be bigger than zero.");
    }
}

// Hands names out in the names file's line order, each to the next record in use.
class NameCursor {
public:
    explicit NameCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void take(std::string& target) {
        ++wanted_;
        if (next_ < lines_.size()) target = lines_[next_++];
    }
    std::size_t wanted() const { return wanted_; }
    std::size_t available() const { return lines_.size(); }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t wanted_ = 0;
};

void AssignNames(Scene& s, int remarkCount, const std::string* names, std::vector<std::string>& warnings,
                 NamesEncoding& encoding) {
    NamesFileText text = names ? DecodeNamesFile(*names) : NamesFileText{};
    encoding = text.encoding;
    NameCursor cursor(std::move(text.lines));
    const int balls = s.balls.count();
    for (int i = 0; i < balls; ++i) cursor.take(s.balls.names[static_cast<std::size_t>(i)]);
    auto tableNames = [&](auto& table, const KindInfo& info, bool beforeRemarks) {
        if (info.namesBeforeRemarks() != beforeRemarks) return;
        const int n = table.count();
        for (int i = 0; i < n; ++i) cursor.take(table.names[static_cast<std::size_t>(i)]);
    };
    ForEachElementTable(s, [&](auto& t, const KindInfo& k) { tableNames(t, k, true); });
    // A remark is in use while it has a text. One the project file holds but
    // whose text the names file lacks is shown with a note instead, so that it
    // and the remarks after it stay in use and the next save keeps them.
    int untexted = 0;
    for (int i = 0; i < remarkCount; ++i) {
        Remark& m = s.remarks[static_cast<std::size_t>(i)];
        m.text.clear();
        cursor.take(m.text);
        cursor.take(m.fontName);
        if (m.text.empty()) {
            m.text = kMissingRemarkText;
            ++untexted;
        }
    }
    ForEachElementTable(s, [&](auto& t, const KindInfo& k) { tableNames(t, k, false); });

    const std::string remarksNote =
        untexted == 0 ? std::string()
                      : ", and " + std::to_string(untexted) + " remark(s) show \"" + std::string(kMissingRemarkText) +
                            "\" in place of their text";
    if (!names) {
        if (cursor.wanted() > 0)
            warnings.push_back("The names file is missing: the elements have no names" + remarksNote + ".");
    } else if (cursor.available() < cursor.wanted()) {
        warnings.push_back("The names file has " + std::to_string(cursor.available()) + " lines where " +
                           std::to_string(cursor.wanted()) + " were expected: the elements after them have no names" +
                           remarksNote + ".");
    } else if (untexted > 0) {
        warnings.push_back("The names file gives " + std::to_string(untexted) + " remark(s) an empty text; they show \"" +
                           std::string(kMissingRemarkText) + "\" in its place.");
    }
}

std::unique_ptr<Scene> ParseProject(std::string_view bytes, const std::string* names, const Scene& base,
                                    std::vector<std::string>& warnings, NamesEncoding& encoding) {
    // A fresh scene is the reset state; like the scene reset it keeps the caller's
    // steps per tick and remark fonts (the file replaces what it stores).
    auto scene = std::make_unique<Scene>();
    Scene& s = *scene;
    s.settings.StepsPerTick = base.settings.StepsPerTick;
    s.remarks = base.remarks;
    for (Remark& m : s.remarks) m.text.clear();
    ByteReader r(bytes);

    // Header.
    r.need(kHeaderSize, "the header");
    s.settings.StepsPerTick = r.i32();
    s.view.OriginX = r.i32();
    s.view.OriginY = r.i32();
    s.view.MetresPerPixel = FiniteDouble(r, "the metres per pixel");
    s.settings.StepTime = FiniteDouble(r, "the step time");
    s.settings.ShowCoordinate = r.u8();
    s.settings.GravityOn = r.u8();
    s.settings.MutualGravitationOn = r.u8();
    s.settings.MutualCoulombOn = r.u8();
    s.settings.RelativityOn = r.u8();
    s.settings.BumpOn = r.u8();
    s.SelectedBall = r.i32();
    if (s.settings.StepsPerTick <= 0)
        Fail("the steps per tick are " + std::to_string(s.settings.StepsPerTick) + " (they must be at least 1).");
    if (s.view.MetresPerPixel <= 0)
        Fail("the metres per pixel are " + Num(s.view.MetresPerPixel) + " (they must be bigger than zero).");
    if (s.settings.StepTime <= 0)
        Fail("the step time is " + Num(s.settings.StepTime) + " (it must be bigger than zero).");

    // The thirteen element tables.
    ForEachElementTable(s, [&](auto& t, const KindInfo& k) { ReadTable(r, t, k.label); });

    // Balls.
    const std::int32_t ballCount = ReadCount(r, kBallCapacity, "balls");
    r.need(static_cast<std::size_t>(ballCount) * kBallRecordSize, "the ball records");
    for (int i = 0; i < ballCount; ++i) ReadBall(r, s.balls[i], i);
    s.balls.nameCounter = ReadNameCounter(r, "balls");

    // The reserved bytes are kept as they came; the first says which step runs
    // the experiment (1 the accurate step; anything else, as every older file
    // holds, the classic one).
    r.need(kReservedSize, "the reserved bytes");
    for (std::uint8_t& byte : s.reservedBytes) byte = r.u8();
    s.settings.AccurateStep = s.reservedBytes[0] == 1 ? 1 : 0;

    // Curve settings.
    r.need(kCurveSize, "the curve settings");
    s.curve.startTime = FiniteDouble(r, "the curve's start time");
    s.curve.endTime = FiniteDouble(r, "the curve's end time");
    s.curve.horizontalVariable = r.u8();
    s.curve.horizontalStart = FiniteDouble(r, "the curve's horizontal start");
    s.curve.horizontalStep = FiniteDouble(r, "the curve's horizontal step");
    s.curve.verticalVariable = r.u8();
    s.curve.verticalStart = FiniteDouble(r, "the curve's vertical start");
    s.curve.verticalStep = FiniteDouble(r, "the curve's vertical step");
    if (s.curve.horizontalVariable >= kQuantityCount)
        Fail("the curve's horizontal variable is " + std::to_string(s.curve.horizontalVariable) +
             " (it must be 0 to 9).");
    if (s.curve.verticalVariable >= kQuantityCount)
        Fail("the curve's vertical variable is " + std::to_string(s.curve.verticalVariable) + " (it must be 0 to 9).");

    // Remarks.
    const std::int32_t remarkCount = ReadCount(r, kRemarkCapacity, "remarks");
    r.need(static_cast<std::size_t>(remarkCount) * kRemarkRecordSize, "the remark records");
    for (int i = 0; i < remarkCount; ++i) ReadRemark(r, s.remarks[static_cast<std::size_t>(i)]);

    if (r.left() != 0)
        Fail("it has " + std::to_string(r.left()) + " bytes after the last remark, where the file should end.");

    bool dropped = false;
    ForEachElementTable(s, [&](auto& t, const KindInfo&) { dropped = DropUnreachable(t) || dropped; });
    dropped = DropUnreachableBalls(s.balls, ballCount) || dropped;
    if (dropped)
        warnings.push_back(
            "Some elements stood after an empty record in their table and could not be reached; they were left "
            "out.");

    CheckConnectorRefs(s);
    if (s.SelectedBall < -1 || s.SelectedBall >= s.balls.count()) s.SelectedBall = -1;

    AssignNames(s, remarkCount, names, warnings, encoding);
    RederiveBalls(s, warnings);
    return scene;
}

// Reads at most `limit` + 1 bytes, so that a file far too big to be a project
// (a film picked by mistake) is recognised without reading it whole.
bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    out.clear();
    char buf[65536];
    while (out.size() <= limit && in) {
        in.read(buf, sizeof buf);
        out.append(buf, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        error = "read error";
        return false;
    }
    return true;
}

}  // namespace

std::string NamesPathFor(const std::string& projectPath) { return projectPath + ".nam"; }

EncodedProject EncodeProject(const Scene& s, NamesEncoding encoding) {
    ByteWriter w;
    w.i32(s.settings.StepsPerTick);
    w.i32(s.view.OriginX);
    w.i32(s.view.OriginY);
    w.f64(s.view.MetresPerPixel);
    w.f64(s.settings.StepTime);
    w.u8(s.settings.ShowCoordinate);
    w.u8(s.settings.GravityOn);
    w.u8(s.settings.MutualGravitationOn);
    w.u8(s.settings.MutualCoulombOn);
    w.u8(s.settings.RelativityOn);
    w.u8(s.settings.BumpOn);
    w.i32(s.SelectedBall);

    ForEachElementTable(s, [&](const auto& t, const KindInfo&) { WriteTable(w, t); });

    const int balls = s.balls.count();
    w.i32(balls);
    for (int i = 0; i < balls; ++i) WriteBall(w, s.balls[i]);
    w.i32(s.balls.nameCounter);

    // A step byte this program does not know is written back as it was read
    // while the experiment still runs the classic step.
    const std::uint8_t keptStep = s.reservedBytes[0];
    w.u8(s.settings.AccurateStep ? 1 : (keptStep == 1 ? 0 : keptStep));
    for (std::size_t i = 1; i < s.reservedBytes.size(); ++i) w.u8(s.reservedBytes[i]);

    w.f64(s.curve.startTime);
    w.f64(s.curve.endTime);
    w.u8(s.curve.horizontalVariable);
    w.f64(s.curve.horizontalStart);
    w.f64(s.curve.horizontalStep);
    w.u8(s.curve.verticalVariable);
    w.f64(s.curve.verticalStart);
    w.f64(s.curve.verticalStep);

    const int remarks = s.remarkCount();
    w.i32(remarks);
    for (int i = 0; i < remarks; ++i) WriteRemark(w, s.remarks[static_cast<std::size_t>(i)]);

    EncodedProject out;
    out.project = std::move(w.bytes);
    for (int i = 0; i < balls; ++i) AppendLine(out.names, s.balls.names[static_cast<std::size_t>(i)]);
    ForEachElementTable(s, [&](const auto& t, const KindInfo& k) {
        if (k.namesBeforeRemarks()) AppendTableNames(out.names, t);
    });
    for (int i = 0; i < remarks; ++i) {
        AppendLine(out.names, s.remarks[static_cast<std::size_t>(i)].text);
        AppendLine(out.names, s.remarks[static_cast<std::size_t>(i)].fontName);
    }
    ForEachElementTable(s, [&](const auto& t, const KindInfo& k) {
        if (!k.namesBeforeRemarks()) AppendTableNames(out.names, t);
    });
    out.names = EncodeNamesFile(std::move(out.names), encoding);
    return out;
}

ReadResult ReadProjectBytes(std::string_view project, const std::string* names, const Scene& base) {
    ReadResult result;
    try {
        result.scene = ParseProject(project, names, base, result.warnings, result.namesEncoding);
        result.ok = true;
    } catch (const Damaged& d) {
        result.error = d.message;
        result.warnings.clear();
    }
    return result;
}

ReadResult ReadProjectBytes(std::string_view project, const std::string* names) {
    static const Scene kBlank{};
    return ReadProjectBytes(project, names, kBlank);
}

ReadResult ReadProject(const std::string& path, const Scene& base) {
    std::string bytes;
    std::string why;
    ReadResult result;
    if (!ReadFileUpTo(path, kMaxProjectSize, bytes, why)) {
        result.cannotOpen = true;
        result.error = "Cannot open " + path + ": " + why;
        return result;
    }
    if (bytes.size() > kMaxProjectSize) {
        result.error = "The project file is damaged: it is bigger than any project can be (" +
                       std::to_string(kMaxProjectSize) + " bytes).";
        return result;
    }
    std::string names;
    const bool haveNames = ReadFileUpTo(NamesPathFor(path), kMaxNamesSize, names, why);
    if (haveNames && names.size() > kMaxNamesSize) {
        result.error = "The names file is bigger than any names file can be.";
        return result;
    }
    return ReadProjectBytes(bytes, haveNames ? &names : nullptr, base);
}

ReadResult ReadProject(const std::string& path) {
    static const Scene kBlank{};
    return ReadProject(path, kBlank);
}

WriteResult WriteProject(const Scene& scene, const std::string& path, NamesEncoding encoding, FileCalls& calls) {
    EncodedProject files = EncodeProject(scene, encoding);
    // The names file goes first so that a project file is never newer than its names.
    WriteResult result;
    result.error = ReplaceFiles({{NamesPathFor(path), std::move(files.names)}, {path, std::move(files.project)}}, calls);
    result.ok = result.error.empty();
    return result;
}

}  // namespace mb
