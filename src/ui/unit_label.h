// Unit labels with a raised note: the "2" of a squared second written small over
// the blank after "(m/s", and the small raised exponent after a law's name.
#pragma once

#include <QWidget>

class QLabel;

namespace mb {

// Gives a label the smaller font of a raised note.
void MakeRaisedNote(QLabel* note);

// A unit label and its raised "2" in one box. The two labels keep their object
// names; the "2" sits over the blank between "s" and ")".
class SquaredUnitLabel : public QWidget {
public:
    // A box `width` pixels wide, or as wide as the unit's text when 0.
    SquaredUnitLabel(QWidget* parent, QLabel* unit, QLabel* two, int width = 0);

    // Another unit, with or without its "2".
    void setUnit(const QString& text, bool squared);

private:
    void place();

    QLabel* unit_;
    QLabel* two_;
};

}  // namespace mb
