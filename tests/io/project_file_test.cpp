#include "io/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "io/names_text.h"
#include "scene/element_kinds.h"
#include "chinese_names_fixture.h"
#include "io_test_scenes.h"

namespace mb {
namespace {

using test::PeekI32;
using test::PokeF64;
using test::PokeI32;

constexpr std::size_t kEmptySize = 224;
constexpr std::size_t kFirstTableCount = 38;
constexpr std::size_t kEmptyBallCount = 38 + 13 * 8;  // 142
constexpr std::size_t kEmptyCurve = kEmptyBallCount + 8 + 20;  // 170
constexpr std::size_t kEmptyRemarkCount = kEmptyCurve + 50;    // 220

ReadResult Read(const EncodedProject& f) { return ReadProjectBytes(f.project, &f.names); }

TEST(ProjectLayout, EmptySceneIs224BytesWithEmptyNames) {
    auto s = test::BlankScene();
    const EncodedProject f = EncodeProject(*s);
    ASSERT_EQ(f.project.size(), kEmptySize);
    EXPECT_EQ(f.names, "");
    // Header values of a fresh scene, at their fixed offsets.
    EXPECT_EQ(PeekI32(f.project, 0), 100);
    EXPECT_EQ(PeekI32(f.project, 4), 200);
    EXPECT_EQ(PeekI32(f.project, 8), 150);
    double mpp, T;
    std::memcpy(&mpp, &f.project[12], 8);
    std::memcpy(&T, &f.project[20], 8);
    EXPECT_EQ(mpp, 10.0);
    EXPECT_EQ(T, 0.001);
    EXPECT_EQ(f.project[28], 1);  // show coordinate
    EXPECT_EQ(PeekI32(f.project, 34), -1);
    // Curve defaults: end time 10, vertical variable 1, both steps 1.
    double endTime;
    std::memcpy(&endTime, &f.project[kEmptyCurve + 8], 8);
    EXPECT_EQ(endTime, 10.0);
    EXPECT_EQ(f.project[kEmptyCurve + 33], 1);
}

TEST(ProjectLayout, OneBallIs333BytesAndOneName) {
    auto s = test::BlankScene();
    test::PutBall(*s, 0, "Ball_1", 1.5, -2.0, 2.0, 0.5);
    s->balls[0].Q = 3e-6;
    s->balls[0].curveFlag = 1;
    s->balls.nameCounter = 1;
    const EncodedProject f = EncodeProject(*s);
    ASSERT_EQ(f.project.size(), 333u);
    EXPECT_EQ(f.names, "Ball_1\r\n");
    const std::size_t rec = kEmptyBallCount + 4;
    EXPECT_EQ(PeekI32(f.project, kEmptyBallCount), 1);
    double q, x0, m;
    std::memcpy(&q, &f.project[rec], 8);
    std::memcpy(&x0, &f.project[rec + 8], 8);
    std::memcpy(&m, &f.project[rec + 40], 8);
    EXPECT_EQ(q, 3e-6);
    EXPECT_EQ(x0, 1.5);
    EXPECT_EQ(m, 2.0);
    EXPECT_EQ(f.project[rec + 72], 1);                                // curve flag byte
    EXPECT_EQ(PeekI32(f.project, rec + 85), PackColour(100, 255, 100));  // packed colour
    EXPECT_EQ(PeekI32(f.project, rec + 101), 1);                      // track flag
    EXPECT_EQ(PeekI32(f.project, rec + 109), 1);                      // ball name counter
}

TEST(ProjectLayout, FirstReservedByteHoldsTheStepAndEveryReservedByteIsWrittenBack) {
    constexpr std::size_t kReserved = kEmptyBallCount + 8;
    auto s = test::BlankScene();
    std::string bytes = EncodeProject(*s).project;
    EXPECT_EQ(bytes.substr(kReserved, 20), std::string(20, '\0')) << "a new project writes zeros";
    s->settings.AccurateStep = 1;
    EXPECT_EQ(EncodeProject(*s).project[kReserved], 1);
    // Whatever another copy of the program left in the bytes comes back unchanged.
    for (char step : {0, 1, 7}) {
        SCOPED_TRACE(int(step));
        for (int i = 1; i < 20; ++i) bytes[kReserved + i] = static_cast<char>(i * 13);
        bytes[kReserved] = step;
        const std::string names;
        ReadResult r = ReadProjectBytes(bytes, &names);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.scene->settings.AccurateStep, step == 1 ? 1 : 0);
        EXPECT_EQ(EncodeProject(*r.scene).project, bytes);
    }
}

TEST(ProjectLayout, StraightTrackWithOnlySecondFieldCountsAsInUse) {
    auto s = test::BlankScene();
    s->straightTracks[0].B = 2.0;  // A is 0
    s->straightTracks.names[0] = "odd";
    const EncodedProject f = EncodeProject(*s);
    EXPECT_EQ(f.project.size(), kEmptySize + 88);
    EXPECT_EQ(PeekI32(f.project, kFirstTableCount + 7 * 8), 1);
    EXPECT_EQ(f.names, "odd\r\n");
}

TEST(ProjectLayout, NamesFileKeepsRemarksBetweenCircularTracksAndCords) {
    auto s = test::RichScene();
    const EncodedProject f = EncodeProject(*s);
    const std::vector<std::string> lines = SplitNameLines(f.names);
    const std::vector<std::string> expected = {
        "Ball_1",      "heavy one", "Damp_field1", "Mass_3",      "E_dot_1",
        "E_dot_2",     "E_field_1", "Magnetic_1",  "P_spring_1",  "L_spring_1",
        "R_track_1",   "C_track_1", "Watch the period", "DejaVu Sans", "Zweite Bemerkung: Größe",
        "DejaVu Serif", "P_cord_1", "Link_cord_1", "P_pole_1",    "Link_pole_9"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(f.names.substr(0, 8), "Ball_1\r\n");
}

TEST(ProjectRoundTrip, EveryStoredValueSurvives) {
    auto s = test::RichScene();
    const EncodedProject f = EncodeProject(*s);
    const ReadResult r = Read(f);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.warnings.empty());
    const Scene& t = *r.scene;
    EXPECT_EQ(t.settings.StepsPerTick, 50);
    EXPECT_EQ(t.settings.StepTime, 0.0005);
    EXPECT_EQ(t.settings.GravityOn, 1);
    EXPECT_EQ(t.settings.RelativityOn, 1);
    EXPECT_EQ(t.settings.MutualCoulombOn, 0);
    EXPECT_EQ(t.settings.ShowCoordinate, 0);
    EXPECT_EQ(t.view.OriginX, 400);
    EXPECT_EQ(t.view.MetresPerPixel, 0.05);
    EXPECT_EQ(t.SelectedBall, 1);
    // Name counters continue the numbering of the saved project.
    EXPECT_EQ(t.balls.nameCounter, 7);
    EXPECT_EQ(t.gravityMasses.nameCounter, 3);
    EXPECT_EQ(t.straightTracks.nameCounter, 4);
    EXPECT_EQ(t.linkPoles.nameCounter, 9);
    // Counts of every table.
    int k = 0;
    ForEachElementTable(t, [&](const auto& table, const KindInfo& info) {
        EXPECT_EQ(table.count(), info.kind == ElementKind::PointCharge ? 2 : 1) << info.label;
        ++k;
    });
    EXPECT_EQ(k, 13);
    EXPECT_EQ(t.balls.count(), 2);
    // Balls: curve flags, colours, track settings, names.
    EXPECT_EQ(t.balls[0].curveFlag, 0);
    EXPECT_EQ(t.balls[1].curveFlag, 1);
    EXPECT_EQ(t.balls[1].colour, PackColour(10, 20, 30));
    EXPECT_EQ(t.balls[1].trackFlag, 0);
    EXPECT_EQ(t.balls[0].trackFlag, 1);
    EXPECT_EQ(t.balls[1].pixelCount, 321);
    EXPECT_EQ(t.balls[0].extraFy, -0.25);
    EXPECT_EQ(t.balls.names[1], "heavy one");
    // Track coefficients and the spare values travel unchanged.
    EXPECT_EQ(std::memcmp(&t.straightTracks[0], &s->straightTracks[0], sizeof(StraightTrack)), 0);
    EXPECT_EQ(t.linkPoles.names[0], "Link_pole_9");
    // Remarks with fonts.
    EXPECT_EQ(t.remarkCount(), 2);
    EXPECT_EQ(t.remarks[1].text, "Zweite Bemerkung: Größe");
    EXPECT_EQ(t.remarks[1].fontName, "DejaVu Serif");
    EXPECT_EQ(t.remarks[0].style, kStyleBold | kStyleUnderline);
    EXPECT_EQ(t.remarks[0].pitch, 2);
    EXPECT_EQ(t.remarks[0].fontColour, 0xFFFFFF);
    // Curve settings (the name is not stored).
    EXPECT_EQ(t.curve.verticalVariable, kQuantitySpeed);
    EXPECT_EQ(t.curve.horizontalStep, 0.5);
    EXPECT_EQ(t.curve.name, "Noname curve");
    // Writing it again gives the same bytes.
    const EncodedProject again = EncodeProject(t);
    EXPECT_EQ(again.project, f.project);
    EXPECT_EQ(again.names, f.names);
}

TEST(ProjectRoundTrip, ReadRederivesBallScreenValuesFromTheStoredScale) {
    auto s = test::BlankScene();
    s->view = ViewScale{300, 400, 0.1};
    test::PutBall(*s, 0, "b", 2.0, 1.0, 1.0, 0.04);
    s->balls[0].screenX = 9999;  // stale values in the file
    s->balls[0].screenY = -9999;
    s->balls[0].pixelRadius = 77;
    s->balls[0].colour = 5;
    s->balls[0].red = 300;  // beyond what the colour bars can show
    s->balls[0].pixelCount = 100000;
    s->balls[0].trackFlag = 7;
    const EncodedProject f = EncodeProject(*s);
    const ReadResult r = Read(f);
    ASSERT_TRUE(r.ok) << r.error;
    const Ball& b = r.scene->balls[0];
    EXPECT_EQ(b.screenX, 320);
    EXPECT_EQ(b.screenY, 390);
    EXPECT_EQ(b.pixelRadius, 3);
    EXPECT_EQ(b.red, 255);
    EXPECT_EQ(b.colour, PackColour(255, 255, 100));
    EXPECT_EQ(b.pixelCount, kPixelListCapacity);
    EXPECT_EQ(b.trackFlag, 0);
}

TEST(ProjectRoundTrip, BallTheDialogWouldRefuseIsKeptWithItsReasonAndPlaced) {
    auto s = test::BlankScene();
    s->view.MetresPerPixel = 0.5;
    test::PutBall(*s, 0, "big", 0, 0, 1.0, 15.5);
    s->balls[0].screenX = 42;
    const ReadResult r = Read(EncodeProject(*s));
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("In this coordinate setting,the ball's radius must be smaller than 15meter"),
              std::string::npos)
        << r.warnings[0];
    EXPECT_EQ(r.scene->balls[0].R, 15.5);
    // Placed on the screen by the one derivation every ball gets, not left at a stale pixel.
    EXPECT_EQ(r.scene->balls[0].screenX, s->view.OriginX);
    EXPECT_EQ(r.scene->balls[0].pixelRadius, 31);
}

TEST(ProjectRoundTrip, ReadKeepsBaseFontsInSlotsTheFileDoesNotUse) {
    auto base = test::BlankScene();
    for (Remark& m : base->remarks) {
        m.fontName = "Base Font";
        m.fontHeight = 13;
        m.text = "left over";
    }
    base->settings.StepsPerTick = 7;
    auto s = test::RichScene();
    const EncodedProject f = EncodeProject(*s);
    const ReadResult r = ReadProjectBytes(f.project, &f.names, *base);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.scene->remarks[0].fontName, "DejaVu Sans");
    EXPECT_EQ(r.scene->remarks[2].fontName, "Base Font");
    EXPECT_EQ(r.scene->remarks[2].text, "");  // reset: not in use
    EXPECT_EQ(r.scene->settings.StepsPerTick, 50);
}

TEST(ProjectNames, LineBreaksInNamesBecomeBlanks) {
    auto s = test::BlankScene();
    test::PutBall(*s, 0, "two\r\nlines", 0, 0, 1, 0);
    test::PutBall(*s, 1, "second", 0, 0, 1, 0);
    const EncodedProject f = EncodeProject(*s);
    EXPECT_EQ(f.names, "two  lines\r\nsecond\r\n");
    const ReadResult r = Read(f);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.scene->balls.names[1], "second");
}

TEST(ProjectNames, NamesValidNeitherAsUtf8NorAsGb18030AreReadByteByByte) {
    auto s = test::BlankScene();
    test::PutBall(*s, 0, "x", 0, 0, 1, 0);
    test::PutBall(*s, 1, "y", 0, 0, 1, 0);
    const EncodedProject f = EncodeProject(*s);
    // \xE9 before a blank cannot start a GB18030 character either.
    const std::string names = "caf\xE9 au lait\r\nBall \xC3\xA9t\xC3\xA9\r\n";
    const ReadResult r = ReadProjectBytes(f.project, &names);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.scene->balls.names[0], "café au lait");
    EXPECT_EQ(r.scene->balls.names[1], "Ball été");  // valid UTF-8 stays as it is
    EXPECT_EQ(r.namesEncoding, NamesEncoding::Utf8);
}

TEST(ProjectNames, ChineseNamesFilesReadAsWrittenAndWriteBackByteForByte) {
    const auto s = test::TwoBallsAndARemark();
    const EncodedProject utf8 = EncodeProject(*s);
    EXPECT_EQ(utf8.names, "first\r\nsecond\r\nremark\r\nfont\r\n");  // a new project writes UTF-8
    for (const test::ChineseNamesFile& f : test::ChineseNamesFiles()) {
        const ReadResult r = ReadProjectBytes(utf8.project, &f.bytes);
        ASSERT_TRUE(r.ok) << f.label;
        EXPECT_TRUE(r.warnings.empty()) << f.label;
        EXPECT_EQ(r.namesEncoding, NamesEncoding::Gb18030) << f.label;
        EXPECT_EQ(r.scene->balls.names[0], f.lines[0]) << f.label;
        EXPECT_EQ(r.scene->balls.names[1], f.lines[1]) << f.label;
        EXPECT_EQ(r.scene->remarks[0].text, f.lines[2]) << f.label;
        EXPECT_EQ(r.scene->remarks[0].fontName, f.lines[3]) << f.label;
        const EncodedProject back = EncodeProject(*r.scene, r.namesEncoding);
        EXPECT_EQ(back.names, f.bytes) << f.label;
        EXPECT_EQ(back.project, utf8.project) << f.label;

        // The same names typed afresh stay UTF-8 in a UTF-8 project.
        const std::string asUtf8 = EncodeProject(*r.scene).names;
        const ReadResult u = ReadProjectBytes(utf8.project, &asUtf8);
        ASSERT_TRUE(u.ok);
        EXPECT_EQ(u.namesEncoding, NamesEncoding::Utf8) << f.label;
        EXPECT_EQ(u.scene->remarks[0].text, f.lines[2]) << f.label;
    }
}

TEST(ProjectNames, MissingOrShortNamesFileStillOpensAndSaysSo) {
    auto s = test::RichScene();
    const EncodedProject f = EncodeProject(*s);

    const ReadResult missing = ReadProjectBytes(f.project, nullptr);
    ASSERT_TRUE(missing.ok);
    ASSERT_EQ(missing.warnings.size(), 1u);
    EXPECT_NE(missing.warnings[0].find("missing"), std::string::npos);
    EXPECT_EQ(missing.scene->balls.count(), 2);
    EXPECT_NE(missing.warnings[0].find(kMissingRemarkText), std::string::npos) << missing.warnings[0];
    // The remarks are kept with a text that says what happened, and a save keeps them.
    ASSERT_EQ(missing.scene->remarkCount(), 2);
    EXPECT_EQ(missing.scene->remarks[1].text, kMissingRemarkText);
    EXPECT_EQ(missing.scene->remarks[1].y, 60);
    const EncodedProject resaved = EncodeProject(*missing.scene);
    EXPECT_EQ(resaved.project, f.project);
    const ReadResult again = Read(resaved);
    ASSERT_TRUE(again.ok);
    EXPECT_TRUE(again.warnings.empty());
    EXPECT_EQ(again.scene->remarkCount(), 2);

    // Cut after the first remark's text: the names before are kept, the rest are empty.
    const std::vector<std::string> lines = SplitNameLines(f.names);
    std::string shortNames;
    for (int i = 0; i < 13; ++i) shortNames += lines[static_cast<std::size_t>(i)] + "\r\n";
    const ReadResult cut = ReadProjectBytes(f.project, &shortNames);
    ASSERT_TRUE(cut.ok);
    ASSERT_EQ(cut.warnings.size(), 1u);
    EXPECT_NE(cut.warnings[0].find("13 lines where 20"), std::string::npos) << cut.warnings[0];
    EXPECT_EQ(cut.scene->circularTracks.names[0], "C_track_1");
    EXPECT_EQ(cut.scene->remarks[0].text, "Watch the period");
    EXPECT_EQ(cut.scene->remarks[0].fontName, "");
    EXPECT_EQ(cut.scene->remarkCount(), 2);
    EXPECT_EQ(cut.scene->remarks[1].text, kMissingRemarkText);
    EXPECT_NE(cut.warnings[0].find(kMissingRemarkText), std::string::npos) << cut.warnings[0];
    EXPECT_EQ(cut.scene->hangingCords.names[0], "");
    EXPECT_EQ(cut.scene->hangingCords.count(), 1);

    // A names file that is whole but gives the first remark no text.
    std::string emptyText;
    for (std::size_t i = 0; i < lines.size(); ++i) emptyText += (i == 12 ? std::string() : lines[i]) + "\r\n";
    const ReadResult blank = ReadProjectBytes(f.project, &emptyText);
    ASSERT_TRUE(blank.ok);
    ASSERT_EQ(blank.warnings.size(), 1u);
    EXPECT_NE(blank.warnings[0].find("1 remark(s) an empty text"), std::string::npos) << blank.warnings[0];
    EXPECT_EQ(blank.scene->remarkCount(), 2);
    EXPECT_EQ(blank.scene->remarks[0].text, kMissingRemarkText);
    EXPECT_EQ(blank.scene->remarks[1].text, "Zweite Bemerkung: Größe");

    // A names file without the final line end reads the same.
    const std::string noFinalBreak = f.names.substr(0, f.names.size() - 2);
    const ReadResult r = ReadProjectBytes(f.project, &noFinalBreak);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(r.scene->linkPoles.names[0], "Link_pole_9");
}

TEST(ProjectRead, SelectedBallBeyondTheBallsMeansNone) {
    auto s = test::BlankScene();
    test::PutBall(*s, 0, "a", 0, 0, 1, 0);
    for (std::int32_t selected : {1, 29, 1000, -2, std::numeric_limits<std::int32_t>::min()}) {
        EncodedProject f = EncodeProject(*s);
        PokeI32(f.project, 34, selected);
        const ReadResult r = Read(f);
        ASSERT_TRUE(r.ok) << selected;
        EXPECT_EQ(r.scene->SelectedBall, -1) << selected;
    }
    EncodedProject f = EncodeProject(*s);
    PokeI32(f.project, 34, 0);
    EXPECT_EQ(Read(f).scene->SelectedBall, 0);
}

// Each damaged variant of a valid file must be refused with a message naming the fault.
TEST(ProjectRead, DamagedFilesAreRefusedWithTheReason) {
    auto s = test::BlankScene();
    test::PutBall(*s, 0, "a", 0, 0, 1, 0.1);
    s->hangingSprings[0] = {0, 5, 1, 20, 0, 0};
    const EncodedProject good = EncodeProject(*s);
    ASSERT_TRUE(Read(good).ok);
    const std::size_t ballCount = kEmptyBallCount + 48;
    const std::size_t hangingCount = kFirstTableCount + 5 * 8;

    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        const char* expect;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {"table count -1", [&](std::string& b) { PokeI32(b, kFirstTableCount, -1); }, "count of damping fields is -1"},
        {"table count 21", [&](std::string& b) { PokeI32(b, kFirstTableCount + 8, 21); }, "gravity masses is 21"},
        {"huge table count", [&](std::string& b) { PokeI32(b, kFirstTableCount + 16, 0x7FFFFFFF); }, "0 to 20"},
        {"ball count 31", [&](std::string& b) { PokeI32(b, ballCount, 31); }, "count of balls is 31"},
        {"remark count 101", [&](std::string& b) { PokeI32(b, b.size() - 4, 101); }, "count of remarks is 101"},
        {"remark count huge", [&](std::string& b) { PokeI32(b, b.size() - 4, -2147483647 - 1); }, "0 to 100"},
        {"ball count more than stored", [&](std::string& b) { PokeI32(b, ballCount, 2); }, "ends inside"},
        {"bytes left over", [&](std::string& b) { b += "xyz"; }, "3 bytes after the last remark"},
        {"steps per tick 0", [&](std::string& b) { PokeI32(b, 0, 0); }, "steps per tick are 0"},
        {"metres per pixel 0", [&](std::string& b) { PokeF64(b, 12, 0.0); }, "metres per pixel are 0"},
        {"metres per pixel negative", [&](std::string& b) { PokeF64(b, 12, -1.0); }, "metres per pixel are -1"},
        {"metres per pixel NaN", [&](std::string& b) { PokeF64(b, 12, std::nan("")); }, "not a finite number"},
        {"step time 0", [&](std::string& b) { PokeF64(b, 20, 0.0); }, "step time is 0"},
        {"step time infinite", [&](std::string& b) { PokeF64(b, 20, inf); }, "step time at offset 20"},
        {"infinite ball mass", [&](std::string& b) { PokeF64(b, ballCount + 4 + 40, inf); }, "ball 1"},
        {"NaN in a spring", [&](std::string& b) { PokeF64(b, hangingCount + 4, std::nan("")); }, "hanging springs"},
        {"spring on a missing ball",
         [&](std::string& b) { PokeF64(b, hangingCount + 4 + 40, 1.0); },
         "holds ball number 1, but the file has 1 ball"},
        {"spring on a ball far out of range",
         [&](std::string& b) { PokeF64(b, hangingCount + 4 + 40, 1e300); },
         "holds ball number 1e+300"},
        {"negative name counter", [&](std::string& b) { PokeI32(b, kFirstTableCount + 4, -5); }, "name counter"},
        {"curve variable 10",
         [&](std::string& b) { b[ballCount + 4 + 109 + 4 + 20 + 16] = 10; },
         "horizontal variable is 10"},
        {"curve vertical variable 255",
         [&](std::string& b) { b[ballCount + 4 + 109 + 4 + 20 + 33] = static_cast<char>(255); },
         "vertical variable is 255"},
        {"ball beyond any screen",
         [&](std::string& b) { PokeF64(b, ballCount + 4 + 8, 1e200); },
         "too large to be shown"},
        {"ball radius beyond any screen",
         [&](std::string& b) { PokeF64(b, ballCount + 4 + 64, 1e300); },
         "too large to be shown"},
        {"empty file", [&](std::string& b) { b.clear(); }, "ends inside the header"},
    };
    for (const Case& c : cases) {
        std::string bytes = good.project;
        c.damage(bytes);
        const ReadResult r = ReadProjectBytes(bytes, &good.names);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.scene, nullptr) << c.what;
        EXPECT_FALSE(r.cannotOpen) << c.what;
        EXPECT_NE(r.error.find(c.expect), std::string::npos) << c.what << ": " << r.error;
    }
}

TEST(ProjectRead, RecordsAfterAnEmptyRecordAreDropped) {
    auto s = test::BlankScene();
    s->gravityMasses[0] = {1, 1, 5};
    s->gravityMasses[1] = {2, 2, 6};
    s->gravityMasses.names[0] = "first";
    s->gravityMasses.names[1] = "second";
    EncodedProject f = EncodeProject(*s);
    // Zero the first record's mass: the file still says two records.
    PokeF64(f.project, kFirstTableCount + 8 + 4 + 16, 0.0);
    const ReadResult r = Read(f);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.scene->gravityMasses.count(), 0);
    EXPECT_EQ(r.scene->gravityMasses[1].M, 0.0);
    ASSERT_FALSE(r.warnings.empty());
}

class ProjectFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("mb_io_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir_);
    }
    static std::string Slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path dir_;
};

TEST_F(ProjectFiles, WriteThenReadFromDisk) {
    auto s = test::RichScene();
    const std::string path = (dir_ / "lab.kmx").string();
    const WriteResult w = WriteProject(*s, path);
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(Slurp(path), EncodeProject(*s).project);
    EXPECT_EQ(Slurp(path + ".nam"), EncodeProject(*s).names);
    // No temporaries are left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);
    const ReadResult r = ReadProject(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.scene->remarks[1].text, "Zweite Bemerkung: Größe");
}

TEST_F(ProjectFiles, FailedSaveLeavesTheOldFiles) {
    auto old = test::BlankScene();
    const std::string path = (dir_ / "lab.kmx").string();
    ASSERT_TRUE(WriteProject(*old, path).ok);
    const std::string oldProject = Slurp(path);

    // The names file's place is taken by a folder: nothing may be replaced.
    std::filesystem::remove(path + ".nam");
    std::filesystem::create_directory(path + ".nam");
    auto s = test::RichScene();
    WriteResult w = WriteProject(*s, path);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find("folder"), std::string::npos) << w.error;
    EXPECT_EQ(Slurp(path), oldProject);

    // A folder that cannot be written to.
    std::filesystem::remove(path + ".nam");
    ASSERT_TRUE(WriteProject(*old, path).ok);
    if (::geteuid() != 0) {  // root may write anywhere
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        w = WriteProject(*s, path);
        EXPECT_FALSE(w.ok);
        EXPECT_FALSE(w.error.empty());
        EXPECT_EQ(Slurp(path), oldProject);
    }
    // A folder that does not exist.
    w = WriteProject(*s, (dir_ / "no" / "such.kmx").string());
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.error.find("such.kmx"), std::string::npos);
}

// Fails one chosen call of a save, as a full disk, a read-only folder or a
// vanished stick would; every other call goes to the system.
class FaultyCalls : public FileCalls {
public:
    enum Call { Create, Write, Sync, Rename };
    FaultyCalls(Call call, int nth, int error, bool halfway, bool noLinks)
        : call_(call), nth_(nth), error_(error), halfway_(halfway), noLinks_(noLinks) {}

    int createUnique(std::string& t) override { return fails(Create) ? -1 : FileCalls::createUnique(t); }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        // A write that fails halfway first takes half of what it was given.
        if (call_ == Write && halfway_ && seen_[Write] + 1 == nth_ && size > 1) {
            halfway_ = false;
            return FileCalls::write(fd, data, size / 2);
        }
        return fails(Write) ? (error_ ? -1 : 0) : FileCalls::write(fd, data, size);
    }
    int sync(int fd) override { return fails(Sync) ? -1 : FileCalls::sync(fd); }
    int rename(const std::string& a, const std::string& b) override { return fails(Rename) ? -1 : FileCalls::rename(a, b); }
    int link(const std::string& a, const std::string& b) override {
        if (!noLinks_) return FileCalls::link(a, b);
        errno = EPERM;
        return -1;
    }

private:
    bool fails(Call c) {
        if (c != call_ || ++seen_[c] != nth_) return false;
        errno = error_;
        return true;
    }
    Call call_;
    int nth_;
    int error_;
    bool halfway_;
    bool noLinks_;  // a filesystem without hard links, as on many sticks
    int seen_[4] = {};
};

TEST_F(ProjectFiles, SaveFailingAtAnyStepLeavesTheOldFilesAndSaysWhy) {
    struct Fault {
        const char* what;
        FaultyCalls::Call call;
        int nth;
        int error;  // 0: the write takes nothing and gives no reason
        bool halfway;
        bool noLinks;
        bool oldFiles;
        const char* reason;
    };
    const Fault faults[] = {
        {"names file cannot be created", FaultyCalls::Create, 1, EACCES, false, false, true, "beside LAB.nam: Permission denied"},
        {"project file cannot be created", FaultyCalls::Create, 2, EROFS, false, false, true, "beside LAB: Read-only"},
        {"disk full halfway", FaultyCalls::Write, 1, ENOSPC, true, false, true, "write LAB.nam: No space left"},
        {"write takes nothing", FaultyCalls::Write, 2, 0, false, false, true, "write LAB: No space left"},
        {"flush fails", FaultyCalls::Sync, 2, EIO, false, false, true, "finish writing LAB: Input/output"},
        {"second rename fails", FaultyCalls::Rename, 2, EIO, false, false, true, "replace LAB: Input/output"},
        {"second rename fails, no links", FaultyCalls::Rename, 2, EIO, false, true, true, "replace LAB: Input/output"},
        {"second rename of a first save", FaultyCalls::Rename, 2, ENOSPC, false, false, false, "replace LAB: No space"},
    };
    const std::string path = (dir_ / "lab.kmx").string();
    auto old = test::BlankScene();
    test::PutBall(*old, 0, "old ball", 1, 2, 3, 0.5);
    const auto rich = test::RichScene();
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.what);
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        if (f.oldFiles) {
            ASSERT_TRUE(WriteProject(*old, path).ok);
        }
        const std::string oldProject = Slurp(path), oldNames = Slurp(path + ".nam");

        FaultyCalls calls(f.call, f.nth, f.error, f.halfway, f.noLinks);
        const WriteResult w = WriteProject(*rich, path, NamesEncoding::Utf8, calls);

        EXPECT_FALSE(w.ok);
        std::string reason = f.reason;
        reason.replace(reason.find("LAB"), 3, path);
        EXPECT_NE(w.error.find(reason), std::string::npos) << w.error;
        EXPECT_EQ(std::filesystem::exists(path), f.oldFiles);
        EXPECT_EQ(std::filesystem::exists(path + ".nam"), f.oldFiles);
        EXPECT_EQ(Slurp(path), oldProject);
        EXPECT_EQ(Slurp(path + ".nam"), oldNames);
        // No temporary or kept copy is left beside them.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), f.oldFiles ? 2 : 0);
        // The next save, with nothing failing, goes through.
        ASSERT_TRUE(WriteProject(*rich, path).ok);
        EXPECT_EQ(Slurp(path + ".nam"), EncodeProject(*rich).names);
    }
}

// Full tables have no terminating record: the largest possible file must read
// back whole, and anything bigger is not a project.
TEST_F(ProjectFiles, FullTablesReadBackAndOversizedFilesAreRefused) {
    auto s = test::BlankScene();
    for (int i = 0; i < kBallCapacity; ++i) test::PutBall(*s, i, "b" + std::to_string(i), i, -i, 1, 0.1);
    ForEachElementTable(*s, [&](auto& t, const KindInfo&) {
        // Every field 1: every marker set, and every connector holds ball 1.
        using Record = std::remove_reference_t<decltype(t[0])>;
        for (int i = 0; i < kTableCapacity; ++i) {
            double ones[Record::kFieldCount];
            std::fill(std::begin(ones), std::end(ones), 1.0);
            std::memcpy(&t[i], ones, sizeof ones);
        }
    });
    for (Remark& m : s->remarks) m.text = "r";
    const std::string path = (dir_ / "full.kmx").string();
    ASSERT_TRUE(WriteProject(*s, path).ok);
    const std::string bytes = Slurp(path);
    EXPECT_EQ(bytes.size(), 19654u);
    const ReadResult r = ReadProject(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.scene->balls.count(), kBallCapacity);
    EXPECT_EQ(r.scene->remarkCount(), kRemarkCapacity);
    EXPECT_EQ(r.scene->linkPoles.count(), kTableCapacity);
    EXPECT_EQ(r.scene->linkPoles.names[19], "");
    EXPECT_EQ(EncodeProject(*r.scene).project, bytes);

    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(100000, '\0');
    const ReadResult big = ReadProject(path);
    EXPECT_FALSE(big.ok);
    EXPECT_FALSE(big.cannotOpen);
    EXPECT_NE(big.error.find("bigger than any project"), std::string::npos) << big.error;
}

TEST_F(ProjectFiles, MissingProjectFileCannotBeOpened) {
    const ReadResult r = ReadProject((dir_ / "none.kmx").string());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.cannotOpen);
    EXPECT_EQ(r.scene, nullptr);
}

TEST(NamesText, Utf8Validation) {
    struct Case {
        std::string text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"plain", true},          {"gr\xC3\xB6\xC3\x9F" "e", true}, {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true}, {"\xC3", false},                 {"\x80", false},
        {"\xC0\xAF", false},      {"\xED\xA0\x80", false},         {"\xF4\x90\x80\x80", false},
        {"\xE2\x82", false},      {"ok\xFF", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
    EXPECT_EQ(Latin1ToUtf8("a\xE9\xFF"), "a\xC3\xA9\xC3\xBF");
}

}  // namespace
}  // namespace mb
