#include "app/scale_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/dialog_kit.h"
#include "ui/translate.h"

namespace mb {

namespace {
const char* const kNotPositive = MB_TRANSLATE_NOOP("TForm3", "The real length must be bigger than zero.");
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

constexpr FormText kTexts[] = {
    {"TForm3", MB_TRANSLATE_NOOP("TForm3", "Coordinate scale set")},
    {"Label1", MB_TRANSLATE_NOOP("TForm3", "Please make a felicitous scale .")},
    {"Label3", MB_TRANSLATE_NOOP("TForm3", "Length in the screen:")},
    {"Label4", MB_TRANSLATE_NOOP("TForm3", "Real length:")},
    {"Label2", MB_TRANSLATE_NOOP("TForm3", "(meter)")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm3", "&Ok")},
};
}  // namespace

ScaleDialog::ScaleDialog(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    const FormBuilder f(this, kTexts);
    setObjectName("TForm3");
    setWindowTitle(f.text("TForm3"));
    setModal(true);

    auto* ruler = new QLabel(this);
    ruler->setObjectName("Image1");
    ruler->setPixmap(RulerPicture());
    lengthEdit_ = f.edit("Edit1");
    QPushButton* ok = f.button("BitBtn1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ScaleDialog::okClicked);

    auto* grid = new QGridLayout;
    grid->addWidget(f.label("Label3"), 0, 0);
    grid->addWidget(ruler, 0, 1, 1, 2);
    grid->addWidget(f.label("Label4"), 1, 0);
    grid->addWidget(lengthEdit_, 1, 1);
    grid->addWidget(f.label("Label2"), 1, 2);

    auto* top = new QVBoxLayout(this);
    top->addWidget(f.label("Label1"));
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
    const auto length = ReadRealOrWarn(prompts_, lengthEdit_);
    if (!length) return;
    // Every world-to-screen mapping divides by the scale: it must be a positive
    // normal number, or positions would become infinite.
    const double scale = *length * 0.01;  // the ruler is 100 pixels long
    if (!(*length > 0.0) || !std::isnormal(scale)) {
        return WarnAt(prompts_, lengthEdit_, Tr("TForm3", kNotPositive));
    }
    metresPerPixel_ = scale;
    accept();
}

}  // namespace mb
