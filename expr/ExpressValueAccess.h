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
// both the step-by-step evaluator and the number-only program use.
inline double ExpressMathFunction(int nOperator, double x) {
    switch (nOperator) {
    case OP_SIN: return std::sin(x);
    case OP_COS: return std::cos(x);
    case OP_TAN: return std::tan(x);
    case OP_ATAN: return std::atan(x);
    case OP_LN: return std::log(x);
    case OP_LOG: return std::log10(x);
    case OP_SQRT: return std::sqrt(x);
    case OP_ABS: return std::fabs(x);
    case OP_EXP: return std::exp(x);
    case OP_ASIN: return std::asin(x);
    case OP_ACOS: return std::acos(x);
    case OP_SINH: return std::sinh(x);
    case OP_COSH: return std::cosh(x);
    case OP_TANH: return std::tanh(x);
    default: return x;
    }
}
