#include "measure/curve_window.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "engine/curve_session.h"
#include "measure/curve_object_dialog.h"
#include "ui/dialog_kit.h"
#include "ui/number_text.h"
#include "ui/save_where_chosen.h"
#include "ui/translate.h"
#include "ui/unit_label.h"
#include "view/measure_pictures.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm29", MB_TRANSLATE_NOOP("TForm29", "Experiment curve")},
    {"Label1", MB_TRANSLATE_NOOP("TForm29", "Curve name:")},
    {"Label2", MB_TRANSLATE_NOOP("TForm29", "Start time:")},
    {"Label3", MB_TRANSLATE_NOOP("TForm29", "End time:")},
    {"Label4", MB_TRANSLATE_NOOP("TForm29", "(s)")},
    {"Label5", MB_TRANSLATE_NOOP("TForm29", "(s)")},
    {"Label6", MB_TRANSLATE_NOOP("TForm29", "Horizontal variable:")},
    {"Label7", MB_TRANSLATE_NOOP("TForm29", "Start:")},
    {"Label8", MB_TRANSLATE_NOOP("TForm29", "End:")},
    {"Label9", MB_TRANSLATE_NOOP("TForm29", "Vertical variable:")},
    {"Label10", MB_TRANSLATE_NOOP("TForm29", "Start:")},
    {"Label11", MB_TRANSLATE_NOOP("TForm29", "End:")},
    {"Label14", ""},
    {"Label15", ""},
    {"Label16", ""},
    {"Label17", ""},
    {"Label18", "2"},
    {"Label19", "2"},
    {"Label20", "2"},
    {"Label21", "2"},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm29", "Object set")},
    {"BitBtn3", MB_TRANSLATE_NOOP("TForm29", "Draw curve")},
    {"BitBtn4", MB_TRANSLATE_NOOP("TForm29", "Save to bmp")},
    {"BitBtn5", MB_TRANSLATE_NOOP("TForm29", "Close")},
    {"SaveData", MB_TRANSLATE_NOOP("TForm29", "Save data...")},
    {"CopyData", MB_TRANSLATE_NOOP("TForm29", "Copy data")},
    {"Fit", MB_TRANSLATE_NOOP("TForm29", "Fit")},
};
const char* const kJoinPoints = MB_TRANSLATE_NOOP("TForm29", "Join points");
const char* const kDrawOpening = MB_TRANSLATE_NOOP("TForm29", "Draw Curve");
const char* const kDraw = MB_TRANSLATE_NOOP("TForm29", "Draw curve");
const char* const kStop = MB_TRANSLATE_NOOP("TForm29", "Stop");
const char* const kNotRealNember = MB_TRANSLATE_NOOP("TForm29", " is not a real nember.");
const char* const kGraphTitle = MB_TRANSLATE_NOOP("TForm29", "生成实验曲线图象");
const char* const kGraphFilter = MB_TRANSLATE_NOOP("TForm29", "(图象 *.Bmp) (*.bmp);;PNG picture (*.png)");
const char* const kDataTitle = MB_TRANSLATE_NOOP("TForm29", "Save the curve data");
const char* const kCsvFilter = MB_TRANSLATE_NOOP("TForm29", "CSV file (*.csv)");

}  // namespace

CurveWindow::CurveWindow(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm29");
    setWindowTitle(f.text("TForm29"));
    setModal(true);
    objectDialog_ = new CurveObjectDialog(prompts, this);

    nameEdit_ = f.edit("Edit1");
    nameEdit_->setFont(CurveGraphFont());
    // The number edits, all 80 pixels wide.
    for (auto [edit, name] : {std::pair{&startTimeEdit_, "Edit2"}, {&endTimeEdit_, "Edit3"}, {&hStartEdit_, "Edit4"},
                              {&hStepEdit_, "Edit5"}, {&vStartEdit_, "Edit6"}, {&vStepEdit_, "Edit7"}}) {
        *edit = f.edit(name);
        (*edit)->setFixedWidth(80);
    }
    auto quantityList = [&](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        for (const CurveQuantityInfo& q : kCurveQuantities) c->addItem(Tr("TForm29", q.item));
        return c;
    };
    hList_ = quantityList("ComboBox1");
    vList_ = quantityList("ComboBox2");
    // Units in boxes 90 pixels wide; the raised "2" shows only for accelerations.
    auto unitLabel = [&](const char* unitName, const char* twoName) {
        return new SquaredUnitLabel(this, f.label(unitName), f.label(twoName), 90);
    };
    hUnit_ = unitLabel("Label14", "Label20");
    hGridUnit_ = unitLabel("Label15", "Label21");
    vUnit_ = unitLabel("Label16", "Label18");
    vGridUnit_ = unitLabel("Label17", "Label19");
    objectButton_ = f.button("BitBtn1");
    drawButton_ = f.button("BitBtn3");
    saveGraphButton_ = f.button("BitBtn4");
    closeButton_ = f.button("BitBtn5");
    saveDataButton_ = f.button("SaveData");
    copyDataButton_ = f.button("CopyData");
    fitButton_ = f.button("Fit");
    joinPoints_ = new QCheckBox(Tr("TForm29", kJoinPoints), this);
    joinPoints_->setObjectName("JoinPoints");
    for (QPushButton* b : {objectButton_, drawButton_, saveGraphButton_, closeButton_, saveDataButton_,
                           copyDataButton_, fitButton_})
        b->setAutoDefault(false);
    graphView_ = new QLabel(this);
    graphView_->setObjectName("Image1");
    graphView_->setFixedSize(kCurveGraphSide, kCurveGraphSide);

    computationTimer_ = new QTimer(this);
    computationTimer_->setObjectName("Timer1");
    computationTimer_->setTimerType(Qt::PreciseTimer);
    computationTimer_->setInterval(1);
    connect(computationTimer_, &QTimer::timeout, this, &CurveWindow::tick);

    connect(nameEdit_, &QLineEdit::textEdited, this, &CurveWindow::nameEdited);
    auto axis = [&](QLineEdit* e, double CurveSettings::*field) {
        connect(e, &QLineEdit::textEdited, this, [this, e, field] {
            if (scene_) axisEdited(e, scene_->curve.*field);
        });
    };
    axis(hStartEdit_, &CurveSettings::horizontalStart);
    axis(hStepEdit_, &CurveSettings::horizontalStep);
    axis(vStartEdit_, &CurveSettings::verticalStart);
    axis(vStepEdit_, &CurveSettings::verticalStep);
    connect(hList_, &QComboBox::activated, this, [this](int i) { variableChosen(true, i); });
    connect(vList_, &QComboBox::activated, this, [this](int i) { variableChosen(false, i); });
    connect(objectButton_, &QPushButton::clicked, this, &CurveWindow::objectSet);
    connect(drawButton_, &QPushButton::clicked, this, &CurveWindow::drawOrStop);
    connect(saveGraphButton_, &QPushButton::clicked, this, &CurveWindow::saveGraph);
    connect(closeButton_, &QPushButton::clicked, this, &CurveWindow::finish);
    connect(saveDataButton_, &QPushButton::clicked, this, &CurveWindow::saveData);
    connect(copyDataButton_, &QPushButton::clicked, this, &CurveWindow::copyData);
    connect(fitButton_, &QPushButton::clicked, this, &CurveWindow::fit);
    connect(joinPoints_, &QCheckBox::toggled, this, &CurveWindow::replot);

    auto* g = new QGridLayout;
    g->addWidget(f.label("Label1"), 0, 0);
    g->addWidget(nameEdit_, 0, 1, 1, 3);
    g->addWidget(f.label("Label2"), 1, 0);
    g->addWidget(startTimeEdit_, 1, 1);
    g->addWidget(f.label("Label4"), 1, 2);
    g->addWidget(f.label("Label3"), 2, 0);
    g->addWidget(endTimeEdit_, 2, 1);
    g->addWidget(f.label("Label5"), 2, 2);
    // Each axis: its caption and quantity list, then its start and grid step with their units.
    auto axisRows = [&](int row, const char* caption, QComboBox* list, const char* startLabel, QLineEdit* start,
                        SquaredUnitLabel* unit, const char* stepLabel, QLineEdit* step, SquaredUnitLabel* gridUnit) {
        g->addWidget(f.label(caption), row, 0, 1, 3);
        g->addWidget(list, row + 1, 0, 1, 3);
        g->addWidget(f.label(startLabel), row + 2, 0, Qt::AlignRight);
        g->addWidget(start, row + 2, 1);
        g->addWidget(unit, row + 2, 2);
        g->addWidget(f.label(stepLabel), row + 3, 0, Qt::AlignRight);
        g->addWidget(step, row + 3, 1);
        g->addWidget(gridUnit, row + 3, 2);
    };
    axisRows(3, "Label6", hList_, "Label7", hStartEdit_, hUnit_, "Label8", hStepEdit_, hGridUnit_);
    axisRows(7, "Label9", vList_, "Label10", vStartEdit_, vUnit_, "Label11", vStepEdit_, vGridUnit_);
    g->setRowStretch(11, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {objectButton_, drawButton_, saveGraphButton_, saveDataButton_, copyDataButton_, fitButton_})
        buttons->addWidget(b);
    buttons->addWidget(joinPoints_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(graphView_);
    right->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(g);
    top->addLayout(right);
    top->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(491, 301)));
}

void CurveWindow::load(Scene& scene) {
    scene_ = &scene;
    loading_ = true;
    drawing_ = false;
    computationTimer_->start();
    drawButton_->setText(Tr("TForm29", kDrawOpening));
    const CurveSettings& c = scene.curve;
    nameEdit_->setText(QString::fromStdString(c.name));
    startTimeEdit_->setText(FormatReal(c.startTime));
    endTimeEdit_->setText(FormatReal(c.endTime));
    hStartEdit_->setText(FormatReal(c.horizontalStart));
    hStepEdit_->setText(FormatReal(c.horizontalStep));
    vStartEdit_->setText(FormatReal(c.verticalStart));
    vStepEdit_->setText(FormatReal(c.verticalStep));
    hList_->setCurrentIndex(c.horizontalVariable);
    vList_->setCurrentIndex(c.verticalVariable);
    setEditable(true);
    showUnits();
    samples_.clear();
    lastOfBall_.clear();
    ticks_ = 0;
    redrawFrame();
    loading_ = false;
}

void CurveWindow::showUnits() {
    if (!scene_) return;
    auto set = [](int quantity, SquaredUnitLabel* unit, SquaredUnitLabel* gridUnit) {
        const CurveQuantityInfo& q = kCurveQuantities[quantity < kQuantityCount ? quantity : 0];
        unit->setUnit(q.unit, q.squaredUnit);
        gridUnit->setUnit(q.unitPerGrid, q.squaredUnit);
    };
    set(scene_->curve.horizontalVariable, hUnit_, hGridUnit_);
    set(scene_->curve.verticalVariable, vUnit_, vGridUnit_);
}

void CurveWindow::redrawFrame() {
    if (!scene_) return;
    DrawGraphFrame(graph_, scene_->curve, nameEdit_->font());
    showGraph();
}

void CurveWindow::showGraph() { graphView_->setPixmap(QPixmap::fromImage(graph_)); }

void CurveWindow::nameEdited(const QString& text) {
    if (!scene_) return;
    scene_->curve.name = text.toStdString();
    redrawFrame();
}

void CurveWindow::axisEdited(QLineEdit* edit, double& field) {
    const QString text = edit->text();
    if (text == "-" || text == "+") {
        // A sign on its own is the start of a number being typed: 0 for now.
        field = 0;
    } else if (const auto v = ParseReal(text)) {
        field = *v;
    } else if (!IsRealBeingTyped(text)) {
        WarnAt(prompts_, edit, text + Tr("TForm29", kNotRealNember));
    }
    redrawFrame();
}

void CurveWindow::variableChosen(bool horizontal, int index) {
    if (!scene_ || index < 0 || index >= kQuantityCount) return;
    (horizontal ? scene_->curve.horizontalVariable : scene_->curve.verticalVariable) = static_cast<std::uint8_t>(index);
    showUnits();
    redrawFrame();
}

void CurveWindow::setEditable(bool editable) {
    for (QWidget* w : std::initializer_list<QWidget*>{nameEdit_, startTimeEdit_, endTimeEdit_, hStartEdit_,
                                                      hStepEdit_, vStartEdit_, vStepEdit_, hList_, vList_,
                                                      objectButton_, saveGraphButton_, saveDataButton_,
                                                      copyDataButton_, fitButton_})
        w->setEnabled(editable);
}

void CurveWindow::objectSet() {
    if (scene_) objectDialog_->edit(*scene_);
}

bool CurveWindow::readAndCheck() {
    CurveSettings& c = scene_->curve;
    const auto start = ReadRealOrWarn(prompts_, startTimeEdit_, Tr("TForm29", kNotRealNember));
    if (!start) return false;
    const auto end = ReadRealOrWarn(prompts_, endTimeEdit_, Tr("TForm29", kNotRealNember));
    if (!end) return false;
    // The axis boxes are read as they are typed, but a number left half-typed
    // ("1e", "-") is refused here, after the time boxes.
    for (QLineEdit* e : {hStartEdit_, hStepEdit_, vStartEdit_, vStepEdit_})
        if (!ReadRealOrWarn(prompts_, e, Tr("TForm29", kNotRealNember))) return false;
    c.startTime = *start;
    c.endTime = *end;
    const CurveCheck check = CheckCurveSettings(c);
    if (!check.ok()) {
        QLineEdit* focus = nullptr;
        switch (check.field) {
            case CurveField::StartTime: focus = startTimeEdit_; break;
            case CurveField::EndTime: focus = endTimeEdit_; break;
            case CurveField::HorizontalStep: focus = hStepEdit_; break;
            case CurveField::VerticalStep: focus = vStepEdit_; break;
            case CurveField::None: break;
        }
        WarnAt(prompts_, focus, Tr("TForm29", check.message), Tr(kSharedContext, kWarningCaption), Prompts::Ok);
        return false;
    }
    if (!AnyCurveObject(*scene_)) {
        prompts_.warning(Tr("TForm29", kCurveNoObject), Prompts::Ok | Prompts::Cancel);
        setEditable(true);
        return false;
    }
    vStepEdit_->setText(FormatReal(c.verticalStep));
    hStepEdit_->setText(FormatReal(c.horizontalStep));
    vStartEdit_->setText(FormatReal(c.verticalStart));
    hStartEdit_->setText(FormatReal(c.horizontalStart));
    return true;
}

void CurveWindow::drawOrStop() {
    if (!scene_ || !readAndCheck()) return;
    if (!drawing_) {
        setEditable(false);
        redrawFrame();
        drawButton_->setText(Tr("TForm29", kStop));
        samples_.clear();
        lastOfBall_.clear();
        ticks_ = 0;
        BeginCurve(*scene_);
        slicer_.reset();
        drawing_ = true;
    } else {
        // What was plotted stays on the graph.
        endDrawing(kDraw);
        scene_->RunTime = 0;
        ResetForCurve(*scene_);
    }
}

void CurveWindow::endDrawing(const char* caption) {
    drawing_ = false;
    slicer_.reset();
    drawButton_->setText(Tr("TForm29", caption));
    setEditable(true);
}

void CurveWindow::tick() {
    if (!drawing_ || !scene_) return;
    std::vector<CurveSegment> segments;
    const int result = slicer_.stepCurve(*scene_, segments);
    // A long tick goes on at the next timer event; its segments come with its end.
    if (result != kCurveEnded && !slicer_.tickComplete()) return;
    ++ticks_;
    for (const CurveSegment& g : segments) {
        plot(g);
        if (samples_.size() < kSampleLimit) samples_.push_back({ticks_, g});
    }
    if (!segments.empty()) showGraph();
    if (result == kCurveEnded) endDrawing(kDraw);
}

void CurveWindow::plot(const CurveSegment& g) {
    const auto last = lastOfBall_.find(g.ball);
    if (joinPoints_->isChecked() && last != lastOfBall_.end())
        DrawCurveSegment(graph_, JoinedSegment(scene_->curve, last->second, g));
    else
        DrawCurveSegment(graph_, g);
    lastOfBall_[g.ball] = g;
}

void CurveWindow::replot() {
    if (!scene_) return;
    DrawGraphFrame(graph_, scene_->curve, nameEdit_->font());
    lastOfBall_.clear();
    for (Sample& s : samples_) {
        PlaceCurveSegment(scene_->curve, s.segment);
        plot(s.segment);
    }
    showGraph();
}

void CurveWindow::fit() {
    if (!scene_ || samples_.empty()) return;
    std::vector<CurveSegment> segments;
    segments.reserve(samples_.size());
    for (const Sample& s : samples_) segments.push_back(s.segment);
    const CurveAxes axes = FitCurveAxes(scene_->curve, segments);
    CurveSettings& c = scene_->curve;
    c.horizontalStart = axes.horizontalStart;
    c.horizontalStep = axes.horizontalStep;
    c.verticalStart = axes.verticalStart;
    c.verticalStep = axes.verticalStep;
    hStartEdit_->setText(FormatReal(c.horizontalStart));
    hStepEdit_->setText(FormatReal(c.horizontalStep));
    vStartEdit_->setText(FormatReal(c.verticalStart));
    vStepEdit_->setText(FormatReal(c.verticalStep));
    replot();
}

QString CurveWindow::samplesCsv() const {
    if (!scene_) return {};
    std::string text = CurveCsvHeader(scene_->curve) + "\n";
    for (const Sample& s : samples_) text += CurveCsvRow(*scene_, s.tick, s.segment) + "\n";
    return QString::fromStdString(text);
}

void CurveWindow::saveGraph() {
    SaveWhereChosen(prompts_, lastFolder_,
                    {Tr("TForm29", kGraphTitle), Tr("TForm29", kGraphFilter), "bmp",
                     [this](const QString& path) -> std::optional<QByteArray> {
                         // The chosen name's suffix picks the format.
                         const bool png = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0;
                         QByteArray bytes;
                         QBuffer buffer(&bytes);
                         if (!buffer.open(QIODevice::WriteOnly) || !graph_.save(&buffer, png ? "PNG" : "BMP"))
                             return std::nullopt;
                         return bytes;
                     },
                     [](const QString& path, const QString&) {
                         return Tr("TForm29", "The picture could not be written to %1.").arg(path);
                     }});
}

void CurveWindow::saveData() {
    const bool saved = SaveWhereChosen(prompts_, lastFolder_,
                                       {Tr("TForm29", kDataTitle), Tr("TForm29", kCsvFilter), "csv",
                                        [this](const QString&) { return std::optional(samplesCsv().toUtf8()); },
                                        DataNotWritten});
    if (saved && samples_.size() >= kSampleLimit)
        prompts_.warning(Tr("TForm29", "The file holds the first %1 samples of the curve.").arg(kSampleLimit), Prompts::Ok);
}

void CurveWindow::copyData() {
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(samplesCsv());
}

void CurveWindow::finish() {
    // The balls stay where the computation left them until the next full redraw.
    drawing_ = false;
    drawButton_->setText(Tr("TForm29", kDraw));
    setEditable(true);
    computationTimer_->stop();
    done(QDialog::Accepted);
}

void CurveWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    finish();
}

void CurveWindow::reject() { finish(); }

}  // namespace mb
