#include "document/files/FileStreamBuffer.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

// Reads until `size` bytes or the end of the file; throws on a read error.
std::streamsize CFileStreamBuffer::ReadSome(char* data, std::streamsize size) {
    std::streamsize done = 0;
    while (done < size) {
        const ssize_t got = ::read(m_fd, data + done, static_cast<size_t>(size - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw std::system_error(errno, std::generic_category(), "read failed");
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

std::streamsize CFileStreamBuffer::xsgetn(char* data, std::streamsize size) {
    std::streamsize done = 0;
    if (size > 0 && gptr() < egptr()) {  // the byte a peek pulled in comes first
        *data = *gptr();
        gbump(1);
        done = 1;
    }
    return done + ReadSome(data + done, size - done);
}

CFileStreamBuffer::int_type CFileStreamBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    if (ReadSome(&m_peeked, 1) == 0) {
        return traits_type::eof();
    }
    setg(&m_peeked, &m_peeked, &m_peeked + 1);
    return traits_type::to_int_type(m_peeked);
}

std::streamsize CFileStreamBuffer::xsputn(const char* data, std::streamsize size) {
    std::streamsize done = 0;
    while (done < size && m_nWriteError == 0) {
        const ssize_t put = ::write(m_fd, data + done, static_cast<size_t>(size - done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // write returns 0 only for a request of 0 bytes; anything else
            // is a device that takes no more.
            m_nWriteError = put < 0 ? errno : ENOSPC;
            break;
        }
        done += put;
    }
    return done;
}

CFileStreamBuffer::int_type CFileStreamBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

CFileStreamBuffer::pos_type CFileStreamBuffer::seekoff(off_type offset, std::ios_base::seekdir from,
                                                       std::ios_base::openmode) {
    if (from == std::ios_base::cur) {
        offset -= egptr() - gptr();  // a peeked byte is not read yet
    }
    setg(nullptr, nullptr, nullptr);
    const int whence = from == std::ios_base::beg ? SEEK_SET : from == std::ios_base::cur ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(m_fd, offset, whence);
    return position < 0 ? pos_type(off_type(-1)) : pos_type(position);
}

CFileStreamBuffer::pos_type CFileStreamBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}
