#include "document/CurvilinearscopeDoc.h"

// The dimension, range and angle are set here as well, so that a document
// opened from an empty file is a valid empty plane picture.
CCurvilinearscopeDoc::CCurvilinearscopeDoc() : m_nDimension(0), m_nRange(10), m_dAngle(0.0) {}

bool CCurvilinearscopeDoc::OnNewDocument() {
    m_nDimension = DIM_PLANE;
    for (CGraphDef& graph : m_graphs) {
        graph.FreePoints();
    }
    m_nRange = 10;
    return true;
}

void CCurvilinearscopeDoc::OnCloseDocument() {
    for (CGraphDef& graph : m_graphs) {
        graph.FreePoints();
    }
}
