#include "editor/remark_dialog.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/translate.h"
#include "view/glyphs.h"

namespace mb {

namespace {
constexpr FormText kTexts[] = {
    {"TForm27", MB_TRANSLATE_NOOP("TForm27", "Remark set")},
    {"Label1", MB_TRANSLATE_NOOP("TForm27", "Remark text:")},
    {"BitBtn4", MB_TRANSLATE_NOOP("TForm27", "&Font")},
    {"BitBtn6", MB_TRANSLATE_NOOP("TForm27", "&Colour")},
    {"BitBtn2", MB_TRANSLATE_NOOP("TForm27", "&Delete")},
    {"BitBtn5", MB_TRANSLATE_NOOP("TForm27", "&Ok")},
};

// The remark's font fields from a chosen font. The colour is not a font property
// here and has its own button; the character set stays as the record has it.
void StoreFont(Remark& r, const QFont& f) {
    r.fontName = f.family().toStdString();
    if (f.pointSize() > 0) r.fontSize = f.pointSize();
    // Height in pixels at 96 pixels per inch, as the size decides it.
    r.fontHeight = f.pixelSize() > 0 ? f.pixelSize() : (r.fontSize * 96 + 36) / 72;
    r.pitch = f.fixedPitch() ? 2 : (f.styleHint() == QFont::AnyStyle ? 0 : 1);
    std::uint8_t style = 0;
    if (f.bold()) style |= kStyleBold;
    if (f.italic()) style |= kStyleItalic;
    if (f.underline()) style |= kStyleUnderline;
    if (f.strikeOut()) style |= kStyleStrikeOut;
    r.style = style;
}
}  // namespace

RemarkDialog::RemarkDialog(Prompts& prompts, QWidget* parent)
    : PropertyDialog(ElementKind::Remark, kTexts, prompts, parent) {
    const FormBuilder& f = form();
    setObjectName("TForm27");
    setWindowTitle(f.text("TForm27"));
    textEdit_ = f.edit("Edit1");
    textEdit_->setMinimumWidth(277);
    QPushButton* font = f.button("BitBtn4");
    QPushButton* colour = f.button("BitBtn6");
    QPushButton* del = f.button("BitBtn2");
    QPushButton* ok = f.button("BitBtn5");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(f.label("Label1"));
    layout->addWidget(textEdit_);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {font, colour, del, ok}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    ok->setDefault(true);
    layout->addLayout(row);
    connectButtons(ok, nullptr, del);
    connect(font, &QPushButton::clicked, this, &RemarkDialog::fontClicked);
    connect(colour, &QPushButton::clicked, this, &RemarkDialog::colourClicked);
    setFixedSize(sizeHint().expandedTo(QSize(286, 98)));
}

void RemarkDialog::load(const Scene& scene, int index, bool) {
    textEdit_->setText(QString::fromStdString(scene.remarks[index].text));
    textEdit_->setFocus();
}

bool RemarkDialog::store(Scene& scene, int index) {
    scene.remarks[index].text = textEdit_->text().toStdString();
    return true;
}

// An empty text is what frees a remark's record; the records after it must move
// down, or every walk of the table would stop at the gap and lose them.
bool RemarkDialog::okEmpties() const { return textEdit_->text().isEmpty(); }

QString RemarkDialog::deleteQuestion() const {
    return Tr("TForm27", "Do you want to delete this remark ?");
}

void RemarkDialog::fontClicked() {
    Remark& r = scene().remarks[index()];
    QFont font = RemarkFont(r);
    if (prompts().chooseFont(font, Tr("TForm27", "Font"))) StoreFont(r, font);
}

// Like a font, a chosen colour stays even when the close box leaves the text.
void RemarkDialog::colourClicked() {
    Remark& r = scene().remarks[index()];
    QColor colour = RemarkColour(r);
    if (prompts().chooseColour(colour, Tr("TForm27", "Colour"))) r.fontColour = PackColour(colour.red(), colour.green(), colour.blue());
}

}  // namespace mb
