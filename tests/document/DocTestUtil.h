#pragma once
// Helpers shared by the document tests: documents to bytes and back, and a
// little-endian byte builder for files written by hand.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"

inline std::string SaveToBytes(CCurvilinearscopeDoc& doc) {
    std::ostringstream out;
    CArchive ar(out);
    doc.Serialize(ar);
    EXPECT_TRUE(ar.Close());
    return out.str();
}

inline void LoadFromBytes(const std::string& bytes, CCurvilinearscopeDoc& doc) {
    std::istringstream in(bytes);
    CArchive ar(in);
    doc.Serialize(ar);
}

// Returns the cause of the CArchiveException a load throws, or -1.
inline int LoadFailure(const std::string& bytes) {
    CCurvilinearscopeDoc doc;
    try {
        LoadFromBytes(bytes, doc);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

// An array holding exactly these records.
inline PointArray PointsOf(std::initializer_list<SamplePoint> records) {
    PointArray points = PointArray::Allocate(records.size());
    std::copy(records.begin(), records.end(), points.get());
    return points;
}

class Bytes {
public:
    Bytes& U8(uint8_t v) {
        m_s.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    Bytes& I32(int32_t v) { return Raw(static_cast<uint32_t>(v), 4); }
    Bytes& U32(uint32_t v) { return Raw(v, 4); }
    Bytes& U64(uint64_t v) { return Raw(v, 8); }
    Bytes& F64(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Raw(bits, 8);
    }
    Bytes& Hex(std::string_view hex) {  // "dba01e12..." in file order
        for (size_t i = 0; i + 1 < hex.size(); i += 2) {
            U8(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        }
        return *this;
    }
    Bytes& Units(std::u16string_view text) {
        for (char16_t c : text) U16(c);
        return *this;
    }
    // A short UTF-16 string as this program writes it.
    Bytes& Str(std::u16string_view text) {
        return U8(0xFF).U16(0xFFFE).U8(static_cast<uint8_t>(text.size())).Units(text);
    }
    const std::string& str() const { return m_s; }

private:
    Bytes& Raw(uint64_t v, int n) {
        for (int i = 0; i < n; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::string m_s;
};
