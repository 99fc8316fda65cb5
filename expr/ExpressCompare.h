#pragma once
// The logical operators, the comparisons and LIKE on values (ExpressValue),
// with the same rules as the arithmetic of ExpressOperators.h: each throws
// CExpressException with its own code when the operand types do not fit, and
// a result may be the same object as an operand.

#include "expr/ExpressValue.h"

// Numbers compare equal when they differ by less than this.
constexpr double EQUAL_TOLERANCE = 0.01;

void ValueNot(const ExpressValue& operand, ExpressValue& result);                              // EE_CANNOT_NOT
void ValueOr(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);       // EE_CANNOT_OR
void ValueAnd(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);      // EE_CANNOT_AND
void ValueEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);    // EE_CANNOT_COMPARE
void ValueGreater(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);  // EE_CANNOT_COMPARE
void ValueGreaterEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);
void ValueLess(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);
void ValueLessEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);
void ValueNotEqual(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);
void ValueLike(const ExpressValue& left, const ExpressValue& right, ExpressValue& result);  // EE_CANNOT_LIKE
