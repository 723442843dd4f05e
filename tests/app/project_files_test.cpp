// Unsaved changes and the title, the Examples and Recent projects menus, where
// the Open dialog starts, the command line and dropped files.
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>

#include "app/project_state.h"
#include "app/resource_paths.h"
#include "app_fixture.h"
#include "io/chinese_names_fixture.h"

namespace mb::test {
namespace {

const QString kPrompt = "TForm2";
const QString kDash = QString::fromUtf8(" \u2014 ");

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ProjectFilesTest : public AppTest {
protected:
    int promptsShown() {
        return int(std::count(prompts.dialogsShown.begin(), prompts.dialogsShown.end(), kPrompt));
    }
    void expectUnchanged(const char* what) {
        EXPECT_FALSE(window->isModified()) << what;
        EXPECT_FALSE(window->isWindowModified()) << what;
    }
    QAction* menuEntry(const char* menuName, const QString& text) {
        for (QAction* a : menu(menuName)->actions())
            if (a->text() == text) return a;
        return nullptr;
    }
    QStringList menuTexts(const char* menuName) {
        QStringList texts;
        for (QAction* a : menu(menuName)->actions()) texts << a->text();
        return texts;
    }
    void drop(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at(300, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) return;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        QCoreApplication::processEvents();
    }
};

TEST_F(ProjectFilesTest, EveryKindOfChangeMarksTheProjectAndOnlyThenTheCloseAsks) {
    QImage ground(40, 20, QImage::Format_RGB32);
    ground.fill(QColor(90, 0, 90));
    ASSERT_TRUE(ground.save(projectDir.filePath("ground.bmp"), "BMP"));
    QImage pic(30, 30, QImage::Format_RGB32);
    pic.fill(QColor(0, 120, 0));
    ASSERT_TRUE(pic.save(projectDir.filePath("pic.bmp"), "BMP"));

    struct Case {
        const char* what;
        std::function<void()> act;
        bool changes;
    };
    const Case cases[] = {
        {"nothing", [] {}, false},
        {"a run started and stopped",
         [this] {
             action("N35")->trigger();
             for (int i = 0; i < 20; ++i) window->runController().tick();
             action("StopCommand")->trigger();
         },
         false},
        {"settings",
         [this] {
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
                 return Press("BitBtn1")(d);
             });
             action("N8")->trigger();
         },
         true},
        {"settings dialog cancelled",
         [this] {
             prompts.dialogs.push_back([](QDialog& d) {
                 d.findChild<QLineEdit*>("Edit1")->setText("0.5");
                 return Press("BitBtn2")(d);
             });
             action("N8")->trigger();
         },
         false},
        {"background laid",
         [this] {
             prompts.files.push_back(projectDir.filePath("pic.bmp"));
             action("N31")->trigger();
         },
         true},
        {"background cleared", [this] { action("N32")->trigger(); }, true},
        // The mouse editor and the dialogs change the scene and end with a redraw.
        {"an element edited",
         [this] {
             window->scene().balls[0].vx0 = 3.0;
             window->sceneChanged();
         },
         true},
        // Parameter adjust: the title shows the change while the window is still open.
        {"an element adjusted",
         [this] {
             bool markedAtOnce = false;
             prompts.dialogs.push_back([&](QDialog& d) {
                 d.findChild<QListWidget*>("ListBox2")->setCurrentRow(0);
                 prompts.dialogs.push_back([](QDialog& ball) {
                     ball.findChild<QLineEdit*>("Edit1")->setText("7");
                     return Press("BitBtn2")(ball);
                 });
                 d.findChild<QPushButton*>("BitBtn1")->click();
                 markedAtOnce = window->isWindowModified();
                 return Press("BitBtn2")(d);
             });
             action("N29")->trigger();
             EXPECT_TRUE(markedAtOnce);
         },
         true},
        {"an edit undone by hand",
         [this] {
             window->scene().balls[0].R += 1.0;
             window->sceneChanged();
             window->scene().balls[0].R -= 1.0;
             window->sceneChanged();
         },
         false},
    };
    startWindow();
    const QString path = writeProject(*OneBallScene());
    for (const Case& c : cases) {
        openThroughMenu(path);
        ASSERT_TRUE(window->projectOpen()) << c.what;
        expectUnchanged(c.what);
        EXPECT_EQ(window->windowTitle(), "lab.kmx[*]" + kDash + "Motionbench") << c.what;
        c.act();
        EXPECT_EQ(window->isModified(), c.changes) << c.what;
        EXPECT_EQ(window->isWindowModified(), c.changes) << c.what;

        // Close asks only when something would be lost; "&No" then closes.
        const int before = promptsShown();
        if (c.changes) prompts.dialogs.push_back(Press("BitBtn2"));
        action("N10")->trigger();
        EXPECT_EQ(promptsShown() - before, c.changes ? 1 : 0) << c.what;
        EXPECT_FALSE(window->projectOpen()) << c.what;
        EXPECT_EQ(window->windowTitle(), "Motionbench Ver1.0") << c.what;
        EXPECT_TRUE(prompts.dialogs.empty()) << c.what;
    }
}

TEST_F(ProjectFilesTest, EveryExampleStaysUnchangedThroughARun) {
    // A run moves the balls' pictures and derives cord and pole lengths, all of
    // which the file holds; none of it is a change of the user's.
    startWindow();
    for (const QString& name : QDir(MB_EXAMPLES_DIR).entryList({"*.kmx"}, QDir::Files)) {
        openThroughMenu(QDir(MB_EXAMPLES_DIR).filePath(name));
        ASSERT_EQ(window->projectPath(), QDir(MB_EXAMPLES_DIR).absoluteFilePath(name));
        expectUnchanged(qPrintable(name));
        action("N35")->trigger();
        for (int i = 0; i < 50; ++i) window->runController().tick();
        EXPECT_FALSE(window->isModified()) << name.toStdString() << " running";
        action("StopCommand")->trigger();
        expectUnchanged(qPrintable(name + " stopped"));
    }
    EXPECT_EQ(promptsShown(), 0);
}

TEST_F(ProjectFilesTest, SaveMakesItUnchangedAndQuitNeedsNoAnswer) {
    startWindow();
    openThroughMenu(writeProject(*OneBallScene()));
    window->scene().balls[0].x0 = 42.0;
    window->sceneChanged();
    ASSERT_TRUE(window->isWindowModified());
    const auto choosers = prompts.fileTitles.size();
    action("N4")->trigger();
    expectUnchanged("saved");
    EXPECT_EQ(prompts.fileTitles.size(), choosers);  // saved where it came from
    QCloseEvent e;
    QCoreApplication::sendEvent(window.get(), &e);
    EXPECT_TRUE(e.isAccepted());
    EXPECT_EQ(promptsShown(), 0);
}

TEST_F(ProjectFilesTest, AChineseNamesFileShowsItsNamesAndIsSavedBackInItsOwnEncoding) {
    startWindow();
    auto utf8 = TwoBallsAndARemark();
    utf8->balls.names[0] = "小球";
    const QString utf8Path = writeProject(*utf8, "utf8.kmx");
    for (const ChineseNamesFile& f : ChineseNamesFiles()) {
        const QString path = projectDir.filePath(QString(f.label) + ".kmx");
        ASSERT_TRUE(QFile::copy(utf8Path, path));
        QFile names(path + ".nam");
        ASSERT_TRUE(names.open(QIODevice::WriteOnly));
        names.write(f.bytes.data(), qint64(f.bytes.size()));
        names.close();
        openThroughMenu(path);
        EXPECT_EQ(window->scene().balls.names[0], f.lines[0]) << f.label;
        EXPECT_EQ(window->scene().remarks[0].text, f.lines[2]) << f.label;
        window->scene().balls[1].x0 = 3.0;
        window->sceneChanged();
        action("N4")->trigger();
        expectUnchanged(f.label);
        EXPECT_EQ(ReadAll(path + ".nam").toStdString(), f.bytes) << f.label;
    }
    // The next project opened is UTF-8 again.
    openThroughMenu(utf8Path);
    window->scene().balls[1].x0 = 3.0;
    window->sceneChanged();
    action("N4")->trigger();
    EXPECT_EQ(ReadAll(utf8Path + ".nam").toStdString(), "小球\r\nsecond\r\nremark\r\nfont\r\n");
}

TEST_F(ProjectFilesTest, ANewProjectIsUntitledAndUnchangedUntilEdited) {
    startWindow();
    action("N2")->trigger();
    window->surfaceMoved(QPoint(200, 150));
    prompts.dialogs.push_back(Press("BitBtn1"));
    window->surfacePressed(Qt::LeftButton, QPoint(200, 150));
    ASSERT_TRUE(window->projectOpen());
    EXPECT_EQ(window->windowTitle(), "Untitled[*]" + kDash + "Motionbench");
    expectUnchanged("new");
    window->scene().balls[0] = MakeBall(1.0, 1.0, 0.0, 0.0, 0.5);
    window->sceneChanged();
    EXPECT_TRUE(window->isWindowModified());
    prompts.files.push_back(projectDir.filePath("first.kmx"));
    action("N4")->trigger();
    EXPECT_EQ(window->windowTitle(), "first.kmx[*]" + kDash + "Motionbench");
    expectUnchanged("saved as");
}

TEST_F(ProjectFilesTest, YesOnAChangedExampleSavesACopyElsewhere) {
    startWindow();
    const QString examples = window->examplesFolder();
    ASSERT_FALSE(examples.isEmpty());
    const QString original = QDir(examples).filePath("projectile.kmx");
    const QByteArray bytes = ReadAll(original);
    ASSERT_FALSE(bytes.isEmpty());

    QAction* projectile = menuEntry("ExamplesMenu", "Projectile");
    ASSERT_NE(projectile, nullptr);
    projectile->trigger();
    ASSERT_EQ(window->projectPath(), QFileInfo(original).absoluteFilePath());
    window->scene().balls[0].vx0 = 1.0;
    window->sceneChanged();

    const QString copy = projectDir.filePath("my_projectile.kmx");
    prompts.dialogs.push_back(Press("BitBtn1"));  // "&Yes"
    prompts.files.push_back(copy);
    action("N10")->trigger();
    EXPECT_EQ(prompts.fileTitles, std::vector<QString>{"save experiment"});
    EXPECT_FALSE(window->projectOpen());
    EXPECT_EQ(ReadAll(original), bytes);  // the shipped file is untouched
    ReadResult back = ReadProject(copy.toStdString());
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.scene->balls[0].vx0, 1.0);
}

TEST_F(ProjectFilesTest, TheExamplesMenuListsTheShippedExperimentsByTitle) {
    startWindow();
    const QStringList files = QDir(MB_EXAMPLES_DIR).entryList({"*.kmx"}, QDir::Files);
    QStringList titles = menuTexts("ExamplesMenu");
    ASSERT_EQ(titles.size(), files.size());
    EXPECT_TRUE(titles.contains("Cord pendulum"));
    EXPECT_TRUE(titles.contains("Spring oscillator"));
    for (QAction* a : menu("ExamplesMenu")->actions()) {
        EXPECT_TRUE(QFileInfo::exists(a->data().toString())) << a->text().toStdString();
        EXPECT_EQ(a->text(), ExampleTitle(a->data().toString()));
    }

    // Where the examples are looked for: beside the program, the installed
    // layout, the source tree.
    QTemporaryDir root;
    const QString program = root.filePath("bin");
    const QString installed = root.filePath("share/motionbench/examples");
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(ExamplesFolder(program), QDir(MB_EXAMPLES_DIR).absolutePath());
    ASSERT_TRUE(QDir().mkpath(installed));
    EXPECT_EQ(ExamplesFolder(program), QDir(MB_EXAMPLES_DIR).absolutePath());  // empty folders do not count
    ASSERT_TRUE(QFile::copy(QDir(MB_EXAMPLES_DIR).filePath("orbit.kmx"), installed + "/orbit.kmx"));
    EXPECT_EQ(ExamplesFolder(program), installed);
    ASSERT_TRUE(QDir().mkpath(program + "/examples"));
    ASSERT_TRUE(QFile::copy(QDir(MB_EXAMPLES_DIR).filePath("orbit.kmx"), program + "/examples/orbit.kmx"));
    EXPECT_EQ(ExamplesFolder(program), program + "/examples");
    EXPECT_EQ(ListExamples(installed).size(), 1);
    EXPECT_EQ(ListExamples(installed)[0].title, "Orbit");
}

TEST_F(ProjectFilesTest, RecentProjectsKeepTheLastEightNewestFirstAcrossSessions) {
    startWindow();
    EXPECT_FALSE(menu("RecentMenu")->menuAction()->isEnabled());
    QStringList paths;
    for (int i = 1; i <= 9; ++i) paths << writeProject(*OneBallScene(), QString("lab%1.kmx").arg(i));
    for (const QString& p : paths) openThroughMenu(p);
    QStringList expected;
    for (int i = 9; i >= 2; --i) expected << QString("&%1 lab%2.kmx").arg(10 - i).arg(i);
    EXPECT_EQ(menuTexts("RecentMenu"), expected);

    // Opened from the list: it moves to the top.
    menuEntry("RecentMenu", "&5 lab5.kmx")->trigger();
    EXPECT_EQ(window->projectPath(), QFileInfo(paths[4]).absoluteFilePath());
    EXPECT_EQ(menuTexts("RecentMenu").first(), "&1 lab5.kmx");

    // The next session has the same list; one that is gone leaves it when chosen.
    startWindow();
    ASSERT_EQ(window->recentProjects().paths().size(), 8);
    EXPECT_EQ(window->recentProjects().paths().first(), QFileInfo(paths[4]).absoluteFilePath());
    ASSERT_TRUE(QFile::remove(paths[8]));
    menuEntry("RecentMenu", "&2 lab9.kmx")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Can not open this file ,please check you system.");
    EXPECT_EQ(window->recentProjects().paths().size(), 7);
    EXPECT_FALSE(menuTexts("RecentMenu").join(" ").contains("lab9"));
}

TEST_F(ProjectFilesTest, TheOpenDialogStartsInTheLastFolderUsedElseTheDocuments) {
    startWindow();
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(window->openFolder(), QDir(docs).exists() ? docs : QDir::homePath());
    openThroughMenu(writeProject(*OneBallScene()));
    EXPECT_EQ(window->openFolder(), QFileInfo(projectDir.path()).absoluteFilePath());
    startWindow();  // remembered for the next session
    EXPECT_EQ(window->openFolder(), QFileInfo(projectDir.path()).absoluteFilePath());
}

TEST_F(ProjectFilesTest, TheCommandLineNamesAProject) {
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(projectDir.path()));
    struct Case {
        QStringList arguments;
        QString expected;
    };
    const Case cases[] = {
        {{"motionbench"}, ""},
        {{"motionbench", "lab.kmx"}, QDir(projectDir.path()).absoluteFilePath("lab.kmx")},
        {{"motionbench", "-style", "/tmp/x.kmx"}, "/tmp/x.kmx"},
        {{"motionbench", "--print-paths"}, ""},
        {{"motionbench", "sub/../b.kmx"}, QDir(projectDir.path()).absoluteFilePath("b.kmx")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QDir::cleanPath(ProjectFromArguments(c.arguments)), QDir::cleanPath(c.expected))
            << c.arguments.join(' ').toStdString();

    startWindow();
    writeProject(*OneBallScene());
    window->openProjectFile(ProjectFromArguments({"motionbench", "lab.kmx"}));
    ASSERT_TRUE(QDir::setCurrent(cwd));
    EXPECT_TRUE(window->projectOpen());
    EXPECT_EQ(window->scene().ballCount(), 1);
    EXPECT_TRUE(prompts.dialogsShown.empty());
}

TEST_F(ProjectFilesTest, ADroppedProjectOpensWithTheSavePromptAsOpenHasIt) {
    startWindow();
    const QString first = writeProject(*OneBallScene(), "first.kmx");
    auto two = OneBallScene();
    two->balls[1] = MakeBall(50.0, -50.0, 0.0, 0.0, 5.0);
    const QString second = writeProject(*two, "second.kmx");
    QFile other(projectDir.filePath("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    drop(other.fileName());  // not a project: refused
    EXPECT_FALSE(window->projectOpen());
    drop(first);
    ASSERT_TRUE(window->projectOpen());
    EXPECT_EQ(window->projectPath(), QFileInfo(first).absoluteFilePath());

    // Changed: the prompt comes first; Cancel keeps the project.
    window->scene().balls[0].x0 = 9.0;
    window->sceneChanged();
    prompts.dialogs.push_back(Press("BitBtn3"));
    drop(second);
    EXPECT_EQ(promptsShown(), 1);
    EXPECT_EQ(window->projectPath(), QFileInfo(first).absoluteFilePath());
    prompts.dialogs.push_back(Press("BitBtn2"));
    drop(second);
    EXPECT_EQ(window->projectPath(), QFileInfo(second).absoluteFilePath());
    EXPECT_EQ(window->scene().ballCount(), 2);

    // Nothing is opened in the middle of a run.
    action("N35")->trigger();
    drop(first);
    EXPECT_EQ(window->projectPath(), QFileInfo(second).absoluteFilePath());
}

}  // namespace
}  // namespace mb::test
