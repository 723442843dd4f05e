#include "measure/curve_window.h"

#include <QApplication>
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
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/curve_session.h"
#include "measure/curve_object_dialog.h"
#include "ui/dialog_kit.h"
#include "ui/number_text.h"
#include "view/measure_pictures.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm29", "Experiment curve"},
    {"Label1", "Curve name:"},
    {"Label2", "Start time:"},
    {"Label3", "End time:"},
    {"Label4", "(s)"},
    {"Label5", "(s)"},
    {"Label6", "Horizontal variable:"},
    {"Label7", "Start:"},
    {"Label8", "End:"},
    {"Label9", "Vertical variable:"},
    {"Label10", "Start:"},
    {"Label11", "End:"},
    {"Label14", ""},
    {"Label15", ""},
    {"Label16", ""},
    {"Label17", ""},
    {"Label18", "2"},
    {"Label19", "2"},
    {"Label20", "2"},
    {"Label21", "2"},
    {"BitBtn1", "Object set"},
    {"BitBtn3", "Draw curve"},
    {"BitBtn4", "Save to bmp"},
    {"BitBtn5", "Close"},
    {"SaveData", "Save data..."},
    {"CopyData", "Copy data"},
};
const char* const kDrawOpening = "Draw Curve";
const char* const kDraw = "Draw curve";
const char* const kStop = "Stop";
const char* const kNotRealNember = " is not a real nember.";
const char* const kGraphTitle = "生成实验曲线图象";
const char* const kGraphFilter = "(图象 *.Bmp) (*.bmp);;PNG picture (*.png)";
const char* const kDataTitle = "Save the curve data";
const char* const kCsvFilter = "CSV file (*.csv)";

// A unit label with a raised "2" over its gap, shown only for accelerations.
QWidget* UnitBox(QWidget* parent, QLabel* unit, QLabel* two) {
    auto* box = new QWidget(parent);
    unit->setParent(box);
    two->setParent(box);
    QFont small = two->font();
    small.setPointSizeF(small.pointSizeF() * 0.7);
    two->setFont(small);
    unit->move(0, 3);
    box->setFixedSize(90, unit->sizeHint().height() + 3);
    return box;
}
}  // namespace

CurveWindow::CurveWindow(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm29");
    setWindowTitle(f.text("TForm29"));
    setModal(true);
    objectDialog_ = new CurveObjectDialog(prompts, this);

    nameEdit_ = f.edit("Edit1");
    nameEdit_->setFont(CurveGraphFont());
    startTimeEdit_ = f.edit("Edit2");
    endTimeEdit_ = f.edit("Edit3");
    hStartEdit_ = f.edit("Edit4");
    hStepEdit_ = f.edit("Edit5");
    vStartEdit_ = f.edit("Edit6");
    vStepEdit_ = f.edit("Edit7");
    for (QLineEdit* e : {startTimeEdit_, endTimeEdit_, hStartEdit_, hStepEdit_, vStartEdit_, vStepEdit_})
        e->setFixedWidth(80);
    auto list = [&](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        for (const CurveQuantityInfo& q : kCurveQuantities) c->addItem(q.item);
        return c;
    };
    hList_ = list("ComboBox1");
    vList_ = list("ComboBox2");
    hUnit_ = f.label("Label14");
    hGridUnit_ = f.label("Label15");
    vUnit_ = f.label("Label16");
    vGridUnit_ = f.label("Label17");
    vTwo_ = f.label("Label18");
    vGridTwo_ = f.label("Label19");
    hTwo_ = f.label("Label20");
    hGridTwo_ = f.label("Label21");
    objectButton_ = f.button("BitBtn1");
    drawButton_ = f.button("BitBtn3");
    saveGraphButton_ = f.button("BitBtn4");
    closeButton_ = f.button("BitBtn5");
    saveDataButton_ = f.button("SaveData");
    copyDataButton_ = f.button("CopyData");
    for (QPushButton* b : {objectButton_, drawButton_, saveGraphButton_, closeButton_, saveDataButton_,
                           copyDataButton_})
        b->setAutoDefault(false);
    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setFixedSize(kCurveGraphSide, kCurveGraphSide);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &CurveWindow::tick);

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

    auto* g = new QGridLayout;
    g->addWidget(f.label("Label1"), 0, 0);
    g->addWidget(nameEdit_, 0, 1, 1, 3);
    g->addWidget(f.label("Label2"), 1, 0);
    g->addWidget(startTimeEdit_, 1, 1);
    g->addWidget(f.label("Label4"), 1, 2);
    g->addWidget(f.label("Label3"), 2, 0);
    g->addWidget(endTimeEdit_, 2, 1);
    g->addWidget(f.label("Label5"), 2, 2);
    g->addWidget(f.label("Label6"), 3, 0, 1, 3);
    g->addWidget(hList_, 4, 0, 1, 3);
    g->addWidget(f.label("Label7"), 5, 0, Qt::AlignRight);
    g->addWidget(hStartEdit_, 5, 1);
    g->addWidget(UnitBox(this, hUnit_, hTwo_), 5, 2);
    g->addWidget(f.label("Label8"), 6, 0, Qt::AlignRight);
    g->addWidget(hStepEdit_, 6, 1);
    g->addWidget(UnitBox(this, hGridUnit_, hGridTwo_), 6, 2);
    g->addWidget(f.label("Label9"), 7, 0, 1, 3);
    g->addWidget(vList_, 8, 0, 1, 3);
    g->addWidget(f.label("Label10"), 9, 0, Qt::AlignRight);
    g->addWidget(vStartEdit_, 9, 1);
    g->addWidget(UnitBox(this, vUnit_, vTwo_), 9, 2);
    g->addWidget(f.label("Label11"), 10, 0, Qt::AlignRight);
    g->addWidget(vStepEdit_, 10, 1);
    g->addWidget(UnitBox(this, vGridUnit_, vGridTwo_), 10, 2);
    g->setRowStretch(11, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {objectButton_, drawButton_, saveGraphButton_, saveDataButton_, copyDataButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(image1_);
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
    timer1_->start();
    drawButton_->setText(kDrawOpening);
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
    ticks_ = 0;
    redrawFrame();
    loading_ = false;
}

void CurveWindow::showUnits() {
    if (!scene_) return;
    auto set = [](int quantity, QLabel* unit, QLabel* gridUnit, QLabel* two, QLabel* gridTwo) {
        const CurveQuantityInfo& q = kCurveQuantities[quantity < kQuantityCount ? quantity : 0];
        unit->setText(q.unit);
        gridUnit->setText(q.unitPerGrid);
        unit->adjustSize();
        gridUnit->adjustSize();
        // The raised "2" over the blank after "m/s".
        const int at = unit->fontMetrics().horizontalAdvance("(m/s");
        two->move(at, 0);
        gridTwo->move(at, 0);
        two->adjustSize();
        gridTwo->adjustSize();
        two->setVisible(q.squaredUnit);
        gridTwo->setVisible(q.squaredUnit);
    };
    set(scene_->curve.horizontalVariable, hUnit_, hGridUnit_, hTwo_, hGridTwo_);
    set(scene_->curve.verticalVariable, vUnit_, vGridUnit_, vTwo_, vGridTwo_);
}

void CurveWindow::redrawFrame() {
    if (!scene_) return;
    DrawGraphFrame(graph_, scene_->curve, nameEdit_->font());
    showGraph();
}

void CurveWindow::showGraph() { image1_->setPixmap(QPixmap::fromImage(graph_)); }

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
    } else {
        WarnAt(prompts_, edit, text + kNotRealNember);
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
                                                      copyDataButton_})
        w->setEnabled(editable);
}

void CurveWindow::objectSet() {
    if (scene_) objectDialog_->edit(*scene_);
}

bool CurveWindow::readAndCheck() {
    CurveSettings& c = scene_->curve;
    const auto start = ReadRealOrWarn(prompts_, startTimeEdit_, kNotRealNember);
    if (!start) return false;
    const auto end = ReadRealOrWarn(prompts_, endTimeEdit_, kNotRealNember);
    if (!end) return false;
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
        WarnAt(prompts_, focus, check.message, kWarningCaption, Prompts::Ok);
        return false;
    }
    if (!AnyCurveObject(*scene_)) {
        prompts_.message(kCurveNoObject, kWarningCaption, Prompts::Ok | Prompts::Cancel);
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
        drawButton_->setText(kStop);
        samples_.clear();
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
    drawButton_->setText(caption);
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
        DrawCurveSegment(graph_, g);
        if (samples_.size() < kSampleLimit) samples_.push_back({ticks_, g});
    }
    if (!segments.empty()) showGraph();
    if (result == kCurveEnded) endDrawing(kDraw);
}

QString CurveWindow::samplesCsv() const {
    if (!scene_) return {};
    std::string text = CurveCsvHeader(scene_->curve) + "\n";
    for (const Sample& s : samples_) text += CurveCsvRow(*scene_, s.tick, s.segment) + "\n";
    return QString::fromStdString(text);
}

void CurveWindow::saveGraph() {
    QString path = prompts_.saveFile(kGraphTitle, lastFolder_, kGraphFilter, "bmp");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".bmp";
    lastFolder_ = QFileInfo(path).absolutePath();
    const bool png = QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !graph_.save(&file, png ? "PNG" : "BMP") || !file.commit())
        prompts_.message("The picture could not be written to " + path + ".", kWarningCaption, Prompts::Ok);
}

void CurveWindow::saveData() {
    QString path = prompts_.saveFile(kDataTitle, lastFolder_, kCsvFilter, "csv");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".csv";
    lastFolder_ = QFileInfo(path).absolutePath();
    QSaveFile file(path);
    const QByteArray csv = samplesCsv().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        prompts_.message("The data could not be written to " + path + ":\n" + file.errorString(), kWarningCaption,
                         Prompts::Ok);
        return;
    }
    if (samples_.size() >= kSampleLimit)
        prompts_.message(QString("The file holds the first %1 samples of the curve.").arg(kSampleLimit),
                         kWarningCaption, Prompts::Ok);
}

void CurveWindow::copyData() {
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(samplesCsv());
}

void CurveWindow::finish() {
    // The balls stay where the computation left them until the next full redraw.
    drawing_ = false;
    drawButton_->setText(kDraw);
    setEditable(true);
    timer1_->stop();
    done(QDialog::Accepted);
}

void CurveWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    finish();
}

void CurveWindow::reject() { finish(); }

}  // namespace mb
