#include "app/save_prompt_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/translate.h"

namespace mb {

SavePromptDialog::SavePromptDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm2");
    setWindowTitle(Tr("TForm2", "New experiment"));
    setModal(true);

    auto* text = new QLabel(Tr("TForm2", "Save the current experiment?"), this);
    text->setObjectName("Label1");
    auto* yes = new QPushButton(Tr("TForm2", "&Yes"), this);
    yes->setObjectName("BitBtn1");
    yes->setDefault(true);
    auto* no = new QPushButton(Tr("TForm2", "&No"), this);
    no->setObjectName("BitBtn2");
    auto* cancel = new QPushButton(Tr("TForm2", "&Cancel"), this);
    cancel->setObjectName("BitBtn3");
    connect(yes, &QPushButton::clicked, this, [this] { answerWith(Yes); });
    connect(no, &QPushButton::clicked, this, [this] { answerWith(No); });
    connect(cancel, &QPushButton::clicked, this, [this] { answerWith(Cancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addWidget(cancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(text);
    top->addLayout(buttons);
    setFixedSize(sizeHint());
}

void SavePromptDialog::answerWith(Answer a) {
    answer_ = a;
    if (a == Cancel)
        reject();
    else
        accept();
}

}  // namespace mb
