#include "view/MemoryFailureNotice.h"

#include "document/CurvilinearscopeDoc.h"

bool CMemoryFailureNotice::IsNews(DrawOutcome outcome, const CCurvilinearscopeDoc* doc) {
    if (outcome == DrawOutcome::Whole) {
        m_toldFor.reset();
        return false;
    }
    const GraphsDrawn graphs = GraphsOf(doc);
    if (m_toldFor == graphs) return false;
    m_toldFor = graphs;
    return true;
}

CMemoryFailureNotice::GraphsDrawn CMemoryFailureNotice::GraphsOf(const CCurvilinearscopeDoc* doc) {
    GraphsDrawn graphs;
    graphs.document = doc;
    if (!doc) return graphs;
    graphs.dimension = doc->m_nDimension;
    for (size_t k = 0; k < graphs.points.size(); ++k) {
        const CGraphDef& g = doc->m_graphs[k];
        graphs.points[k] = g.m_pPoints.get();
        graphs.counts[k] = g.m_bShow ? g.m_nPoints : 0;
    }
    return graphs;
}
