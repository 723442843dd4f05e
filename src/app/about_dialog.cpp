#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_version.h"
#include "ui/translate.h"

namespace mb {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(Tr("AboutBox", "About Motionbench"));
    setModal(true);

    auto* text = new QLabel(this);
    text->setObjectName("Label1");
    text->setTextFormat(Qt::RichText);
    text->setText(Tr("AboutBox",
                      "<h3>Motionbench</h3>"
                      "<p>Version %1</p>"
                      "<p>A laboratory of two-dimensional mechanics and electromagnetism for the classroom.</p>"
                      "<p>Build an experiment from balls, charges, field regions, masses, springs, cords,<br>"
                      "poles and tracks, run it, follow one ball's data and draw its curves.</p>"
                      "<p>Support: support@motionbench.org<br>Web: https://motionbench.org</p>"
                      "<p>Motionbench is free software: you may share and change it under the terms of<br>"
                      "the GNU General Public License, version 3 or (at your choice) any later version.<br>"
                      "It comes with no warranty. A copy of the licence comes with the program;<br>"
                      "if it is missing, see https://www.gnu.org/licenses/.</p>")
                      .arg(QLatin1String(kVersion)));
    auto* ok = new QPushButton(Tr("AboutBox", "&OK"), this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QVBoxLayout(this);
    top->addWidget(text);
    top->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

}  // namespace mb
