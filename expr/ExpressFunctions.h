#pragma once
// The one-operand functions of the formula language, one row each. A row
// gives the keyword, the name of its type-testing form (Value<Name>), its
// operator code in the compiled form, its token code, the error code of an
// operand it cannot take, and what it computes on a double. The codes, the
// lexer's keywords, the parser's function rule, the type tests, the
// step-by-step evaluator, the number-only program and the row batches all
// expand this list, so a new function is a new row here plus its messages in
// ExpressMessages.cpp.
//
// The numbers are fixed for good: compiled forms, messages and their users
// know them. Operators 7 to 12 and tokens 6 to 11 sit among the other
// operators and tokens; the later functions come after every other code.

#include <cmath>

// The sign of x: -1.0, 1.0, +0.0 for either zero, and x itself for a NaN.
inline double ExpressSign(double x) { return x > 0 ? 1.0 : x < 0 ? -1.0 : x == 0 ? 0.0 : x; }

// X(KEYWORD, Name, operator, token, error, function of one double)
#define CRV_EXPRESS_FUNCTIONS(X)            \
    X(SIN, Sin, 7, 6, 23, std::sin)         \
    X(COS, Cos, 8, 7, 24, std::cos)         \
    X(TAN, Tan, 9, 8, 25, std::tan)         \
    X(ATAN, Atan, 10, 9, 26, std::atan)     \
    X(LN, Ln, 11, 10, 27, std::log)         \
    X(LOG, Log, 12, 11, 28, std::log10)     \
    X(SQRT, Sqrt, 23, 26, 36, std::sqrt)    \
    X(ABS, Abs, 24, 27, 37, std::fabs)      \
    X(EXP, Exp, 25, 28, 38, std::exp)       \
    X(ASIN, Asin, 26, 29, 39, std::asin)    \
    X(ACOS, Acos, 27, 30, 40, std::acos)    \
    X(SINH, Sinh, 28, 31, 41, std::sinh)    \
    X(COSH, Cosh, 29, 32, 42, std::cosh)    \
    X(TANH, Tanh, 30, 33, 43, std::tanh)    \
    X(FLOOR, Floor, 31, 34, 44, std::floor) \
    X(CEIL, Ceil, 32, 35, 45, std::ceil)    \
    X(ROUND, Round, 33, 36, 46, std::round) \
    X(SIGN, Sign, 34, 37, 47, ExpressSign)

// The rows' codes as data, in the order of the rows.
struct ExpressFunctionCodes {
    int nOperator;
    int nToken;
    int nError;
};

#define CRV_FUNCTION_CODES(KEYWORD, Name, op, token, error, call) {op, token, error},
inline constexpr ExpressFunctionCodes EXPRESS_FUNCTIONS[] = {CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_CODES)};
#undef CRV_FUNCTION_CODES

inline constexpr int EXPRESS_FUNCTION_COUNT = static_cast<int>(sizeof EXPRESS_FUNCTIONS / sizeof EXPRESS_FUNCTIONS[0]);

// The row of an operator code, or -1 for any other code.
constexpr int FunctionRowOfOperator(int op) {
    for (int i = 0; i < EXPRESS_FUNCTION_COUNT; ++i) {
        if (EXPRESS_FUNCTIONS[i].nOperator == op) return i;
    }
    return -1;
}

// The highest error code a function raises.
constexpr int LastFunctionError() {
    int last = 0;
    for (const ExpressFunctionCodes& row : EXPRESS_FUNCTIONS) last = row.nError > last ? row.nError : last;
    return last;
}
