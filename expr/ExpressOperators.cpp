// Arithmetic operators: sign, +, -, *, ^, / and the functions.

#include "expr/ExpressOperators.h"

#include <cmath>
#include <cstdint>

#include "expr/ExpressException.h"
#include "expr/ExpressValueAccess.h"

namespace {

// 32-bit two's complement wrap-around, without signed overflow.
int32_t Wrap(uint32_t u) { return static_cast<int32_t>(u); }

// Shared by addition and subtraction: the numeric and date cases.
bool AddNumeric(const ExpressValue& l, const ExpressValue& r, int sign, ExpressValue& result) {
    if (l.nType == EV_INTEGER && r.nType == EV_INTEGER) {
        const uint32_t a = static_cast<uint32_t>(l.nValue), b = static_cast<uint32_t>(r.nValue);
        SetInteger(result, Wrap(sign > 0 ? a + b : a - b));
        return true;
    }
    if (IsNumeric(l) && IsNumeric(r)) {
        const double a = AsDouble(l), b = AsDouble(r);
        SetNumber(result, sign > 0 ? a + b : a - b);
        return true;
    }
    if (l.nType == EV_DATE && IsNumeric(r)) {
        const double days = DateToDays(l.dValue);
        const double k = AsDouble(r);
        SetDate(result, DaysToDate(sign > 0 ? days + k : days - k));
        return true;
    }
    return false;
}

// Repeated squaring for a number raised to an integer.
double PowerBySquaring(double base, int32_t exponent) {
    uint32_t e = exponent < 0 ? 0u - static_cast<uint32_t>(exponent) : static_cast<uint32_t>(exponent);
    double product = 1.0;
    while (e != 0) {
        if (e & 1u) product *= base;
        base *= base;
        e >>= 1;
    }
    return exponent < 0 ? 1.0 / product : product;
}

// Integer division by zero: the integer nearest to "infinity of the
// dividend's sign".
int32_t DivideByIntegerZero(double dividend) {
    if (dividend > 0) return INT32_MAX;
    if (dividend < 0) return INT32_MIN;
    return 0;  // zero, and a NaN, which has no sign to go by
}

// The error of an operand the function with this operator cannot take.
int FunctionError(int nOperator) {
#define CRV_FUNCTION_ERROR(KEYWORD, Name, op, token, error, call) \
    case op: return error;
    switch (nOperator) {
        CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_ERROR)
    default: return EE_UNEXPECTED;
    }
#undef CRV_FUNCTION_ERROR
}

}  // namespace

void ValueNegate(ExpressValue& value) {
    if (value.nType == EV_NUMBER)
        value.dValue = value.dValue * -1.0;
    else if (value.nType == EV_INTEGER)
        value.nValue = Wrap(0u - static_cast<uint32_t>(value.nValue));
    else
        throw CExpressException(nullptr, EE_MISPLACED_SIGN);
}

void ValueAdd(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (AddNumeric(left, right, +1, result)) return;
    if (left.nType == EV_TEXT && right.nType == EV_TEXT) {
        const int a = TextLength(left), b = TextLength(right);
        if (a + b > EXPRESS_TEXT_MAX) throw CExpressException(nullptr, EE_TEXT_TOO_LONG);
        ExpressValue joined;
        joined.nType = EV_TEXT;
        for (int i = 0; i < a; ++i) joined.szText[i] = left.szText[i];
        for (int i = 0; i < b; ++i) joined.szText[a + i] = right.szText[i];
        joined.szText[a + b] = 0;
        CopyValue(joined, result);
        return;
    }
    throw CExpressException(nullptr, EE_CANNOT_ADD);
}

void ValueSubtract(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (!AddNumeric(left, right, -1, result)) throw CExpressException(nullptr, EE_CANNOT_SUBTRACT);
}

void ValueMultiply(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType == EV_INTEGER && right.nType == EV_INTEGER)
        SetInteger(result, Wrap(static_cast<uint32_t>(left.nValue) * static_cast<uint32_t>(right.nValue)));
    else if (IsNumeric(left) && IsNumeric(right))
        SetNumber(result, AsDouble(left) * AsDouble(right));
    else
        throw CExpressException(nullptr, EE_CANNOT_MULTIPLY);
}

void ValuePower(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType == EV_NUMBER && right.nType == EV_NUMBER) {
        SetNumber(result, std::pow(left.dValue, right.dValue));
    } else if (left.nType == EV_INTEGER && right.nType == EV_INTEGER) {
        const double p = std::trunc(std::pow(static_cast<double>(left.nValue), static_cast<double>(right.nValue)));
        // A power outside the 32-bit range stays the number it is instead of
        // turning into a meaningless integer.
        if (p >= -2147483648.0 && p <= 2147483647.0)
            SetInteger(result, static_cast<int32_t>(p));
        else
            SetNumber(result, std::pow(static_cast<double>(left.nValue), static_cast<double>(right.nValue)));
    } else if (left.nType == EV_INTEGER && right.nType == EV_NUMBER) {
        SetNumber(result, std::pow(static_cast<double>(left.nValue), right.dValue));
    } else if (left.nType == EV_NUMBER && right.nType == EV_INTEGER) {
        SetNumber(result, PowerBySquaring(left.dValue, right.nValue));
    } else {
        throw CExpressException(nullptr, EE_CANNOT_POWER);
    }
}

void ValuePower(ExpressValue& left, const ExpressValue& right) { ValuePower(left, right, left); }

void ValueDivide(const ExpressValue& left, const ExpressValue& right, ExpressValue& result) {
    if (left.nType == EV_NUMBER && right.nType == EV_NUMBER) {
        SetNumber(result, left.dValue / (right.dValue + DIVISOR_OFFSET));
    } else if (right.nType == EV_INTEGER && right.nValue == 0) {
        if (!IsNumeric(left)) throw CExpressException(nullptr, EE_CANNOT_DIVIDE);
        SetInteger(result, DivideByIntegerZero(AsDouble(left)));
    } else if (left.nType == EV_INTEGER && right.nType == EV_INTEGER) {
        const int32_t a = left.nValue, b = right.nValue;
        // a >= b rules out INT32_MIN / -1 before the remainder is taken.
        if (a >= b && a % b == 0)
            SetInteger(result, a / b);
        else
            SetNumber(result, static_cast<double>(a) / static_cast<double>(b));
    } else if (IsNumeric(left) && IsNumeric(right)) {
        SetNumber(result, AsDouble(left) / AsDouble(right));
    } else {
        throw CExpressException(nullptr, EE_CANNOT_DIVIDE);
    }
}

void ValueTestedFunction(int nOperator, const ExpressValue& operand, ExpressValue& result) {
    if (!IsFunctionOperator(nOperator) || !IsNumeric(operand))
        throw CExpressException(nullptr, FunctionError(nOperator));
    SetNumber(result, ExpressMathFunction(nOperator, AsDouble(operand)));
}

#define CRV_FUNCTION_DEFINITION(KEYWORD, Name, op, token, error, call) \
    void Value##Name(const ExpressValue& operand, ExpressValue& result) { ValueTestedFunction(op, operand, result); }
CRV_EXPRESS_FUNCTIONS(CRV_FUNCTION_DEFINITION)
#undef CRV_FUNCTION_DEFINITION

void ValueApplyFunction(int nOperator, ExpressValue& value) {
    value.dValue = ExpressMathFunction(nOperator, value.dValue);
    value.nType = EV_NUMBER;
}
