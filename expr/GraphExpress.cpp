// The four graph expression classes.
// Each class decides by the first code unit of the name alone, so "xray" is
// x and "time" is t.

#include "expr/GraphExpress.h"

#include "expr/ExpressException.h"

namespace {

// The number variable at p, as GetVariableAddress found it for name; a name
// without one is unknown.
ExpressValue NumberAt(const double* p, const char16_t* name) {
    if (p == nullptr) throw CExpressException(name, EE_UNKNOWN_VARIABLE);
    return NumberValue(*p);
}

}  // namespace

CFunctionExpress::CFunctionExpress(std::u16string_view formula, int useY, int range)
    : CExpress(formula), m_bUseY(useY), m_x(-static_cast<double>(range)), m_y(-static_cast<double>(range)) {}

const double* CFunctionExpress::GetVariableAddress(const char16_t* name) const {
    if (name[0] == u'x' || name[0] == u'X') return &m_x;
    if ((name[0] == u'y' || name[0] == u'Y') && m_bUseY == 1) return &m_y;
    return nullptr;
}

ExpressValue CFunctionExpress::GetVariable(const char16_t* name) const {
    return NumberAt(GetVariableAddress(name), name);
}

CImplicitExpress::CImplicitExpress(std::u16string_view formula, int useZ)
    : CExpress(formula), m_bUseZ(useZ), m_x(0.0), m_y(0.0), m_z(0.0) {}

const double* CImplicitExpress::GetVariableAddress(const char16_t* name) const {
    if (name[0] == u'x' || name[0] == u'X') return &m_x;
    if (name[0] == u'y' || name[0] == u'Y') return &m_y;
    if ((name[0] == u'z' || name[0] == u'Z') && m_bUseZ == 1) return &m_z;
    return nullptr;
}

ExpressValue CImplicitExpress::GetVariable(const char16_t* name) const {
    return NumberAt(GetVariableAddress(name), name);
}

CParameterExpress2d::CParameterExpress2d(std::u16string_view formula) : CExpress(formula), m_t(0.0) {}

const double* CParameterExpress2d::GetVariableAddress(const char16_t* name) const {
    return name[0] == u't' || name[0] == u'T' ? &m_t : nullptr;
}

ExpressValue CParameterExpress2d::GetVariable(const char16_t* name) const {
    return NumberAt(GetVariableAddress(name), name);
}

CParameterExpress3d::CParameterExpress3d(std::u16string_view formula) : CExpress(formula), m_u(0.0), m_v(0.0) {}

const double* CParameterExpress3d::GetVariableAddress(const char16_t* name) const {
    if (name[0] == u'u' || name[0] == u'U') return &m_u;
    if (name[0] == u'v' || name[0] == u'V') return &m_v;
    return nullptr;
}

ExpressValue CParameterExpress3d::GetVariable(const char16_t* name) const {
    return NumberAt(GetVariableAddress(name), name);
}
