// A full disk for the program under test, preloaded with LD_PRELOAD. With
// CRV_FAULT_FULL_DISK=ROOM:FOLDER set, the files in FOLDER share ROOM bytes
// of free space: a write that does not fit is cut short to what does, and
// every write after that fails with ENOSPC, as on a disk that has filled up.
// Writes anywhere else (the terminal, other folders) pass unchanged.

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using WriteFunction = ssize_t (*)(int, const void*, size_t);

constexpr long long kUnset = -1;
std::atomic<long long> g_room{kUnset};

// The folder of the fault, or nullptr when no fault is asked for.
const char* FaultFolder() {
    const char* setting = std::getenv("CRV_FAULT_FULL_DISK");
    if (!setting) return nullptr;
    const char* colon = std::strchr(setting, ':');
    if (!colon) return nullptr;
    long long unset = kUnset;
    g_room.compare_exchange_strong(unset, std::atoll(setting));
    return colon + 1;
}

bool OnTheFullDisk(int fd) {
    const char* folder = FaultFolder();
    struct stat info;
    if (!folder || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    char link[64], path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0) return false;
    path[length] = '\0';
    const size_t folderLength = std::strlen(folder);
    return std::strncmp(path, folder, folderLength) == 0 && path[folderLength] == '/';
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t count) {
    static const auto real = reinterpret_cast<WriteFunction>(dlsym(RTLD_NEXT, "write"));
    if (count == 0 || !OnTheFullDisk(fd)) return real(fd, data, count);
    long long room = g_room.load();
    size_t allowed;
    do {
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        allowed = count < static_cast<size_t>(room) ? count : static_cast<size_t>(room);
    } while (!g_room.compare_exchange_weak(room, room - static_cast<long long>(allowed)));
    return real(fd, data, allowed);
}
