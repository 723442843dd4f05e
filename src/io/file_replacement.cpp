#include "io/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace mb {

int FileCalls::createUnique(std::string& pathTemplate) { return ::mkstemp(pathTemplate.data()); }
ssize_t FileCalls::write(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int FileCalls::sync(int fd) { return ::fsync(fd); }
int FileCalls::close(int fd) { return ::close(fd); }
int FileCalls::rename(const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()); }
int FileCalls::link(const std::string& existing, const std::string& newPath) {
    return ::link(existing.c_str(), newPath.c_str());
}
int FileCalls::unlink(const std::string& path) { return ::unlink(path.c_str()); }

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

namespace {

std::string Reason(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

// Writes `bytes` to a new file beside `target` and flushes it to the disk;
// returns its path, or nothing with `error` set (and no file left).
std::optional<std::string> WriteBeside(const std::string& target, const std::string& bytes, FileCalls& calls,
                                       std::string& error) {
    std::string temporary = target + ".XXXXXX";
    const int fd = calls.createUnique(temporary);
    if (fd < 0) {
        error = Reason("Cannot create a file beside", target, errno);
        return std::nullopt;
    }
    // A unique file is made private; a saved project gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const auto give_up = [&](const char* what) {
        error = Reason(what, target, errno);
        calls.close(fd);
        calls.unlink(temporary);
        return std::nullopt;
    };
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = calls.write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return give_up("Cannot write");
        // A write that takes nothing and gives no reason can only be a full disk;
        // asking again would wait for ever.
        if (n == 0) {
            errno = ENOSPC;
            return give_up("Cannot write");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (calls.sync(fd) != 0) return give_up("Cannot finish writing");
    if (calls.close(fd) != 0) {
        error = Reason("Cannot finish writing", target, errno);
        calls.unlink(temporary);
        return std::nullopt;
    }
    return temporary;
}

// How a replaced file gets its old bytes back if a later file of the group
// cannot be put in place.
struct OldFile {
    std::string target;
    bool existed = false;
    std::string keptAs;                 // a second name for the old file, when links work here
    std::optional<std::string> bytes;   // else its bytes, written back through a new file

    void restore(FileCalls& calls) const {
        if (!existed) {
            calls.unlink(target);
        } else if (!keptAs.empty()) {
            // Should even this fail, the old bytes stay under their second name.
            calls.rename(keptAs, target);
        } else if (bytes) {
            std::string ignored;
            if (const auto temporary = WriteBeside(target, *bytes, calls, ignored))
                if (calls.rename(*temporary, target) != 0) calls.unlink(*temporary);
        }
    }
    void forget(FileCalls& calls) const {
        if (!keptAs.empty()) calls.unlink(keptAs);
    }
};

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace

std::string ReplaceFiles(const std::vector<FileContent>& files, FileCalls& calls) {
    std::vector<bool> exists;
    // A rename cannot put a file where a folder stands; find out before anything
    // is replaced.
    for (const FileContent& f : files) {
        struct stat st {};
        const bool there = ::stat(f.path.c_str(), &st) == 0;
        if (there && S_ISDIR(st.st_mode)) return "Cannot replace " + f.path + ": it is a folder";
        exists.push_back(there);
    }
    std::string error;
    std::vector<std::string> temporaries;
    const auto removeTemporaries = [&](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i) calls.unlink(temporaries[i]);
    };
    for (const FileContent& f : files) {
        const auto temporary = WriteBeside(f.path, f.bytes, calls, error);
        if (!temporary) {
            removeTemporaries(0);
            return error;
        }
        temporaries.push_back(*temporary);
    }
    // Every byte is on the disk: put them in place one by one, each replaced file
    // keeping its old bytes within reach until the last rename has been done.
    std::vector<OldFile> replaced;
    for (std::size_t i = 0; i < files.size(); ++i) {
        OldFile old{files[i].path, exists[i], {}, std::nullopt};
        if (old.existed && i + 1 < files.size()) {
            const std::string second = temporaries[i] + ".old";
            if (calls.link(old.target, second) == 0) {
                old.keptAs = second;
            } else {
                old.bytes = ReadWhole(old.target);
                if (!old.bytes) error = Reason("Cannot keep the old", old.target, errno);
            }
        }
        if (error.empty() && calls.rename(temporaries[i], files[i].path) != 0)
            error = Reason("Cannot replace", files[i].path, errno);
        if (!error.empty()) {
            old.forget(calls);
            removeTemporaries(i);
            for (auto r = replaced.rbegin(); r != replaced.rend(); ++r) r->restore(calls);
            return error;
        }
        replaced.push_back(std::move(old));
    }
    for (const OldFile& old : replaced) old.forget(calls);
    return {};
}

}  // namespace mb
