// A main window wired to scripted prompts and a recording desktop, started in a
// folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "app/main_window.h"
#include "ui/qt_prompts.h"
#include "io/project_file.h"
#include "support/scripted_prompts.h"

namespace mb::test {

class RecordingShell : public DesktopShell {
public:
    QStringList opened;
    QStringList started;
    QStringList installed;  // programs findProgram knows, as full paths under /usr/bin
    bool opens = true;      // false: a desktop with no browser or mail program
    bool openUrl(const QString& url) override {
        opened << url;
        return opens;
    }
    bool startProgram(const QString& program) override {
        started << program;
        return false;  // the launch fails; the command must not care
    }
    QString findProgram(const QString& name) override {
        return installed.contains(name) ? "/usr/bin/" + name : QString();
    }
};

// A ball of the given radius and initial place, coloured, in use.
inline Ball MakeBall(double x0, double y0, double vx0, double vy0, double R, int red = 255, int green = 0,
                     int blue = 0) {
    Ball b{};
    b.x0 = b.x = x0;
    b.y0 = b.y = y0;
    b.vx0 = b.vx = vx0;
    b.vy0 = b.vy = vy0;
    b.M0 = b.mass = 1.0;
    b.R = R;
    b.red = red;
    b.green = green;
    b.blue = blue;
    return b;
}

class AppTest : public ::testing::Test {
protected:
    // `withGround` puts a ground.bmp into the start folder.
    void startWindow(bool withGround = true) {
        ASSERT_TRUE(startDir.isValid());
        if (withGround) {
            QImage ground(64, 32, QImage::Format_RGB32);
            ground.fill(QColor(10, 200, 30));
            ASSERT_TRUE(ground.save(startDir.filePath("ground.bmp"), "BMP"));
        }
        MainWindow::Options o;
        o.startDirectory = startDir.path();
        o.programDirectory = programDir.path();
        o.prompts = &prompts;
        o.shell = &shell;
        o.settingsFile = settingsDir.filePath("settings.ini");
        o.recoveryFolder = recoveryFolder.isEmpty() ? settingsDir.filePath("recovery") : recoveryFolder;
        window = std::make_unique<MainWindow>(o);
        // Tests drive the ticks themselves.
        window->runController().timer()->stop();
        window->resize(1000, 800);
        window->show();
        QCoreApplication::processEvents();
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    QMenu* menu(const char* name) { return window->findChild<QMenu*>(name); }
    // A button of the main tool bar (the creating panel and the data window have
    // buttons of the same names).
    QToolButton* button(const char* name) {
        return window->findChild<QToolBar*>("Panel1")->findChild<QToolButton*>(name);
    }
    QRgb pixel(int x, int y) { return window->surface().image().pixel(x, y) & 0xFFFFFF; }

    // Writes a project holding `scene` into a folder of its own; returns its path.
    QString writeProject(const Scene& scene, const QString& name = "lab.kmx") {
        const QString path = projectDir.filePath(name);
        const WriteResult r = WriteProject(scene, path.toStdString());
        EXPECT_TRUE(r.ok) << r.error;
        return path;
    }

    // Opens `path` through the Open command, answering the prompt when one shows.
    void openThroughMenu(const QString& path) {
        prompts.files.push_back(path);
        action("N3")->trigger();
    }

    // A scene with one ball, origin (200, 150), 1 m per pixel.
    static std::unique_ptr<Scene> OneBallScene(double vx0 = 0.0, double vy0 = 0.0) {
        auto s = std::make_unique<Scene>();
        ResetScene(*s);
        s->view.MetresPerPixel = 1.0;
        s->settings.ShowCoordinate = 0;
        s->settings.StepsPerTick = 10;
        s->balls[0] = MakeBall(100.0, -100.0, vx0, vy0, 8.0, 255, 0, 0);
        s->balls.names[0] = "Ball_1";
        s->balls.nameCounter = 1;
        return s;
    }

    QTemporaryDir startDir;
    QTemporaryDir programDir;
    QTemporaryDir projectDir;
    QTemporaryDir settingsDir;  // the run speed, recent projects and last folder of these windows
    QString recoveryFolder;     // where unsaved experiments are kept aside; in settingsDir when empty
    ScriptedPrompts prompts;
    RecordingShell shell;
    std::unique_ptr<MainWindow> window;
};

// Accepts a dialog as if its Ok/Yes had been pressed by name.
inline std::function<int(QDialog&)> Press(const char* buttonName) {
    return [buttonName](QDialog& d) {
        auto* b = d.findChild<QAbstractButton*>(buttonName);
        if (!b) return int(QDialog::Rejected);
        b->click();
        return d.result();
    };
}

}  // namespace mb::test
