#include "document/Archive.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

CArchive::CArchive(std::ostream& out) : m_pOut(&out), m_buffer(new uint8_t[kBufferSize]), m_nCapacity(kBufferSize) {}

CArchive::CArchive(std::istream& in) : m_pIn(&in), m_buffer(new uint8_t[kBufferSize]), m_nCapacity(kBufferSize) {}

CArchive::~CArchive() {
    if (IsStoring()) {
        Flush();
    }
}

bool CArchive::Close() {
    if (IsStoring()) {
        Flush();
        m_pOut->flush();
        if (!m_pOut->good()) {
            m_bFailed = true;
        }
    }
    return !m_bFailed;
}

void CArchive::Flush() {
    if (m_nUsed == 0) {
        return;
    }
    std::streambuf* sb = m_pOut->rdbuf();
    auto size = static_cast<std::streamsize>(m_nUsed);
    if (!sb || sb->sputn(reinterpret_cast<const char*>(m_buffer.get()), size) != size) {
        m_bFailed = true;
    }
    m_nUsed = 0;
}

void CArchive::PutBytesSlow(const void* data, size_t size) {
    auto* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        if (m_nUsed == m_nCapacity) {
            Flush();
        }
        size_t chunk = std::min(size, m_nCapacity - m_nUsed);
        std::memcpy(m_buffer.get() + m_nUsed, bytes, chunk);
        m_nUsed += chunk;
        bytes += chunk;
        size -= chunk;
    }
}

bool CArchive::Refill() {
    // Keep the unread tail, then fill the rest of the buffer.
    size_t tail = m_nUsed - m_nPos;
    std::memmove(m_buffer.get(), m_buffer.get() + m_nPos, tail);
    m_nPos = 0;
    m_nUsed = tail;
    std::streambuf* sb = m_pIn->rdbuf();
    if (!sb) {
        return false;
    }
    auto room = static_cast<std::streamsize>(m_nCapacity - m_nUsed);
    std::streamsize got = sb->sgetn(reinterpret_cast<char*>(m_buffer.get() + m_nUsed), room);
    if (got <= 0) {
        return false;
    }
    m_nUsed += static_cast<size_t>(got);
    if (m_nStreamLeft > 0) {
        m_nStreamLeft = std::max<int64_t>(0, m_nStreamLeft - got);
    }
    return true;
}

void CArchive::GetBytesSlow(void* data, size_t size) {
    auto* bytes = static_cast<uint8_t*>(data);
    while (size > 0) {
        if (m_nPos == m_nUsed && !Refill()) {
            throw CArchiveException(CArchiveException::endOfFile);
        }
        size_t chunk = std::min(size, m_nUsed - m_nPos);
        std::memcpy(bytes, m_buffer.get() + m_nPos, chunk);
        m_nPos += chunk;
        bytes += chunk;
        size -= chunk;
    }
}

void CArchive::MeasureStream() {
    m_bMeasured = true;
    std::streambuf* sb = m_pIn->rdbuf();
    if (!sb) {
        m_nStreamLeft = 0;
        return;
    }
    const auto failed = std::streampos(std::streamoff(-1));
    std::streampos here = sb->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    std::streampos end = here == failed ? failed : sb->pubseekoff(0, std::ios_base::end, std::ios_base::in);
    if (here != failed && end != failed && sb->pubseekpos(here, std::ios_base::in) == here) {
        m_nStreamLeft = std::max<int64_t>(0, static_cast<int64_t>(end - here));
        return;
    }
    // A stream that cannot tell its size (a pipe): pull all of it into the
    // buffer. That costs no more memory than the stream really holds.
    m_nStreamLeft = -1;
    for (;;) {
        if (m_nUsed == m_nCapacity) {
            Grow();
        }
        auto room = static_cast<std::streamsize>(m_nCapacity - m_nUsed);
        std::streamsize got = sb->sgetn(reinterpret_cast<char*>(m_buffer.get() + m_nUsed), room);
        if (got <= 0) {
            break;
        }
        m_nUsed += static_cast<size_t>(got);
    }
    m_nStreamLeft = 0;
}

void CArchive::Grow() {
    std::unique_ptr<uint8_t[]> larger(new uint8_t[m_nCapacity * 2]);
    std::memcpy(larger.get(), m_buffer.get(), m_nUsed);
    m_buffer = std::move(larger);
    m_nCapacity *= 2;
}

uint64_t CArchive::BytesLeft() {
    if (!m_bMeasured) {
        MeasureStream();
    }
    return static_cast<uint64_t>(m_nUsed - m_nPos) + static_cast<uint64_t>(std::max<int64_t>(0, m_nStreamLeft));
}

void CArchive::RequireBytes(uint64_t bytes) {
    if (BytesLeft() < bytes) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
}
