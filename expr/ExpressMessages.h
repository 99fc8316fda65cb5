#pragma once
// The message table of the engine's error codes.

#include "expr/ExpressError.h"

struct ExpressMessage_t {
    int nCode;
    const char16_t* szJapanese;
    const char16_t* szChinese;
    const char16_t* szEnglish;
};

constexpr int EXPRESS_MESSAGE_COUNT = EXPRESS_LAST_ERROR + 1;
extern const ExpressMessage_t EXPRESS_MESSAGES[EXPRESS_MESSAGE_COUNT];
