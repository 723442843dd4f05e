// Recovery after a crash: the real program is started, edited, killed, and the
// next start offers its experiment back; two programs never take each other's.
#include <signal.h>

#include <QDeadlineTimer>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QThread>

#include "app/crash_recovery.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

class CrashRecoveryTest : public AppTest {
protected:
    // The project files in a recovery folder.
    static QStringList Copies(const QString& folder) {
        QStringList found;
        QDirIterator it(folder, {"*.kmx"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) found << it.next();
        return found;
    }
    QString copyProject(const char* example) {
        const QString path = projectDir.filePath(example);
        for (const char* suffix : {"", ".nam"})
            EXPECT_TRUE(QFile::copy(QString(MB_EXAMPLES_DIR "/") + example + suffix, path + suffix));
        return path;
    }
};

TEST_F(CrashRecoveryTest, AKilledProgramsExperimentIsOfferedBackAndRestoredUnsaved) {
    const QString project = copyProject("projectile.kmx");
    const ReadResult file = ReadProject(project.toStdString());
    ASSERT_TRUE(file.ok);
    const Ball& ball = file.scene->balls[0];

    // The program runs as a user's would, with a home of its own.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString drag = QString("%1,%2,%3,%4").arg(ball.screenX).arg(ball.screenY).arg(ball.screenX + 60).arg(ball.screenY + 40);
    program.start(MB_PROGRAM, {project, "--drag", drag});
    ASSERT_TRUE(program.waitForStarted());

    // The dragged ball is written aside within the delay.
    QStringList copies;
    const QDeadlineTimer deadline(CrashRecovery::kDelayMs + 15000);
    while (copies.isEmpty() && !deadline.hasExpired() && program.state() == QProcess::Running) {
        QThread::msleep(100);
        copies = Copies(home.filePath("data"));
    }
    ASSERT_EQ(copies.size(), 1) << "no copy of the edited experiment appeared";
    recoveryFolder = QFileInfo(copies[0]).absolutePath();

    // A second program while the first still runs: nothing of the first's is offered.
    startWindow();
    window->restoreLeftBehind();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(window->projectOpen());
    window.reset();

    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);

    // The next start asks, and Yes (the default) restores it.
    prompts.answers.push_back(Prompts::Yes);
    startWindow();
    window->restoreLeftBehind();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, "Motionbench");
    EXPECT_EQ(prompts.messages[0].buttons, Prompts::Yes | Prompts::No);
    EXPECT_TRUE(prompts.messages[0].text.contains(project)) << prompts.messages[0].text.toStdString();
    ASSERT_TRUE(window->projectOpen());
    EXPECT_EQ(window->projectPath(), project);
    EXPECT_TRUE(window->isWindowModified());
    const Ball& restored = window->scene().balls[0];
    EXPECT_NEAR(restored.x0 - ball.x0, 60 * file.scene->view.MetresPerPixel, 1e-9);
    EXPECT_NEAR(restored.y0 - ball.y0, -40 * file.scene->view.MetresPerPixel, 1e-9);
    EXPECT_EQ(window->scene().balls.names[0], file.scene->balls.names[0]);
    // The left-behind copy has become this program's own.
    EXPECT_EQ(Copies(recoveryFolder), QStringList{window->crashRecovery().ownCopy()});
}

// What becomes of a copy whose program ended without removing it, by the answer.
TEST_F(CrashRecoveryTest, TheAnswerDecidesWhatBecomesOfALeftBehindCopy) {
    const struct {
        const char* what;
        Prompts::Button answer;
        bool ownerRunning;
        bool asked;
        bool opened;
        int copiesAfter;
    } cases[] = {
        {"Yes restores", Prompts::Yes, false, true, true, 1},
        {"No discards", Prompts::No, false, true, false, 0},
        {"a closed box keeps it for later", Prompts::Cancel, false, true, false, 1},
        {"a running owner keeps it", Prompts::Yes, true, false, false, 1},
    };
    const QString project = copyProject("orbit.kmx");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        recoveryFolder = folder.path();
        prompts.messages.clear();
        prompts.answers = {c.answer};
        ScriptedPrompts ownerPrompts;
        auto owner = std::make_unique<MainWindow>(MainWindow::Options{
            startDir.path(), programDir.path(), &ownerPrompts, &shell, settingsDir.filePath("o.ini"), folder.path()});
        owner->openProjectFile(project);
        owner->scene().balls[0].vx0 += 1.0;
        owner->sceneChanged();
        owner->crashRecovery().writeNow();
        ASSERT_EQ(Copies(folder.path()).size(), 1);
        if (!c.ownerRunning) owner.reset();  // gone without a clean end: its lock is free

        startWindow();
        window->restoreLeftBehind();
        EXPECT_EQ(prompts.messages.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(window->projectOpen(), c.opened);
        EXPECT_EQ(window->isWindowModified(), c.opened);
        EXPECT_EQ(Copies(folder.path()).size(), c.copiesAfter);
        window.reset();
    }
}

}  // namespace
}  // namespace mb::test
