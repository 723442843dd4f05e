// A property dialog over a record that is a plain run of doubles (every element
// but the ball and the remark). The form is described by tables: which edit shows
// which record value and with which not-a-number words, which radio buttons stand
// for which value, which drop-down lists pick a ball, and which checks Ok makes in
// which order. Forms with more to do (a line equation, a derived stiffness, the
// rectangle put in order) add it through the `derive` and `prepareNew` hooks.
#pragma once

#include <QString>
#include <array>
#include <span>
#include <vector>

#include "editor/property_dialog.h"
#include "scene/translatable.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace mb {

// The words after a text that is not a number: each form has its own variants.
inline constexpr char kNotRealBang[] = MB_TRANSLATE_NOOP("Forms", "  is not a real number!");
inline constexpr char kNotRealDot[] = MB_TRANSLATE_NOOP("Forms", "  is not a real number.");
inline constexpr char kNotRealShortBang[] = MB_TRANSLATE_NOOP("Forms", "  is not real number!");
inline constexpr char kNotRealShortDot[] = MB_TRANSLATE_NOOP("Forms", "  is not real number.");

// The values of one record in file order; the longest record (the straight
// track) has eleven.
using RecordValues = std::array<double, 11>;

// Two tables of a form as one: the words or rows that alike forms share, then a
// form's own.
template <class T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Join(const std::array<T, A>& first, const std::array<T, B>& second) {
    std::array<T, A + B> all{};
    for (std::size_t i = 0; i < A; ++i) all[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) all[A + i] = second[i];
    return all;
}

RecordValues ReadRecordValues(const Scene& scene, ElementKind kind, int index);
void WriteRecordValues(Scene& scene, ElementKind kind, int index, const RecordValues& values);

// A numeric edit: its label, its unit label, the group box it sits in, the record
// value it shows and the words that follow a text that is not a number.
struct NumberRow {
    const char* edit;
    const char* label;
    const char* unit;   // nullptr: no unit shown
    const char* group;  // nullptr: directly on the form
    int value;
    const char* suffix;
    bool degrees = false;  // shown in degrees, stored in radians
};

// The X and Y edits of a place, one under the other in a group; x is the record
// value `xValue` and y the one after it.
struct PlaceNames {
    const char *xEdit, *xLabel, *xUnit;
    const char *yEdit, *yLabel, *yUnit;
};
constexpr std::array<NumberRow, 2> PlaceRows(const PlaceNames& n, const char* group, int xValue, const char* xSuffix,
                                             const char* ySuffix) {
    return {{{n.xEdit, n.xLabel, n.xUnit, group, xValue, xSuffix}, {n.yEdit, n.yLabel, n.yUnit, group, xValue + 1, ySuffix}}};
}

// One radio button and the value it stands for; `note` names a small label shown
// after it (the exponent "K" of the damping laws).
struct ChoiceButton {
    const char* radio;
    double value;
    const char* note = nullptr;
};

// A group of radio buttons for one record value. Activation of a new element
// selects `newChoice`; of an existing one the button whose value equals the
// stored value (truncated toward zero unless `exact`), else `otherChoice`
// (-1: the selection stays as it was).
struct Choice {
    const char* group;
    int value;
    std::span<const ChoiceButton> buttons;
    int newChoice;
    bool exact;
    int otherChoice;
};

// A drop-down list of every ball's name, for the ball a record value refers to.
struct BallPick {
    const char* combo;
    const char* label;
    const char* group;
    int value;
};

// A label that shows the name of the ball a record value refers to.
struct BallNameLabel {
    const char* label;  // shows the ball's name
    int value;
};

enum class Rule {
    NonZero,
    Positive,
    NotNegative,
    InsideOpenTurn,    // -2pi < v < 2pi
    InsideClosedTurn,  // -2pi <= v <= 2pi
    AboveOther,        // v > the other value
    DiffersFromOther,  // v != the other value
    NamesBall,         // v is the index of a ball in the scene
};

// One check of Ok, on one record value; on failure the message is shown with the
// form's warning caption and the focus goes to `focus` (nullptr: stays).
struct Check {
    int value;
    Rule rule;
    int other;
    const char* message;
    const char* focus;
};

// Everything that makes one form.
struct RecordForm {
    const char* name;  // the form's object name; its caption is in `texts`
    ElementKind kind;
    FormTexts texts;
    const char* nameLabel;  // the label of the name edit Edit1
    std::span<const NumberRow> numbers;
    std::span<const Choice> choices;
    std::span<const BallPick> ballPicks;
    const char* ballLabelCaption;  // "Pensile:" or "Link:"; nullptr when none
    std::span<const BallNameLabel> ballNames;
    std::span<const Check> checks;
    // BitBtn1, BitBtn2 and BitBtn3 stand left to right; which of them is which:
    const char* okButton;
    const char* cancelButton;
    const char* deleteButton;
    const char* deleteQuestion;
    const char* deleteCaption;
};

class RecordDialog : public PropertyDialog {
    Q_OBJECT
public:
    RecordDialog(const RecordForm& form, Prompts& prompts, QWidget* parent = nullptr);

protected:
    void load(const Scene& scene, int index, bool isNew) override;
    bool store(Scene& scene, int index) override;
    QString deleteQuestion() const override;
    QString deleteCaption() const override;

    // The working copy of a just-placed element before it is shown.
    virtual void prepareNew(RecordValues&) {}
    // After the edits were read and checked: values the form derives from them.
    virtual void derive(RecordValues&, const Scene&) {}

    QLineEdit* numberEdit(const char* name) const;

private:
    void addBallPick(std::size_t i, QVBoxLayout* top);
    void addBallNames(QVBoxLayout* top);
    void addChoice(const Choice& choice, QVBoxLayout* top);
    void addButtons(QVBoxLayout* top);
    QGroupBox* groupFor(const char* name, QVBoxLayout* top);
    QGridLayout* gridFor(const char* group, QVBoxLayout* top);
    bool readNumbers(RecordValues& values);
    void readChoices(RecordValues& values) const;
    void readBallPicks(RecordValues& values) const;
    bool passes(const Check& check, const RecordValues& values, const Scene& scene);
    bool finite(const RecordValues& values);

    const RecordForm& form_;
    RecordValues values_{};  // the working copy
    std::vector<QLineEdit*> edits_;
    std::vector<std::vector<QRadioButton*>> radios_;
    std::vector<QComboBox*> combos_;
    std::vector<QLabel*> ballLabels_;
    std::vector<std::pair<const char*, QGroupBox*>> groups_;
    std::vector<std::pair<const char*, QGridLayout*>> grids_;
};

}  // namespace mb
