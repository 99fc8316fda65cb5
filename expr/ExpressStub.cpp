// Placeholder until the engine lands: lets other folders link.
#include "Express.h"
#include "ExpressException.h"
#include "ExpressOperators.h"
#include "ExpressPlatform.h"

CExpressException::CExpressException(const char16_t* context, int error) : m_nError(error), m_strContext(context ? context : u"") {}
CExpressException::CExpressException(std::u16string_view context, int error) : m_nError(error), m_strContext(context) {}
int CExpressException::ReportError() const { return 0; }
std::u16string CExpressException::MessageText() const { return m_strContext; }
std::u16string_view ExpressMessage(int, bool) { return {}; }
std::u16string_view ExpressUnexpectedErrorText() { return {}; }
static ExpressPlatform g_platform;
void SetExpressPlatform(ExpressPlatform platform) { g_platform = std::move(platform); }
const ExpressPlatform& GetExpressPlatform() { return g_platform; }
bool ParseExpressDate(std::u16string_view, double&) { return false; }

CExpress::CExpress(std::u16string_view formula) : m_strExpress(formula), m_nToken(0), m_nPos(0), m_nParenDepth(0), m_nCodeCount(0)
{
    ClearValue(m_tokenValue);
    for (auto& c : m_code) { c.nKind = 0; c.nOperator = 0; c.szName[0] = 0; ClearValue(c.value); }
}
int CExpress::Compile() { return 0; }
void CExpress::CompileOrThrow() {}
void CExpress::Evaluate(ExpressValue& result) const { ClearValue(result); }
bool CExpress::EvaluateNumber(double& result) const { result = 0; return false; }
void CExpress::EvaluateStepByStep(ExpressValue& result) const { ClearValue(result); }
ExpressValue CExpress::GetVariable(const char16_t*) const { ExpressValue v; ClearValue(v); return v; }
const double* CExpress::GetVariableAddress(const char16_t*) const { return nullptr; }
void CExpress::NextToken() {}
CFunctionExpress::CFunctionExpress(std::u16string_view f, int useY, int range) : CExpress(f), m_bUseY(useY), m_x(-range), m_y(-range) {}
ExpressValue CFunctionExpress::GetVariable(const char16_t* n) const { return CExpress::GetVariable(n); }
const double* CFunctionExpress::GetVariableAddress(const char16_t*) const { return nullptr; }
CParameterExpress2d::CParameterExpress2d(std::u16string_view f) : CExpress(f), m_t(0) {}
ExpressValue CParameterExpress2d::GetVariable(const char16_t* n) const { return CExpress::GetVariable(n); }
const double* CParameterExpress2d::GetVariableAddress(const char16_t*) const { return nullptr; }
CParameterExpress3d::CParameterExpress3d(std::u16string_view f) : CExpress(f), m_u(0), m_v(0) {}
ExpressValue CParameterExpress3d::GetVariable(const char16_t* n) const { return CExpress::GetVariable(n); }
const double* CParameterExpress3d::GetVariableAddress(const char16_t*) const { return nullptr; }
