#pragma once
// A buffered little-endian byte archive over a standard stream, storing or
// loading the primitives of the document file.
//
// Storing never throws: a write failure of the stream is remembered and
// reported by Close(). Loading throws CArchiveException: endOfFile when the
// stream ends inside a field, generic for an impossible string length. The
// archive sees only how many bytes the stream buffer hands out, so telling a
// read error from the end is the buffer's job: the file's buffer
// (files/FileStreamBuffer.h) throws std::system_error, which passes through here.
// Fields are moved through a 64 KiB buffer, so there is no system call per
// field.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <memory>
#include <string>

class CArchiveException {
public:
    enum { generic = 0, endOfFile = 1, badVersion = 2 };
    explicit CArchiveException(int cause) : m_cause(cause) {}
    int m_cause;
};

class CArchive {
public:
    explicit CArchive(std::ostream& out);  // stores
    explicit CArchive(std::istream& in);   // loads
    ~CArchive();                           // flushes what is left when storing

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_pOut != nullptr; }
    bool IsLoading() const { return !IsStoring(); }
    // Flushes the buffer; false when the stream reported a write failure.
    bool Close();

    // Storing.
    void WriteUInt8(uint8_t value) { PutBytes(&value, 1); }
    void WriteUInt16(uint16_t value) { PutLittle(value); }
    void WriteInt32(int32_t value) { PutLittle(static_cast<uint32_t>(value)); }
    void WriteUInt32(uint32_t value) { PutLittle(value); }
    void WriteUInt64(uint64_t value) { PutLittle(value); }
    void WriteDouble(double value) { PutLittle(std::bit_cast<uint64_t>(value)); }
    // The Unicode marker, the shortest length form and the UTF-16LE units.
    void WriteString(std::u16string_view text);

    // Loading.
    uint8_t ReadUInt8() {
        uint8_t value;
        GetBytes(&value, 1);
        return value;
    }
    uint16_t ReadUInt16() { return GetLittle<uint16_t>(); }
    int32_t ReadInt32() { return static_cast<int32_t>(GetLittle<uint32_t>()); }
    uint32_t ReadUInt32() { return GetLittle<uint32_t>(); }
    uint64_t ReadUInt64() { return GetLittle<uint64_t>(); }
    double ReadDouble() { return std::bit_cast<double>(GetLittle<uint64_t>()); }
    // Accepts the UTF-16 form and the 8-bit form (decoded as UTF-8 when it
    // is valid UTF-8, byte for code unit otherwise).
    std::u16string ReadString();

    // The bytes that remain to be read. Checked before anything whose size
    // comes from the file is allocated, so no file can make the program
    // allocate more than the file holds.
    uint64_t BytesLeft();
    // Throws endOfFile unless at least `bytes` remain.
    void RequireBytes(uint64_t bytes);

    // Raw bytes through the buffer.
    void PutBytes(const void* data, size_t size) {
        if (size <= m_nCapacity - m_nUsed) {
            std::memcpy(m_buffer.get() + m_nUsed, data, size);
            m_nUsed += size;
        } else {
            PutBytesSlow(data, size);
        }
    }
    void GetBytes(void* data, size_t size) {
        if (size <= m_nUsed - m_nPos) {
            std::memcpy(data, m_buffer.get() + m_nPos, size);
            m_nPos += size;
        } else {
            GetBytesSlow(data, size);
        }
    }

private:
    template <typename T>
    static T ToLittle(T value) {
        if constexpr (std::endian::native == std::endian::big) {
            T swapped = 0;
            for (size_t i = 0; i < sizeof(T); ++i) {
                swapped = static_cast<T>((swapped << 8) | ((value >> (8 * i)) & 0xFF));
            }
            return swapped;
        }
        return value;
    }
    template <typename T>
    void PutLittle(T value) {
        value = ToLittle(value);
        PutBytes(&value, sizeof value);
    }
    template <typename T>
    T GetLittle() {
        T value;
        GetBytes(&value, sizeof value);
        return ToLittle(value);
    }

    void PutBytesSlow(const void* data, size_t size);
    void GetBytesSlow(void* data, size_t size);
    void Flush();
    bool Refill();  // false at the end of the stream
    void MeasureStream();
    void Grow();  // doubles the buffer, keeping what it holds
    size_t ReadStringLength(bool& wide);

    std::ostream* m_pOut = nullptr;
    std::istream* m_pIn = nullptr;
    std::unique_ptr<uint8_t[]> m_buffer;  // left unwritten until used
    size_t m_nCapacity;
    size_t m_nUsed = 0;  // bytes of the buffer filled (storing: to flush)
    size_t m_nPos = 0;   // loading: next byte to hand out
    bool m_bFailed = false;
    // Loading: bytes of the stream not yet pulled into the buffer, when the
    // stream can tell; -1 until measured or when it cannot.
    int64_t m_nStreamLeft = -1;
    bool m_bMeasured = false;
};
