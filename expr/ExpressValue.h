#pragma once
// The engine's one value record: a fixed-size tagged union of text, double,
// 32-bit integer, truth value or date. Plain data, copied by value, never
// allocated.

#include <cstdint>
#include <string_view>

enum {
    EV_NONE = 0,     // no value: cleared, or a lookup that found nothing
    EV_INTEGER = 1,  // nValue
    EV_NUMBER = 2,   // dValue
    EV_BOOLEAN = 3,  // nValue: 0 false, nonzero true
    EV_TEXT = 4,     // szText, at most EXPRESS_TEXT_MAX code units
    EV_DATE = 5,     // dValue: OLE Automation day count
};

constexpr int EXPRESS_TEXT_MAX = 63;  // code units, the terminator not counted

struct ExpressValue {
    union {
        char16_t szText[EXPRESS_TEXT_MAX + 1];
        double dValue;
        int32_t nValue;
    };
    int32_t nType;
};

// Sets the type to EV_NONE and the text to empty; the rest of the storage
// keeps what it held.
void ClearValue(ExpressValue& value);

// The only way values move: the type, then the text (bounded, always
// terminated) or the first 8 bytes of the storage. Returns the destination.
ExpressValue& CopyValue(const ExpressValue& source, ExpressValue& destination);

// A date counts days from 1899-12-30 with the time of day as a forward
// fraction even below zero (-1.25 is 1899-12-29 06:00); date arithmetic goes
// through the continuous day count these two convert to and from.
double DateToDays(double date);
double DaysToDate(double days);

// Convenience constructors for callers and tests.
ExpressValue IntegerValue(int32_t n);
ExpressValue NumberValue(double d);
ExpressValue BooleanValue(bool b);
ExpressValue DateValue(double date);
// Throws CExpressException EE_TEXT_TOO_LONG when the text is longer than EXPRESS_TEXT_MAX.
ExpressValue TextValue(std::u16string_view text);
