// The expression object: the formula with its lexer, the compiled form, and
// the base object's answers for variables (it has none).

#include "expr/Express.h"

#include "expr/ExpressException.h"
#include "expr/ExpressParser.h"

CExpress::CExpress(std::u16string_view formula) : m_lexer(formula) {}

void CExpress::SetFormula(std::u16string_view formula) { m_lexer.m_strExpress = formula; }

int CExpress::Compile() {
    try {
        CExpressParser(m_lexer, m_program, *this).Compile();
        m_program.BuildFastProgram(*this);
        return 1;
    } catch (const CExpressException& e) {
        e.ReportError();
        return 0;
    }
}

void CExpress::Evaluate(ExpressValue& result) const { m_program.Evaluate(*this, result); }

void CExpress::EvaluateStepByStep(ExpressValue& result) const { m_program.EvaluateStepByStep(*this, result); }

ExpressValue CExpress::GetVariable(const char16_t*) const {
    ExpressValue v;
    ClearValue(v);
    return v;
}

const double* CExpress::GetVariableAddress(const char16_t*) const { return nullptr; }
