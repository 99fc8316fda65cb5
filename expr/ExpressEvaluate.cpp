// The step-by-step evaluator: runs the compiled form on a stack of values
// with the same operator functions the compiler used.

#include "expr/Express.h"
#include "expr/ExpressException.h"
#include "expr/ExpressOperators.h"
#include "expr/ExpressValueAccess.h"

int ExpressOperatorArity(int op);

namespace {

void ApplyBinary(int op, ExpressValue& left, const ExpressValue& right)
{
    // The operators read both operands before they write, and write nothing
    // when they throw, so the left entry can take the result directly.
    switch (op) {
    case OP_ADD: ValueAdd(left, right, left); break;
    case OP_SUB: ValueSubtract(left, right, left); break;
    case OP_MUL: ValueMultiply(left, right, left); break;
    case OP_POW: ValuePower(left, right); break;
    case OP_DIV: ValueDivide(left, right, left); break;
    case OP_OR: ValueOr(left, right, left); break;
    case OP_AND: ValueAnd(left, right, left); break;
    case OP_EQ: ValueEqual(left, right, left); break;
    case OP_GT: ValueGreater(left, right, left); break;
    case OP_GE: ValueGreaterEqual(left, right, left); break;
    case OP_LT: ValueLess(left, right, left); break;
    case OP_LE: ValueLessEqual(left, right, left); break;
    case OP_NE: ValueNotEqual(left, right, left); break;
    default: ValueLike(left, right, left); break;
    }
}

void ApplyUnary(int op, ExpressValue& top)
{
    if (op == OP_NEG) {
        ValueNegate(top);
    } else if (op == OP_NOT) {
        if (top.nType != EV_BOOLEAN)
            throw CExpressException(nullptr, 33);
        top.nValue = top.nValue == 0 ? 1 : 0;
    } else {
        ValueApplyFunction(op, top);  // the compiler has tested the type
    }
}

}  // namespace

// A form that would take more values than the stack holds, or an operator
// without its operands (only a form changed by hand can do either), stops
// with a cleared result instead of touching memory outside the stack.
void CExpress::EvaluateStepByStep(ExpressValue& result) const
{
    ExpressValue stack[EXPRESS_STACK_MAX];
    int n = 0;
    const int count = m_nCodeCount < EXPRESS_CODE_MAX ? m_nCodeCount : EXPRESS_CODE_MAX;
    try {
        for (int i = 0; i < count; ++i) {
            const ExpressCode& code = m_code[i];
            if (code.nKind == IK_CONSTANT || code.nKind == IK_VARIABLE) {
                if (n == EXPRESS_STACK_MAX) {
                    n = 0;
                    break;
                }
                if (code.nKind == IK_CONSTANT) {
                    CopyValue(code.value, stack[n]);
                } else {
                    const ExpressValue value = GetVariable(code.szName);
                    CopyValue(value, stack[n]);
                }
                ++n;
            } else if (code.nKind == IK_OPERATOR) {
                const int arity = ExpressOperatorArity(code.nOperator);
                if (n < arity) {
                    n = 0;
                    break;
                }
                if (arity == 1)
                    ApplyUnary(code.nOperator, stack[n - 1]);
                else if (arity == 2) {
                    // On an error the stack is not reduced: its top is the right operand.
                    ApplyBinary(code.nOperator, stack[n - 2], stack[n - 1]);
                    --n;
                }
            }
        }
    } catch (const CExpressException&) {
        // Swallowed: the result is the top entry as the error left it.
    }
    if (n == 0)
        ClearValue(result);
    else
        CopyValue(stack[n - 1], result);
}
