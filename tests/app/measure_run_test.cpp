// The --measure-run diagnostic: a real run on the timer, then an empty scene.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/measure_run.h"
#include "io/project_file.h"

namespace mb {
namespace {

TEST(MeasureRun, PrintsBothRatesAndTheirRatioAndRefusesAMissingFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Scene scene;
    ResetScene(scene);
    AddBall(scene, {0, 0, 50, 0, 1, 20});
    scene.balls[0].trackFlag = 1;
    const QString path = dir.filePath("one.kmx");
    ASSERT_TRUE(WriteProject(scene, path.toStdString()).ok);

    for (bool liveGraph : {false, true}) {
        testing::internal::CaptureStdout();
        const int status = MeasureRun(path, {0.2, liveGraph, liveGraph});
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 0);
        for (const char* line : {"project      one.kmx", "steps/tick   100", "ticks per second", "empty scene", "ratio"})
            EXPECT_NE(out.find(line), std::string::npos) << line << " in\n" << out;
        EXPECT_EQ(out.find("(live graph open, six series) (arrows and names shown)") != std::string::npos, liveGraph)
            << out;
        // The run did go: some ticks were counted for the project.
        EXPECT_EQ(out.find("(0 ticks"), std::string::npos) << out;
    }

    testing::internal::CaptureStderr();
    EXPECT_EQ(MeasureRun(dir.filePath("none.kmx"), {0.2}), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace mb
