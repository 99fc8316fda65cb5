#pragma once
// Internal helpers of the operators: reading and writing value payloads.

#include <cmath>

#include "expr/ExpressCode.h"
#include "expr/ExpressValue.h"

inline bool IsNumeric(const ExpressValue& v) { return v.nType == EV_INTEGER || v.nType == EV_NUMBER; }

inline double AsDouble(const ExpressValue& v) {
    return v.nType == EV_INTEGER ? static_cast<double>(v.nValue) : v.dValue;
}

inline void SetNumber(ExpressValue& v, double d) {
    ClearValue(v);
    v.nType = EV_NUMBER;
    v.dValue = d;
}

inline void SetDate(ExpressValue& v, double d) {
    ClearValue(v);
    v.nType = EV_DATE;
    v.dValue = d;
}

inline void SetInteger(ExpressValue& v, int32_t n) {
    ClearValue(v);
    v.nType = EV_INTEGER;
    v.nValue = n;
}

inline void SetBoolean(ExpressValue& v, bool b) {
    ClearValue(v);
    v.nType = EV_BOOLEAN;
    v.nValue = b ? 1 : 0;
}

// Length of a text, never reading past its storage.
inline int TextLength(const ExpressValue& v) {
    int n = 0;
    while (n < EXPRESS_TEXT_MAX && v.szText[n] != 0) ++n;
    return n;
}

// The functions (IsFunctionOperator) on a double; the one definition that
// the step-by-step evaluator, the number-only program and the row batches
// use.
inline double ExpressMathFunction(int nOperator, double x) {
#define CRV_FUNCTION_CALL(KEYWORD, Name, op, token, error, call) \
    case op: return call(x);
    switch (nOperator) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_CALL)
    default: return x;
    }
#undef CRV_FUNCTION_CALL
}
