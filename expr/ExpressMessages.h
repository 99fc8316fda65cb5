#pragma once
// The message table of the engine's error codes.

struct ExpressMessage_t {
    int nCode;
    const char16_t* szJapanese;
    const char16_t* szChinese;
};

constexpr int EXPRESS_MESSAGE_COUNT = 36;
extern const ExpressMessage_t EXPRESS_MESSAGES[EXPRESS_MESSAGE_COUNT];
