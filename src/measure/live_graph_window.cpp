#include "measure/live_graph_window.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgGenerator>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "ui/number_text.h"
#include "ui/save_where_chosen.h"
#include "ui/translate.h"

namespace mb {

namespace {

const char* const kTitle = MB_TRANSLATE_NOOP("LiveGraph", "Live graph");
const char* const kTimeAxis = "t (s)";
const char* const kPictureTitle = MB_TRANSLATE_NOOP("LiveGraph", "Save the live graph");
const char* const kPictureFilter = MB_TRANSLATE_NOOP("LiveGraph", "PNG picture (*.png);;SVG picture (*.svg)");
const char* const kDataTitle = MB_TRANSLATE_NOOP("LiveGraph", "Save the live graph's data");
const char* const kCsvFilter = MB_TRANSLATE_NOOP("LiveGraph", "CSV file (*.csv)");

// Distinct colours for up to twelve curves, then again.
const QColor kColours[] = {QColor(31, 119, 180), QColor(214, 39, 40),  QColor(44, 160, 44),  QColor(255, 127, 14),
                           QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127),
                           QColor(188, 189, 34),  QColor(23, 190, 207), QColor(0, 0, 0),      QColor(120, 120, 255)};

// A chart view that reports where the pointer is, in the chart's values.
class PointerChartView : public QChartView {
public:
    PointerChartView(QChart* chart, std::function<void(QPointF)> moved, QWidget* parent)
        : QChartView(chart, parent), moved_(std::move(moved)) {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        moved_(event->position());
        QChartView::mouseMoveEvent(event);
    }

private:
    std::function<void(QPointF)> moved_;
};

QString Shown(double v) { return QString::asprintf("%.5g", v); }

// The range an axis shows for data from `data.first` to `data.second`: the one
// shown while it holds the data and they fill at least half of it; else the
// data with `below` and `above` of their span to spare. The axes change now and
// then as a run goes on rather than at every frame.
std::pair<double, double> FollowRange(std::pair<double, double> shown, std::pair<double, double> data, double below,
                                      double above) {
    const auto [lo, hi] = data;
    const double span = hi - lo;
    if (shown.first <= lo && hi <= shown.second && span >= 0.5 * (shown.second - shown.first)) return shown;
    return {lo - below * span, hi + above * span};
}

}  // namespace

EnergyBars::EnergyBars(QWidget* parent) : QWidget(parent) {
    setObjectName("EnergyBars");
    setMinimumSize(200, 120);
}

void EnergyBars::show(const EnergyBook& book, double t) {
    book_ = book;
    t_ = t;
}

void EnergyBars::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const struct {
        const char* name;
        double value;
        QColor colour;
    } bars[] = {{MB_TRANSLATE_NOOP("LiveGraph", "kinetic"), book_.kinetic, QColor(214, 39, 40)},
                {MB_TRANSLATE_NOOP("LiveGraph", "potential"), book_.potential, QColor(31, 119, 180)},
                {MB_TRANSLATE_NOOP("LiveGraph", "work"), book_.work, QColor(44, 160, 44)},
                {MB_TRANSLATE_NOOP("LiveGraph", "total"), book_.total, QColor(60, 60, 60)}};
    double scale = 0;
    for (const auto& b : bars)
        if (std::isfinite(b.value)) scale = std::max(scale, std::fabs(b.value));
    const int labelWidth = 64, rowHeight = height() / 5;
    // Bars grow right from the middle for positive energy, left for negative.
    const int zero = labelWidth + (width() - labelWidth) / 2, half = (width() - labelWidth) / 2 - 4;
    p.setPen(palette().text().color());
    p.drawText(QRect(2, 0, width() - 4, rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
               Tr("LiveGraph", "energy at t = %1 s").arg(Shown(t_)));
    for (int i = 0; i < 4; ++i) {
        const int top = (i + 1) * rowHeight;
        p.drawText(QRect(2, top, labelWidth - 4, rowHeight), Qt::AlignVCenter | Qt::AlignLeft, Tr("LiveGraph", bars[i].name));
        const double v = bars[i].value;
        if (std::isfinite(v) && scale > 0) {
            const int length = static_cast<int>(std::lround(v / scale * half));
            const QRect bar = length >= 0 ? QRect(zero, top + 3, length, rowHeight - 6)
                                          : QRect(zero + length, top + 3, -length, rowHeight - 6);
            p.fillRect(bar, bars[i].colour);
        }
        p.drawText(QRect(zero + 4, top, half, rowHeight), Qt::AlignVCenter | Qt::AlignLeft, Shown(v) + " J");
    }
    p.drawLine(zero, rowHeight, zero, height());
}

LiveGraphWindow::LiveGraphWindow(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName("LiveGraph");
    setWindowTitle(Tr("LiveGraph", kTitle));
    setModal(false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);

    list_ = new QListWidget(this);
    list_->setObjectName("SeriesList");
    connect(list_, &QListWidget::itemChanged, this, [this] { seriesTicked(); });
    horizontal_ = new QComboBox(this);
    horizontal_->setObjectName("HorizontalAxis");
    connect(horizontal_, &QComboBox::activated, this, [this] { rebuildCurves(); });
    fixedRange_ = new QCheckBox(Tr("LiveGraph", "Fixed range"), this);
    fixedRange_->setObjectName("FixedRange");
    auto rangeEdit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setFixedWidth(70);
        connect(e, &QLineEdit::editingFinished, this, [this] { dirty_ = true; });
        return e;
    };
    xMin_ = rangeEdit("XMin");
    xMax_ = rangeEdit("XMax");
    yMin_ = rangeEdit("YMin");
    yMax_ = rangeEdit("YMax");
    connect(fixedRange_, &QCheckBox::toggled, this, [this](bool fixed) {
        if (fixed) {
            // The range as it stands is where the fixed one starts.
            xMin_->setText(FormatReal(xAxis_->min()));
            xMax_->setText(FormatReal(xAxis_->max()));
            yMin_->setText(FormatReal(yAxis_->min()));
            yMax_->setText(FormatReal(yAxis_->max()));
        }
        dirty_ = true;
    });
    savePictureButton_ = new QPushButton(Tr("LiveGraph", "Save picture..."), this);
    savePictureButton_->setObjectName("SavePicture");
    saveDataButton_ = new QPushButton(Tr("LiveGraph", "Save data..."), this);
    saveDataButton_->setObjectName("SaveData");
    copyButton_ = new QPushButton(Tr("LiveGraph", "Copy"), this);
    copyButton_->setObjectName("CopyData");
    for (QPushButton* b : {savePictureButton_, saveDataButton_, copyButton_}) b->setAutoDefault(false);
    connect(savePictureButton_, &QPushButton::clicked, this, &LiveGraphWindow::savePicture);
    connect(saveDataButton_, &QPushButton::clicked, this, &LiveGraphWindow::saveData);
    connect(copyButton_, &QPushButton::clicked, this, &LiveGraphWindow::copyData);
    pointer_ = new QLabel(this);
    pointer_->setObjectName("PointerValue");
    bars_ = new EnergyBars(this);

    chart_ = new QChart;
    // At the right, one entry a line: below the chart six labels that begin with
    // the same ball's name were cut down to that name's first letters.
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->legend()->setShowToolTips(true);
    xAxis_ = new QValueAxis(chart_);
    yAxis_ = new QValueAxis(chart_);
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);
    view_ = new PointerChartView(chart_, [this](QPointF p) { pointerAt(p); }, this);
    view_->setObjectName("Chart");
    view_->setMinimumSize(640, 360);

    auto* side = new QVBoxLayout;
    side->addWidget(list_, 1);
    side->addWidget(new QLabel(Tr("LiveGraph", "Horizontal axis:"), this));
    side->addWidget(horizontal_);
    side->addWidget(fixedRange_);
    auto* range = new QGridLayout;
    range->addWidget(new QLabel(Tr("LiveGraph", "x from"), this), 0, 0);
    range->addWidget(xMin_, 0, 1);
    range->addWidget(new QLabel(Tr("LiveGraph", "to"), this), 0, 2);
    range->addWidget(xMax_, 0, 3);
    range->addWidget(new QLabel(Tr("LiveGraph", "y from"), this), 1, 0);
    range->addWidget(yMin_, 1, 1);
    range->addWidget(new QLabel(Tr("LiveGraph", "to"), this), 1, 2);
    range->addWidget(yMax_, 1, 3);
    side->addLayout(range);
    side->addWidget(bars_);
    for (QPushButton* b : {savePictureButton_, saveDataButton_, copyButton_}) side->addWidget(b);
    auto* main = new QVBoxLayout;
    main->addWidget(view_, 1);
    main->addWidget(pointer_);
    auto* top = new QHBoxLayout(this);
    top->addLayout(side);
    top->addLayout(main, 1);

    // The picture follows the screen's frame rate, not the ticks.
    frameTimer_ = new QTimer(this);
    frameTimer_->setObjectName("FrameTimer");
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    frameTimer_->setInterval(std::max(1, static_cast<int>(1000.0 / rate)));
    connect(frameTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) refresh();
    });
    frameTimer_->start();
}

void LiveGraphWindow::load(const Scene& scene) {
    offered_ = OfferedSeries(scene);
    record_.dropMissing(scene);
    if (record_.series().empty()) record_.choose(DefaultSeries(scene));
    filling_ = true;
    list_->clear();
    for (const LiveSeriesKey& k : offered_) {
        auto* item = new QListWidgetItem(LabelOf(k), list_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        const auto& chosen = record_.series();
        item->setCheckState(std::find(chosen.begin(), chosen.end(), k) != chosen.end() ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    rebuildCurves();
}

void LiveGraphWindow::choose(const std::vector<LiveSeriesKey>& series) {
    record_.choose(series);
    filling_ = true;
    for (int i = 0; i < list_->count() && i < static_cast<int>(offered_.size()); ++i) {
        const bool on = std::find(series.begin(), series.end(), offered_[static_cast<std::size_t>(i)]) != series.end();
        list_->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    rebuildCurves();
}

void LiveGraphWindow::seriesTicked() {
    if (filling_) return;
    std::vector<LiveSeriesKey> chosen;
    for (int i = 0; i < list_->count() && i < static_cast<int>(offered_.size()); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) chosen.push_back(offered_[static_cast<std::size_t>(i)]);
    record_.choose(chosen);
    rebuildCurves();
}

void LiveGraphWindow::beginRun(const Scene& scene) {
    load(scene);
    record_.begin(scene);
    bars_->show(MeasureEnergy(scene), scene.RunTime);
    dirty_ = true;
    refresh();
}

void LiveGraphWindow::tickEnded(const Scene& scene) {
    // Nothing is kept before the window was first loaded.
    if (record_.series().empty() && !isVisible()) return;
    const EnergyBook book = record_.take(scene, isVisible());
    if (isVisible()) bars_->show(book, scene.RunTime);
    dirty_ = true;
}

std::vector<QLineSeries*> LiveGraphWindow::drawnSeries() const {
    std::vector<QLineSeries*> all;
    for (const auto& pieces : curves_) all.insert(all.end(), pieces.begin(), pieces.end());
    return all;
}

QString LiveGraphWindow::axisTitle(bool horizontalAxis) const {
    const auto& series = record_.series();
    const int h = horizontal_->currentIndex() - 1;  // -1: time
    if (horizontalAxis) return h >= 0 && h < static_cast<int>(series.size()) ? LabelOf(series[h]) : kTimeAxis;
    // The vertical axis names the unit its curves share.
    QString unit;
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (static_cast<int>(i) == h) continue;
        const QString u = InfoOf(series[i].quantity).unit;
        if (unit.isEmpty()) unit = u;
        else if (unit != u) return Tr("LiveGraph", "value");
    }
    return unit.isEmpty() ? QString() : "(" + unit + ")";
}

void LiveGraphWindow::rebuildCurves() {
    const auto& series = record_.series();
    // The horizontal choice: time, or one of the chosen series.
    const QString was = horizontal_->currentText();
    horizontal_->clear();
    horizontal_->addItem(kTimeAxis);
    for (const LiveSeriesKey& k : series) horizontal_->addItem(LabelOf(k));
    horizontal_->setCurrentIndex(std::max(0, horizontal_->findText(was)));
    for (auto& pieces : curves_)
        for (QLineSeries* s : pieces) {
            chart_->removeSeries(s);
            delete s;
        }
    curves_.assign(series.size(), {});
    dirty_ = true;
    refresh();
}

void LiveGraphWindow::refresh() {
    if (!dirty_) return;
    dirty_ = false;
    bars_->update();
    const auto& series = record_.series();
    const int h = horizontal_->currentIndex() - 1;
    const std::vector<double>& xs =
        h >= 0 && h < static_cast<int>(series.size()) ? record_.values(static_cast<std::size_t>(h)) : record_.times();
    for (std::size_t i = 0; i < series.size(); ++i) {
        auto& pieces = curves_[i];
        if (static_cast<int>(i) == h) continue;  // a quantity against itself says nothing
        const auto drawn = DrawnPieces(xs, record_.values(i), drawnPoints());
        const QColor colour = kColours[i % std::size(kColours)];
        while (pieces.size() < std::max<std::size_t>(drawn.size(), 1)) {
            auto* s = new QLineSeries;
            s->setName(LabelOf(series[i]));
            s->setColor(colour);
            chart_->addSeries(s);
            s->attachAxis(xAxis_);
            s->attachAxis(yAxis_);
            // One legend entry per quantity, however many gaps split its curve.
            if (!pieces.empty())
                for (QLegendMarker* m : chart_->legend()->markers(s)) m->setVisible(false);
            pieces.push_back(s);
        }
        for (std::size_t k = 0; k < pieces.size(); ++k)
            pieces[k]->replace(k < drawn.size() ? QList<QPointF>(drawn[k].begin(), drawn[k].end()) : QList<QPointF>{});
    }
    fitAxes();
}

std::size_t LiveGraphWindow::drawnPoints() const {
    const auto columns = static_cast<std::size_t>(std::max(0.0, chart_->plotArea().width()));
    return std::clamp<std::size_t>(columns, 200, kDrawnPoints);
}

void LiveGraphWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    dirty_ = true;
    refresh();
}

void LiveGraphWindow::fitAxes() {
    // A title or a range set lays the axis out again and recomputes every curve:
    // only what changed is set.
    for (auto [axis, horizontal] : {std::pair{xAxis_, true}, std::pair{yAxis_, false}})
        if (const QString title = axisTitle(horizontal); axis->titleText() != title) axis->setTitleText(title);
    auto setRange = [](QValueAxis* axis, double lo, double hi) {
        if (axis->min() != lo || axis->max() != hi) axis->setRange(lo, hi);
    };
    if (fixedRange_->isChecked()) {
        const auto x0 = ParseReal(xMin_->text()), x1 = ParseReal(xMax_->text());
        const auto y0 = ParseReal(yMin_->text()), y1 = ParseReal(yMax_->text());
        if (x0 && x1 && *x0 < *x1) setRange(xAxis_, *x0, *x1);
        if (y0 && y1 && *y0 < *y1) setRange(yAxis_, *y0, *y1);
        return;
    }
    constexpr double inf = std::numeric_limits<double>::infinity();
    double xLo = inf, xHi = -inf, yLo = inf, yHi = -inf;
    for (QLineSeries* s : drawnSeries())
        for (const QPointF& p : s->points()) {
            xLo = std::min(xLo, p.x()), xHi = std::max(xHi, p.x());
            yLo = std::min(yLo, p.y()), yHi = std::max(yHi, p.y());
        }
    // An axis with one value or none still gets a range around it.
    auto widen = [](double& lo, double& hi) {
        if (!(lo <= hi)) lo = 0, hi = 1;
        if (lo == hi) {
            const double d = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
            lo -= d, hi += d;
        }
    };
    widen(xLo, xHi);
    widen(yLo, yHi);
    // Time runs on to the right: its axis leaves room ahead; values may go either way.
    const auto [x0, x1] = FollowRange({xAxis_->min(), xAxis_->max()}, {xLo, xHi}, 0.0, 0.25);
    const auto [y0, y1] = FollowRange({yAxis_->min(), yAxis_->max()}, {yLo, yHi}, 0.1, 0.1);
    setRange(xAxis_, x0, x1);
    setRange(yAxis_, y0, y1);
}

void LiveGraphWindow::pointerAt(QPointF viewPoint) {
    const QPointF value = chart_->mapToValue(view_->mapToScene(viewPoint.toPoint()));
    if (!chart_->plotArea().contains(view_->mapToScene(viewPoint.toPoint()))) {
        pointer_->clear();
        return;
    }
    pointer_->setText(QString("%1 = %2, %3 = %4").arg(axisTitle(true), Shown(value.x()), axisTitle(false),
                                                       Shown(value.y())));
}

void LiveGraphWindow::savePicture() {
    SaveWhereChosen(prompts_, lastFolder_,
                    {Tr("LiveGraph", kPictureTitle), Tr("LiveGraph", kPictureFilter), "png",
                     [this](const QString& path) -> std::optional<QByteArray> {
                         refresh();
                         QByteArray bytes;
                         QBuffer buffer(&bytes);
                         if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
                         if (QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
                             QSvgGenerator svg;
                             svg.setOutputDevice(&buffer);
                             svg.setSize(view_->size());
                             svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
                             svg.setTitle(Tr("LiveGraph", kTitle));
                             QPainter p(&svg);
                             view_->render(&p);
                             p.end();
                             return bytes;
                         }
                         if (!view_->grab().toImage().save(&buffer, "PNG")) return std::nullopt;
                         return bytes;
                     },
                     [](const QString& path, const QString&) {
                         return Tr("LiveGraph", "The picture could not be written to %1.").arg(path);
                     }});
}

void LiveGraphWindow::saveData() {
    SaveWhereChosen(prompts_, lastFolder_,
                    {Tr("LiveGraph", kDataTitle), Tr("LiveGraph", kCsvFilter), "csv",
                     [this](const QString&) { return std::optional(record_.text(',').toUtf8()); }, DataNotWritten});
}

void LiveGraphWindow::copyData() {
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(record_.text('\t'));
}

}  // namespace mb
