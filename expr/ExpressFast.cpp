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

// Operand flags of a step: the operand is the result of the step just
// before, which the loop keeps in a register instead of reading it back.
constexpr int32_t FROM_LAST_A = 32;
constexpr int32_t FROM_LAST_B = 64;

void CExpress::BuildFastPath()
{
    m_nFastCodeCount = -1;
    m_nFastOpCount = 0;
    const double* operand[EXPRESS_STACK_MAX];
    bool constant[EXPRESS_STACK_MAX];
    int n = 0, constants = 0;
    const double* last = nullptr;  // where the latest step wrote
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
            int32_t flags = 0;
            if (last != nullptr && a == last)
                flags |= FROM_LAST_A;
            else if (!unary && last != nullptr && b == last)
                flags |= FROM_LAST_B;
            last = &m_fastStack[at];
            m_fastOps[m_nFastOpCount++] = {op | flags, a, b, &m_fastStack[at]};
            operand[at] = last;
            constant[at] = false;
        }
        n = at + 1;
    }
    if (n != 1)
        return;
    m_pFastResult = operand[0];
    m_nFastCodeCount = m_nCodeCount;
}

// One case per operation and operand source; "last" is the previous step's
// result, still in a register.
#define CRV_FAST_BINARY(code, expression)                                   \
    case code: {                                                           \
        const double a = *op->a, b = *op->b;                               \
        last = (expression);                                               \
        break;                                                             \
    }                                                                      \
    case code | FROM_LAST_A: {                                             \
        const double a = last, b = *op->b;                                 \
        last = (expression);                                               \
        break;                                                             \
    }                                                                      \
    case code | FROM_LAST_B: {                                             \
        const double a = *op->a, b = last;                                 \
        last = (expression);                                               \
        break;                                                             \
    }
#define CRV_FAST_UNARY(code, expression)                                    \
    case code: {                                                           \
        const double a = *op->a;                                           \
        last = (expression);                                               \
        break;                                                             \
    }                                                                      \
    case code | FROM_LAST_A: {                                             \
        const double a = last;                                             \
        last = (expression);                                               \
        break;                                                             \
    }

// Kept in this file so that the loop below is inlined into the two entry
// points the sampling calls.
inline double CExpress::RunFast() const
{
    const ExpressFastOp* op = m_fastOps;
    const ExpressFastOp* const end = m_fastOps + m_nFastOpCount;
    double last = 0;
    for (; op != end; ++op) {
        switch (op->op) {
            CRV_FAST_UNARY(OP_NEG, a * -1.0)
            CRV_FAST_BINARY(OP_ADD, a + b)
            CRV_FAST_BINARY(OP_SUB, a - b)
            CRV_FAST_BINARY(OP_MUL, a * b)
            CRV_FAST_BINARY(OP_POW, std::pow(a, b))
            CRV_FAST_BINARY(OP_DIV, a / (b + DIVISOR_OFFSET))
            CRV_FAST_UNARY(OP_SIN, std::sin(a))
            CRV_FAST_UNARY(OP_COS, std::cos(a))
            CRV_FAST_UNARY(OP_TAN, std::tan(a))
            CRV_FAST_UNARY(OP_ATAN, std::atan(a))
            CRV_FAST_UNARY(OP_LN, std::log(a))
            CRV_FAST_UNARY(OP_LOG, std::log10(a))
        default:
            __builtin_unreachable();  // BuildFastPath emits nothing else
        }
        *op->d = last;  // for a later step that reads it from its slot
    }
    return *m_pFastResult;
}

#undef CRV_FAST_BINARY
#undef CRV_FAST_UNARY

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
