#pragma once
// A buffered little-endian byte archive over a standard stream, storing or
// loading the primitives of the document file.

#include <cstdint>
#include <iosfwd>
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

    bool IsStoring() const;
    bool IsLoading() const { return !IsStoring(); }
    // Flushes the buffer; false when the stream reported a write failure.
    bool Close();
};
