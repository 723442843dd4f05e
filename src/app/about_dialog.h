// The information box of the program.
#pragma once

#include <QDialog>

namespace mb {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// The addresses the Net menu opens.
inline constexpr const char* kMailAddress = "mailto:support@motionbench.org";
inline constexpr const char* kWebAddress = "https://motionbench.org";

}  // namespace mb
