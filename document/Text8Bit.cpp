#include "document/Text8Bit.h"

#include <cstdint>
#include <optional>

namespace {

// Decodes one well-formed UTF-8 sequence at `pos` (no overlongs, no
// surrogates, nothing above U+10FFFF); nothing when it is not one.
std::optional<char32_t> DecodeOne(std::string_view bytes, size_t& pos) {
    auto unit = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    const uint8_t lead = unit(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - pos <= static_cast<size_t>(extra)) {
        return std::nullopt;
    }
    for (int i = 1; i <= extra; ++i) {
        const uint8_t next = unit(pos + i);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += extra + 1;
    return code;
}

std::optional<std::u16string> DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        std::optional<char32_t> code = DecodeOne(bytes, pos);
        if (!code) {
            return std::nullopt;
        }
        if (*code < 0x10000) {
            text.push_back(static_cast<char16_t>(*code));
        } else {
            const char32_t rest = *code - 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (rest >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (rest & 0x3FF)));
        }
    }
    return text;
}

}  // namespace

std::u16string Text8BitToUtf16(std::string_view bytes) {
    if (std::optional<std::u16string> text = DecodeUtf8(bytes)) {
        return *text;
    }
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text.push_back(static_cast<char16_t>(static_cast<uint8_t>(byte)));
    }
    return text;
}
