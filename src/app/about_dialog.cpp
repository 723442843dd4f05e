#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mb {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Motionbench");
    setModal(true);

    auto* text = new QLabel(this);
    text->setObjectName("Label1");
    text->setTextFormat(Qt::RichText);
    text->setText(
        "<h3>Motionbench Ver1.0</h3>"
        "<p>A laboratory of two-dimensional mechanics and electromagnetism for the classroom.</p>"
        "<p>Build an experiment from balls, charges, field regions, masses, springs, cords,<br>"
        "poles and tracks, run it, follow one ball's data and draw its curves.</p>"
        "<p>Support: support@motionbench.org<br>Web: https://motionbench.org</p>");
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QVBoxLayout(this);
    top->addWidget(text);
    top->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

}  // namespace mb
