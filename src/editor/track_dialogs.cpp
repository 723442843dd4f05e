// The two track dialogs: a straight track typed by its end points and kept as a
// line equation, and a circular track (an arc) typed by centre, radius and angles.
#include <cstring>
#include <numbers>

#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/record_dialog.h"
#include "scene/translatable.h"

namespace mb {

namespace {

constexpr auto kTrackTexts = std::to_array<FormText>({
    {"Label1", MB_TRANSLATE_NOOP("Forms", "name:")}, {"BitBtn1", MB_TRANSLATE_NOOP("Forms", "&Ok")}, {"BitBtn2", MB_TRANSLATE_NOOP("Forms", "&Cancel")}, {"BitBtn3", MB_TRANSLATE_NOOP("Forms", "&Delete")},
});

// ---- straight track -----------------------------------------------------------------

// Record: A, B, C, norm, angle, xs, ys, xe, ye and two spare values.
enum StraightValue { kLineA, kLineB, kLineC, kNorm, kTheta, kStartX, kStartY, kEndX, kEndY };
constexpr auto kStraightTexts = Join(kTrackTexts, std::to_array<FormText>({
    {"TForm19", MB_TRANSLATE_NOOP("TForm19", "Rectilineal track set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm19", "The start dot place:")}, {"Label2", MB_TRANSLATE_NOOP("TForm19", "X:")},
    {"Label6", MB_TRANSLATE_NOOP("TForm19", "m")}, {"Label3", MB_TRANSLATE_NOOP("TForm19", "Y:")}, {"Label7", MB_TRANSLATE_NOOP("TForm19", "m")}, {"GroupBox2", MB_TRANSLATE_NOOP("TForm19", "The end dot place:")}, {"Label4", MB_TRANSLATE_NOOP("TForm19", "X:")},
    {"Label8", MB_TRANSLATE_NOOP("TForm19", "m")}, {"Label5", MB_TRANSLATE_NOOP("TForm19", "Y:")}, {"Label9", MB_TRANSLATE_NOOP("TForm19", "m")},
}));
constexpr auto kStraightNumbers =
    Join(PlaceRows({"Edit2", "Label2", "Label6", "Edit3", "Label3", "Label7"}, "GroupBox1", kStartX, kNotRealDot,
                   kNotRealBang),
         PlaceRows({"Edit4", "Label4", "Label8", "Edit5", "Label5", "Label9"}, "GroupBox2", kEndX, kNotRealBang,
                   kNotRealBang));
constexpr RecordForm kStraightForm{
    "TForm19", ElementKind::StraightTrack, kStraightTexts, "Label1", kStraightNumbers, {}, {}, nullptr, {}, {},
    "BitBtn1", "BitBtn2", "BitBtn3", MB_TRANSLATE_NOOP("TForm19", "Do you want to delete this track ?"), kWarningCaption};

// The end points become the line A*x + B*y + C = 0 the bounce test uses, with the
// start on the left; the spare values ride along.
class StraightTrackDialog : public RecordDialog {
public:
    StraightTrackDialog(Prompts& prompts, QWidget* parent) : RecordDialog(kStraightForm, prompts, parent) {}

protected:
    void derive(RecordValues& v, const Scene&) override {
        const StraightTrack t = MakeStraightTrack(v[kStartX], v[kStartY], v[kEndX], v[kEndY]);
        static_assert(offsetof(StraightTrack, A) == 0 && offsetof(StraightTrack, ye) == kEndY * sizeof(double));
        std::memcpy(v.data(), &t, (kEndY + 1) * sizeof(double));
    }
};

// ---- circular track -------------------------------------------------------------------

// Record: centre x, centre y, start angle, end angle (radians), radius, two spare values.
enum CircularValue { kCentreX, kCentreY, kStartAngle, kEndAngle, kRadius };
constexpr auto kCircularTexts = Join(kTrackTexts, std::to_array<FormText>({
    {"TForm21", MB_TRANSLATE_NOOP("TForm21", "Circular track set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm21", "Center place:")}, {"Label2", MB_TRANSLATE_NOOP("TForm21", "X:")}, {"Label7", MB_TRANSLATE_NOOP("TForm21", "m")},
    {"Label3", MB_TRANSLATE_NOOP("TForm21", "Y:")}, {"Label8", MB_TRANSLATE_NOOP("TForm21", "m")}, {"Label4", MB_TRANSLATE_NOOP("TForm21", "Radius:")}, {"Label9", MB_TRANSLATE_NOOP("TForm21", "m")}, {"Label5", MB_TRANSLATE_NOOP("TForm21", "Start angle:")},
    {"Label10", MB_TRANSLATE_NOOP("TForm21", "deg")}, {"Label6", MB_TRANSLATE_NOOP("TForm21", "End angle:")}, {"Label11", MB_TRANSLATE_NOOP("TForm21", "deg")},
}));
constexpr auto kCircularNumbers = Join(
    PlaceRows({"Edit2", "Label2", "Label7", "Edit3", "Label3", "Label8"}, "GroupBox1", kCentreX, kNotRealDot, kNotRealDot),
    std::to_array<NumberRow>({
    {"Edit4", "Label4", "Label9", nullptr, kRadius, kNotRealDot},
    {"Edit5", "Label5", "Label10", nullptr, kStartAngle, kNotRealDot, true},
    {"Edit6", "Label6", "Label11", nullptr, kEndAngle, kNotRealDot, true},
}));
constexpr Check kCircularChecks[] = {
    {kEndAngle, Rule::AboveOther, kStartAngle, MB_TRANSLATE_NOOP("TForm21", "The end angle must be bigger than the start angle."), "Edit5"},
    {kRadius, Rule::Positive, -1, MB_TRANSLATE_NOOP("TForm21", "The radius of it must be biger than zero."), "Edit4"},
    {kStartAngle, Rule::InsideClosedTurn, -1, MB_TRANSLATE_NOOP("TForm21", "The start angle must be in [-360,+360]."), "Edit5"},
    {kEndAngle, Rule::InsideClosedTurn, -1, MB_TRANSLATE_NOOP("TForm21", "The end angle must be in[-360,+360]。"), "Edit6"},
};
constexpr RecordForm kCircularForm{
    "TForm21", ElementKind::CircularTrack, kCircularTexts, "Label1", kCircularNumbers, {}, {}, nullptr, {},
    kCircularChecks, "BitBtn1", "BitBtn2", "BitBtn3", MB_TRANSLATE_NOOP("TForm21", "Do you want to delete this track ?"), kWarningCaption};

// A circle placed with the mouse starts as a whole turn.
class CircularTrackDialog : public RecordDialog {
public:
    CircularTrackDialog(Prompts& prompts, QWidget* parent) : RecordDialog(kCircularForm, prompts, parent) {}

protected:
    void prepareNew(RecordValues& v) override {
        v[kStartAngle] = 0;
        v[kEndAngle] = 2 * std::numbers::pi;
    }
};

}  // namespace

void AddTrackDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent) {
    dialogs.add(new StraightTrackDialog(prompts, parent));
    dialogs.add(new CircularTrackDialog(prompts, parent));
}

}  // namespace mb
