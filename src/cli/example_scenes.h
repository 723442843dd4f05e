// The example experiments shipped in examples/, built in code so that they
// always match the project file format. Each is a small lesson: its names and
// remarks say what to watch.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scene/scene.h"

namespace mb {

struct ExampleScene {
    std::string file;  // file name in examples/, e.g. "projectile.kmx"
    std::unique_ptr<Scene> scene;
};

std::vector<ExampleScene> BuildExampleScenes();

}  // namespace mb
