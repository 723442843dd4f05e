// The six connector dialogs: springs, whose length, stiffness and effect are
// typed, and cords and poles, whose length and stiffness follow from the balls
// they hold.
#include <algorithm>

#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/record_dialog.h"
#include "scene/element_kinds.h"
#include "scene/translatable.h"

namespace mb {

namespace {

// Record values: a hanging connector holds anchor x, anchor y, L, K, mode, ball;
// a link connector ball 1, ball 2, L, K, mode.
enum ConnectorValue { kAnchorX = 0, kAnchorY = 1, kBall1 = 0, kBall2 = 1, kLength = 2, kStiffness = 3, kMode = 4, kHungBall = 5 };

// ---- springs --------------------------------------------------------------------

constexpr auto kSpringTexts = std::to_array<FormText>({
    {"Label1", MB_TRANSLATE_NOOP("Forms", "name:")}, {"GroupBox2", MB_TRANSLATE_NOOP("Forms", "Springiness parameter:")}, {"Label4", MB_TRANSLATE_NOOP("Forms", "K:")}, {"Label8", MB_TRANSLATE_NOOP("Forms", "N/m")},
    {"GroupBox3", MB_TRANSLATE_NOOP("Forms", "Spring Initial length:")}, {"Label5", MB_TRANSLATE_NOOP("Forms", "L:")}, {"Label9", MB_TRANSLATE_NOOP("Forms", "m")},
    {"GroupBox4", MB_TRANSLATE_NOOP("Forms", "Effect if:")}, {"RadioButton1", MB_TRANSLATE_NOOP("Forms", "Both")}, {"RadioButton2", MB_TRANSLATE_NOOP("Forms", "draw oneselg up")},
    {"RadioButton3", MB_TRANSLATE_NOOP("Forms", "compress")},
    {"BitBtn1", MB_TRANSLATE_NOOP("Forms", "&Ok")}, {"BitBtn2", MB_TRANSLATE_NOOP("Forms", "&Cancel")}, {"BitBtn3", MB_TRANSLATE_NOOP("Forms", "&Delete")},
});
constexpr ChoiceButton kModeButtons[] = {
    {"RadioButton1", kModeBoth}, {"RadioButton2", kModePullOnly}, {"RadioButton3", kModePushOnly}};
// A new spring acts both ways; a stored mode picks its button after truncation.
constexpr Choice kModeChoice[] = {{"GroupBox4", kMode, kModeButtons, 0, false, -1}};
const char* const kLengthNegative = MB_TRANSLATE_NOOP("Forms", "The initial length of spring can not be smaller than zero.");
const char* const kStiffnessNotPositive = MB_TRANSLATE_NOOP("Forms", "The springiness parameter must be biger than zero.");

// Hanging spring: anchor X and Y, then K and L.
constexpr auto kHangingSpringTexts = Join(kSpringTexts, std::to_array<FormText>({
    {"TForm15", MB_TRANSLATE_NOOP("TForm15", "Pensile spring set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm15", "Place:")}, {"Label2", MB_TRANSLATE_NOOP("TForm15", "X:")}, {"Label6", MB_TRANSLATE_NOOP("TForm15", "m")},
    {"Label3", MB_TRANSLATE_NOOP("TForm15", "Y:")}, {"Label7", MB_TRANSLATE_NOOP("TForm15", "m")}, {"Label10", MB_TRANSLATE_NOOP("TForm15", "Pensile ball's name:")},
}));
constexpr auto kHangingSpringNumbers =
    Join(PlaceRows({"Edit3", "Label2", "Label6", "Edit4", "Label3", "Label7"}, "GroupBox1", kAnchorX, kNotRealBang,
                   kNotRealBang),
         std::to_array<NumberRow>({{"Edit5", "Label4", "Label8", "GroupBox2", kStiffness, kNotRealBang},
                                   {"Edit6", "Label5", "Label9", "GroupBox3", kLength, kNotRealBang}}));
constexpr BallPick kHungBallPick[] = {{"ComboBox1", "Label10", nullptr, kHungBall}};
constexpr Check kHangingSpringChecks[] = {
    {kLength, Rule::NotNegative, -1, kLengthNegative, "Edit6"},
    {kStiffness, Rule::Positive, -1, kStiffnessNotPositive, "Edit5"},
    {kHungBall, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("TForm15", "Please choose the pensile ball."), "ComboBox1"},
};
constexpr RecordForm kHangingSpringForm{
    "TForm15", ElementKind::HangingSpring, kHangingSpringTexts, "Label1", kHangingSpringNumbers, kModeChoice,
    kHungBallPick, nullptr, {}, kHangingSpringChecks, "BitBtn1", "BitBtn2", "BitBtn3",
    MB_TRANSLATE_NOOP("TForm15", "Do you want to delete this spring?"), kWarningCaption};

// Link spring: the two balls, then K and L.
constexpr auto kLinkSpringTexts = Join(kSpringTexts, std::to_array<FormText>({
    {"TForm17", MB_TRANSLATE_NOOP("TForm17", "Link spring set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm17", "Linked balls's name:")}, {"Label2", MB_TRANSLATE_NOOP("TForm17", "Ball1:")},
    {"Label3", MB_TRANSLATE_NOOP("TForm17", "Ball2")},
}));
constexpr NumberRow kLinkSpringNumbers[] = {
    {"Edit4", "Label4", "Label8", "GroupBox2", kStiffness, kNotRealDot},
    {"Edit5", "Label5", "Label9", "GroupBox3", kLength, kNotRealDot},
};
constexpr BallPick kLinkedBallPicks[] = {
    {"ComboBox1", "Label2", "GroupBox1", kBall1}, {"ComboBox2", "Label3", "GroupBox1", kBall2}};
constexpr Check kLinkSpringChecks[] = {
    {kBall1, Rule::DiffersFromOther, kBall2, MB_TRANSLATE_NOOP("TForm17", "Can not link with two same ball."), "ComboBox1"},
    {kLength, Rule::NotNegative, -1, MB_TRANSLATE_NOOP("TForm17", "The initial length can not be smaller than zero."), "Edit5"},
    {kStiffness, Rule::Positive, -1, kStiffnessNotPositive, "Edit4"},
    {kBall1, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("TForm17", "Please choose the linked balls."), "ComboBox1"},
    {kBall2, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("TForm17", "Please choose the linked balls."), "ComboBox2"},
};
constexpr RecordForm kLinkSpringForm{
    "TForm17", ElementKind::LinkSpring, kLinkSpringTexts, "Label1", kLinkSpringNumbers, kModeChoice,
    kLinkedBallPicks, nullptr, {}, kLinkSpringChecks, "BitBtn1", "BitBtn2", "BitBtn3",
    MB_TRANSLATE_NOOP("TForm17", "Do you want to delete this spring ?"), kWarningCaption};

// ---- cords and poles --------------------------------------------------------------

constexpr auto kTiedTexts = std::to_array<FormText>({
    {"Label1", MB_TRANSLATE_NOOP("Forms", "name:")}, {"BitBtn1", MB_TRANSLATE_NOOP("Forms", "&Delete")}, {"BitBtn2", MB_TRANSLATE_NOOP("Forms", "&Ok")}, {"BitBtn3", MB_TRANSLATE_NOOP("Forms", "&Cancel")},
});

// Hanging cord and pole: the anchor only; the label beside "Pensile:" names the ball.
constexpr auto kHangingTiedTexts = Join(kTiedTexts, std::to_array<FormText>({
    {"GroupBox1", MB_TRANSLATE_NOOP("Forms", "Place:")}, {"Label2", MB_TRANSLATE_NOOP("Forms", "X:")}, {"Label4", MB_TRANSLATE_NOOP("Forms", "m")}, {"Label3", MB_TRANSLATE_NOOP("Forms", "Y:")}, {"Label5", MB_TRANSLATE_NOOP("Forms", "m")},
    {"Label6", MB_TRANSLATE_NOOP("Forms", "Pensile:")},
}));
template <const char* XSuffix, const char* YSuffix>
constexpr auto kAnchorRows =
    PlaceRows({"Edit3", "Label2", "Label4", "Edit4", "Label3", "Label5"}, "GroupBox1", kAnchorX, XSuffix, YSuffix);
constexpr BallNameLabel kHungBallName[] = {{"Label7", kHungBall}};
// A ball that is gone would leave the connector without a mass to derive its
// stiffness from, and a zero stiffness would cut it out of its table.
constexpr Check kHungBallChecks[] = {
    {kHungBall, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("Forms", "The ball it holds does not exist any more."), nullptr}};

// Link cord and pole: nothing to type; the two labels beside "Link:" name the balls.
constexpr auto kLinkTiedTexts = Join(kTiedTexts, std::to_array<FormText>({{"Label2", MB_TRANSLATE_NOOP("Forms", "Link:")}}));
constexpr BallNameLabel kLinkedBallNames[] = {{"Label3", kBall1}, {"Label4", kBall2}};
constexpr Check kLinkedBallChecks[] = {
    {kBall1, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("Forms", "The ball it holds does not exist any more."), nullptr},
    {kBall2, Rule::NamesBall, -1, MB_TRANSLATE_NOOP("Forms", "The ball it holds does not exist any more."), nullptr},
};

constexpr auto kHangingCordTexts = Join(kHangingTiedTexts, std::to_array<FormText>({{"TForm33", MB_TRANSLATE_NOOP("TForm33", "Pensile cord set")}}));
constexpr auto kHangingPoleTexts = Join(kHangingTiedTexts, std::to_array<FormText>({{"TForm39", MB_TRANSLATE_NOOP("TForm39", "Pensile pole set")}}));
constexpr auto kLinkCordTexts = Join(kLinkTiedTexts, std::to_array<FormText>({{"TForm37", MB_TRANSLATE_NOOP("TForm37", "Link cord set")}}));
constexpr auto kLinkPoleTexts = Join(kLinkTiedTexts, std::to_array<FormText>({{"TForm41", MB_TRANSLATE_NOOP("TForm41", "Link pole set")}}));

constexpr RecordForm kHangingCordForm{
    "TForm33", ElementKind::HangingCord, kHangingCordTexts, "Label1", kAnchorRows<kNotRealDot, kNotRealShortDot>,
    {}, {}, "Label6", kHungBallName, kHungBallChecks, "BitBtn2", "BitBtn3", "BitBtn1",
    MB_TRANSLATE_NOOP("TForm33", "Do you want to delete this cord ?"), kWarningCaption};
constexpr RecordForm kHangingPoleForm{
    "TForm39", ElementKind::HangingPole, kHangingPoleTexts, "Label1", kAnchorRows<kNotRealShortDot, kNotRealDot>,
    {}, {}, "Label6", kHungBallName, kHungBallChecks, "BitBtn2", "BitBtn3", "BitBtn1",
    MB_TRANSLATE_NOOP("TForm39", "Do you want to delete this pole ?"), kWarningCaption};
constexpr RecordForm kLinkCordForm{
    "TForm37", ElementKind::LinkCord, kLinkCordTexts, "Label1", {}, {}, {}, "Label2", kLinkedBallNames,
    kLinkedBallChecks, "BitBtn2", "BitBtn3", "BitBtn1", MB_TRANSLATE_NOOP("TForm37", "Do you want to delete this cord ?"),
    MB_TRANSLATE_NOOP("TForm37", "Warning")};
constexpr RecordForm kLinkPoleForm{
    "TForm41", ElementKind::LinkPole, kLinkPoleTexts, "Label1", {}, {}, {}, "Label2", kLinkedBallNames,
    kLinkedBallChecks, "BitBtn2", "BitBtn3", "BitBtn1", MB_TRANSLATE_NOOP("TForm41", "Do you want to delete this pole ?"),
    kWarningCaption};

// Cords and poles are stored with a provisional unit length and the stiffness
// that goes with it; each run start measures the real length from the balls'
// places. A cord only pulls, a pole pushes and pulls.
class TiedConnectorDialog : public RecordDialog {
public:
    TiedConnectorDialog(const RecordForm& form, double mode, Prompts& prompts, QWidget* parent)
        : RecordDialog(form, prompts, parent), mode_(mode) {}

protected:
    void derive(RecordValues& v, const Scene& scene) override {
        auto restMass = [&](double ref) { return scene.balls[BallRefIndex(ref)].M0; };
        // The lighter ball sets the stiffness of a link; on a tie either gives the same.
        const double m = IsHangingKind(kind()) ? restMass(v[kHungBall])
                                                : std::min(restMass(v[kBall1]), restMass(v[kBall2]));
        v[kLength] = 1.0;
        v[kStiffness] = 100000 * m / v[kLength];
        v[kMode] = mode_;
    }

private:
    double mode_;
};

}  // namespace

void AddConnectorDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent) {
    dialogs.add(new RecordDialog(kHangingSpringForm, prompts, parent));
    dialogs.add(new RecordDialog(kLinkSpringForm, prompts, parent));
    dialogs.add(new TiedConnectorDialog(kHangingCordForm, kModePullOnly, prompts, parent));
    dialogs.add(new TiedConnectorDialog(kLinkCordForm, kModePullOnly, prompts, parent));
    dialogs.add(new TiedConnectorDialog(kHangingPoleForm, kModeBoth, prompts, parent));
    dialogs.add(new TiedConnectorDialog(kLinkPoleForm, kModeBoth, prompts, parent));
}

}  // namespace mb
