// OK: every shown slot is checked in slot order, and the first failure keeps
// the dialog open with a message naming the graph and the focus on the
// control to correct.
#include <QLineEdit>
#include <memory>

#include "dialogs/DialogMessage.h"
#include "dialogs/DlgSet.h"
#include "document/CurvilinearscopeDoc.h"
#include "dialogs/RangeChoice.h"
#include "expr/GraphExpress.h"

namespace {

bool StepInBounds(double step) {
    return step >= 0.01 && step <= 1.0;
}

// Each object lives for one compile: the dialog only asks whether the
// formula compiles. Compile has shown the engine's own message on failure.
template <class Express, class... Args>
bool Compiles(const std::u16string& formula, Args... args) {
    auto express = std::make_unique<Express>(formula, args...);
    return express->Compile() == 1;
}

// One check of a slot: the message and the control to focus when it fails.
// Range and step failures show the failing slot's tab; formula failures
// only move the focus.
struct SlotCheck {
    bool (*passes)(const CGraphDef& g, int dimension, int range);
    DlgSetTextId messageId;
    int focusId;
    bool selectTab;
};

const SlotCheck kFunctionChecks[] = {
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dStep); }, IDS_STEP_OUT_OF_RANGE, IDC_STEP, true},
    {[](const CGraphDef& g, int dimension, int range) { return Compiles<CFunctionExpress>(g.m_strFormula, dimension, range); },
     IDS_FORMULA_ERROR, IDC_FORMULA, false},
};

const SlotCheck kCurveChecks[] = {
    {[](const CGraphDef& g, int, int) { return g.m_dTStart < g.m_dTEnd; }, IDS_T_START_NOT_BELOW_END, IDC_T_END, true},
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dTStep); }, IDS_T_STEP_OUT_OF_RANGE, IDC_T_STEP, true},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress2d>(g.m_strX); }, IDS_X_FORMULA_ERROR, IDC_X, false},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress2d>(g.m_strY); }, IDS_Y_FORMULA_ERROR, IDC_Y, false},
};

const SlotCheck kSurfaceChecks[] = {
    {[](const CGraphDef& g, int, int) { return g.m_dTStart < g.m_dTEnd; }, IDS_U_START_NOT_BELOW_END, IDC_T_END, true},
    {[](const CGraphDef& g, int, int) { return g.m_dVStart < g.m_dVEnd; }, IDS_V_START_NOT_BELOW_END, IDC_V_END, true},
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dTStep); }, IDS_U_STEP_OUT_OF_RANGE, IDC_T_STEP, true},
    {[](const CGraphDef& g, int, int) { return StepInBounds(g.m_dVStep); }, IDS_V_STEP_OUT_OF_RANGE, IDC_V_STEP, true},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strX); }, IDS_X_FORMULA_ERROR, IDC_X, false},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strY); }, IDS_Y_FORMULA_ERROR, IDC_Y, false},
    {[](const CGraphDef& g, int, int) { return Compiles<CParameterExpress3d>(g.m_strZ); }, IDS_Z_FORMULA_ERROR, IDC_Z, false},
};

template <std::size_t N>
const SlotCheck* FirstFailure(const SlotCheck (&checks)[N], const CGraphDef& g, int dimension, int range) {
    for (const SlotCheck& check : checks) {
        if (!check.passes(g, dimension, range)) {
            return &check;
        }
    }
    return nullptr;
}

}  // namespace

void CDlgSet::OnOK() {
    const bool stored = m_nShownSlot < 0 || StoreSlot(m_nShownSlot);
    const int range = RangeFromChoice(m_nRangeChoice);
    for (int slot = 0; slot < 3; ++slot) {
        if (m_graphs[slot].m_bShow != 0 && !ValidateSlot(slot, range)) {
            return;
        }
    }
    // A control that did not read when the slot was stored has had its
    // message; reading it again would only repeat it, and the dialog stays
    // open either way.
    if (stored && UpdateData(true)) {
        accept();
    }
}

bool CDlgSet::ValidateSlot(int slot, int range) {
    const CGraphDef& g = m_graphs[slot];
    const SlotCheck* failed = nullptr;
    if (g.m_nKind == GK_EXPLICIT) {
        failed = FirstFailure(kFunctionChecks, g, m_nDimension, range);
    } else if (g.m_nKind == GK_PARAMETRIC) {
        failed = m_nDimension == DIM_SPACE ? FirstFailure(kSurfaceChecks, g, m_nDimension, range)
                                   : FirstFailure(kCurveChecks, g, m_nDimension, range);
    }
    if (failed) {
        FailSlot(slot, failed->messageId, failed->focusId, failed->selectTab);
    }
    return !failed;
}

void CDlgSet::FailSlot(int slot, DlgSetTextId messageId, int focusId, bool selectTab) {
    ShowDialogMessage(this, DlgSetGraphText(messageId, slot + 1));
    QWidget* control = Item(focusId);
    // A formula failure keeps the shown tab, unless the edit to correct is
    // disabled there (the shown slot is of another kind): focus could not
    // land in it, so the failing slot is shown instead.
    if (selectTab || !control->isEnabled()) {
        SelectSlot(slot);
    }
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
}
