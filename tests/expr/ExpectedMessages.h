#pragma once

struct ExpectedMessage {
    int code;
    const char16_t* japanese;
    const char16_t* chinese;
    const char16_t* english;
};

extern const ExpectedMessage EXPECTED_MESSAGES[48];
