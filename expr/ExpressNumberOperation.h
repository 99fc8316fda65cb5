#pragma once
// The operations of the number-only programs on doubles, each exactly as the
// step-by-step rules apply it to two numbers: the sign as a product with
// -1.0, the divisor offset, the library power and functions. The one-sample
// program and the row program both use these, so both give the bits of the
// step-by-step rules.

#include <cmath>

#include "expr/ExpressCode.h"
#include "expr/ExpressOperators.h"
#include "expr/ExpressValueAccess.h"

// The sign and the functions take one operand.
constexpr bool IsNumberUnary(int op) { return op == OP_NEG || IsFunctionOperator(op); }

// "+", "-", "*", "^" and "/" take two.
constexpr bool IsNumberBinary(int op) { return op >= OP_ADD && op <= OP_DIV; }

// One operation; b is ignored by the one-operand ones.
inline double ApplyNumberOperation(int op, double a, double b) {
    switch (op) {
    case OP_NEG: return a * -1.0;
    case OP_ADD: return a + b;
    case OP_SUB: return a - b;
    case OP_MUL: return a * b;
    case OP_POW: return std::pow(a, b);
    case OP_DIV: return a / (b + DIVISOR_OFFSET);
    default: return ExpressMathFunction(op, a);
    }
}
