#include "dialogs/SlotValidation.h"

#include <memory>

#include "dialogs/DlgSetIds.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/GraphDef.h"
#include "document/ImplicitEquation.h"
#include "document/ImplicitFormulas.h"
#include "expr/GraphExpress.h"

namespace {

bool StepInBounds(double step) { return step >= kStepMin && step <= kStepMax; }

// Each object lives for one compile: the dialog only asks whether the
// formula compiles. Compile has shown the engine's own message on failure.
template <class Express, class... Args>
bool Compiles(const std::u16string& formula, Args... args) {
    auto express = std::make_unique<Express>(formula, args...);
    return express->Compile() == 1;
}

// One check of a slot and what its failure asks for.
struct SlotCheck {
    bool (*passes)(const CGraphDef& g, int dimension, int range);
    SlotCheckFailure failure;
};

const SlotCheck kFunctionChecks[] = {
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dStep); }, {IDS_STEP_OUT_OF_RANGE, IDC_STEP, true}},
    {[](const CGraphDef& g, int dimension, int range) {
         return Compiles<CFunctionExpress>(g.m_strFormula, dimension, range);
     },
     {IDS_FORMULA_ERROR, IDC_FORMULA, false}},
};

// The t row of a plane curve, parametric or polar.
const SlotCheck kTOrderCheck{[](const CGraphDef& g, int, int) { return g.m_dTStart < g.m_dTEnd; },
                             {IDS_T_START_NOT_BELOW_END, IDC_T_END, true}};
const SlotCheck kTStepCheck{[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dTStep); },
                            {IDS_T_STEP_OUT_OF_RANGE, IDC_T_STEP, true}};

const SlotCheck kCurveChecks[] = {
    kTOrderCheck,
    kTStepCheck,
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress2d>(g.m_strX); },
     {IDS_X_FORMULA_ERROR, IDC_X, false}},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress2d>(g.m_strY); },
     {IDS_Y_FORMULA_ERROR, IDC_Y, false}},
};

const SlotCheck kSurfaceChecks[] = {
    {[](const CGraphDef& g, int, int) { return g.m_dTStart < g.m_dTEnd; },
     {IDS_U_START_NOT_BELOW_END, IDC_T_END, true}},
    {[](const CGraphDef& g, int, int) { return g.m_dVStart < g.m_dVEnd; },
     {IDS_V_START_NOT_BELOW_END, IDC_V_END, true}},
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dTStep); },
     {IDS_U_STEP_OUT_OF_RANGE, IDC_T_STEP, true}},
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dVStep); },
     {IDS_V_STEP_OUT_OF_RANGE, IDC_V_STEP, true}},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strX); },
     {IDS_X_FORMULA_ERROR, IDC_X, false}},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strY); },
     {IDS_Y_FORMULA_ERROR, IDC_Y, false}},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strZ); },
     {IDS_Z_FORMULA_ERROR, IDC_Z, false}},
};

const SlotCheck kImplicitChecks[] = {
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dStep); }, {IDS_STEP_OUT_OF_RANGE, IDC_STEP, true}},
    {[](const CGraphDef& g, int, int) { return SplitImplicitEquation(g.m_strFormula).equals <= 1; },
     {IDS_IMPLICIT_TWO_EQUALS, IDC_FORMULA, false}},
    {[](const CGraphDef& g, int dimension, int) {
         return ImplicitFormulas(g.m_strFormula, dimension == DIM_SPACE ? DIM_SPACE : DIM_PLANE).Compile();
     },
     {IDS_IMPLICIT_FORMULA_ERROR, IDC_FORMULA, false}},
};

const SlotCheck kPolarChecks[] = {
    kTOrderCheck,
    kTStepCheck,
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress2d>(g.m_strFormula); },
     {IDS_POLAR_FORMULA_ERROR, IDC_FORMULA, false}},
};

template <std::size_t N>
std::optional<SlotCheckFailure> FirstFailure(const SlotCheck (&checks)[N], const CGraphDef& g, int dimension,
                                             int range) {
    for (const SlotCheck& check : checks) {
        if (!check.passes(g, dimension, range)) {
            return check.failure;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<SlotCheckFailure> FirstFailedCheck(const CGraphDef& g, int dimension, int range) {
    if (g.m_nKind == GK_EXPLICIT) {
        return FirstFailure(kFunctionChecks, g, dimension, range);
    }
    if (g.m_nKind == GK_PARAMETRIC) {
        return dimension == DIM_SPACE ? FirstFailure(kSurfaceChecks, g, dimension, range)
                                      : FirstFailure(kCurveChecks, g, dimension, range);
    }
    if (g.m_nKind == GK_IMPLICIT) {
        return FirstFailure(kImplicitChecks, g, dimension, range);
    }
    if (g.m_nKind == GK_POLAR && dimension == DIM_PLANE) {
        return FirstFailure(kPolarChecks, g, dimension, range);
    }
    return std::nullopt;
}
