// The "New experiment" prompt: save the current experiment before going on?
#pragma once

#include <QDialog>

namespace mb {

class SavePromptDialog : public QDialog {
    Q_OBJECT
public:
    enum Answer { NoAnswer, Yes, No, Cancel };

    explicit SavePromptDialog(QWidget* parent = nullptr);

    // Activation: no answer yet. Closing the box by its close button leaves it so.
    void load() { answer_ = NoAnswer; }
    Answer answer() const { return answer_; }

private:
    void answerWith(Answer a);
    Answer answer_ = NoAnswer;
};

}  // namespace mb
