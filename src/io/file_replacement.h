// Replacing a group of files so that either all of them take their new bytes or
// none of them changes: a project file and its names file must never be left out
// of step, nor half written, by a full disk or a folder that cannot be written.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace mb {

// The file calls a save makes. The program uses the system's; tests hand in one
// that fails a chosen call, since as root no permission stops a write.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // Creates a new file from a template ending in "XXXXXX" (which it fills in);
    // returns its descriptor, or -1 with errno set.
    virtual int createUnique(std::string& pathTemplate);
    virtual ssize_t write(int fd, const char* data, std::size_t size);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int link(const std::string& existing, const std::string& newPath);
    virtual int unlink(const std::string& path);
};

// The system's calls.
FileCalls& SystemFileCalls();

struct FileContent {
    std::string path;
    std::string bytes;
};

// Writes every file under a temporary name beside its target, flushes it to the
// disk, and only when all of them are complete renames them over the targets in
// the given order. Should a rename fail, the files already replaced get their
// old bytes back. On failure the returned text names the file and the system's
// reason, and no temporary is left behind; on success it is empty.
std::string ReplaceFiles(const std::vector<FileContent>& files, FileCalls& calls = SystemFileCalls());

}  // namespace mb
