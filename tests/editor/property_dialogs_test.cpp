// The property dialogs of the fields, connectors and tracks, driven as a user
// does: typing, clicking, and reading what reached the scene.
#include <QLabel>
#include <cmath>

#include "dialog_test_scene.h"
#include "engine/engine.h"
#include "scene/table_ops.h"

namespace mb::test {
namespace {

const QString kBang = "  is not a real number!";
const QString kDot = "  is not a real number.";
const QString kShortBang = "  is not real number!";
const QString kShortDot = "  is not real number.";

struct NumberEdit {
    const char* edit;
    QString suffix;
};
struct FormCase {
    ElementKind kind;
    const char* form;
    const char* caption;
    std::vector<NumberEdit> edits;  // in the order Ok reads them
};

const std::vector<FormCase>& Forms() {
    static const std::vector<FormCase> forms = {
        {ElementKind::PointCharge, "TForm7", "Dot electric field set",
         {{"Edit2", kBang}, {"Edit3", kBang}, {"Edit4", kBang}}},
        {ElementKind::GravityMass, "TForm9", "Universal gravitation mass set",
         {{"Edit2", kShortBang}, {"Edit3", kBang}, {"Edit4", kBang}}},
        {ElementKind::ElectricField, "TForm11", "Uniformity electric field set",
         {{"Edit2", kBang}, {"Edit3", kBang}, {"Edit4", kBang}, {"Edit5", kBang}, {"Edit6", kBang}, {"Edit7", kBang}}},
        {ElementKind::MagneticField, "TForm13", "Uniformity magnetic field set",
         {{"Edit2", kBang}, {"Edit3", kBang}, {"Edit4", kBang}, {"Edit5", kBang}, {"Edit6", kBang}}},
        {ElementKind::Damping, "TForm23", "Damp field set",
         {{"Edit2", kShortBang}, {"Edit3", kShortBang}, {"Edit4", kShortBang}, {"Edit5", kShortBang},
          {"Edit6", kShortBang}, {"Edit7", kShortBang}}},
        {ElementKind::HangingSpring, "TForm15", "Pensile spring set",
         {{"Edit3", kBang}, {"Edit4", kBang}, {"Edit5", kBang}, {"Edit6", kBang}}},
        {ElementKind::LinkSpring, "TForm17", "Link spring set", {{"Edit4", kDot}, {"Edit5", kDot}}},
        {ElementKind::HangingCord, "TForm33", "Pensile cord set", {{"Edit3", kDot}, {"Edit4", kShortDot}}},
        {ElementKind::LinkCord, "TForm37", "Link cord set", {}},
        {ElementKind::HangingPole, "TForm39", "Pensile pole set", {{"Edit3", kShortDot}, {"Edit4", kDot}}},
        {ElementKind::LinkPole, "TForm41", "Link pole set", {}},
        {ElementKind::StraightTrack, "TForm19", "Rectilineal track set",
         {{"Edit2", kDot}, {"Edit3", kBang}, {"Edit4", kBang}, {"Edit5", kBang}}},
        {ElementKind::CircularTrack, "TForm21", "Circular track set",
         {{"Edit2", kDot}, {"Edit3", kDot}, {"Edit4", kDot}, {"Edit5", kDot}, {"Edit6", kDot}}},
    };
    return forms;
}

TEST(PropertyDialogs, EachEditThatIsNotANumberGivesItsOwnWordsAndFocusInReadingOrder) {
    for (const FormCase& f : Forms()) {
        for (std::size_t i = 0; i < f.edits.size(); ++i) {
            DialogBench bench(SceneWithEveryKind(3, 1));
            const RecordValues before = ReadRecordValues(*bench.scene, f.kind, 0);
            QString focus, title;
            bench.open(f.kind, 0, false, [&](QDialog& d) {
                title = d.windowTitle();
                // This edit and every later one are wrong: only this one is reported.
                for (std::size_t k = i; k < f.edits.size(); ++k) Type(d, f.edits[k].edit, "1,5");
                ClickText(d, "&Ok");
                focus = FocusName(d);
            });
            const std::string where = std::string(f.form) + " " + f.edits[i].edit;
            EXPECT_EQ(title, f.caption) << where;
            ASSERT_FALSE(bench.prompts.messages.empty()) << where;
            // The gravitation mass reports a bad place already while it is typed.
            const bool live = f.kind == ElementKind::GravityMass && i < 2;
            EXPECT_EQ(bench.prompts.messages.size(), live ? 2u + (i == 0 ? 1 : 0) : 1u) << where;
            const RecordedMessage& m = bench.prompts.messages.back();
            EXPECT_EQ(m.text, "1,5" + f.edits[i].suffix) << where;
            EXPECT_EQ(m.caption, "warning") << where;
            EXPECT_EQ(m.buttons, Prompts::Ok | Prompts::Cancel) << where;
            EXPECT_EQ(focus, f.edits[i].edit) << where;
            EXPECT_EQ(ReadRecordValues(*bench.scene, f.kind, 0), before) << where;
        }
    }
}

struct CheckCase {
    ElementKind kind;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* message;
    const char* focus;
};

TEST(PropertyDialogs, ChecksComeInOrderWithTheirMessageAndFocusAndStoreNothing) {
    const char* kLengthNegative = "The initial length of spring can not be smaller than zero.";
    const char* kStiffness = "The springiness parameter must be biger than zero.";
    const char* kEndNotAfterStart = "The end angle must be bigger than the start angle.";
    const CheckCase cases[] = {
        {ElementKind::PointCharge, {{"Edit4", "0"}}, "The dot's Coulomb can not be zero.", "Edit4"},
        {ElementKind::GravityMass, {{"Edit4", "0"}}, "The mass of it must be biger than zero.", "Edit4"},
        {ElementKind::GravityMass, {{"Edit4", "-3"}}, "The mass of it must be biger than zero.", "Edit4"},
        {ElementKind::ElectricField, {{"Edit6", "0"}, {"Edit7", "360"}},
         "The intensity of the electric field can not be zero.", "Edit6"},
        {ElementKind::ElectricField, {{"Edit7", "360"}}, "The direction must be in (-360,+360).", "Edit7"},
        {ElementKind::ElectricField, {{"Edit7", "-360"}}, "The direction must be in (-360,+360).", "Edit7"},
        {ElementKind::MagneticField, {{"Edit6", "0"}}, "The intensity of the magnetic field can not be zero.", "Edit6"},
        {ElementKind::Damping, {{"Edit6", "0"}, {"Edit7", "-1"}}, "The parameter 'N' must be biger than zero.", "Edit6"},
        {ElementKind::HangingSpring, {{"Edit6", "-1"}, {"Edit5", "0"}}, kLengthNegative, "Edit6"},
        {ElementKind::HangingSpring, {{"Edit5", "0"}}, kStiffness, "Edit5"},
        {ElementKind::LinkSpring, {{"ComboBox2", "0"}, {"Edit5", "-1"}, {"Edit4", "0"}},
         "Can not link with two same ball.", "ComboBox1"},
        {ElementKind::LinkSpring, {{"Edit5", "-1"}, {"Edit4", "0"}},
         "The initial length can not be smaller than zero.", "Edit5"},
        {ElementKind::LinkSpring, {{"Edit4", "-2"}}, kStiffness, "Edit4"},
        {ElementKind::CircularTrack, {{"Edit5", "90"}, {"Edit6", "90"}, {"Edit4", "0"}}, kEndNotAfterStart, "Edit5"},
        {ElementKind::CircularTrack, {{"Edit4", "0"}, {"Edit5", "-400"}}, "The radius of it must be biger than zero.",
         "Edit4"},
        {ElementKind::CircularTrack, {{"Edit5", "-400"}, {"Edit6", "400"}}, "The start angle must be in [-360,+360].",
         "Edit5"},
        {ElementKind::CircularTrack, {{"Edit5", "0"}, {"Edit6", "400"}}, "The end angle must be in[-360,+360]。",
         "Edit6"},
    };
    for (const CheckCase& c : cases) {
        DialogBench bench(SceneWithEveryKind(3, 1));
        const RecordValues before = ReadRecordValues(*bench.scene, c.kind, 0);
        QString focus;
        bool open = false;
        bench.open(c.kind, 0, false, [&](QDialog& d) {
            for (const auto& [name, text] : c.typed) Type(d, name, text);
            ClickText(d, "&Ok");
            focus = FocusName(d);
            open = d.isVisible();
        });
        ASSERT_EQ(bench.prompts.messages.size(), 1u) << c.message;
        EXPECT_EQ(bench.prompts.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(bench.prompts.messages[0].caption, "warning");
        EXPECT_EQ(focus, c.focus) << c.message;
        EXPECT_TRUE(open) << c.message;
        EXPECT_EQ(ReadRecordValues(*bench.scene, c.kind, 0), before) << c.message;
    }
}

// Where mouse editing leaves a just-placed element: its geometry only, no marker
// (a circle alone is in use from the start).
RecordValues PlacedGeometry(ElementKind kind) {
    RecordValues v = ValidRecord(kind, 0);
    switch (kind) {
        case ElementKind::PointCharge:
        case ElementKind::GravityMass: v[2] = 0; break;
        case ElementKind::ElectricField:
        case ElementKind::MagneticField: v[4] = v[5] = 0; break;
        case ElementKind::Damping: v[4] = v[5] = v[6] = 0; break;
        case ElementKind::StraightTrack: v[0] = v[1] = v[2] = v[3] = v[4] = 0; break;
        case ElementKind::CircularTrack: v[2] = v[3] = 0; break;
        default: v[3] = v[4] = 0; break;  // connectors: no stiffness, no mode
    }
    return v;
}

TEST(PropertyDialogs, NewElementsTakeTheNextDefaultNameAndCancelGivesItBack) {
    for (const FormCase& f : Forms()) {
        for (const bool closeBox : {false, true}) {
            DialogBench bench(SceneWithEveryKind(3, 0));
            NameCounterOf(*bench.scene, f.kind) = 4;
            WriteRecordValues(*bench.scene, f.kind, 0, PlacedGeometry(f.kind));
            QString name;
            const DialogOutcome outcome = bench.open(f.kind, 0, true, [&](QDialog& d) {
                name = Child<QLineEdit>(d, "Edit1")->text();
                if (!closeBox) ClickText(d, "&Cancel");
            });
            const std::string where = std::string(f.form) + (closeBox ? " close box" : " Cancel");
            EXPECT_EQ(outcome, DialogOutcome::Cancelled) << where;
            EXPECT_EQ(name.toStdString(), KindInfoOf(f.kind).prefix + std::string("5")) << where;
            EXPECT_EQ(NameCounterOf(*bench.scene, f.kind), 4) << where;
            // Nothing stays: not even the circle the mouse had placed.
            EXPECT_EQ(ElementCount(*bench.scene, f.kind), 0) << where;
            EXPECT_EQ(ElementName(*bench.scene, f.kind, 0), "") << where;
        }
    }
}

TEST(PropertyDialogs, NewAndExistingElementsPreselectTheirChoicesAndShowAnglesInDegrees) {
    struct Shown {
        ElementKind kind;
        bool isNew;
        double stored;  // value written at `at` before opening (edit mode)
        int at;
        std::vector<std::pair<const char*, const char*>> edits;  // expected texts
        const char* checked;                                    // radio button expected selected
    };
    const Shown cases[] = {
        {ElementKind::MagneticField, true, 0, 4, {}, "RadioButton1"},
        {ElementKind::MagneticField, false, 1.0, 4, {}, "RadioButton1"},
        {ElementKind::MagneticField, false, -1.0, 4, {}, "RadioButton2"},
        {ElementKind::MagneticField, false, 0.5, 4, {}, "RadioButton2"},
        {ElementKind::Damping, true, 0, 6, {}, "RadioButton1"},
        {ElementKind::Damping, false, 2.0, 6, {{"Edit6", "0.3"}, {"Edit7", "1"}}, "RadioButton3"},
        {ElementKind::Damping, false, 1.7, 6, {}, "RadioButton2"},
        {ElementKind::HangingSpring, true, 0, 4, {}, "RadioButton1"},
        {ElementKind::HangingSpring, false, 2.0, 4, {{"Edit5", "50"}, {"Edit6", "2"}}, "RadioButton3"},
        {ElementKind::LinkSpring, false, 1.0, 4, {}, "RadioButton2"},
        {ElementKind::ElectricField, false, kPi / 2, 4,
         {{"Edit2", "4"}, {"Edit3", "-2"}, {"Edit4", "-1"}, {"Edit5", "3"}, {"Edit6", "100"}, {"Edit7", "90"}}, nullptr},
        {ElementKind::CircularTrack, false, kPi, 3,
         {{"Edit2", "1"}, {"Edit3", "2"}, {"Edit4", "3"}, {"Edit5", "-90"}, {"Edit6", "180"}}, nullptr},
        {ElementKind::CircularTrack, true, 0, 3, {{"Edit4", "3"}, {"Edit5", "0"}, {"Edit6", "360"}}, nullptr},
        {ElementKind::StraightTrack, false, 2, 8, {{"Edit2", "-3"}, {"Edit3", "-1"}, {"Edit4", "4"}, {"Edit5", "2"}},
         nullptr},
    };
    for (const Shown& c : cases) {
        DialogBench bench(SceneWithEveryKind(3, 1));
        RecordValues v = c.isNew ? PlacedGeometry(c.kind) : ValidRecord(c.kind, 0);
        if (!c.isNew) v[static_cast<std::size_t>(c.at)] = c.stored;
        WriteRecordValues(*bench.scene, c.kind, 0, v);
        bench.open(c.kind, 0, c.isNew, [&](QDialog& d) {
            const std::string where = d.objectName().toStdString() + (c.isNew ? " new " : " edit ") +
                                      std::to_string(c.stored);
            EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text().toStdString(),
                      c.isNew ? KindInfoOf(c.kind).prefix + std::string("1") : TestName(c.kind, 0))
                << where;
            for (const auto& [edit, text] : c.edits) EXPECT_EQ(Child<QLineEdit>(d, edit)->text(), text) << where;
            if (c.checked) {
                EXPECT_TRUE(Child<QRadioButton>(d, c.checked)->isChecked()) << where;
            }
        });
    }
}

TEST(PropertyDialogs, NewDampingFieldIsNamedWithoutSeparatorAndOkKeepsTheNumberAndANegativeK) {
    DialogBench bench(SceneWithEveryKind(0, 0));
    WriteRecordValues(*bench.scene, ElementKind::Damping, 0, PlacedGeometry(ElementKind::Damping));
    const DialogOutcome outcome = bench.open(ElementKind::Damping, 0, true, [&](QDialog& d) {
        Type(d, "Edit6", "0.5");
        Type(d, "Edit7", "-1.5");  // any exponent, negative included
        Click(d, "RadioButton3");
        ClickText(d, "&Ok");
    });
    EXPECT_EQ(outcome, DialogOutcome::Accepted);
    EXPECT_EQ(bench.scene->dampingFields.names[0], "Damp_field1");
    EXPECT_EQ(bench.scene->dampingFields.nameCounter, 1);
    EXPECT_EQ(bench.scene->dampingFields[0].N, 0.5);
    EXPECT_EQ(bench.scene->dampingFields[0].K, -1.5);
    EXPECT_EQ(bench.scene->dampingFields[0].formula, 2.0);
}

// Types the given texts and presses Ok on element 0 of an edited kind; returns
// whether it was accepted.
bool TypeAndOk(DialogBench& bench, ElementKind kind, const std::vector<std::pair<const char*, const char*>>& typed,
               bool isNew = false) {
    return bench.open(kind, 0, isNew, [&](QDialog& d) {
        for (const auto& [name, text] : typed) Type(d, name, text);
        ClickText(d, "&Ok");
    }) == DialogOutcome::Accepted;
}

TEST(PropertyDialogs, AnglesAndRectanglesAreStoredAsTheEngineReadsThem) {
    DialogBench bench(SceneWithEveryKind(3, 1));
    Scene& s = *bench.scene;
    EXPECT_TRUE(TypeAndOk(bench, ElementKind::ElectricField, {{"Edit7", "359.9"}}));
    EXPECT_DOUBLE_EQ(s.electricFields[0].direction, 359.9 * kPi / 180);
    EXPECT_TRUE(TypeAndOk(bench, ElementKind::ElectricField, {{"Edit7", "-359.9"}}));

    // Rectangles typed the wrong way round: top 1, bottom 5, left 5, right 1.
    for (ElementKind kind : {ElementKind::ElectricField, ElementKind::MagneticField, ElementKind::Damping}) {
        ASSERT_TRUE(TypeAndOk(bench, kind, {{"Edit2", "1"}, {"Edit3", "5"}, {"Edit4", "5"}, {"Edit5", "1"}}));
        const RecordValues v = ReadRecordValues(s, kind, 0);
        EXPECT_EQ((std::array{v[0], v[1], v[2], v[3]}), (std::array{1.0, 1.0, 5.0, 5.0}))
            << static_cast<int>(kind);
    }

    // Circular tracks: a whole turn either way is accepted, a zero-length arc refused.
    for (const auto& [from, to] : {std::pair{"0", "360"}, std::pair{"-360", "360"}}) {
        ASSERT_TRUE(TypeAndOk(bench, ElementKind::CircularTrack, {{"Edit5", from}, {"Edit6", to}})) << from;
        EXPECT_DOUBLE_EQ(s.circularTracks[0].endAngle - s.circularTracks[0].startAngle,
                         (std::atof(to) - std::atof(from)) * kPi / 180);
    }
    bench.prompts.messages.clear();
    EXPECT_FALSE(TypeAndOk(bench, ElementKind::CircularTrack, {{"Edit5", "90"}, {"Edit6", "90"}}));
    EXPECT_EQ(bench.prompts.messages.size(), 1u);
}

TEST(PropertyDialogs, StraightTrackBecomesItsLineWithTheStartOnTheLeft) {
    struct Case {
        const char* xs;
        const char* ys;
        const char* xe;
        const char* ye;
        std::array<double, 4> ends;  // stored xs, ys, xe, ye
    };
    const Case cases[] = {
        {"5", "0", "1", "2", {1, 2, 5, 0}},   // typed right to left: swapped
        {"2", "-1", "2", "3", {2, -1, 2, 3}},  // vertical
        {"-4", "3", "4", "3", {-4, 3, 4, 3}},  // horizontal
    };
    for (const Case& c : cases) {
        DialogBench bench(SceneWithEveryKind(0, 1));
        ASSERT_TRUE(
            TypeAndOk(bench, ElementKind::StraightTrack, {{"Edit2", c.xs}, {"Edit3", c.ys}, {"Edit4", c.xe}, {"Edit5", c.ye}}));
        const StraightTrack& t = bench.scene->straightTracks[0];
        EXPECT_EQ((std::array{t.xs, t.ys, t.xe, t.ye}), c.ends) << c.xs;
        EXPECT_EQ(t.spare1, 7);  // carried along
        EXPECT_EQ(t.spare2, 8);
        // Both ends lie on the stored line.
        for (const auto& [x, y] : {std::pair{t.xs, t.ys}, std::pair{t.xe, t.ye}})
            EXPECT_NEAR((t.A * x + t.B * y + t.C) / t.norm, 0.0, 1e-9) << c.xs;
        EXPECT_EQ(t.A, 1.0);
        EXPECT_DOUBLE_EQ(t.norm, std::hypot(t.A, t.B));
        EXPECT_DOUBLE_EQ(t.theta, std::atan(-t.A / t.B));
    }
    DialogBench vertical(SceneWithEveryKind(0, 1));
    TypeAndOk(vertical, ElementKind::StraightTrack, {{"Edit2", "2"}, {"Edit3", "-1"}, {"Edit4", "2"}, {"Edit5", "3"}});
    EXPECT_DOUBLE_EQ(vertical.scene->straightTracks[0].B, -1e-70 / -4);  // close to 0: the line x = -C
    EXPECT_DOUBLE_EQ(vertical.scene->straightTracks[0].C, -2);
    DialogBench horizontal(SceneWithEveryKind(0, 1));
    TypeAndOk(horizontal, ElementKind::StraightTrack, {{"Edit2", "-4"}, {"Edit3", "3"}, {"Edit4", "4"}, {"Edit5", "3"}});
    EXPECT_DOUBLE_EQ(horizontal.scene->straightTracks[0].B, 8 / 1e-70);  // very large
    // On the x axis the tiny dy still places the line through the start exactly.
    TypeAndOk(horizontal, ElementKind::StraightTrack, {{"Edit2", "-4"}, {"Edit3", "0"}, {"Edit4", "4"}, {"Edit5", "0"}});
    EXPECT_EQ(horizontal.scene->straightTracks[0].C, 4);
}

TEST(PropertyDialogs, NumbersTooLargeForTheLineAreRefused) {
    DialogBench bench(SceneWithEveryKind(0, 1));
    const RecordValues before = ReadRecordValues(*bench.scene, ElementKind::StraightTrack, 0);
    EXPECT_FALSE(TypeAndOk(bench, ElementKind::StraightTrack,
                           {{"Edit2", "-1e300"}, {"Edit3", "0"}, {"Edit4", "1e300"}, {"Edit5", "0"}}));
    ASSERT_EQ(bench.prompts.messages.size(), 1u);
    EXPECT_EQ(bench.prompts.messages[0].text, "The numbers are too large to be used.");
    EXPECT_EQ(ReadRecordValues(*bench.scene, ElementKind::StraightTrack, 0), before);
}

TEST(PropertyDialogs, CordsAndPolesDeriveLengthStiffnessAndModeAndARunMeasuresTheLength) {
    auto s = std::make_unique<Scene>();
    AddBall(*s, {.x0 = 0, .y0 = 0, .M0 = 1});
    AddBall(*s, {.x0 = 3, .y0 = -4, .M0 = 2});
    AddBall(*s, {.x0 = 6, .y0 = 0, .M0 = 3});
    DialogBench bench(std::move(s));
    Scene& scene = *bench.scene;
    // A cord drawn from (0, 0) to the 2 kg ball at (3, -4): 5 m.
    scene.hangingCords[0] = {0, 0, 5, 0, 0, 1};
    ASSERT_TRUE(TypeAndOk(bench, ElementKind::HangingCord, {}, true));
    const HangingConnector& cord = scene.hangingCords[0];
    EXPECT_EQ(cord.L, 1.0);
    EXPECT_EQ(cord.K, 200000.0);
    EXPECT_EQ(cord.mode, 1.0);
    EXPECT_EQ(scene.hangingCords.names[0], "P_cord_1");
    // A pole between the 1 kg and the 3 kg ball takes the lighter one's mass.
    scene.linkPoles[0] = {2, 0, 0, 0, 0};
    ASSERT_TRUE(TypeAndOk(bench, ElementKind::LinkPole, {}, true));
    EXPECT_EQ(scene.linkPoles[0].K, 100000.0);
    EXPECT_EQ(scene.linkPoles[0].mode, 0.0);
    EXPECT_EQ(scene.linkPoles[0].L, 1.0);

    StartRun(scene);
    EXPECT_DOUBLE_EQ(scene.hangingCords[0].L, 5.0);
    EXPECT_DOUBLE_EQ(scene.hangingCords[0].K, 100000.0 * 2 / 5);
    EXPECT_DOUBLE_EQ(scene.linkPoles[0].L, 6.0);
}

TEST(PropertyDialogs, ABallListWithoutChoiceKeepsTheBallAndAMissingBallIsRefused) {
    DialogBench bench(SceneWithEveryKind(3, 1));
    Scene& s = *bench.scene;
    // No choice in the first list: the spring keeps its ball 0.
    ASSERT_TRUE(TypeAndOk(bench, ElementKind::LinkSpring, {{"ComboBox1", "-1"}, {"ComboBox2", "1"}}));
    EXPECT_EQ(s.linkSprings[0].ball1, 0);
    EXPECT_EQ(s.linkSprings[0].ball2, 1);

    // A hanging spring and a hanging cord whose ball is gone: nothing is stored.
    s.hangingSprings[0].ball = 7;
    s.hangingCords[0].ball = 7;
    for (ElementKind kind : {ElementKind::HangingSpring, ElementKind::HangingCord}) {
        bench.prompts.messages.clear();
        const RecordValues before = ReadRecordValues(s, kind, 0);
        EXPECT_FALSE(bench.open(kind, 0, false, [&](QDialog& d) {
            if (auto* c = d.findChild<QComboBox*>("ComboBox1")) {
                EXPECT_EQ(c->currentIndex(), -1);
            }
            ClickText(d, "&Ok");
        }) == DialogOutcome::Accepted);
        ASSERT_EQ(bench.prompts.messages.size(), 1u);
        EXPECT_EQ(ReadRecordValues(s, kind, 0), before);
    }
    EXPECT_EQ(bench.prompts.messages[0].text, "The ball it holds does not exist any more.");
    // Once the spring's ball is chosen again it is stored.
    ASSERT_TRUE(TypeAndOk(bench, ElementKind::HangingSpring, {{"ComboBox1", "2"}}));
    EXPECT_EQ(s.hangingSprings[0].ball, 2);
}

TEST(PropertyDialogs, DeleteAsksWithTheFormsWordsAndClosesTheGap) {
    struct Case {
        ElementKind kind;
        const char* question;
        const char* caption;
    };
    const Case cases[] = {
        {ElementKind::PointCharge, "Do you want to delete this electric dot?", "warning"},
        {ElementKind::GravityMass, "Do you want to delete this mass dot?", "warning"},
        {ElementKind::ElectricField, "Do you want to delete this electric field?", "warning"},
        {ElementKind::MagneticField, "Do you want to delete this magnetic field?", "warning"},
        {ElementKind::Damping, "Do you want to delete this damp field ?", "warning"},
        {ElementKind::HangingSpring, "Do you want to delete this spring?", "warning"},
        {ElementKind::LinkSpring, "Do you want to delete this spring ?", "warning"},
        {ElementKind::HangingCord, "Do you want to delete this cord ?", "warning"},
        {ElementKind::LinkCord, "Do you want to delete this cord ?", "Warning"},
        {ElementKind::HangingPole, "Do you want to delete this pole ?", "warning"},
        {ElementKind::LinkPole, "Do you want to delete this pole ?", "warning"},
        {ElementKind::StraightTrack, "Do you want to delete this track ?", "warning"},
        {ElementKind::CircularTrack, "Do you want to delete this track ?", "warning"},
    };
    for (const Case& c : cases) {
        DialogBench bench(SceneWithEveryKind(6, 3));
        // Cancel in the question keeps everything; OK deletes the second of three.
        bench.prompts.answers = {Prompts::Cancel, Prompts::Ok};
        EXPECT_EQ(bench.open(c.kind, 1, false, [](QDialog& d) { ClickText(d, "&Delete"); }),
                  DialogOutcome::Cancelled);
        EXPECT_EQ(ElementCount(*bench.scene, c.kind), 3);
        const RecordValues third = ReadRecordValues(*bench.scene, c.kind, 2);
        EXPECT_EQ(bench.open(c.kind, 1, false, [](QDialog& d) { ClickText(d, "&Delete"); }), DialogOutcome::Deleted);
        ASSERT_EQ(bench.prompts.messages.size(), 2u);
        EXPECT_EQ(bench.prompts.messages[1].text, c.question);
        EXPECT_EQ(bench.prompts.messages[1].caption, c.caption);
        EXPECT_EQ(bench.prompts.messages[1].buttons, Prompts::Ok | Prompts::Cancel);
        // A confirmation whatever its caption says: the box is a question.
        EXPECT_EQ(bench.prompts.messages[1].severity, Prompts::Severity::Question);
        EXPECT_EQ(ElementCount(*bench.scene, c.kind), 2) << c.question;
        EXPECT_EQ(ReadRecordValues(*bench.scene, c.kind, 1), third);
        EXPECT_EQ(ElementName(*bench.scene, c.kind, 1), TestName(c.kind, 2));
        EXPECT_EQ(bench.scene->ballCount(), 6);  // the balls a connector held stay
    }
}

}  // namespace
}  // namespace mb::test
