#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Motionbench");
    QApplication::setApplicationVersion("1.0");
    mb::MainWindow window;
    window.showMaximized();
    return app.exec();
}
