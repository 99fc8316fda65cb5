// The compiled form: construction, emission within the fixed capacity, and
// the checks and passes that run once the parser is done.

#include <cstring>

#include "expr/Express.h"
#include "expr/ExpressException.h"

CExpress::CExpress(std::u16string_view formula)
    : m_nCodeCount(0), m_lexer(formula)
{
    // Every byte, not just the fields a cleared record names: a form that
    // failed to compile and is evaluated anyway then reads nothing undefined.
    std::memset(m_code, 0, sizeof m_code);  // nKind 0, empty names, EV_NONE values
    std::memset(m_fastStack, 0, sizeof m_fastStack);
}

void CExpress::SetFormula(std::u16string_view formula)
{
    m_lexer.m_strExpress = formula;
}

// A formula beyond the fixed capacities (instructions, pending values,
// nesting) is refused as a whole: the context is the formula.
void CExpress::ThrowCapacity() const
{
    throw CExpressException(std::u16string_view(m_lexer.m_strExpress), 12);
}

ExpressCode& CExpress::NextCode()
{
    if (m_nCodeCount >= EXPRESS_CODE_MAX)
        ThrowCapacity();
    return m_code[m_nCodeCount++];
}

void CExpress::EmitOperator(int op)
{
    ExpressCode& code = NextCode();
    code.nKind = IK_OPERATOR;
    code.nOperator = op;
}

void CExpress::EmitConstant(const ExpressValue& value)
{
    ExpressCode& code = NextCode();
    code.nKind = IK_CONSTANT;
    CopyValue(value, code.value);
}

void CExpress::EmitVariable(const std::u16string& name)
{
    ExpressCode& code = NextCode();
    code.nKind = IK_VARIABLE;
    // The lexer refuses longer names; the bound keeps the record safe anyway.
    size_t i = 0;
    for (; i < name.size() && i < static_cast<size_t>(EXPRESS_TEXT_MAX); ++i)
        code.szName[i] = name[i];
    code.szName[i] = 0;
}

// Arity of an operator code; 0 for codes the evaluator ignores.
int ExpressOperatorArity(int op)
{
    if (op == OP_NEG || (op >= OP_SIN && op <= OP_NOT))
        return 1;
    if (op >= OP_ADD && op <= OP_LIKE)
        return 2;
    return 0;
}

// The evaluator's stack has EXPRESS_STACK_MAX entries; a formula that keeps
// more values pending at once is refused here rather than overrun there.
void CExpress::CheckStackNeed() const
{
    int depth = 0;
    for (int i = 0; i < m_nCodeCount; ++i) {
        const ExpressCode& code = m_code[i];
        if (code.nKind == IK_CONSTANT || code.nKind == IK_VARIABLE)
            ++depth;
        else if (code.nKind == IK_OPERATOR && ExpressOperatorArity(code.nOperator) == 2)
            --depth;
        if (depth > EXPRESS_STACK_MAX)
            ThrowCapacity();
    }
}

// The evaluator meets numbers only: integer constants become the numbers of
// the same amount.
void CExpress::WidenIntegers()
{
    for (int i = 0; i < m_nCodeCount; ++i) {
        ExpressValue& value = m_code[i].value;
        if (m_code[i].nKind == IK_CONSTANT && value.nType == EV_INTEGER) {
            const int32_t n = value.nValue;
            value.dValue = static_cast<double>(n);
            value.nType = EV_NUMBER;
        }
    }
}
