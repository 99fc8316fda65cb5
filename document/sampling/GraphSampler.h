#pragma once
// Resamples the shown slots of a picture, one after another: each slot's
// old array goes, a new one of the slot's capacity comes (SampleCapacity.h),
// and its formulas are sampled into it row by row (SampleRow.h). Big
// surfaces, explicit and parametric, are sampled a row per thread
// (ParallelRows.h).

#include <cstdint>
#include <span>

#include "document/Dimension.h"
#include "document/GraphDef.h"
#include "document/sampling/SampleProgress.h"
#include "document/sampling/SampleTicker.h"

class CFunctionExpress;
struct ExplicitRows;

class CGraphSampler {
public:
    // The slots of a plane or a space picture whose explicit graphs run over
    // -range..range; `progress` (possibly empty) is told as the work goes.
    CGraphSampler(std::span<CGraphDef> graphs, Dimension dimension, int32_t range, const SampleProgress& progress);

    // Resamples every shown slot, the first slot first; false when cancelled.
    // See CCurvilinearscopeDoc::Sample2D for what the slots then hold, and
    // for what a capacity that does not fit throws.
    bool SampleShownSlots();

private:
    bool SampleSlot(CGraphDef& graph, int32_t number);
    int32_t Capacity(const CGraphDef& graph) const;
    // Each sets the slot's count to the records stored, cancelled or not.
    bool SampleExplicit(CGraphDef& graph, SamplePoint* points, int32_t capacity, int32_t number);
    bool SampleExplicitRows(CGraphDef& graph, CFunctionExpress& f, const ExplicitRows& rows, SamplePoint* points,
                            int32_t limit);
    bool SampleCurve(CGraphDef& graph, SamplePoint* points, int32_t capacity);
    bool SampleSurface(CGraphDef& graph, SamplePoint* points, int32_t capacity, int32_t number);

    std::span<CGraphDef> m_graphs;
    Dimension m_nDimension;
    int32_t m_nRange;
    SampleTicker m_ticker;
};
