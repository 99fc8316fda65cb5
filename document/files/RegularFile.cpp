#include "document/files/RegularFile.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

namespace {

[[noreturn]] void Refuse(int error, const std::filesystem::path& path) {
    throw std::system_error(error, std::generic_category(), "cannot open " + path.string());
}

}  // namespace

int RegularFileRefusal(mode_t mode) {
    if (S_ISREG(mode)) {
        return 0;
    }
    return S_ISDIR(mode) ? EISDIR : EOPNOTSUPP;
}

CFileDescriptor OpenRegularFileForReading(const std::filesystem::path& path, struct stat& info) {
    // Opening some devices has effects of its own, so their kind is looked at
    // first; the descriptor's status below is what counts.
    if (::stat(path.c_str(), &info) != 0) {
        Refuse(errno, path);
    }
    if (const int refusal = RegularFileRefusal(info.st_mode)) {
        Refuse(refusal, path);
    }
    // Without O_NONBLOCK a pipe put there meanwhile would wait for a writer.
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0) {
        Refuse(errno, path);
    }
    if (const int refusal = RegularFileRefusal(info.st_mode)) {
        Refuse(refusal, path);
    }
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        Refuse(errno, path);
    }
    return file;
}
