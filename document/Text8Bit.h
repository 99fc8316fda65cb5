#pragma once
// 8-bit strings in document files come from other writers. On this platform
// the system's 8-bit encoding is UTF-8, so valid UTF-8 is decoded as such;
// anything else is taken byte for code unit (Latin-1), which never fails and
// keeps every byte visible.

#include <string>
#include <string_view>

std::u16string Text8BitToUtf16(std::string_view bytes);
