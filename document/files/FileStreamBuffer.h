#pragma once
// A stream buffer straight over a file descriptor, for the archive, which
// buffers by itself (so this one holds at most the one byte a peek needs).
//
// A failed read throws std::system_error with the system's errno: only a
// read that returns nothing is the end of the file, so a read error is never
// taken for a short file. A failed write cannot throw (the archive writes
// from its destructor too); it is remembered, later writes are refused, and
// WriteError() tells the errno. The descriptor stays the caller's.

#include <streambuf>

class CFileStreamBuffer : public std::streambuf {
public:
    explicit CFileStreamBuffer(int fd) : m_fd(fd) {}

    // 0, or the errno of the first write that failed.
    int WriteError() const { return m_nWriteError; }

protected:
    std::streamsize xsgetn(char* data, std::streamsize size) override;
    int_type underflow() override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int_type overflow(int_type c) override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir from, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    std::streamsize ReadSome(char* data, std::streamsize size);

    int m_fd;
    int m_nWriteError = 0;
    char m_peeked = 0;  // the get area of underflow
};
