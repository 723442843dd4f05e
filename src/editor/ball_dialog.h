// "Moving object set": a ball's name, mass, radius, charge, initial place and
// velocity, extra force, colour and track, with a live preview of its shaded
// picture. Ok records the picture the surface stamps for the ball.
#pragma once

#include <QImage>

#include "editor/property_dialog.h"

class QCheckBox;
class QLabel;
class QScrollBar;

namespace mb {

class BallDialog : public PropertyDialog {
    Q_OBJECT
public:
    BallDialog(Prompts& prompts, QWidget* parent = nullptr);

    // The preview as it stands and the radius in pixels it was last drawn with.
    const QImage& preview() const { return preview_; }
    int previewRadius() const { return previewRadius_; }

protected:
    void load(const Scene& scene, int index, bool isNew) override;
    bool store(Scene& scene, int index) override;
    QString deleteQuestion() const override;
    QString deleteCaption() const override;
    bool mayDelete(const Scene& scene, int index) override;

private:
    // The live check of each change of the radius text.
    void radiusChanged();
    // Reads the radius edit and checks it against the view; false after warning.
    bool checkRadius();
    void resetPreview();
    void drawPreview();
    double scale() const;

    QLineEdit* massEdit_ = nullptr;    // Edit1
    QLineEdit* radiusEdit_ = nullptr;  // Edit2
    QLineEdit* chargeEdit_ = nullptr;  // Edit3
    QLineEdit* x0Edit_ = nullptr;      // Edit4
    QLineEdit* y0Edit_ = nullptr;      // Edit5
    QLineEdit* vx0Edit_ = nullptr;     // Edit6
    QLineEdit* vy0Edit_ = nullptr;     // Edit7
    QLineEdit* forceXEdit_ = nullptr;  // Edit8
    QLineEdit* forceYEdit_ = nullptr;  // Edit9
    QScrollBar* red_;
    QScrollBar* green_;
    QScrollBar* blue_;
    QCheckBox* track_;
    QLabel* previewLabel_;  // Image1
    QImage template_;
    QImage preview_;
    int previewRadius_ = 3;
    double radius_ = 0;  // the working radius, kept current while the text changes
    bool loading_ = false;
};

}  // namespace mb
