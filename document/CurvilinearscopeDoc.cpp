#include "document/CurvilinearscopeDoc.h"

#include "document/Archive.h"
#include "document/DocumentFormat.h"
#include "document/sampling/GraphSampler.h"

namespace {
constexpr int32_t kDefaultRange = 10;  // the axes of a new picture run from -10 to 10
}  // namespace

// The dimension, range and angle are set here as well, so that a document
// opened from an empty file is a valid empty plane picture.
CCurvilinearscopeDoc::CCurvilinearscopeDoc() : m_nDimension(DIM_PLANE), m_nRange(kDefaultRange), m_dAngle(0.0) {}

bool CCurvilinearscopeDoc::OnNewDocument() {
    m_nDimension = DIM_PLANE;
    for (CGraphDef& graph : m_graphs) {
        graph.FreePoints();
    }
    m_nRange = kDefaultRange;
    return true;
}

void CCurvilinearscopeDoc::OnCloseDocument() {
    for (CGraphDef& graph : m_graphs) {
        graph.FreePoints();
    }
}

void CCurvilinearscopeDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteDocumentHeader(ar, m_nDimension, m_nRange);
        for (const CGraphDef& graph : m_graphs) {
            WriteGraphSlot(ar, graph);
        }
        return;
    }
    ReadDocumentHeader(ar, m_nDimension, m_nRange);
    // An array never outlives the count it belongs to: slots that read no
    // records are left without one.
    for (CGraphDef& graph : m_graphs) {
        graph.m_pPoints.reset();
    }
    for (CGraphDef& graph : m_graphs) {
        ReadGraphSlot(ar, graph);
    }
}

bool CCurvilinearscopeDoc::Sample2D(const SampleProgress& progress) {
    return CGraphSampler(m_graphs, DIM_PLANE, m_nRange, progress).SampleShownSlots();
}

void CCurvilinearscopeDoc::Sample2D() { Sample2D(SampleProgress()); }

bool CCurvilinearscopeDoc::Sample3D(const SampleProgress& progress) {
    m_dAngle = 0.0;
    return CGraphSampler(m_graphs, DIM_SPACE, m_nRange, progress).SampleShownSlots();
}

void CCurvilinearscopeDoc::Sample3D() { Sample3D(SampleProgress()); }
