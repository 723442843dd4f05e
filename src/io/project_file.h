// Project files: the binary .kmx file holding every number of an experiment and
// the names file beside it (the same path with ".nam" appended) holding one
// element name per line and each remark's text and font name.
//
// Reading never disturbs the caller's scene: a fresh Scene is built and handed
// over only when the whole project file was valid. Writing replaces the two
// files only when both were written completely.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "io/file_replacement.h"
#include "io/names_text.h"
#include "scene/scene.h"

namespace mb {

// What a remark whose text is not in the names file shows instead, so that it
// stays in use and the next save keeps it.
inline constexpr std::string_view kMissingRemarkText = "(remark text missing from the names file)";

struct ReadResult {
    bool ok = false;
    // True when the project file itself could not be opened or read (the caller
    // shows its own "cannot open" message); false for a damaged file.
    bool cannotOpen = false;
    std::unique_ptr<Scene> scene;       // the experiment read; null unless ok
    std::string error;                  // why the file was refused
    std::vector<std::string> warnings;  // things the user should know about an accepted file
    // The encoding the names file was read in; a save hands it back to the writer
    // so the names file stays in it.
    NamesEncoding namesEncoding = NamesEncoding::Utf8;
};

struct WriteResult {
    bool ok = false;
    std::string error;  // why nothing was replaced
};

// The names file that belongs to a project file.
std::string NamesPathFor(const std::string& projectPath);

// Reads a project file and its names file. The new scene starts as a reset copy
// of `base` (so remark slots not in the file keep base's fonts) and then takes
// every stored value. Balls get their packed colour, screen position and pixel
// radius re-derived from the stored values and the view scale just read; their
// pictures are left for the view to rebuild.
ReadResult ReadProject(const std::string& path, const Scene& base);
ReadResult ReadProject(const std::string& path);

// The same from bytes in memory. `names` null means the names file is missing.
ReadResult ReadProjectBytes(std::string_view project, const std::string* names, const Scene& base);
ReadResult ReadProjectBytes(std::string_view project, const std::string* names);

struct EncodedProject {
    std::string project;  // the .kmx bytes
    std::string names;    // the names file bytes (CR LF line ends)
};

// The two files' contents for a scene, the names in `encoding` (a new project's
// is UTF-8; an opened one keeps the encoding its names file was read in).
EncodedProject EncodeProject(const Scene& scene, NamesEncoding encoding = NamesEncoding::Utf8);

// Writes both files to temporaries beside the targets, then renames them over
// the old files. On any failure the old files stay and the reason is returned.
WriteResult WriteProject(const Scene& scene, const std::string& path,
                         NamesEncoding encoding = NamesEncoding::Utf8, FileCalls& calls = SystemFileCalls());

}  // namespace mb
