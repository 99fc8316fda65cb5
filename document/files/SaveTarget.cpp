#include "document/files/SaveTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "document/files/RegularFile.h"

namespace {

[[noreturn]] void Refuse(int error, const std::filesystem::path& path) {
    throw std::system_error(error, std::generic_category(), "cannot save " + path.string());
}

// The file a link leads to, through every link on the way.
std::filesystem::path FollowLinks(const std::filesystem::path& link) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(link.c_str(), nullptr), &std::free);
    if (!resolved) {
        Refuse(errno, link);
    }
    return resolved.get();
}

// A file without any write bit is refused even to root, as editors do: its
// owner marked it as not to be changed. Otherwise the system decides, with
// the owner, group and other bits for the user's ids and any access list.
void RequireWritable(const std::filesystem::path& path, const struct stat& info) {
    constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
    if ((info.st_mode & kAnyWriteBit) == 0) {
        Refuse(EACCES, path);
    }
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        Refuse(errno, path);
    }
}

}  // namespace

SaveTarget ResolveSaveTarget(const std::filesystem::path& requested) {
    std::filesystem::path path = requested;
    struct stat info;
    const bool exists = ::lstat(path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        Refuse(errno, path);
    }
    if (exists && S_ISLNK(info.st_mode)) {
        path = FollowLinks(path);
        if (::stat(path.c_str(), &info) != 0) {
            Refuse(errno, path);
        }
    }
    if (exists) {
        if (const int refusal = RegularFileRefusal(info.st_mode)) {
            Refuse(refusal, path);
        }
        RequireWritable(path, info);
    }
    SaveTarget target{path.parent_path(), path.filename().string(), std::nullopt};
    if (target.name.empty()) {
        Refuse(EISDIR, path);  // "folder/" names a folder, not a file
    }
    if (target.folder.empty()) {
        target.folder = ".";
    }
    if (exists) {
        target.existing = info;
    }
    return target;
}
