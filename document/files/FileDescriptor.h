#pragma once
// An open file descriptor that is closed exactly once, by whoever owns it
// last, so no path out of a function (an exception included) leaks one.

#include <unistd.h>

#include <cerrno>
#include <utility>

class CFileDescriptor {
public:
    CFileDescriptor() = default;
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor() { Close(); }

    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }

    // Closes now; 0, or the errno close reported (a file system may report a
    // failed write only here). The descriptor is gone either way: Linux
    // releases it even when close is interrupted, so it is never closed twice.
    int Close() {
        if (m_fd < 0) {
            return 0;
        }
        const int result = ::close(std::exchange(m_fd, -1));
        return result == 0 || errno == EINTR ? 0 : errno;
    }

private:
    int m_fd = -1;
};
