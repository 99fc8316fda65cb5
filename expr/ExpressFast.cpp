// The number-only program. A compiled form that holds only numbers, number
// variables and arithmetic or function operators is turned into a short list
// of steps on doubles: variables are resolved to their storage once, constant
// and variable operands are read in place instead of being pushed, and
// constant sub-formulas are computed here once. Every step applies exactly
// the operation the step-by-step rules apply to two numbers (the sign as a
// product with -1.0, the divisor offset, the library power), so both give the
// same bits.

#include "Express.h"
#include "ExpressOperators.h"
#include "ExpressValueAccess.h"

namespace {

inline double FastApply(int op, double a, double b)
{
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

bool IsFastUnary(int op)
{
    return op == OP_NEG || (op >= OP_SIN && op <= OP_LOG);
}

bool IsFastBinary(int op)
{
    return op >= OP_ADD && op <= OP_DIV;
}

}  // namespace

void CExpress::BuildFastPath()
{
    m_nFastCodeCount = -1;
    m_nFastOpCount = 0;
    const double* operand[EXPRESS_STACK_MAX];
    bool constant[EXPRESS_STACK_MAX];
    int n = 0, constants = 0;
    for (int i = 0; i < m_nCodeCount; ++i) {
        const ExpressCode& code = m_code[i];
        if (code.nKind == IK_CONSTANT || code.nKind == IK_VARIABLE) {
            const double* p = code.nKind == IK_VARIABLE ? GetVariableAddress(code.szName)
                              : code.value.nType == EV_NUMBER ? &code.value.dValue : nullptr;
            if (p == nullptr || n == EXPRESS_STACK_MAX)
                return;
            constant[n] = code.nKind == IK_CONSTANT;
            operand[n++] = p;
            continue;
        }
        const int op = code.nOperator;
        const bool unary = IsFastUnary(op);
        if (code.nKind != IK_OPERATOR || (!unary && !IsFastBinary(op)) || n < (unary ? 1 : 2))
            return;
        const int at = unary ? n - 1 : n - 2;
        const double* a = operand[at];
        const double* b = operand[n - 1];
        if (constant[at] && constant[n - 1]) {
            m_fastConstants[constants] = FastApply(op, *a, *b);
            operand[at] = &m_fastConstants[constants++];
        } else {
            m_fastOps[m_nFastOpCount++] = {op, a, b, &m_fastStack[at]};
            operand[at] = &m_fastStack[at];
            constant[at] = false;
        }
        n = at + 1;
    }
    if (n != 1)
        return;
    m_pFastResult = operand[0];
    m_nFastCodeCount = m_nCodeCount;
}

// Kept in this file so that the loop below is inlined into the two entry
// points the sampling calls.
inline double CExpress::RunFast() const
{
    const ExpressFastOp* op = m_fastOps;
    const ExpressFastOp* const end = m_fastOps + m_nFastOpCount;
    for (; op != end; ++op) {
        const double a = *op->a;
        switch (op->op) {
        case OP_NEG: *op->d = a * -1.0; break;
        case OP_ADD: *op->d = a + *op->b; break;
        case OP_SUB: *op->d = a - *op->b; break;
        case OP_MUL: *op->d = a * *op->b; break;
        case OP_POW: *op->d = std::pow(a, *op->b); break;
        case OP_DIV: *op->d = a / (*op->b + DIVISOR_OFFSET); break;
        case OP_SIN: *op->d = std::sin(a); break;
        case OP_COS: *op->d = std::cos(a); break;
        case OP_TAN: *op->d = std::tan(a); break;
        case OP_ATAN: *op->d = std::atan(a); break;
        case OP_LN: *op->d = std::log(a); break;
        case OP_LOG: *op->d = std::log10(a); break;
        default: __builtin_unreachable();  // BuildFastPath emits nothing else
        }
    }
    return *m_pFastResult;
}

void CExpress::Evaluate(ExpressValue& result) const
{
    if (HasFastPath()) {
        result.nType = EV_NUMBER;
        result.dValue = RunFast();
        return;
    }
    EvaluateStepByStep(result);
}

bool CExpress::EvaluateNumber(double& result) const
{
    if (HasFastPath()) {
        result = RunFast();
        return true;
    }
    ExpressValue value;
    EvaluateStepByStep(value);
    if (value.nType == EV_NUMBER)
        result = value.dValue;
    else if (value.nType == EV_INTEGER)
        result = value.nValue;
    else
        return false;
    return true;
}
