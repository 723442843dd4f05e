// "Remark set": the text of a remark, its font and its colour. It has no Cancel button; its
// close box leaves the text as it was (a font chosen meanwhile stays).
#pragma once

#include "editor/property_dialog.h"

namespace mb {

class RemarkDialog : public PropertyDialog {
    Q_OBJECT
public:
    RemarkDialog(Prompts& prompts, QWidget* parent = nullptr);

protected:
    void load(const Scene& scene, int index, bool isNew) override;
    bool store(Scene& scene, int index) override;
    QString deleteQuestion() const override;
    bool okEmpties() const override;

private:
    void fontClicked();
    void colourClicked();

    QLineEdit* textEdit_;  // Edit1
};

}  // namespace mb
