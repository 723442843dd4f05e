#include "app/scale_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/number_text.h"
#include "view/prompts.h"

namespace mb {

namespace {
const char* const kCaption = "Coordinate scale set";
const char* const kNotReal = "  is not a real number!";
const char* const kNotPositive = "The real length must be bigger than zero.";
const char* const kWarning = "warning";
constexpr int kRulerPixels = 100;

// A ruler exactly kRulerPixels long with a tick every 10 pixels, so the user
// sees the length the typed value stands for.
QPixmap RulerPicture() {
    QPixmap pm(kRulerPixels + 9, 22);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(Qt::black);
    const int x0 = 4, y = 16;
    p.drawLine(x0, y, x0 + kRulerPixels, y);
    for (int i = 0; i <= 10; ++i) {
        const int h = (i % 5 == 0) ? 10 : 5;
        p.drawLine(x0 + 10 * i, y, x0 + 10 * i, y - h);
    }
    return pm;
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
}  // namespace

ScaleDialog::ScaleDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName("TForm3");
    setWindowTitle(kCaption);
    setModal(true);

    auto* ruler = new QLabel(this);
    ruler->setObjectName("Image1");
    ruler->setPixmap(RulerPicture());
    lengthEdit_ = new QLineEdit(this);
    lengthEdit_->setObjectName("Edit1");
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ScaleDialog::okClicked);

    auto* grid = new QGridLayout;
    grid->addWidget(NamedLabel("Label3", "Length in the screen:", this), 0, 0);
    grid->addWidget(ruler, 0, 1, 1, 2);
    grid->addWidget(NamedLabel("Label4", "Real length:", this), 1, 0);
    grid->addWidget(lengthEdit_, 1, 1);
    grid->addWidget(NamedLabel("Label2", "(meter)", this), 1, 2);

    auto* top = new QVBoxLayout(this);
    top->addWidget(NamedLabel("Label1", "Please make a felicitous scale .", this));
    top->addLayout(grid);
    top->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
    load();
}

void ScaleDialog::load() {
    lengthEdit_->setText("10");
    lengthEdit_->setFocus();
}

void ScaleDialog::okClicked() {
    const auto length = ParseReal(lengthEdit_->text());
    if (!length) {
        prompts_.message(lengthEdit_->text() + kNotReal, kWarning, Prompts::Ok | Prompts::Cancel);
        lengthEdit_->setFocus();
        return;
    }
    // Every world-to-screen mapping divides by the scale: it must be a positive
    // normal number, or positions would become infinite.
    const double scale = *length * 0.01;  // the ruler is 100 pixels long
    if (!(*length > 0.0) || !std::isnormal(scale)) {
        prompts_.message(kNotPositive, kWarning, Prompts::Ok | Prompts::Cancel);
        lengthEdit_->setFocus();
        return;
    }
    metresPerPixel_ = scale;
    accept();
}

}  // namespace mb
