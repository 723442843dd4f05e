#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

const QString kPromptName = "TForm2";
const QString kScaleName = "TForm3";

struct ControlState {
    const char* name;
    bool isMenu;  // a menu's own entry in the menu bar
};

// The commands that need an open project, as menu entries and tool bar buttons.
const ControlState kProjectControls[] = {{"N4", false}, {"N5", false}, {"N10", false}, {"N7", true},
                                         {"N34", true}, {"N8", false}, {"N35", false}};
const char* const kProjectButtons[] = {"SpeedButton6", "SpeedButton8", "SpeedButton1", "SpeedButton10",
                                       "SpeedButton11"};
const char* const kAlwaysButtons[] = {"SpeedButton4", "SpeedButton7", "SpeedButton13"};

class MainWindowTest : public AppTest {
protected:
    void expectProjectControls(bool enabled) {
        for (const auto& c : kProjectControls) {
            QAction* a = c.isMenu ? menu(c.name)->menuAction() : action(c.name);
            ASSERT_NE(a, nullptr) << c.name;
            EXPECT_EQ(a->isEnabled(), enabled) << c.name;
        }
        for (const char* b : kProjectButtons) EXPECT_EQ(button(b)->isEnabled(), enabled) << b;
        for (const char* b : kAlwaysButtons) EXPECT_TRUE(button(b)->isEnabled()) << b;
        for (const char* a : {"N2", "N3", "N6"}) EXPECT_TRUE(action(a)->isEnabled()) << a;
    }
    QString statusText(const char* panel) { return window->findChild<QLabel*>(panel)->text(); }

    // New with no project open, then the origin press at `at` with the scale dialog
    // answered by `scaleAnswer` (run on the dialog).
    void newProjectWithOrigin(QPoint at, std::function<int(QDialog&)> scaleAnswer) {
        action("N2")->trigger();
        window->surfaceMoved(at);
        prompts.dialogs.push_back(std::move(scaleAnswer));
        window->surfacePressed(Qt::LeftButton, at);
    }
};

TEST_F(MainWindowTest, StartsWithNoProjectAndTheStartFolderPicture) {
    startWindow(true);
    EXPECT_EQ(QCoreApplication::applicationName().isEmpty(), false);
    EXPECT_TRUE(window->windowTitle().contains("Motionbench"));
    EXPECT_TRUE(window->windowTitle().contains("Ver1.0"));
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("|").toStdString();
    EXPECT_FALSE(window->projectOpen());
    expectProjectControls(false);
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    EXPECT_FALSE(button("SpeedButton3")->isEnabled());
    EXPECT_EQ(statusText("StatusPanel0"), "Coordinate:");
    // The start folder's ground.bmp covers the whole drawing surface of the
    // window, however small the picture.
    const QWidget* surface = window->centralWidget();
    for (const QPoint& p : {QPoint(0, 0), QPoint(64, 32), QPoint(surface->width() - 1, surface->height() - 1)})
        EXPECT_EQ(pixel(p.x(), p.y()), qRgb(10, 200, 30) & 0xFFFFFF) << p.x() << "," << p.y();
    EXPECT_GE(window->surface().image().width(), 1200);
    EXPECT_EQ(pixel(surface->width() + 5, 5), 0u);
}

TEST_F(MainWindowTest, MissingGroundPictureIsReportedOnceAndTheProgramGoesOn) {
    startWindow(false);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Can not find ground.bmp");
    EXPECT_EQ(prompts.messages[0].caption, "warning");
    EXPECT_TRUE(window->backgroundPicture().isNull());
    EXPECT_EQ(pixel(5, 5), 0u);
}

TEST_F(MainWindowTest, GroundPictureBesideTheProgramServesWhenTheStartFolderHasNone) {
    QImage spare(8, 8, QImage::Format_RGB32);
    spare.fill(QColor(0, 0, 250));
    ASSERT_TRUE(spare.save(programDir.filePath("ground.bmp"), "BMP"));
    startWindow(false);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(pixel(1, 1), 250u);
}

TEST_F(MainWindowTest, MenusAndToolBarCarryTheirNamesTextsAndHints) {
    startWindow();
    const std::pair<const char*, const char*> entries[] = {{"N2", "&New project"},
                                                           {"N3", "&Open project"},
                                                           {"N4", "&Save project"},
                                                           {"N5", "Save project &As ..."},
                                                           {"N10", "&Close"},
                                                           {"N6", "&Quit"},
                                                           {"N8", "&Experiment set...  "},
                                                           {"N31", "&Lay background..."},
                                                           {"N32", "Clear &background"},
                                                           {"N35", "&Run experiment"},
                                                           {"N46", "&Calculator"},
                                                           {"N48", "&Mail to us"},
                                                           {"N49", "Visit our &website"},
                                                           {"N51", "&How to use"},
                                                           {"N52", "A&bout the software"},
                                                           {"N37", "&Synchronous data output set"},
                                                           {"N39", "&Experiment data curve"}};
    for (const auto& [name, text] : entries) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_EQ(action(name)->text(), text) << name;
    }
    QStringList titles;
    for (QAction* m : window->menuBar()->actions()) titles << m->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Run", "&Tools", "&Net", "&Help"}));
    // Every entry of every menu can be reached from the keyboard by a letter of
    // its own within its menu.
    for (QAction* m : window->menuBar()->actions()) {
        QSet<QChar> letters;
        for (QAction* a : m->menu()->actions()) {
            if (a->isSeparator()) continue;
            const QString t = a->text();
            const qsizetype amp = t.indexOf('&');
            ASSERT_TRUE(amp >= 0 && amp + 1 < t.size()) << t.toStdString();
            const QChar letter = t.at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << m->text().toStdString() << ": " << t.toStdString();
            letters.insert(letter);
        }
    }

    EXPECT_EQ(action("N2")->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(action("N3")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(action("N4")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(action("N5")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(action("N6")->shortcut(), QKeySequence("Ctrl+Q"));
    // The run's keys, in the Run menu too.
    EXPECT_EQ(action("N35")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(action("PauseCommand")->shortcut(), QKeySequence(Qt::Key_Space));
    EXPECT_EQ(action("StopCommand")->shortcut(), QKeySequence(Qt::Key_Escape));
    QStringList runEntries;
    for (QAction* a : menu("N34")->actions()) runEntries << (a->isSeparator() ? "|" : a->text());
    EXPECT_EQ(runEntries, QStringList({"&Run experiment", "&pause", "St&op", "S&tep", "|", "Spee&d", "|",
                                     "&Synchronous data output set", "&Experiment data curve", "&Live graph"}));

    // Left to right, with their hints; separators stand after "new" and after
    // "Lab condition set", and before the calculator.
    auto* panel = window->findChild<QToolBar*>("Panel1");
    ASSERT_NE(panel, nullptr);
    QStringList order;
    for (QAction* a : panel->actions()) {
        if (a->isSeparator()) {
            order << "|";
            continue;
        }
        QWidget* w = panel->widgetForAction(a);
        order << w->objectName() + ":" + w->toolTip();
    }
    EXPECT_EQ(order, QStringList({"SpeedButton4:open", "SpeedButton6:save", "SpeedButton7:new", "|",
                                  "UndoButton:Undo (Ctrl+Z)", "RedoButton:Redo (Ctrl+Shift+Z)", "|", "SpeedButton8:Lab condition set", "SpeedButton5:Adjust experiment component", "|",
                                  "SpeedButton1:Run (F5)", "SpeedButton2:Stop (Esc)", "SpeedButton3:pause (Space)",
                                  "StepButton:Step: one tick of the paused run",
                                  "SpeedControl:Speed of the run against the wall clock", "|",
                                  "SpeedButton10:data out", "SpeedButton11:Experiment curve", "LiveGraphButton:Live graph", "|",
                                  "SpeedButton13:calculator"}));
}

TEST_F(MainWindowTest, NewProjectPlacesTheOriginWithTheMouseAndOpensTheScaleDialog) {
    startWindow();
    action("N2")->trigger();
    EXPECT_TRUE(window->originPending());
    EXPECT_FALSE(window->projectOpen());
    EXPECT_EQ(window->scene().view.OriginX, 100);
    EXPECT_EQ(window->scene().view.OriginY, 100);
    // The XOR axes on the black surface: grey lines through (100, 100).
    const QRgb axis = qRgb(180, 180, 180) & 0xFFFFFF;
    EXPECT_EQ(pixel(100, 40), axis);
    EXPECT_EQ(pixel(40, 100), axis);
    EXPECT_EQ(pixel(0, 0), 0u);  // the start picture is gone

    // The axes follow the pointer; the old ones are erased.
    window->surfaceMoved(QPoint(300, 250));
    EXPECT_EQ(pixel(100, 40), 0u);
    EXPECT_EQ(pixel(40, 100), 0u);
    EXPECT_EQ(pixel(300, 40), axis);
    EXPECT_EQ(pixel(40, 250), axis);
    EXPECT_EQ(window->scene().view.OriginX, 300);
    // The status bar reads world coordinates at the scale of the reset scene (10 m a
    // pixel), about the origin as it stood before the move.
    window->surfaceMoved(QPoint(310, 245));
    EXPECT_EQ(statusText("StatusPanel0"), "Coordinate:(100,50)");

    prompts.dialogs.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("Edit1")->setText("10");
        return Press("BitBtn1")(d);
    });
    window->surfacePressed(Qt::LeftButton, QPoint(310, 245));
    ASSERT_EQ(prompts.dialogsShown.size(), 1u);
    EXPECT_EQ(prompts.dialogsShown[0], kScaleName);
    EXPECT_TRUE(window->projectOpen());
    EXPECT_FALSE(window->originPending());
    EXPECT_EQ(window->scene().view.OriginX, 310);
    EXPECT_EQ(window->scene().view.OriginY, 245);
    EXPECT_DOUBLE_EQ(window->scene().view.MetresPerPixel, 0.1);
    expectProjectControls(true);
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    // With the project open the pointer reads the new scale.
    window->surfaceMoved(QPoint(320, 235));
    EXPECT_EQ(statusText("StatusPanel0"), "Coordinate:(1,1)");
}

TEST_F(MainWindowTest, ClosingTheScaleDialogAbandonsTheNewProject) {
    startWindow();
    newProjectWithOrigin(QPoint(200, 200), [](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(window->projectOpen());
    EXPECT_FALSE(window->originPending());
    EXPECT_TRUE(window->projectPath().isEmpty());
    expectProjectControls(false);
    // Further presses do nothing.
    window->surfacePressed(Qt::LeftButton, QPoint(50, 50));
    EXPECT_EQ(prompts.dialogsShown.size(), 1u);
}

TEST_F(MainWindowTest, NewFromAnOpenProjectAsksFirstAndPutsTheAxesAtTheResetOrigin) {
    startWindow();
    const QString path = writeProject(*OneBallScene());
    openThroughMenu(path);
    ASSERT_TRUE(window->projectOpen());
    window->scene().balls[0].vx0 = 1.0;  // something to lose, so New asks

    // Cancel: nothing changes.
    prompts.dialogs.push_back(Press("BitBtn3"));
    action("N2")->trigger();
    EXPECT_EQ(prompts.dialogsShown.back(), kPromptName);
    EXPECT_EQ(window->scene().ballCount(), 1);
    EXPECT_EQ(window->projectPath(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(window->originPending());

    // The prompt's close box: nothing goes on either.
    prompts.dialogs.push_back([](QDialog&) { return int(QDialog::Rejected); });
    action("N2")->trigger();
    EXPECT_EQ(window->scene().ballCount(), 1);

    // No: the scene is reset and the axes wait at (200, 150).
    prompts.dialogs.push_back(Press("BitBtn2"));
    action("N2")->trigger();
    EXPECT_EQ(window->scene().ballCount(), 0);
    EXPECT_TRUE(window->projectPath().isEmpty());
    EXPECT_TRUE(window->originPending());
    EXPECT_TRUE(window->projectOpen());
    EXPECT_EQ(pixel(200, 20), qRgb(180, 180, 180) & 0xFFFFFF);
    EXPECT_EQ(pixel(20, 150), qRgb(180, 180, 180) & 0xFFFFFF);
    // Nothing runs before the origin is placed.
    action("N35")->trigger();
    EXPECT_EQ(window->scene().Running, 0);
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    // Nor do the data ball pick, the curve and Parameter adjust, which belong to
    // the scene still to come: the next press places the origin and nothing else.
    const std::size_t shown = prompts.dialogsShown.size();
    for (const char* a : {"N37", "N39", "N29"}) action(a)->trigger();
    EXPECT_EQ(prompts.dialogsShown.size(), shown);
    EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->text(), "");
}

TEST_F(MainWindowTest, AHalfChosenOriginSurvivesAClearedBackgroundAndACancelledQuit) {
    startWindow();
    openThroughMenu(writeProject(*OneBallScene()));
    action("N2")->trigger();  // nothing changed, so no prompt: a new project, origin pending
    window->surfaceMoved(QPoint(300, 250));
    const QRgb axis = qRgb(180, 180, 180) & 0xFFFFFF;

    // "Clear &background" keeps the black surface with only the moving axes.
    action("N32")->trigger();
    EXPECT_TRUE(window->originPending());
    EXPECT_EQ(pixel(310, 37), 0u);  // no grid of the reset scene
    EXPECT_EQ(pixel(300, 40), axis);
    EXPECT_EQ(pixel(40, 250), axis);

    // A project whose origin is still chosen has nothing to lose: the close box
    // asks nothing.
    QCloseEvent e;
    QCoreApplication::sendEvent(window.get(), &e);
    EXPECT_TRUE(e.isAccepted());
    EXPECT_TRUE(prompts.dialogsShown.empty());
    EXPECT_TRUE(window->originPending());

    window->surfaceMoved(QPoint(400, 300));
    EXPECT_EQ(pixel(300, 40), 0u);
    EXPECT_EQ(pixel(299, 40), 0u);
    EXPECT_EQ(pixel(400, 40), axis);
    prompts.dialogs.push_back(Press("BitBtn1"));
    window->surfacePressed(Qt::LeftButton, QPoint(400, 300));
    EXPECT_EQ(prompts.dialogsShown.back(), kScaleName);
    EXPECT_TRUE(window->projectOpen());
    EXPECT_EQ(window->scene().view.OriginX, 400);
}

TEST_F(MainWindowTest, AbandoningANewProjectBegunFromAnOpenOneBringsBackTheStartPicture) {
    startWindow();
    QImage ground(40, 20, QImage::Format_RGB32);
    ground.fill(QColor(90, 0, 90));
    ASSERT_TRUE(ground.save(projectDir.filePath("ground.bmp"), "BMP"));
    openThroughMenu(writeProject(*OneBallScene()));
    ASSERT_EQ(pixel(2, 2), qRgb(90, 0, 90) & 0xFFFFFF);

    action("N2")->trigger();
    window->surfaceMoved(QPoint(300, 250));
    prompts.dialogs.push_back([](QDialog&) { return int(QDialog::Rejected); });
    window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
    EXPECT_FALSE(window->projectOpen());
    EXPECT_EQ(pixel(2, 2), qRgb(10, 200, 30) & 0xFFFFFF);
}

TEST_F(MainWindowTest, OpenShowsTheSceneWithTheProjectFoldersPicture) {
    startWindow();
    QImage ground(40, 20, QImage::Format_RGB32);
    ground.fill(QColor(90, 0, 90));
    ASSERT_TRUE(ground.save(projectDir.filePath("ground.bmp"), "BMP"));
    auto s = OneBallScene();
    s->settings.ShowCoordinate = 1;
    const QString path = writeProject(*s);

    openThroughMenu(path);
    ASSERT_EQ(prompts.fileTitles.size(), 1u);
    EXPECT_EQ(prompts.fileTitles[0], "open experiment");
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("|").toStdString();
    EXPECT_TRUE(window->projectOpen());
    EXPECT_EQ(window->projectPath(), QFileInfo(path).absoluteFilePath());
    expectProjectControls(true);
    EXPECT_TRUE(window->backgroundShown());
    EXPECT_EQ(pixel(2, 2), qRgb(90, 0, 90) & 0xFFFFFF);

    // The ball: at (200 + 100, 150 + 100) with a pixel radius of 8, its picture
    // re-derived from the file; red shades at the centre, black well outside.
    const Ball& b = window->scene().balls[0];
    EXPECT_EQ(b.screenX, 300);
    EXPECT_EQ(b.screenY, 250);
    EXPECT_EQ(b.pixelRadius, 8);
    EXPECT_GT(b.pixelCount, 100);
    const QColor centre = QColor::fromRgb(pixel(300, 250));
    EXPECT_GT(centre.red(), 100);
    EXPECT_EQ(centre.green(), centre.blue());
    EXPECT_EQ(pixel(315, 265), 0u);
    // The grid's axes pass through the origin, its labels stand beside them: the
    // x label 0 from column 190 on row 153, the y label of k = 1 from (203, 242).
    EXPECT_EQ(pixel(200, 400), qRgb(180, 180, 180) & 0xFFFFFF);
    auto hasLabelInk = [this](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (pixel(x, y) == (qRgb(0, 255, 255) & 0xFFFFFF)) return true;
        return false;
    };
    EXPECT_TRUE(hasLabelInk(QRect(190, 153, 12, 16)));
    EXPECT_TRUE(hasLabelInk(QRect(203, 242, 30, 16)));
    EXPECT_FALSE(hasLabelInk(QRect(203, 136, 30, 12)));  // no y label for 0
}

TEST_F(MainWindowTest, EveryExampleOpensWithItsBallsDrawnWhereTheyStart) {
    startWindow();
    const QStringList examples = QDir(MB_EXAMPLES_DIR).entryList({"*.kmx"}, QDir::Files);
    ASSERT_FALSE(examples.isEmpty());
    for (const QString& name : examples) {
        prompts.messages.clear();
        openThroughMenu(QDir(MB_EXAMPLES_DIR).filePath(name));  // unchanged: no prompt
        EXPECT_TRUE(prompts.messages.empty()) << name.toStdString() << ": " << prompts.texts().join("|").toStdString();
        ASSERT_TRUE(window->projectOpen()) << name.toStdString();
        const Scene& s = window->scene();
        ASSERT_GT(s.ballCount(), 0) << name.toStdString();
        for (int j = 0; j < s.ballCount(); ++j) {
            const Ball& b = s.balls[j];
            EXPECT_EQ(b.screenX, s.view.ballColumn(b.x0)) << name.toStdString() << " ball " << j;
            EXPECT_EQ(b.screenY, s.view.ballRow(b.y0)) << name.toStdString() << " ball " << j;
            EXPECT_GT(b.pixelCount, 0) << name.toStdString() << " ball " << j;
            const QRect inside(0, 0, window->surface().windowWidth(), window->surface().windowHeight());
            if (inside.contains(b.screenX, b.screenY)) {
                EXPECT_NE(pixel(b.screenX, b.screenY), 0u) << name.toStdString() << " ball " << j;
            }
        }
    }
}

TEST_F(MainWindowTest, OpenWarnsOfABallTooLargeToDrawButKeepsIt) {
    startWindow();
    auto s = OneBallScene();
    s->balls[0].R = 100.0;  // 100 pixels at 1 m a pixel
    s->balls.names[0] = "Giant";
    openThroughMenu(writeProject(*s));
    ASSERT_TRUE(window->projectOpen());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains("Giant"));
    EXPECT_EQ(window->scene().balls[0].R, 100.0);
    EXPECT_LE(window->scene().balls[0].pixelCount, kPixelListCapacity);
}

TEST_F(MainWindowTest, OpenWithoutAPictureInTheProjectFolderShowsNone) {
    startWindow();
    openThroughMenu(writeProject(*OneBallScene()));
    ASSERT_TRUE(window->projectOpen());
    EXPECT_FALSE(window->backgroundShown());
    EXPECT_EQ(pixel(2, 2), 0u);
}

TEST_F(MainWindowTest, OpenFailuresLeaveTheCurrentExperimentAlone) {
    startWindow();
    const QString good = writeProject(*OneBallScene());
    openThroughMenu(good);
    ASSERT_TRUE(window->projectOpen());
    const QString goodPath = window->projectPath();
    window->scene().balls[0].vx0 = 1.0;  // something to lose, so Open asks

    struct Case {
        const char* what;
        QString path;
        QString message;  // empty: the reader's own reason, whatever it is
    };
    QFile damaged(projectDir.filePath("damaged.kmx"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a project");
    damaged.close();
    const Case cases[] = {
        {"missing file", projectDir.filePath("missing.kmx"), "Can not open this file ,please check you system."},
        {"damaged file", damaged.fileName(), ""},
    };
    for (const Case& c : cases) {
        prompts.messages.clear();
        prompts.dialogs.push_back(Press("BitBtn2"));  // "&No" in the prompt
        openThroughMenu(c.path);
        ASSERT_EQ(prompts.messages.size(), 1u) << c.what;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(prompts.messages[0].text, c.message) << c.what;
        }
        EXPECT_FALSE(prompts.messages[0].text.isEmpty()) << c.what;
        EXPECT_EQ(prompts.messages[0].caption, "warning") << c.what;
        EXPECT_TRUE(window->projectOpen()) << c.what;
        EXPECT_EQ(window->scene().ballCount(), 1) << c.what;
        EXPECT_EQ(window->projectPath(), goodPath) << c.what;
    }

    // "&No" in the prompt and Cancel in the file dialog: the scene stays.
    prompts.dialogs.push_back(Press("BitBtn2"));
    action("N3")->trigger();
    EXPECT_EQ(window->scene().ballCount(), 1);
    EXPECT_EQ(window->projectPath(), goodPath);
    // Cancel in the prompt: no file dialog at all.
    const auto chooserCount = prompts.fileTitles.size();
    prompts.dialogs.push_back(Press("BitBtn3"));
    action("N3")->trigger();
    EXPECT_EQ(prompts.fileTitles.size(), chooserCount);
}

TEST_F(MainWindowTest, SaveOfANeverSavedProjectAsksForAFileAndSaveWritesThere) {
    startWindow();
    newProjectWithOrigin(QPoint(200, 150), Press("BitBtn1"));
    ASSERT_TRUE(window->projectOpen());
    window->scene().balls[0] = MakeBall(5.0, 6.0, 0.0, 0.0, 1.0);

    const QString target = projectDir.filePath("first");  // the chooser adds no suffix here
    prompts.files.push_back(target);
    action("N4")->trigger();
    ASSERT_EQ(prompts.fileTitles.size(), 1u);
    EXPECT_EQ(prompts.fileTitles[0], "save experiment");
    EXPECT_EQ(window->projectPath(), QFileInfo(target + ".kmx").absoluteFilePath());
    ReadResult back = ReadProject((target + ".kmx").toStdString());
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.scene->balls[0].x0, 5.0);
    EXPECT_EQ(back.scene->settings.AccurateStep, 1) << "a new project runs the accurate step";

    // A second save goes to the same file without asking.
    window->scene().balls[0].x0 = 7.0;
    action("N4")->trigger();
    EXPECT_EQ(prompts.fileTitles.size(), 1u);
    back = ReadProject((target + ".kmx").toStdString());
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.scene->balls[0].x0, 7.0);
}

TEST_F(MainWindowTest, AFailedSaveSaysWhyAndKeepsThePathAndTheUnsavedMark) {
    startWindow();
    const QString path = writeProject(*OneBallScene());
    openThroughMenu(path);
    window->scene().balls[0].x0 = 42.0;
    window->sceneChanged();
    const QString before = window->projectPath();
    const QString nowhere = projectDir.filePath("no/such/folder/lab.kmx");
    prompts.files.push_back(nowhere);
    action("N5")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QString& text = prompts.messages[0].text;
    EXPECT_EQ(prompts.messages[0].caption, "warning");
    // The file and the system's reason are named.
    EXPECT_TRUE(text.contains("could not be saved to " + nowhere)) << text.toStdString();
    EXPECT_TRUE(text.contains("No such file or directory")) << text.toStdString();
    EXPECT_EQ(window->projectPath(), before);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().startsWith("lab.kmx[*]"));
}

TEST_F(MainWindowTest, CloseAsksSavesWhenToldAndReturnsToTheStartPicture) {
    startWindow();
    QImage ground(40, 20, QImage::Format_RGB32);
    ground.fill(QColor(90, 0, 90));
    ASSERT_TRUE(ground.save(projectDir.filePath("ground.bmp"), "BMP"));
    const QString path = writeProject(*OneBallScene());
    openThroughMenu(path);
    window->scene().balls[0].x0 = 42.0;

    prompts.dialogs.push_back(Press("BitBtn3"));
    action("N10")->trigger();
    EXPECT_TRUE(window->projectOpen());

    prompts.dialogs.push_back(Press("BitBtn1"));  // "&Yes": save, then close
    action("N10")->trigger();
    EXPECT_FALSE(window->projectOpen());
    EXPECT_TRUE(window->projectPath().isEmpty());
    EXPECT_EQ(window->scene().ballCount(), 0);
    expectProjectControls(false);
    EXPECT_EQ(pixel(2, 2), qRgb(10, 200, 30) & 0xFFFFFF);
    ReadResult back = ReadProject(path.toStdString());
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.scene->balls[0].x0, 42.0);
}

TEST_F(MainWindowTest, QuitAsksToSaveAnOpenExperimentAndCancelKeepsTheProgram) {
    startWindow();
    // No project: "&Quit" closes the window without a question.
    action("N6")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.dialogsShown.empty());
    window->show();
    openThroughMenu(writeProject(*OneBallScene()));
    window->scene().balls[0].vx0 = 1.0;  // something to lose
    struct Case {
        const char* button;
        bool closes;
    };
    for (const Case& c : {Case{"BitBtn3", false}, Case{"BitBtn2", true}}) {
        prompts.dialogs.push_back(Press(c.button));
        QCloseEvent e;
        QCoreApplication::sendEvent(window.get(), &e);
        EXPECT_EQ(prompts.dialogsShown.back(), kPromptName);
        EXPECT_EQ(e.isAccepted(), c.closes) << c.button;
    }
}

TEST_F(MainWindowTest, QuitWithYesWhoseSaveIsCancelledStaysOpen) {
    startWindow();
    newProjectWithOrigin(QPoint(200, 150), Press("BitBtn1"));
    window->scene().balls[0] = MakeBall(1.0, 1.0, 0.0, 0.0, 0.5);  // something to lose
    prompts.dialogs.push_back(Press("BitBtn1"));  // Yes, then Cancel in the save chooser
    QCloseEvent e;
    QCoreApplication::sendEvent(window.get(), &e);
    EXPECT_FALSE(e.isAccepted());
    EXPECT_EQ(prompts.fileTitles, std::vector<QString>{"save experiment"});
}

TEST_F(MainWindowTest, ExperimentSetStoresOnlyAcceptedValuesAndRedraws) {
    startWindow();
    openThroughMenu(writeProject(*OneBallScene()));
    EXPECT_EQ(pixel(200, 400), 0u);  // no grid yet

    prompts.dialogs.push_back([](QDialog& d) {
        d.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        d.findChild<QLineEdit*>("Edit1")->setText("0.002");
        return int(QDialog::Rejected);
    });
    action("N8")->trigger();
    EXPECT_EQ(window->scene().settings.StepTime, 0.001);
    EXPECT_EQ(window->scene().settings.ShowCoordinate, 0);

    prompts.dialogs.push_back([](QDialog& d) {
        d.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        d.findChild<QLineEdit*>("Edit1")->setText("0.002");
        return Press("BitBtn1")(d);
    });
    button("SpeedButton8")->click();
    EXPECT_EQ(window->scene().settings.StepTime, 0.002);
    EXPECT_EQ(window->scene().settings.ShowCoordinate, 1);
    EXPECT_EQ(pixel(200, 400), qRgb(180, 180, 180) & 0xFFFFFF);  // the axis is drawn now
}

TEST_F(MainWindowTest, BackgroundCommandsLayAndClearThePicture) {
    startWindow();
    openThroughMenu(writeProject(*OneBallScene()));
    QImage pic(30, 30, QImage::Format_RGB32);
    pic.fill(QColor(0, 120, 0));
    const QString file = projectDir.filePath("pic.bmp");
    ASSERT_TRUE(pic.save(file, "BMP"));

    prompts.files.push_back(file);
    action("N31")->trigger();
    EXPECT_EQ(prompts.fileTitles.back(), "lay background");
    EXPECT_EQ(pixel(3, 3), qRgb(0, 120, 0) & 0xFFFFFF);

    action("N32")->trigger();
    EXPECT_FALSE(window->backgroundShown());
    EXPECT_EQ(pixel(3, 3), 0u);
    // Lay, cancelled: it stays cleared.
    action("N31")->trigger();
    EXPECT_EQ(pixel(3, 3), 0u);

    // A file that is no picture is reported.
    prompts.files.push_back(projectDir.filePath("missing.bmp"));
    action("N31")->trigger();
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(MainWindowTest, HelpToolsAndNetHandTheirWorkToTheDesktop) {
    startWindow();
    action("N51")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(QUrl(shell.opened[0]).toLocalFile(), QDir(programDir.path()).filePath("help/index.htm"));

    action("N48")->trigger();
    action("N49")->trigger();
    EXPECT_TRUE(shell.opened[1].startsWith("mailto:"));
    EXPECT_TRUE(shell.opened[2].startsWith("https://"));

    // The first installed calculator in the usual order is started, once; none
    // installed starts nothing; a failed start is no error.
    struct Case {
        QStringList installed;
        QStringList started;
    };
    const Case cases[] = {{{}, {}},
                          {{"xcalc", "kcalc"}, {"/usr/bin/kcalc"}},
                          {{"gnome-calculator", "xcalc"}, {"/usr/bin/gnome-calculator"}}};
    for (const Case& c : cases) {
        shell.installed = c.installed;
        shell.started.clear();
        button("SpeedButton13")->click();
        EXPECT_EQ(shell.started, c.started) << c.installed.join(",").toStdString();
    }
    EXPECT_TRUE(prompts.messages.empty());

    prompts.dialogs.push_back(Press("BitBtn1"));
    action("N52")->trigger();
    EXPECT_EQ(prompts.dialogsShown.back(), "AboutBox");
}

}  // namespace
}  // namespace mb::test
