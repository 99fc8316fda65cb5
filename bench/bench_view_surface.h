#pragma once
// The surface the view benchmarks draw: z = sin(x)*cos(y) over -10..10 in a
// space document. Steps 0.2, 0.02 and 0.01 give about 10 thousand, 1 million
// and 4 million segments.

#include <sys/resource.h>
#include <cstdio>

#include "document/CurvilinearscopeDoc.h"

inline void DefineBenchSurface(CCurvilinearscopeDoc& doc, double step) {
    doc.OnNewDocument();
    doc.m_nDimension = 1;
    doc.m_nRange = 10;
    CGraphDef& g = doc.m_graphs[0];
    g.m_nKind = 0;
    g.m_nLeftSide = 0;
    g.m_strFormula = u"sin(x)*cos(y)";
    g.m_dStep = step;
    g.m_bShow = 1;
}

// Steps by benchmark argument: 1/step.
inline double StepOf(long perUnit) { return 1.0 / static_cast<double>(perUnit); }

// The process's peak resident memory so far, bytes.
inline double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}
