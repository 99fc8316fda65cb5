// The compiled form: emission within the fixed capacity, the passes that run
// once the parser is done, and the step-by-step evaluator, which runs the
// form on a stack of values with the same operator functions the compiler
// used.

#include "expr/ExpressProgram.h"

#include <cstring>

#include "expr/ExpressCompare.h"
#include "expr/ExpressException.h"
#include "expr/ExpressOperators.h"
#include "expr/ExpressValueAccess.h"
#include "expr/ExpressVariables.h"

namespace {

// Arity of an operator code; 0 for codes the evaluator ignores.
int OperatorArity(int op) {
    if (op == OP_NEG || op == OP_NOT || IsFunctionOperator(op)) return 1;
    if (op >= OP_ADD && op <= OP_LIKE) return 2;
    return 0;
}

void ApplyBinary(int op, ExpressValue& left, const ExpressValue& right) {
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

void ApplyUnary(int op, ExpressValue& top) {
    if (op == OP_NEG) {
        ValueNegate(top);
    } else if (op == OP_NOT) {
        if (top.nType != EV_BOOLEAN) throw CExpressException(nullptr, EE_CANNOT_NOT);
        top.nValue = top.nValue == 0 ? 1 : 0;
    } else {
        ValueApplyFunction(op, top);  // the compiler has tested the type
    }
}

}  // namespace

CExpressProgram::CExpressProgram() : m_nCodeCount(0) {
    // Every byte, not just the fields a cleared instruction names: a form that
    // failed to compile and is evaluated anyway then reads nothing undefined.
    std::memset(m_code, 0, sizeof m_code);  // nKind 0, empty names, EV_NONE values
}

void CExpressProgram::Clear() {
    m_nCodeCount = 0;
    m_fast.Forget();
    m_rows.Forget();
}

ExpressCode* CExpressProgram::NextCode() {
    if (m_nCodeCount >= EXPRESS_CODE_MAX) return nullptr;
    return &m_code[m_nCodeCount++];
}

bool CExpressProgram::EmitOperator(int op) {
    ExpressCode* code = NextCode();
    if (code == nullptr) return false;
    code->nKind = IK_OPERATOR;
    code->nOperator = op;
    return true;
}

bool CExpressProgram::EmitConstant(const ExpressValue& value) {
    ExpressCode* code = NextCode();
    if (code == nullptr) return false;
    code->nKind = IK_CONSTANT;
    CopyValue(value, code->value);
    return true;
}

bool CExpressProgram::EmitVariable(const std::u16string& name) {
    ExpressCode* code = NextCode();
    if (code == nullptr) return false;
    code->nKind = IK_VARIABLE;
    // The lexer refuses longer names; the bound keeps the instruction safe anyway.
    size_t i = 0;
    for (; i < name.size() && i < static_cast<size_t>(EXPRESS_TEXT_MAX); ++i) code->szName[i] = name[i];
    code->szName[i] = 0;
    return true;
}

// The evaluator's stack has EXPRESS_STACK_MAX entries; a formula that keeps
// more values pending at once is refused by the compiler rather than overrun
// here.
bool CExpressProgram::FitsStack() const {
    int depth = 0;
    for (int i = 0; i < m_nCodeCount; ++i) {
        const ExpressCode& code = m_code[i];
        if (code.nKind == IK_CONSTANT || code.nKind == IK_VARIABLE)
            ++depth;
        else if (code.nKind == IK_OPERATOR && OperatorArity(code.nOperator) == 2)
            --depth;
        if (depth > EXPRESS_STACK_MAX) return false;
    }
    return true;
}

void CExpressProgram::WidenIntegers() {
    for (int i = 0; i < m_nCodeCount; ++i) {
        ExpressValue& value = m_code[i].value;
        if (m_code[i].nKind == IK_CONSTANT && value.nType == EV_INTEGER) {
            const int32_t n = value.nValue;
            value.dValue = static_cast<double>(n);
            value.nType = EV_NUMBER;
        }
    }
}

void CExpressProgram::BuildFastProgram(const CExpressVariables& variables) {
    m_rows.Forget();
    m_fast.Build(m_code, m_nCodeCount, variables);
}

CExpressRowProgram* CExpressProgram::RowProgram(const double* varying) {
    if (!HasFastProgram()) return nullptr;
    if (!m_rows.IsPlannedFor(m_fast, varying)) m_rows.Plan(m_fast, varying);
    return &m_rows;
}

void CExpressProgram::Evaluate(const CExpressVariables& variables, ExpressValue& result) const {
    if (HasFastProgram()) {
        result.nType = EV_NUMBER;
        result.dValue = m_fast.Run();
        return;
    }
    EvaluateStepByStep(variables, result);
}

bool CExpressProgram::EvaluateNumberStepByStep(const CExpressVariables& variables, double& result) const {
    ExpressValue value;
    EvaluateStepByStep(variables, value);
    if (value.nType == EV_NUMBER)
        result = value.dValue;
    else if (value.nType == EV_INTEGER)
        result = value.nValue;
    else
        return false;
    return true;
}

// A form that would take more values than the stack holds, or an operator
// without its operands (only a form changed by hand can do either), stops
// with a cleared result instead of touching memory outside the stack.
void CExpressProgram::EvaluateStepByStep(const CExpressVariables& variables, ExpressValue& result) const {
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
                    const ExpressValue value = variables.GetVariable(code.szName);
                    CopyValue(value, stack[n]);
                }
                ++n;
            } else if (code.nKind == IK_OPERATOR) {
                const int arity = OperatorArity(code.nOperator);
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
