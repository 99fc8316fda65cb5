#include "expr/ExpressValue.h"

#include <cmath>
#include <cstring>

#include "expr/ExpressException.h"

void ClearValue(ExpressValue& value) {
    value.nType = EV_NONE;
    value.szText[0] = 0;
}

ExpressValue& CopyValue(const ExpressValue& source, ExpressValue& destination) {
    if (&source == &destination) return destination;
    destination.nType = source.nType;
    if (source.nType == EV_TEXT) {
        // Bounded, and terminated even when the source is not.
        int i = 0;
        for (; i < EXPRESS_TEXT_MAX && source.szText[i] != 0; ++i) destination.szText[i] = source.szText[i];
        destination.szText[i] = 0;
    } else {
        std::memcpy(destination.szText, source.szText, 8);
    }
    return destination;
}

double DateToDays(double date) {
    if (date >= 0) return date;
    const double c = std::ceil(date);
    return c - (date - c);
}

double DaysToDate(double days) {
    if (days >= 0) return days;
    const double f = std::floor(days);
    return f + (f - days);
}

ExpressValue IntegerValue(int32_t n) {
    ExpressValue v;
    ClearValue(v);
    v.nType = EV_INTEGER;
    v.nValue = n;
    return v;
}

ExpressValue NumberValue(double d) {
    ExpressValue v;
    ClearValue(v);
    v.nType = EV_NUMBER;
    v.dValue = d;
    return v;
}

ExpressValue BooleanValue(bool b) {
    ExpressValue v = IntegerValue(b ? 1 : 0);
    v.nType = EV_BOOLEAN;
    return v;
}

ExpressValue DateValue(double date) {
    ExpressValue v = NumberValue(date);
    v.nType = EV_DATE;
    return v;
}

ExpressValue TextValue(std::u16string_view text) {
    if (text.size() > static_cast<size_t>(EXPRESS_TEXT_MAX)) throw CExpressException(nullptr, EE_TEXT_TOO_LONG);
    ExpressValue v;
    v.nType = EV_TEXT;
    std::memcpy(v.szText, text.data(), text.size() * sizeof(char16_t));
    v.szText[text.size()] = 0;
    return v;
}
