// Preloaded into a child process (LD_PRELOAD) to make system calls fail the
// way a broken disk or a poor file system would. CRV_FAULT lists the faults,
// comma-separated, each "call:effect[:calls let through first]":
//
//   read:EIO:1         the second read of a file fails with EIO
//   write:ENOSPC       the first write to a file fails with ENOSPC
//   write:stop:2       the third write stops the process (SIGSTOP)
//   tmpfile:EOPNOTSUPP the file system has no unnamed files (O_TMPFILE)
//   umask:abort        any call of umask ends the process
//
// Calls that can fail: read, write, fsync, tmpfile, linkat, renameat, umask.
// Reads and writes count only descriptors above the standard three, so the
// child can still print its result.

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Fault {
    char call[16];
    int error;  // 0: the effect below instead
    bool stop;  // SIGSTOP the process
    bool abort;
    long letThrough;
};

constexpr int kMaxFaults = 8;
Fault g_faults[kMaxFaults];
int g_nFaults = 0;

int ErrorNumber(const char* name) {
    static const struct {
        const char* name;
        int value;
    } known[] = {{"EIO", EIO},       {"ENOSPC", ENOSPC}, {"EOPNOTSUPP", EOPNOTSUPP}, {"EINVAL", EINVAL},
                 {"EISDIR", EISDIR}, {"EDQUOT", EDQUOT}, {"EPERM", EPERM},           {"EACCES", EACCES}};
    for (const auto& k : known) {
        if (std::strcmp(k.name, name) == 0) return k.value;
    }
    return 0;
}

void ParseFault(char* text) {
    if (g_nFaults == kMaxFaults) return;
    Fault& fault = g_faults[g_nFaults++];
    char* call = std::strtok(text, ":");
    char* effect = std::strtok(nullptr, ":");
    char* count = std::strtok(nullptr, ":");
    std::snprintf(fault.call, sizeof fault.call, "%s", call ? call : "");
    fault.stop = effect && std::strcmp(effect, "stop") == 0;
    fault.abort = effect && std::strcmp(effect, "abort") == 0;
    fault.error = effect ? ErrorNumber(effect) : EIO;
    fault.letThrough = count ? std::atol(count) : 0;
}

__attribute__((constructor)) void ReadFaults() {
    const char* faults = std::getenv("CRV_FAULT");
    if (!faults) return;
    static char copy[256];
    std::snprintf(copy, sizeof copy, "%s", faults);
    char* rest = copy;
    while (char* item = strsep(&rest, ",")) ParseFault(item);
}

// True when this call of `call` is to fail; errno is set then.
bool Fails(const char* call) {
    for (int i = 0; i < g_nFaults; ++i) {
        Fault& fault = g_faults[i];
        if (std::strcmp(fault.call, call) != 0) continue;
        if (fault.letThrough-- > 0) return false;
        if (fault.abort) {
            std::fprintf(stderr, "%s called\n", call);
            std::abort();
        }
        if (fault.stop) {
            ::raise(SIGSTOP);
            return false;
        }
        errno = fault.error;
        return true;
    }
    return false;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

constexpr int kFirstFileDescriptor = 3;

}  // namespace

extern "C" {

ssize_t read(int fd, void* buffer, size_t size) {
    static auto next = Next<ssize_t (*)(int, void*, size_t)>("read");
    if (fd >= kFirstFileDescriptor && Fails("read")) return -1;
    return next(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    static auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (fd >= kFirstFileDescriptor && Fails("write")) return -1;
    return next(fd, buffer, size);
}

int fsync(int fd) {
    static auto next = Next<int (*)(int)>("fsync");
    if (Fails("fsync")) return -1;
    return next(fd);
}

int openat(int dir, const char* path, int flags, ...) {
    static auto next = Next<int (*)(int, const char*, int, ...)>("openat");
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE && Fails("tmpfile")) return -1;
    return next(dir, path, flags, mode);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    static auto next = Next<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (Fails("linkat")) return -1;
    return next(fromDir, from, toDir, to, flags);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    static auto next = Next<int (*)(int, const char*, int, const char*)>("renameat");
    if (Fails("renameat")) return -1;
    return next(fromDir, from, toDir, to);
}

mode_t umask(mode_t mask) {
    static auto next = Next<mode_t (*)(mode_t)>("umask");
    Fails("umask");
    return next(mask);
}

}  // extern "C"
