#include "dialogs/FunctionEdit.h"

#include <iterator>
#include <memory>
#include <utility>

#include "dialogs/DlgSet.h"
#include "dialogs/RangeChoice.h"
#include "dialogs/SampleProgress.h"
#include "document/CurvilinearscopeDoc.h"

void LoadDlgSet(CDlgSet& dlg, const CCurvilinearscopeDoc& model) {
    dlg.m_nDimension = model.m_nDimension;
    dlg.m_nRangeChoice = RangeChoiceFromRange(model.m_nRange);
    for (std::size_t i = 0; i < std::size(dlg.m_graphs); ++i) {
        dlg.m_graphs[i] = model.m_graphs[i];  // definitions only
    }
}

bool ApplyDlgSet(const CDlgSet& dlg, CCurvilinearscopeDoc& model, QWidget* parent, int showProgressAfterMs) {
    // Sampled on a copy: a cancelled or failed sampling leaves the document's
    // definitions and records untouched.
    auto edited = std::make_unique<CCurvilinearscopeDoc>();
    edited->m_nDimension = dlg.m_nDimension;
    edited->m_nRange = RangeFromChoice(dlg.m_nRangeChoice);
    edited->m_dAngle = model.m_dAngle;
    for (std::size_t i = 0; i < std::size(edited->m_graphs); ++i) {
        edited->m_graphs[i] = dlg.m_graphs[i];
    }
    if (SampleWithProgress(*edited, parent, showProgressAfterMs) != SampleOutcome::Finished) {
        return false;
    }
    model.m_nDimension = edited->m_nDimension;
    model.m_nRange = edited->m_nRange;
    model.m_dAngle = edited->m_dAngle;
    const bool sampling = edited->m_nDimension == DIM_PLANE || edited->m_nDimension == DIM_SPACE;
    for (std::size_t i = 0; i < std::size(model.m_graphs); ++i) {
        CGraphDef& target = model.m_graphs[i];
        CGraphDef& source = edited->m_graphs[i];
        target = source;
        // Exactly the slots the sampling rebuilds take new records; the
        // others keep theirs, as sampling in place would leave them.
        if (sampling && source.m_bShow && IsSampledKind(source.m_nKind, edited->m_nDimension)) {
            target.m_pPoints = std::move(source.m_pPoints);
            target.m_nPoints = source.m_nPoints;
        }
    }
    return true;
}
