#pragma once
// The arithmetic of the expression language on ExpressValue records: sign,
// "+", "-", "*", "^", "/" and the functions (ExpressCompare.h has the
// logical operators and the comparisons). Each checks its operand types and
// throws CExpressException with its own code when they do not fit; none
// returns an error value. A result may be the same record as an operand:
// operands are read completely before it is written.

#include "expr/ExpressFunctions.h"
#include "expr/ExpressValue.h"

// Added to every number divisor so that division never fails on zero.
constexpr double DIVISOR_OFFSET = 2.2250738585072014e-308;

void ValueNegate(ExpressValue& value);  // in place; EE_MISPLACED_SIGN
// EE_CANNOT_ADD, and EE_TEXT_TOO_LONG for a joined text beyond EXPRESS_TEXT_MAX
void ValueAdd(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);
void ValueSubtract(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);  // EE_CANNOT_SUBTRACT
void ValueMultiply(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);  // EE_CANNOT_MULTIPLY
void ValuePower(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);     // EE_CANNOT_POWER
void ValuePower(ExpressValue& left, const ExpressValue& right);  // in place: left = left ^ right
void ValueDivide(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);  // EE_CANNOT_DIVIDE

// Type-testing forms of the functions (the compiler's), one per row of
// ExpressFunctions.h, named after it: ValueSin, ValueCos ... A number or an
// integer gives a number; anything else errors with the row's own code.
#define CRV_FUNCTION_DECLARATION(KEYWORD, Name, op, token, error, call) \
    void Value##Name(const ExpressValue& operand, ExpressValue& result);
CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_DECLARATION)
#undef CRV_FUNCTION_DECLARATION
// The type-testing form of the function with operator code nOperator
// (IsFunctionOperator); EE_UNEXPECTED for any other code.
void ValueTestedFunction(int nOperator, const ExpressValue& operand, ExpressValue& result);

// The direct form of the functions (IsFunctionOperator) used at run time,
// where the compiler has already tested the type: applies the function to the
// double and makes the value a number.
void ValueApplyFunction(int nOperator, ExpressValue& value);
