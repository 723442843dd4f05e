// The five field dialogs: the point charge and the gravitation mass at a point,
// and the three rectangular fields (uniform electric, uniform magnetic, damping).
#include <QLineEdit>
#include <utility>

#include "editor/element_dialogs.h"
#include "editor/element_property_dialogs.h"
#include "editor/record_dialog.h"
#include "ui/number_text.h"
#include "ui/prompts.h"
#include "ui/translate.h"

namespace mb {

namespace {

// ---- point charge and gravitation mass ------------------------------------------

// Both are a place and one quantity. Record: x, y, the quantity.
constexpr auto kPointTexts = std::to_array<FormText>({
    {"Label2", MB_TRANSLATE_NOOP("Forms", "X:")}, {"Label5", MB_TRANSLATE_NOOP("Forms", "m")}, {"Label3", MB_TRANSLATE_NOOP("Forms", "Y:")}, {"Label6", MB_TRANSLATE_NOOP("Forms", "m")},
    {"BitBtn1", MB_TRANSLATE_NOOP("Forms", "&Delete")}, {"BitBtn2", MB_TRANSLATE_NOOP("Forms", "&Ok")}, {"BitBtn3", MB_TRANSLATE_NOOP("Forms", "&Cancel")},
});
template <const char* XSuffix>
constexpr auto kPointRows = Join(PlaceRows({"Edit2", "Label2", "Label5", "Edit3", "Label3", "Label6"}, "GroupBox1", 0,
                                           XSuffix, kNotRealBang),
                                 std::to_array<NumberRow>({{"Edit4", "Label4", "Label7", nullptr, 2, kNotRealBang}}));

constexpr auto kPointChargeTexts = Join(kPointTexts, std::to_array<FormText>({
    {"TForm7", MB_TRANSLATE_NOOP("TForm7", "Dot electric field set")}, {"Label1", MB_TRANSLATE_NOOP("TForm7", "name：")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm7", "Place：")},
    {"Label4", MB_TRANSLATE_NOOP("TForm7", "Coulomb :")}, {"Label7", MB_TRANSLATE_NOOP("TForm7", "C")},
}));
constexpr Check kPointChargeChecks[] = {{2, Rule::NonZero, -1, MB_TRANSLATE_NOOP("TForm7", "The dot's Coulomb can not be zero."), "Edit4"}};
constexpr RecordForm kPointChargeForm{
    "TForm7", ElementKind::PointCharge, kPointChargeTexts, "Label1", kPointRows<kNotRealBang>, {}, {}, nullptr, {},
    kPointChargeChecks, "BitBtn2", "BitBtn3", "BitBtn1", MB_TRANSLATE_NOOP("TForm7", "Do you want to delete this electric dot?"), kWarningCaption};

constexpr auto kGravityMassTexts = Join(kPointTexts, std::to_array<FormText>({
    {"TForm9", MB_TRANSLATE_NOOP("TForm9", "Universal gravitation mass set")}, {"Label1", MB_TRANSLATE_NOOP("TForm9", "name:")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm9", "Place:")},
    {"Label4", MB_TRANSLATE_NOOP("TForm9", "mass M:")}, {"Label7", MB_TRANSLATE_NOOP("TForm9", "kg")},
}));
constexpr Check kGravityMassChecks[] = {{2, Rule::Positive, -1, MB_TRANSLATE_NOOP("TForm9", "The mass of it must be biger than zero."), "Edit4"}};
constexpr RecordForm kGravityMassForm{
    "TForm9", ElementKind::GravityMass, kGravityMassTexts, "Label1", kPointRows<kNotRealShortBang>, {}, {}, nullptr,
    {}, kGravityMassChecks, "BitBtn2", "BitBtn3", "BitBtn1", MB_TRANSLATE_NOOP("TForm9", "Do you want to delete this mass dot?"), kWarningCaption};

// The place of a gravitation mass is read as it is typed: a text that is not a
// number is reported at once, the way the program reports any failed conversion;
// one still being typed ("-", "1e") waits for Ok, which reads it like any edit.
class GravityMassDialog : public RecordDialog {
public:
    GravityMassDialog(Prompts& prompts, QWidget* parent) : RecordDialog(kGravityMassForm, prompts, parent) {
        for (const char* name : {"Edit2", "Edit3"}) {
            QLineEdit* edit = numberEdit(name);
            connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
                if (!ParseReal(text) && !IsRealBeingTyped(text))
                    this->prompts().message(Prompts::Severity::Warning, Tr("TForm9", "'%1' is not a valid floating point value").arg(text), Tr("TForm9", "Motionbench"),
                                            Prompts::Ok);
            });
        }
    }
};

// ---- the rectangles -------------------------------------------------------------

// Every rectangle record starts with left, bottom, right, top; the form shows
// top, bottom, left, right.
template <const char* Suffix>
constexpr std::array<NumberRow, 4> kRectangleRows = {{
    {"Edit2", "Label2", "Label8", "GroupBox1", 3, Suffix},
    {"Edit3", "Label3", "Label9", "GroupBox1", 1, Suffix},
    {"Edit4", "Label4", "Label10", "GroupBox1", 0, Suffix},
    {"Edit5", "Label5", "Label11", "GroupBox1", 2, Suffix},
}};
constexpr auto kRectangleTexts = std::to_array<FormText>({
    {"Label1", MB_TRANSLATE_NOOP("Forms", "name:")}, {"Label2", MB_TRANSLATE_NOOP("Forms", "Top:")}, {"Label3", MB_TRANSLATE_NOOP("Forms", "Bottom:")}, {"Label4", MB_TRANSLATE_NOOP("Forms", "Left:")}, {"Label5", MB_TRANSLATE_NOOP("Forms", "Right:")},
    {"Label8", MB_TRANSLATE_NOOP("Forms", "m")}, {"Label9", MB_TRANSLATE_NOOP("Forms", "m")}, {"Label10", MB_TRANSLATE_NOOP("Forms", "m")}, {"Label11", MB_TRANSLATE_NOOP("Forms", "m")},
    {"BitBtn1", MB_TRANSLATE_NOOP("Forms", "&Ok")}, {"BitBtn2", MB_TRANSLATE_NOOP("Forms", "&Cancel")}, {"BitBtn3", MB_TRANSLATE_NOOP("Forms", "&Delete")},
});

// A rectangle typed with its sides the wrong way round is kept in order.
class RectangleFieldDialog : public RecordDialog {
public:
    using RecordDialog::RecordDialog;

protected:
    void derive(RecordValues& v, const Scene&) override {
        if (v[0] > v[2]) std::swap(v[0], v[2]);
        if (v[1] > v[3]) std::swap(v[1], v[3]);
    }
};

// Uniform electric field. Record: left, bottom, right, top, direction (radians), E.
constexpr auto kElectricTexts = Join(kRectangleTexts, std::to_array<FormText>({
    {"TForm11", MB_TRANSLATE_NOOP("TForm11", "Uniformity electric field set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm11", "Field set:")},
    {"GroupBox2", MB_TRANSLATE_NOOP("TForm11", "The intensity of the electric field:")}, {"Label6", MB_TRANSLATE_NOOP("TForm11", "E:")}, {"Label12", MB_TRANSLATE_NOOP("TForm11", "N/C")},
    {"Label7", MB_TRANSLATE_NOOP("TForm11", "Direction:")}, {"Label13", MB_TRANSLATE_NOOP("TForm11", "degree")},
}));
constexpr auto kElectricNumbers = Join(kRectangleRows<kNotRealBang>, std::to_array<NumberRow>({
    {"Edit6", "Label6", "Label12", "GroupBox2", 5, kNotRealBang},
    {"Edit7", "Label7", "Label13", "GroupBox2", 4, kNotRealBang, true},
}));
constexpr Check kElectricChecks[] = {
    {5, Rule::NonZero, -1, MB_TRANSLATE_NOOP("TForm11", "The intensity of the electric field can not be zero."), "Edit6"},
    {4, Rule::InsideOpenTurn, -1, MB_TRANSLATE_NOOP("TForm11", "The direction must be in (-360,+360)."), "Edit7"},
};
constexpr RecordForm kElectricForm{
    "TForm11", ElementKind::ElectricField, kElectricTexts, "Label1", kElectricNumbers, {}, {}, nullptr, {},
    kElectricChecks, "BitBtn1", "BitBtn2", "BitBtn3",
    MB_TRANSLATE_NOOP("TForm11", "Do you want to delete this electric field?"), kWarningCaption};

// Uniform magnetic field. Record: left, bottom, right, top, direction sign, B.
constexpr auto kMagneticTexts = Join(kRectangleTexts, std::to_array<FormText>({
    {"TForm13", MB_TRANSLATE_NOOP("TForm13", "Uniformity magnetic field set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm13", "Field set")},
    {"GroupBox2", MB_TRANSLATE_NOOP("TForm13", "The intensity of the magnetic field:")}, {"Label6", MB_TRANSLATE_NOOP("TForm13", "B:")}, {"Label12", MB_TRANSLATE_NOOP("TForm13", "t")},
    {"GroupBox3", MB_TRANSLATE_NOOP("TForm13", "Direction:")}, {"RadioButton1", MB_TRANSLATE_NOOP("TForm13", "Out of the screen")}, {"RadioButton2", MB_TRANSLATE_NOOP("TForm13", "In to the screen")},
}));
constexpr auto kMagneticNumbers = Join(kRectangleRows<kNotRealBang>, std::to_array<NumberRow>({
    {"Edit6", "Label6", "Label12", "GroupBox2", 5, kNotRealBang},
}));
constexpr ChoiceButton kMagneticSigns[] = {{"RadioButton1", 1.0}, {"RadioButton2", -1.0}};
// Any stored sign but exactly +1 reads as "into the screen".
constexpr Choice kMagneticChoices[] = {{"GroupBox3", 4, kMagneticSigns, 0, true, 1}};
constexpr Check kMagneticChecks[] = {
    {5, Rule::NonZero, -1, MB_TRANSLATE_NOOP("TForm13", "The intensity of the magnetic field can not be zero."), "Edit6"}};
constexpr RecordForm kMagneticForm{
    "TForm13", ElementKind::MagneticField, kMagneticTexts, "Label1", kMagneticNumbers, kMagneticChoices, {},
    nullptr, {}, kMagneticChecks, "BitBtn1", "BitBtn2", "BitBtn3",
    MB_TRANSLATE_NOOP("TForm13", "Do you want to delete this magnetic field?"), kWarningCaption};

// Damping field. Record: left, bottom, right, top, N, K, law.
constexpr auto kDampingTexts = Join(kRectangleTexts, std::to_array<FormText>({
    {"TForm23", MB_TRANSLATE_NOOP("TForm23", "Damp field set")}, {"GroupBox1", MB_TRANSLATE_NOOP("TForm23", "Field set:")},
    {"GroupBox2", MB_TRANSLATE_NOOP("TForm23", "Parameter:")}, {"Label6", MB_TRANSLATE_NOOP("TForm23", "N:")}, {"Label7", MB_TRANSLATE_NOOP("TForm23", "K:")},
    {"GroupBox3", MB_TRANSLATE_NOOP("TForm23", "Compute choices")}, {"RadioButton1", MB_TRANSLATE_NOOP("TForm23", "Force= N * Velocity")},
    {"RadioButton2", MB_TRANSLATE_NOOP("TForm23", "Force= N * Mass * Velocity ")}, {"RadioButton3", MB_TRANSLATE_NOOP("TForm23", "Force= N * Cubage * Velocity")},
    {"Label14", MB_TRANSLATE_NOOP("TForm23", "K")}, {"Label15", MB_TRANSLATE_NOOP("TForm23", "K")}, {"Label16", MB_TRANSLATE_NOOP("TForm23", "K")},
}));
constexpr auto kDampingNumbers = Join(kRectangleRows<kNotRealShortBang>, std::to_array<NumberRow>({
    {"Edit6", "Label6", nullptr, "GroupBox2", 4, kNotRealShortBang},
    {"Edit7", "Label7", nullptr, "GroupBox2", 5, kNotRealShortBang},
}));
constexpr ChoiceButton kDampingLaws[] = {
    {"RadioButton1", 0.0, "Label14"}, {"RadioButton2", 1.0, "Label15"}, {"RadioButton3", 2.0, "Label16"}};
constexpr Choice kDampingChoices[] = {{"GroupBox3", 6, kDampingLaws, 0, false, -1}};
// Any exponent K is taken, negative ones too: files hold such regions. The step
// skips a ball at rest and keeps a ball whose braking would not be finite as it was.
constexpr Check kDampingChecks[] = {
    {4, Rule::Positive, -1, MB_TRANSLATE_NOOP("TForm23", "The parameter 'N' must be biger than zero."), "Edit6"},
};
constexpr RecordForm kDampingForm{
    "TForm23", ElementKind::Damping, kDampingTexts, "Label1", kDampingNumbers, kDampingChoices, {}, nullptr, {},
    kDampingChecks, "BitBtn1", "BitBtn2", "BitBtn3",
    MB_TRANSLATE_NOOP("TForm23", "Do you want to delete this damp field ?"), kWarningCaption};

}  // namespace

void AddFieldDialogs(ElementDialogs& dialogs, Prompts& prompts, QWidget* parent) {
    dialogs.add(new RecordDialog(kPointChargeForm, prompts, parent));
    dialogs.add(new GravityMassDialog(prompts, parent));
    for (const RecordForm* form : {&kElectricForm, &kMagneticForm, &kDampingForm})
        dialogs.add(new RectangleFieldDialog(*form, prompts, parent));
}

}  // namespace mb
