#include "ui/unit_label.h"

#include <QFont>
#include <QLabel>

namespace mb {

void MakeRaisedNote(QLabel* note) {
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.7);
    note->setFont(small);
}

SquaredUnitLabel::SquaredUnitLabel(QWidget* parent, QLabel* unit, QLabel* two, int width)
    : QWidget(parent), unit_(unit), two_(two) {
    unit_->setParent(this);
    two_->setParent(this);
    MakeRaisedNote(two_);
    unit_->move(0, 3);
    place();
    setFixedSize(width > 0 ? width : unit_->width() + 2, unit_->height() + 3);
}

void SquaredUnitLabel::setUnit(const QString& text, bool squared) {
    unit_->setText(text);
    place();
    two_->setVisible(squared);
}

void SquaredUnitLabel::place() {
    unit_->adjustSize();
    two_->move(unit_->fontMetrics().horizontalAdvance("(m/s"), 0);
    two_->adjustSize();
}

}  // namespace mb
