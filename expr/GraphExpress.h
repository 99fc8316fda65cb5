#pragma once
// The graph expression classes: one per kind of graph formula, each with the
// variables of its kind as plain members that the caller stores before each
// evaluation.

#include <cstdint>
#include <string_view>

#include "expr/Express.h"
#include "expr/ExpressValue.h"

// y = f(x) (useY 0) and z = f(x, y) (useY 1). Any name beginning with x or X
// is x, with y or Y is y (only when m_bUseY is exactly 1).
class CFunctionExpress : public CExpress {
public:
    CFunctionExpress(std::u16string_view formula, int useY, int range);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    // Read by Compile for the number-only program too: change it before
    // compiling, not between evaluations.
    int32_t m_bUseY;
    double m_x;
    double m_y;
};

// One side of an implicit equation F(x, y) = G(x, y), or F(x, y, z) = G(x, y, z)
// with useZ 1. Names beginning with x, y (and z) are those variables.
class CImplicitExpress : public CExpress {
public:
    CImplicitExpress(std::u16string_view formula, int useZ);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    int32_t m_bUseZ;  // read by Compile: set it before compiling
    double m_x;
    double m_y;
    double m_z;
};

// One coordinate of a plane parametric curve; the variable is t (or T...).
class CParameterExpress2d : public CExpress {
public:
    explicit CParameterExpress2d(std::u16string_view formula);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    double m_t;
};

// One coordinate of a parametric surface; the variables are u and v.
class CParameterExpress3d : public CExpress {
public:
    explicit CParameterExpress3d(std::u16string_view formula);
    ExpressValue GetVariable(const char16_t* name) const override;
    const double* GetVariableAddress(const char16_t* name) const override;

    double m_u;
    double m_v;
};
