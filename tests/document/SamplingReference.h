#pragma once
// The sampling loops transcribed literally from their description: repeated
// addition, the stop rules after each store, a plain evaluation read through
// the value's type. The document's optimised loops must give these records.

#include <cstdint>
#include <vector>

#include "document/GraphDef.h"

struct ReferenceSampling {
    int64_t capacity = 0;
    std::vector<SamplePoint> points;
    // Where each record was sampled: x (t, u) along its row, and the row's
    // y (v); 0 in the plane.
    std::vector<double> along, row;
};

ReferenceSampling ReferencePlane(const CGraphDef& graph, int32_t range);
ReferenceSampling ReferenceSpace(const CGraphDef& graph, int32_t range, int32_t number);
