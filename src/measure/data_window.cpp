#include "measure/data_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "measure/run_commands.h"
#include "ui/dialog_kit.h"
#include "ui/number_text.h"
#include "ui/save_where_chosen.h"
#include "ui/translate.h"
#include "ui/unit_label.h"
#include "view/measure_pictures.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm25", MB_TRANSLATE_NOOP("TForm25", "Experiment data")},
    {"SpeedButton1", MB_TRANSLATE_NOOP("TForm25", "restart")},
    {"SpeedButton2", MB_TRANSLATE_NOOP("TForm25", "stop")},
    {"SpeedButton3", MB_TRANSLATE_NOOP("TForm25", "pause")},
    {"Label1", MB_TRANSLATE_NOOP("TForm25", "Ball:")},
    {"Label2", MB_TRANSLATE_NOOP("TForm25", "Time:")},
    {"Label3", MB_TRANSLATE_NOOP("TForm25", "t:")},
    {"Label4", MB_TRANSLATE_NOOP("TForm25", "(s)")},
    {"Label5", MB_TRANSLATE_NOOP("TForm25", "Place:")},
    {"Label6", MB_TRANSLATE_NOOP("TForm25", "X:")},
    {"Label7", MB_TRANSLATE_NOOP("TForm25", "(m)")},
    {"Label8", MB_TRANSLATE_NOOP("TForm25", "Y:")},
    {"Label9", MB_TRANSLATE_NOOP("TForm25", "(m)")},
    {"Label10", MB_TRANSLATE_NOOP("TForm25", "velocity")},
    {"Label11", MB_TRANSLATE_NOOP("TForm25", "vx:")},
    {"Label12", MB_TRANSLATE_NOOP("TForm25", "(m/s)")},
    {"Label13", MB_TRANSLATE_NOOP("TForm25", "vy:")},
    {"Label14", MB_TRANSLATE_NOOP("TForm25", "(m/s)")},
    {"Label15", MB_TRANSLATE_NOOP("TForm25", "|v|:")},
    {"Label16", MB_TRANSLATE_NOOP("TForm25", "(m/s)")},
    {"Label17", MB_TRANSLATE_NOOP("TForm25", "θ:")},
    {"Label18", MB_TRANSLATE_NOOP("TForm25", "(deg)")},
    {"Label19", MB_TRANSLATE_NOOP("TForm25", "acceleration")},
    {"Label20", MB_TRANSLATE_NOOP("TForm25", "ax:")},
    {"Label21", MB_TRANSLATE_NOOP("TForm25", "(m/s  )")},
    {"Label22", MB_TRANSLATE_NOOP("TForm25", "ay:")},
    {"Label23", MB_TRANSLATE_NOOP("TForm25", "(m/s  )")},
    {"Label24", MB_TRANSLATE_NOOP("TForm25", "|a|:")},
    {"Label25", MB_TRANSLATE_NOOP("TForm25", "(m/s  )")},
    {"Label26", MB_TRANSLATE_NOOP("TForm25", "θ:")},
    {"Label27", MB_TRANSLATE_NOOP("TForm25", "(deg)")},
    {"Label28", "2"},
    {"Label29", "2"},
    {"Label30", "2"},
    {"Record", MB_TRANSLATE_NOOP("TForm25", "Record")},
    {"EveryBall", MB_TRANSLATE_NOOP("TForm25", "Every ball")},
};
const char* const kRecordTitle = MB_TRANSLATE_NOOP("TForm25", "Record the experiment data");
const char* const kCsvFilter = MB_TRANSLATE_NOOP("TForm25", "CSV file (*.csv)");
const char* const kUnsavedRecord = MB_TRANSLATE_NOOP("TForm25", "The recorded data of this run has not been saved. Save it now?");
const char* const kRecordFull = MB_TRANSLATE_NOOP("TForm25", "The file holds the first %1 ticks of the run.");

// The pictures of the three run buttons.
enum class RunPicture { Restart, Stop, Pause };

QIcon RunIcon(RunPicture which) {
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (which) {
        case RunPicture::Restart:
            // Back to the start, then on: a bar and a play triangle.
            p.setBrush(QColor(0, 128, 0));
            p.drawRect(3, 4, 3, 12);
            p.drawPolygon(QPolygon({QPoint(8, 4), QPoint(17, 10), QPoint(8, 16)}));
            break;
        case RunPicture::Stop:
            p.setBrush(QColor(200, 0, 0));
            p.drawRect(4, 4, 12, 12);
            break;
        case RunPicture::Pause:
            p.setBrush(QColor(0, 0, 160));
            p.drawRect(4, 4, 4, 12);
            p.drawRect(12, 4, 4, 12);
            break;
    }
    return QIcon(pm);
}

QString Shown(double v) { return std::isfinite(v) ? FormatData(v) : QString(); }

}  // namespace

DataWindow::DataWindow(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm25");
    setWindowTitle(f.text("TForm25"));
    setModal(true);
    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    setPalette(navy);

    auto toolButton = [&](const char* name, RunPicture picture) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setToolTip(f.text(name));
        b->setIcon(RunIcon(picture));
        b->setAutoRaise(true);
        return b;
    };
    restartButton_ = toolButton("SpeedButton1", RunPicture::Restart);
    stopButton_ = toolButton("SpeedButton2", RunPicture::Stop);
    pauseButton_ = toolButton("SpeedButton3", RunPicture::Pause);
    connect(restartButton_, &QToolButton::clicked, this, &DataWindow::restartRun);
    connect(stopButton_, &QToolButton::clicked, this, &DataWindow::stopRun);
    connect(pauseButton_, &QToolButton::clicked, this, &DataWindow::pauseRun);
    // The run's keys of the main window work here too: F5 runs again from the
    // start, Space pauses and resumes, Esc (the dialog's own) stops.
    for (auto [button, key] : {std::pair{restartButton_, Qt::Key_F5}, std::pair{pauseButton_, Qt::Key_Space}}) {
        auto* keyAction = new QAction(this);
        keyAction->setShortcut(key);
        connect(keyAction, &QAction::triggered, button, &QToolButton::click);
        addAction(keyAction);
        button->setToolTip(button->toolTip() + " (" + QKeySequence(key).toString() + ")");
    }
    stopButton_->setToolTip(stopButton_->toolTip() + " (Esc)");
    ballList_ = new QComboBox(this);
    ballList_->setObjectName("ComboBox1");
    connect(ballList_, &QComboBox::activated, this, &DataWindow::ballChosen);
    recordButton_ = f.button("Record");
    recordButton_->setAutoDefault(false);
    recordButton_->setToolTip(Tr("TForm25", "Write the values of every tick of this run to a CSV file"));
    connect(recordButton_, &QPushButton::clicked, this, &DataWindow::saveRecord);
    everyBall_ = f.checkBox("EveryBall");
    everyBall_->setToolTip(Tr("TForm25", "Record the values of every ball, not only the one shown, from the next tick on"));

    auto valueEdit = [&](const char* name) {
        QLineEdit* e = f.edit(name);
        e->setReadOnly(true);
        e->setFixedWidth(88);
        return e;
    };
    timeEdit_ = valueEdit("Edit7");
    xEdit_ = valueEdit("Edit1");
    yEdit_ = valueEdit("Edit2");
    vxEdit_ = valueEdit("Edit3");
    vyEdit_ = valueEdit("Edit4");
    axEdit_ = valueEdit("Edit5");
    ayEdit_ = valueEdit("Edit6");
    speedEdit_ = valueEdit("Edit8");
    vAngleEdit_ = valueEdit("Edit9");
    accelEdit_ = valueEdit("Edit10");
    aAngleEdit_ = valueEdit("Edit11");

    auto picture = [&](const char* name, QImage& image) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setFixedSize(kDirectionPictureSide, kDirectionPictureSide);
        DrawDirectionPicture(image, 0, 0);
        l->setPixmap(QPixmap::fromImage(image));
        return l;
    };
    velocityPicture_ = picture("Image1", velocityImage_);
    accelerationPicture_ = picture("Image2", accelerationImage_);

    auto* tools = new QHBoxLayout;
    tools->addWidget(restartButton_);
    tools->addWidget(stopButton_);
    tools->addWidget(pauseButton_);
    tools->addSpacing(6);
    tools->addWidget(f.label("Label1"));
    tools->addWidget(ballList_, 1);

    auto* g = new QGridLayout;
    g->setVerticalSpacing(2);
    int row = 0;
    auto valueRow = [&](const char* labelName, QLineEdit* edit, QWidget* unit) {
        g->addWidget(f.label(labelName), row, 1, Qt::AlignRight);
        g->addWidget(edit, row, 2);
        g->addWidget(unit, row, 3);
        ++row;
    };
    g->addWidget(f.label("Label2"), row, 0);
    ++row;
    valueRow("Label3", timeEdit_, f.label("Label4"));
    g->addWidget(f.label("Label5"), row, 0);
    ++row;
    valueRow("Label6", xEdit_, f.label("Label7"));
    valueRow("Label8", yEdit_, f.label("Label9"));
    g->addWidget(f.label("Label10"), row, 0);
    g->addWidget(velocityPicture_, row + 1, 0, 3, 1, Qt::AlignTop);
    valueRow("Label11", vxEdit_, f.label("Label12"));
    valueRow("Label13", vyEdit_, f.label("Label14"));
    valueRow("Label15", speedEdit_, f.label("Label16"));
    valueRow("Label17", vAngleEdit_, f.label("Label18"));
    g->addWidget(f.label("Label19"), row, 0);
    g->addWidget(accelerationPicture_, row + 1, 0, 3, 1, Qt::AlignTop);
    // The accelerations' unit, with the raised "2" of a squared second.
    auto squared = [&](const char* unitName, const char* twoName) {
        return new SquaredUnitLabel(this, f.label(unitName), f.label(twoName));
    };
    valueRow("Label20", axEdit_, squared("Label21", "Label28"));
    valueRow("Label22", ayEdit_, squared("Label23", "Label29"));
    valueRow("Label24", accelEdit_, squared("Label25", "Label30"));
    valueRow("Label26", aAngleEdit_, f.label("Label27"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    top->addLayout(tools);
    top->addLayout(g);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(everyBall_);
    bottom->addStretch(1);
    bottom->addWidget(recordButton_);
    top->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(230, 386)));
}

void DataWindow::load(Scene& scene) {
    scene_ = &scene;
    record_.begin(scene);
    enableRunControls(true);
    ballList_->clear();
    const int n = scene.balls.count();
    for (int j = 0; j < n; ++j) ballList_->addItem(QString::fromStdString(scene.balls.names[static_cast<std::size_t>(j)]));
    ballList_->setCurrentIndex(scene.SelectedBall < n ? scene.SelectedBall : -1);
    for (QLineEdit* e : {timeEdit_, xEdit_, yEdit_, vxEdit_, vyEdit_, axEdit_, ayEdit_, speedEdit_, vAngleEdit_,
                         accelEdit_, aAngleEdit_})
        e->clear();
    DrawDirectionPicture(velocityImage_, 0, 0);
    DrawDirectionPicture(accelerationImage_, 0, 0);
    velocityPicture_->setPixmap(QPixmap::fromImage(velocityImage_));
    accelerationPicture_->setPixmap(QPixmap::fromImage(accelerationImage_));
}

void DataWindow::enableRunControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{restartButton_, pauseButton_, ballList_}) w->setEnabled(enabled);
}

void DataWindow::ballChosen(int index) {
    if (scene_ && index >= 0) scene_->SelectedBall = index;
}

void DataWindow::updateDataWindow(const Scene& scene, int ball) {
    if (scene_ != &scene) return;  // not the run this window follows
    const int n = scene.balls.count();
    // Only the last ball's display work leaves its values on the window; the
    // earlier ones would be overwritten within the same tick.
    if (ball != n - 1) return;
    if (scene.SelectedBall < 0 || scene.SelectedBall >= n) return;
    showValues(scene, scene.SelectedBall);
}

void DataWindow::showValues(const Scene& scene, int j) {
    const Ball& b = scene.balls[j];
    struct {
        double t, x, y, vx, vy, ax, ay, speed, accel, vAngle, aAngle;
    } r{scene.RunTime,
        b.x,
        b.y,
        b.meanVx,
        b.meanVy,
        b.meanAx,
        b.meanAy,
        ShownMagnitude(b.meanVx, b.meanVy),
        ShownMagnitude(b.meanAx, b.meanAy),
        DirectionDegrees(b.meanVx, b.meanVy),
        DirectionDegrees(b.meanAx, b.meanAy)};

    // A tick comes every millisecond: boxes and pictures that show the same as
    // before are left alone rather than repainted.
    auto put = [](QLineEdit* e, double v) {
        const QString text = Shown(v);
        if (e->text() != text) e->setText(text);
    };
    put(timeEdit_, r.t);
    put(xEdit_, r.x);
    put(yEdit_, r.y);
    put(vxEdit_, r.vx);
    put(vyEdit_, r.vy);
    put(axEdit_, r.ax);
    put(ayEdit_, r.ay);
    put(speedEdit_, r.speed);
    put(accelEdit_, r.accel);
    put(vAngleEdit_, r.vAngle);
    put(aAngleEdit_, r.aAngle);
    auto picture = [](QLabel* label, QImage& image, double x, double y) {
        const QImage old = image;
        DrawDirectionPicture(image, x, y);
        if (image != old) label->setPixmap(QPixmap::fromImage(image));
    };
    picture(velocityPicture_, velocityImage_, r.vx, r.vy);
    picture(accelerationPicture_, accelerationImage_, r.ax, r.ay);
}

void DataWindow::tickEnded(const Scene& scene) {
    // Taken when the tick is complete rather than at the display work, which
    // comes one sub-step before the tick's end: the row's time is then the time
    // of its positions and velocities.
    if (scene_ != &scene) return;
    record_.take(scene, scene.SelectedBall, everyBall_->isChecked());
}

bool DataWindow::saveRecord() {
    const bool saved = SaveWhereChosen(
        prompts_, lastFolder_,
        {Tr("TForm25", kRecordTitle), Tr("TForm25", kCsvFilter), "csv", [this](const QString&) { return std::optional(record_.csv()); },
         DataNotWritten});
    if (!saved) return false;
    record_.markSaved();
    if (record_.full()) prompts_.warning(Tr("TForm25", kRecordFull).arg(record_.rows().size()), Prompts::Ok);
    return true;
}

bool DataWindow::recordMayGo() {
    if (!record_.unsaved()) return true;
    switch (prompts_.message(Prompts::Severity::Question, Tr("TForm25", kUnsavedRecord), windowTitle(),
                             Prompts::Yes | Prompts::No | Prompts::Cancel)) {
        case Prompts::Yes: return saveRecord();
        case Prompts::No: return true;
        default: return false;
    }
}

void DataWindow::restartRun() {
    // A new run begins its own record; the one so far goes with the run it
    // belonged to (a restart is pressed far more often than a record is kept).
    if (!commands_ || !scene_) return;
    record_.begin(*scene_);
    commands_->restart();
}

void DataWindow::pauseRun() {
    if (commands_) commands_->pause();
}

void DataWindow::stopRun() {
    // The run ends whatever becomes of the record, so that it is final when the
    // user is asked about it. Kept, it waits here with the last values shown.
    if (scene_) {
        if (commands_) commands_->stop();
        scene_ = nullptr;
        enableRunControls(false);
    }
    if (recordMayGo()) done(1);
}

void DataWindow::closeEvent(QCloseEvent* event) {
    // The close box ends the run, as the stop button does.
    event->ignore();
    stopRun();
}

void DataWindow::reject() { stopRun(); }

}  // namespace mb
