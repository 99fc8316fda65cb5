#include "document/files/AtomicSave.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "document/files/SaveTarget.h"
#include "document/files/TemporaryFile.h"

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path) {
    throw std::system_error(errno, std::generic_category(), "cannot save " + path.string());
}

// Only root may give a file to another user and only a group of one's own
// may be chosen (EPERM; EINVAL for ids the system cannot map): what the
// process may not do is left as the system made it. The mode comes last, as
// a change of owner clears the set-id bits.
void KeepOwnerAndMode(int fd, const struct stat& old, const std::filesystem::path& path) {
    struct stat now;
    if (::fstat(fd, &now) != 0) {
        Fail(path);
    }
    const bool otherIds = now.st_uid != old.st_uid || now.st_gid != old.st_gid;
    if (otherIds && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (errno != EPERM && errno != EINVAL) {
            Fail(path);
        }
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);  // the group alone may still be allowed
    }
    if (::fchmod(fd, old.st_mode & ~S_IFMT) != 0) {
        Fail(path);
    }
}

}  // namespace

void SaveAtomically(const std::filesystem::path& requested, const std::function<void(int fd)>& write) {
    const SaveTarget target = ResolveSaveTarget(requested);
    CTemporaryFile file(target.folder);
    write(file.Descriptor());
    if (target.existing) {
        KeepOwnerAndMode(file.Descriptor(), *target.existing, target.folder / target.name);
    }
    file.Commit(target.name);
}
