// Writes the example experiments into the folder given on the command line.
#include <iostream>

#include "cli/example_scenes.h"
#include "io/project_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: make_examples FOLDER\n";
        return 1;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (const mb::ExampleScene& e : mb::BuildExampleScenes()) {
        const std::string path = folder + "/" + e.file;
        const mb::WriteResult w = mb::WriteProject(*e.scene, path);
        if (!w.ok) {
            std::cerr << "make_examples: " << w.error << "\n";
            ++failures;
        } else {
            std::cout << path << "\n";
        }
    }
    return failures ? 1 : 0;
}
