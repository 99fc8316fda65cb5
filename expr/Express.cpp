// The expression object: the formula with its lexer, the compiled form, and
// the base object's answers for variables (it has none).

#include "expr/Express.h"

CExpress::CExpress(std::u16string_view formula) : m_lexer(formula)
{
}

void CExpress::SetFormula(std::u16string_view formula)
{
    m_lexer.m_strExpress = formula;
}

void CExpress::Evaluate(ExpressValue& result) const
{
    m_program.Evaluate(*this, result);
}

void CExpress::EvaluateStepByStep(ExpressValue& result) const
{
    m_program.EvaluateStepByStep(*this, result);
}

ExpressValue CExpress::GetVariable(const char16_t*) const
{
    ExpressValue v;
    ClearValue(v);
    return v;
}

const double* CExpress::GetVariableAddress(const char16_t*) const
{
    return nullptr;
}
