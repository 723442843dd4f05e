#include "editor/ball_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "scene/table_ops.h"
#include "ui/number_text.h"
#include "ui/translate.h"
#include "view/ball_sprite.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm4", MB_TRANSLATE_NOOP("TForm4", "Moving object set")},
    {"Label10", MB_TRANSLATE_NOOP("TForm4", "Name:")},
    {"Label1", MB_TRANSLATE_NOOP("TForm4", "Mass M：")},
    {"Label11", MB_TRANSLATE_NOOP("TForm4", "kg")},
    {"Label2", MB_TRANSLATE_NOOP("TForm4", "Radius R：")},
    {"Label12", MB_TRANSLATE_NOOP("TForm4", "m")},
    {"Label3", MB_TRANSLATE_NOOP("TForm4", "Coulomb Q：")},
    {"Label13", MB_TRANSLATE_NOOP("TForm4", "coulomb")},
    {"GroupBox1", MB_TRANSLATE_NOOP("TForm4", "Initial place:")},
    {"Label4", MB_TRANSLATE_NOOP("TForm4", "X：")},
    {"Label14", MB_TRANSLATE_NOOP("TForm4", "m")},
    {"Label5", MB_TRANSLATE_NOOP("TForm4", "Y：")},
    {"Label15", MB_TRANSLATE_NOOP("TForm4", "m")},
    {"GroupBox2", MB_TRANSLATE_NOOP("TForm4", "Initial velocity:")},
    {"Label6", MB_TRANSLATE_NOOP("TForm4", "Vx：")},
    {"Label16", MB_TRANSLATE_NOOP("TForm4", "m/s")},
    {"Label7", MB_TRANSLATE_NOOP("TForm4", "Vy：")},
    {"Label17", MB_TRANSLATE_NOOP("TForm4", "m/s")},
    {"GroupBox3", MB_TRANSLATE_NOOP("TForm4", "Another force:")},
    {"Label8", MB_TRANSLATE_NOOP("TForm4", "Fx：")},
    {"Label18", MB_TRANSLATE_NOOP("TForm4", "newton")},
    {"Label9", MB_TRANSLATE_NOOP("TForm4", "Fy：")},
    {"Label19", MB_TRANSLATE_NOOP("TForm4", "newton")},
    {"Label20", MB_TRANSLATE_NOOP("TForm4", "Red")},
    {"Label21", MB_TRANSLATE_NOOP("TForm4", "Green")},
    {"Label22", MB_TRANSLATE_NOOP("TForm4", "Blue")},
    {"CheckBox1", MB_TRANSLATE_NOOP("TForm4", "Show moving track")},
    {"Label23", MB_TRANSLATE_NOOP("TForm4", "Show:")},
    {"BitBtn1", MB_TRANSLATE_NOOP("TForm4", "&Delete")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm4", "&Ok")},
    {"BitBtn3", MB_TRANSLATE_NOOP("TForm4", "&Cancel")},
};

const char* const kRadiusNotNumber = MB_TRANSLATE_NOOP("TForm4", "This is a wrong data! The ball's radius can not smaller than zero.");
const char* const kMassNotPositive = MB_TRANSLATE_NOOP("TForm4", "The mass of a moving object must be greater than zero.");
const char* const kHeld = MB_TRANSLATE_NOOP("TForm4", "First,you must delete spring,cord and pole which linked with the ball.");

QScrollBar* ColourBar(QWidget* parent, const char* name) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(0, 255);
    bar->setMinimumWidth(160);
    return bar;
}
}  // namespace

BallDialog::BallDialog(Prompts& prompts, QWidget* parent)
    : PropertyDialog(ElementKind::Ball, kTexts, prompts, parent), template_(BallPreviewTemplate()) {
    const FormBuilder& f = form();
    setObjectName("TForm4");
    setWindowTitle(f.text("TForm4"));

    auto* top = new QGridLayout;
    QLineEdit* nameEdit = f.editRow(top, 0, "Label10", "Edit10");
    massEdit_ = f.editRow(top, 1, "Label1", "Edit1", "Label11");
    radiusEdit_ = f.editRow(top, 2, "Label2", "Edit2", "Label12");
    chargeEdit_ = f.editRow(top, 3, "Label3", "Edit3", "Label13");

    auto pairBox = [&](const char* box, const char* l1, const char* e1, const char* u1, const char* l2, const char* e2,
                       const char* u2, QLineEdit*& first, QLineEdit*& second) {
        auto* group = new QGroupBox(f.text(box), this);
        group->setObjectName(box);
        auto* grid = new QGridLayout(group);
        first = f.editRow(grid, 0, l1, e1, u1);
        second = f.editRow(grid, 1, l2, e2, u2);
        return group;
    };
    QGroupBox* place =
        pairBox("GroupBox1", "Label4", "Edit4", "Label14", "Label5", "Edit5", "Label15", x0Edit_, y0Edit_);
    QGroupBox* velocity =
        pairBox("GroupBox2", "Label6", "Edit6", "Label16", "Label7", "Edit7", "Label17", vx0Edit_, vy0Edit_);
    QGroupBox* force =
        pairBox("GroupBox3", "Label8", "Edit8", "Label18", "Label9", "Edit9", "Label19", forceXEdit_, forceYEdit_);

    red_ = ColourBar(this, "ScrollBar1");
    green_ = ColourBar(this, "ScrollBar2");
    blue_ = ColourBar(this, "ScrollBar3");
    auto* colours = new QGridLayout;
    colours->addWidget(f.label("Label20"), 0, 0);
    colours->addWidget(red_, 0, 1);
    colours->addWidget(f.label("Label21"), 1, 0);
    colours->addWidget(green_, 1, 1);
    colours->addWidget(f.label("Label22"), 2, 0);
    colours->addWidget(blue_, 2, 1);
    track_ = f.checkBox("CheckBox1");
    colours->addWidget(track_, 3, 0, 1, 2);

    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName("Image1");
    previewLabel_->setFixedSize(kPreviewWidth, kPreviewHeight);
    auto* show = new QVBoxLayout;
    show->addWidget(f.label("Label23"));
    show->addWidget(previewLabel_);
    show->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(place);
    left->addWidget(velocity);
    left->addWidget(force);
    auto* right = new QVBoxLayout;
    right->addLayout(show);
    right->addLayout(colours);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right);

    QPushButton* del = f.button("BitBtn1");
    QPushButton* ok = f.button("BitBtn2");
    QPushButton* cancel = f.button("BitBtn3");
    auto* buttons = f.buttonRow({ok, cancel, del});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    setNameEdit(nameEdit);
    connectButtons(ok, cancel, del);
    connect(radiusEdit_, &QLineEdit::textChanged, this, &BallDialog::radiusChanged);
    for (QScrollBar* bar : {red_, green_, blue_})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (!loading_) drawPreview();
        });
    preview_ = template_;
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

double BallDialog::scale() const {
    return const_cast<BallDialog*>(this)->scene().view.MetresPerPixel;
}

void BallDialog::resetPreview() {
    preview_ = template_;
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

void BallDialog::drawPreview() {
    DrawShadedBall(preview_, radius_, scale(), red_->value(), green_->value(), blue_->value());
    previewRadius_ = PreviewRadius(radius_, scale());
    previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

bool BallDialog::checkRadius() {
    // A refused radius shows no ball rather than the last one accepted.
    resetPreview();
    const auto r = ParseReal(radiusEdit_->text());
    if (!r) {
        WarnAt(prompts(), radiusEdit_, Tr("TForm4", kRadiusNotNumber));
        return false;
    }
    radius_ = *r;
    const ViewScale& view = scene().view;
    if (view.ballTooLarge(radius_)) {
        WarnAt(prompts(), radiusEdit_, Tr("TForm4", kBallRadiusTooLargeText) + FormatReal(view.largestBallRadius()) + Tr("TForm4", "meter"));
        radius_ = 0;
        radiusEdit_->setText("0");  // the text's change runs this check once more
        return false;
    }
    if (radius_ < 0) {
        WarnAt(prompts(), radiusEdit_, Tr("TForm4", kBallRadiusNegativeText));
        return false;
    }
    return true;
}

void BallDialog::radiusChanged() {
    // "-" or "1e" on the way to "-2" or "1e-3" is left alone until Ok reads it.
    if (IsRealBeingTyped(radiusEdit_->text())) return;
    if (checkRadius()) drawPreview();
}

void BallDialog::load(const Scene& scene, int index, bool isNew) {
    const Ball& b = scene.balls[index];
    radius_ = b.R;
    massEdit_->setText(FormatReal(b.M0));
    radiusEdit_->setText(FormatReal(b.R));  // a changed text runs the live radius check
    radius_ = ParseReal(radiusEdit_->text()).value_or(0);
    QLineEdit* const shown[] = {chargeEdit_, x0Edit_, y0Edit_, vx0Edit_, vy0Edit_, forceXEdit_, forceYEdit_};
    const double values[] = {b.Q, b.x0, b.y0, b.vx0, b.vy0, b.extraFx, b.extraFy};
    for (int i = 0; i < 7; ++i) ShowReal(shown[i], values[i]);
    loading_ = true;
    if (isNew) {
        red_->setValue(100);
        green_->setValue(255);
        blue_->setValue(100);
        track_->setChecked(true);
    } else {
        red_->setValue(b.red);
        green_->setValue(b.green);
        blue_->setValue(b.blue);
        track_->setChecked(b.trackFlag == 1);
    }
    loading_ = false;
    resetPreview();
    drawPreview();
    massEdit_->setFocus();
}

bool BallDialog::store(Scene& scene, int index) {
    if (!checkRadius()) return false;
    drawPreview();
    double v[8];  // mass, Q, x0, y0, vx0, vy0, Fx, Fy in the order they are read
    QLineEdit* const order[8] = {massEdit_, chargeEdit_, x0Edit_,     y0Edit_,
                                 vx0Edit_,  vy0Edit_,    forceXEdit_, forceYEdit_};
    for (int i = 0; i < 8; ++i) {
        const auto r = ReadRealOrWarn(prompts(), order[i]);
        if (!r) return false;
        v[i] = *r;
    }
    if (!(v[0] > 0)) {
        WarnAt(prompts(), massEdit_, Tr("TForm4", kMassNotPositive));
        return false;
    }
    // A file holding a ball beyond every pixel could not be opened again.
    if (!scene.view.holdsBallAt(v[2], v[3])) {
        WarnAt(prompts(), scene.view.holdsBallAt(v[2], 0) ? y0Edit_ : x0Edit_, Tr("TForm4", kBallTooFarText));
        return false;
    }
    Ball& b = scene.balls[index];
    b.red = red_->value();
    b.green = green_->value();
    b.blue = blue_->value();
    b.trackFlag = track_->isChecked() ? 1 : 0;
    b.M0 = v[0];
    b.R = radius_;
    b.Q = v[1];
    b.x0 = v[2];
    b.y0 = v[3];
    b.vx0 = v[4];
    b.vy0 = v[5];
    b.extraFx = v[6];
    b.extraFy = v[7];
    // Colour, screen place, pixel radius and the sprite the surface stamps.
    DeriveBall(b, scene.view);
    return true;
}

QString BallDialog::deleteQuestion() const {
    return Tr("TForm4", "Do you want to delete this moving object?");
}
QString BallDialog::deleteCaption() const {
    return Tr("TForm4", "Hint");
}

bool BallDialog::mayDelete(const Scene& scene, int index) {
    if (!BallHeldByConnector(scene, index)) return true;
    prompts().warning(Tr("TForm4", kHeld), Prompts::Ok);
    return false;
}

}  // namespace mb
