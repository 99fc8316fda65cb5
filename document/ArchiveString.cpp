// The string encoding of the archive: a Unicode marker, a length header in one
// of four sizes, then the text.

#include "document/Archive.h"
#include "document/Text8Bit.h"

namespace {
constexpr uint64_t kLongestLength = 0x7FFFFFFF;
}

void CArchive::WriteString(std::u16string_view text) {
    WriteUInt8(0xFF);
    WriteUInt16(0xFFFE);
    const uint64_t length = text.size();
    if (length < 0xFF) {
        WriteUInt8(static_cast<uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<uint16_t>(length));
    } else if (length < 0xFFFFFFFF) {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<uint32_t>(length));
    } else {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(0xFFFFFFFF);
        WriteUInt64(length);
    }
    if constexpr (std::endian::native == std::endian::little) {
        PutBytes(text.data(), text.size() * sizeof(char16_t));
    } else {
        for (char16_t unit : text) {
            WriteUInt16(unit);
        }
    }
}

// Reads the length header; `wide` tells whether the text is UTF-16.
size_t CArchive::ReadStringLength(bool& wide) {
    wide = false;
    uint8_t byteLength = ReadUInt8();
    if (byteLength < 0xFF) {
        return byteLength;
    }
    uint16_t wordLength = ReadUInt16();
    if (wordLength == 0xFFFE) {
        wide = true;
        byteLength = ReadUInt8();
        if (byteLength < 0xFF) {
            return byteLength;
        }
        wordLength = ReadUInt16();
    }
    if (wordLength < 0xFFFF) {
        return wordLength;
    }
    uint32_t longLength = ReadUInt32();
    if (longLength < 0xFFFFFFFF) {
        return longLength;
    }
    uint64_t hugeLength = ReadUInt64();
    if (hugeLength > kLongestLength) {
        throw CArchiveException(CArchiveException::generic);
    }
    return static_cast<size_t>(hugeLength);
}

std::u16string CArchive::ReadString() {
    bool wide = false;
    const size_t length = ReadStringLength(wide);
    // The length comes from the file: make sure the file holds the text
    // before any memory is set aside for it.
    RequireBytes(static_cast<uint64_t>(length) * (wide ? 2 : 1));
    if (!wide) {
        std::string bytes(length, '\0');
        GetBytes(bytes.data(), length);
        return Text8BitToUtf16(bytes);
    }
    std::u16string text(length, u'\0');
    GetBytes(text.data(), length * sizeof(char16_t));
    if constexpr (std::endian::native == std::endian::big) {
        for (char16_t& unit : text) {
            unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
        }
    }
    return text;
}
