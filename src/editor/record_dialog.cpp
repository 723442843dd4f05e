#include "editor/record_dialog.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "scene/element_kinds.h"
#include "ui/number_text.h"
#include "ui/translate.h"
#include "ui/unit_label.h"

namespace mb {

namespace {
constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// A typed number may be finite and still give a value that is not (a track whose
// ends are 1e300 apart); such a record never reaches the scene.
const char* const kNotFinite = MB_TRANSLATE_NOOP("Forms", "The numbers are too large to be used.");

// The records this dialog edits: runs of doubles (not the ball, not the remark).
template <class R>
concept PlainRecord = requires { R::kFieldCount; } && kIsDoubleRecord<R>;

bool SameName(const char* a, const char* b) { return (a == nullptr) == (b == nullptr) && (!a || std::strcmp(a, b) == 0); }
}  // namespace

RecordValues ReadRecordValues(const Scene& scene, ElementKind kind, int index) {
    RecordValues values{};
    VisitTable(scene, kind, [&](const auto& table) {
        using Record = std::decay_t<decltype(table[0])>;
        if constexpr (PlainRecord<Record>) {
            static_assert(Record::kFieldCount <= static_cast<int>(std::tuple_size_v<RecordValues>));
            if (index >= 0 && index < table.kCapacity) std::memcpy(values.data(), &table[index], sizeof(Record));
        }
    });
    return values;
}

void WriteRecordValues(Scene& scene, ElementKind kind, int index, const RecordValues& values) {
    VisitTable(scene, kind, [&](auto& table) {
        using Record = std::decay_t<decltype(table[0])>;
        if constexpr (PlainRecord<Record>) {
            if (index >= 0 && index < table.kCapacity) std::memcpy(&table[index], values.data(), sizeof(Record));
        }
    });
}

RecordDialog::RecordDialog(const RecordForm& form, Prompts& prompts, QWidget* parent)
    : PropertyDialog(form.kind, form.texts, prompts, parent), form_(form) {
    const FormBuilder& f = this->form();
    setObjectName(QString::fromLatin1(form.name));
    setWindowTitle(f.text(form.name));

    auto* top = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    QLineEdit* nameEdit = f.edit("Edit1");
    nameRow->addWidget(f.label(form.nameLabel));
    nameRow->addWidget(nameEdit, 1);
    top->addLayout(nameRow);
    setNameEdit(nameEdit);

    // Ball lists inside a group come first (the linked balls), a lone one after
    // the numbers (the hung ball).
    combos_.assign(form.ballPicks.size(), nullptr);
    for (std::size_t i = 0; i < form.ballPicks.size(); ++i)
        if (form.ballPicks[i].group) addBallPick(i, top);
    for (const NumberRow& n : form.numbers) {
        QGridLayout* grid = gridFor(n.group, top);
        edits_.push_back(f.editRow(grid, grid->rowCount(), n.label, n.edit, n.unit));
    }
    for (std::size_t i = 0; i < form.ballPicks.size(); ++i)
        if (!form.ballPicks[i].group) addBallPick(i, top);
    if (form.ballLabelCaption) addBallNames(top);
    for (const Choice& c : form.choices) addChoice(c, top);
    addButtons(top);
}

void RecordDialog::addBallPick(std::size_t i, QVBoxLayout* top) {
    const BallPick& p = form_.ballPicks[i];
    QGridLayout* grid = gridFor(p.group, top);
    const int row = grid->rowCount();
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(p.combo));
    combo->setMinimumContentsLength(12);
    grid->addWidget(form().label(p.label), row, 0);
    grid->addWidget(combo, row, 1, 1, 2);
    combos_[i] = combo;
}

void RecordDialog::addBallNames(QVBoxLayout* top) {
    auto* row = new QHBoxLayout;
    row->addWidget(form().label(form_.ballLabelCaption));
    for (const BallNameLabel& b : form_.ballNames) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(b.label));
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(90);
        row->addWidget(l);
        ballLabels_.push_back(l);
    }
    row->addStretch();
    top->addLayout(row);
}

void RecordDialog::addChoice(const Choice& c, QVBoxLayout* top) {
    auto* column = new QVBoxLayout(groupFor(c.group, top));
    std::vector<QRadioButton*> radios;
    for (const ChoiceButton& b : c.buttons) {
        QRadioButton* r = form().radio(b.radio);
        radios.push_back(r);
        if (!b.note) {
            column->addWidget(r);
            continue;
        }
        // The exponent of the law, written small and raised after it.
        auto* line = new QHBoxLayout;
        line->setSpacing(0);
        QLabel* note = form().label(b.note);
        MakeRaisedNote(note);
        line->addWidget(r);
        line->addWidget(note, 0, Qt::AlignTop);
        line->addStretch();
        column->addLayout(line);
    }
    if (!radios.empty()) radios.front()->setChecked(true);
    radios_.push_back(std::move(radios));
}

void RecordDialog::addButtons(QVBoxLayout* top) {
    QPushButton* buttons[3];
    for (int i = 0; i < 3; ++i) buttons[i] = form().button(("BitBtn" + std::to_string(i + 1)).c_str());
    auto named = [&](const char* name) {
        for (QPushButton* b : buttons)
            if (b->objectName() == QLatin1String(name)) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    top->addLayout(form().buttonRow({buttons[0], buttons[1], buttons[2]}));
    for (QPushButton* b : buttons) b->setDefault(false);
    named(form_.okButton)->setDefault(true);
    connectButtons(named(form_.okButton), named(form_.cancelButton), named(form_.deleteButton));
}

QGroupBox* RecordDialog::groupFor(const char* name, QVBoxLayout* top) {
    for (const auto& [n, box] : groups_)
        if (SameName(n, name)) return box;
    auto* box = new QGroupBox(form().text(name), this);
    box->setObjectName(QString::fromLatin1(name));
    top->addWidget(box);
    groups_.emplace_back(name, box);
    return box;
}

QGridLayout* RecordDialog::gridFor(const char* group, QVBoxLayout* top) {
    for (const auto& [n, grid] : grids_)
        if (SameName(n, group)) return grid;
    QGridLayout* grid;
    if (group) {
        grid = new QGridLayout(groupFor(group, top));
    } else {
        grid = new QGridLayout;
        top->addLayout(grid);
    }
    grid->setColumnStretch(1, 1);
    grids_.emplace_back(group, grid);
    return grid;
}

QLineEdit* RecordDialog::numberEdit(const char* name) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (std::strcmp(form_.numbers[i].edit, name) == 0) return edits_[i];
    return nullptr;
}

void RecordDialog::load(const Scene& scene, int index, bool isNew) {
    values_ = ReadRecordValues(scene, form_.kind, index);
    if (isNew) prepareNew(values_);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const NumberRow& n = form_.numbers[i];
        const double v = values_[static_cast<std::size_t>(n.value)];
        ShowReal(edits_[i], n.degrees ? v / kRadiansPerDegree : v);
    }
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        const Choice& c = form_.choices[i];
        int pick = c.otherChoice;
        if (isNew) {
            pick = c.newChoice;
        } else {
            const double stored = values_[static_cast<std::size_t>(c.value)];
            const double key = c.exact ? stored : std::trunc(stored);
            for (std::size_t b = 0; b < c.buttons.size(); ++b)
                if (c.buttons[b].value == key) pick = static_cast<int>(b);
        }
        if (pick >= 0) radios_[i][static_cast<std::size_t>(pick)]->setChecked(true);
    }
    const int balls = ElementCount(scene, ElementKind::Ball);
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        QComboBox* combo = combos_[i];
        combo->clear();
        for (int b = 0; b < balls; ++b) combo->addItem(QString::fromStdString(ElementName(scene, ElementKind::Ball, b)));
        const int stored = BallRefIndex(values_[static_cast<std::size_t>(form_.ballPicks[i].value)]);
        combo->setCurrentIndex(stored < balls ? stored : -1);
    }
    for (std::size_t i = 0; i < ballLabels_.size(); ++i) {
        const int b = BallRefIndex(values_[static_cast<std::size_t>(form_.ballNames[i].value)]);
        ballLabels_[i]->setText(QString::fromStdString(ElementName(scene, ElementKind::Ball, b)));
    }
    if (!edits_.empty()) edits_.front()->setFocus();
}

bool RecordDialog::readNumbers(RecordValues& values) {
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const NumberRow& n = form_.numbers[i];
        const auto v = ReadRealOrWarn(prompts(), edits_[i], Tr(form_.name, n.suffix));
        if (!v) return false;
        values[static_cast<std::size_t>(n.value)] = n.degrees ? *v * kRadiansPerDegree : *v;
    }
    return true;
}

void RecordDialog::readBallPicks(RecordValues& values) const {
    // A list without a choice keeps the ball the record already holds, so no
    // index outside the ball table is ever stored.
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        const int at = combos_[i]->currentIndex();
        if (at >= 0 && at < combos_[i]->count()) values[static_cast<std::size_t>(form_.ballPicks[i].value)] = at;
    }
}

void RecordDialog::readChoices(RecordValues& values) const {
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        const Choice& c = form_.choices[i];
        for (std::size_t b = 0; b < radios_[i].size(); ++b)
            if (radios_[i][b]->isChecked()) values[static_cast<std::size_t>(c.value)] = c.buttons[b].value;
    }
}

bool RecordDialog::passes(const Check& check, const RecordValues& values, const Scene& scene) {
    const double v = values[static_cast<std::size_t>(check.value)];
    const double other = check.other >= 0 ? values[static_cast<std::size_t>(check.other)] : 0.0;
    switch (check.rule) {
        case Rule::NonZero: return v != 0;
        case Rule::Positive: return v > 0;
        case Rule::NotNegative: return v >= 0;
        case Rule::InsideOpenTurn: return -kTurn < v && v < kTurn;
        case Rule::InsideClosedTurn: return -kTurn <= v && v <= kTurn;
        case Rule::AboveOther: return v > other;
        case Rule::DiffersFromOther: return v != other;
        case Rule::NamesBall: return BallExists(scene, BallRefIndex(v));
    }
    return false;
}

bool RecordDialog::finite(const RecordValues& values) {
    for (double v : values)
        if (!std::isfinite(v)) {
            WarnAt(prompts(), edits_.empty() ? nullptr : edits_.front(), Tr(form_.name, kNotFinite));
            return false;
        }
    return true;
}

bool RecordDialog::store(Scene& scene, int index) {
    if (!readNumbers(values_)) return false;
    readBallPicks(values_);
    for (const Check& c : form_.checks) {
        if (passes(c, values_, scene)) continue;
        QWidget* focus = c.focus ? findChild<QWidget*>(QString::fromLatin1(c.focus)) : nullptr;
        WarnAt(prompts(), focus, Tr(form_.name, c.message));
        return false;
    }
    readChoices(values_);
    RecordValues record = values_;
    derive(record, scene);
    if (!finite(record)) return false;
    WriteRecordValues(scene, form_.kind, index, record);
    return true;
}

QString RecordDialog::deleteQuestion() const { return Tr(form_.name, form_.deleteQuestion); }
QString RecordDialog::deleteCaption() const { return Tr(form_.name, form_.deleteCaption); }

}  // namespace mb
