// Loads arbitrary bytes as a .crv file, then saves what loaded, loads that
// again and saves once more: the two saves must be the same bytes, and every
// record a reader may walk must lie inside its array. Definitions small
// enough to sample quickly are then sampled, saved and loaded again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>

#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/sampling/ImplicitSampling.h"
#include "document/sampling/SampleCapacity.h"
#include "document/sampling/SampleTicker.h"
#include "expr/ExpressPlatform.h"

namespace {

std::string Save(CCurvilinearscopeDoc& doc) {
    std::ostringstream out;
    CArchive ar(out);
    doc.Serialize(ar);
    if (!ar.Close()) {
        std::abort();
    }
    return out.str();
}

bool Load(const std::string& bytes, CCurvilinearscopeDoc& doc) {
    std::istringstream in(bytes);
    CArchive ar(in);
    try {
        doc.Serialize(ar);
    } catch (const CArchiveException& e) {
        if (e.m_cause < CArchiveException::generic || e.m_cause > CArchiveException::badVersion) {
            std::abort();
        }
        return false;
    }
    return true;
}

// Touches every record a reader may walk, so ASan sees any overrun.
double WalkRecords(const CCurvilinearscopeDoc& doc) {
    double sum = 0;
    for (const CGraphDef& g : doc.m_graphs) {
        for (int32_t k = 0; k < g.DrawableCount(); ++k) {
            sum += g.m_pPoints[k].x + g.m_pPoints[k].graphNumber;
        }
    }
    return sum;
}

// Whether sampling the loaded definitions stays small enough for a fuzzer:
// every shown slot's capacity and estimated loop count bounded.
bool SmallSampling(const CCurvilinearscopeDoc& doc) {
    const bool space = doc.m_nDimension != 0;
    for (const CGraphDef& g : doc.m_graphs) {
        if (!g.m_bShow) {
            continue;
        }
        double loops = 0;
        int32_t capacity = 0;
        try {
            if (g.m_nKind == 0) {
                capacity = space ? SpaceExplicitCapacity(doc.m_nRange, g.m_dStep, g.m_nLeftSide)
                                 : PlaneExplicitCapacity(doc.m_nRange, g.m_dStep, g.m_nLeftSide);
                const double side = EstimatedLoopCount(-doc.m_nRange, doc.m_nRange, g.m_dStep);
                loops = space ? side * side : side;
            } else if (g.m_nKind == GK_IMPLICIT) {
                loops = ExpectedImplicitEvaluations(g, doc.m_nRange, space);
            } else if (g.m_nKind == GK_POLAR && !space) {
                capacity = PlaneParametricCapacity(g);
                loops = EstimatedLoopCount(g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep);
            } else if (g.m_nKind == 1) {
                capacity = space ? SpaceParametricCapacity(g) : PlaneParametricCapacity(g);
                loops = EstimatedLoopCount(g.m_dTStart, g.m_dTEnd + g.m_dTStep, g.m_dTStep) *
                        (space ? EstimatedLoopCount(g.m_dVStart, g.m_dVEnd + g.m_dVStep, g.m_dVStep) : 1.0);
            }
        } catch (const std::bad_alloc&) {
            continue;  // sampling stops there with bad_alloc, before any loop
        }
        if (capacity > 20000 || loops > 200000 || (loops == 0 && capacity > 0)) {
            return false;
        }
    }
    return true;
}

// Samples what loaded (when small), then checks it saves and loads again.
void SampleAndSave(CCurvilinearscopeDoc& doc) {
    if (!SmallSampling(doc)) {
        return;
    }
    try {
        doc.m_nDimension != 0 ? doc.Sample3D() : doc.Sample2D();
    } catch (const std::bad_alloc&) {
    }
    volatile double sink = WalkRecords(doc);
    (void)sink;
    CCurvilinearscopeDoc again;
    if (!Load(Save(doc), again)) {
        std::abort();
    }
}

const bool kQuietEngine = [] {
    ExpressPlatform platform;
    platform.showMessage = [](std::u16string_view) {};
    SetExpressPlatform(std::move(platform));
    return true;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCurvilinearscopeDoc doc;
    if (!Load(std::string(reinterpret_cast<const char*>(data), size), doc)) {
        return 0;
    }
    volatile double sink = WalkRecords(doc);
    (void)sink;
    const std::string first = Save(doc);
    CCurvilinearscopeDoc again;
    if (!Load(first, again)) {
        std::abort();  // what we wrote must load
    }
    if (Save(again) != first) {
        std::abort();
    }
    SampleAndSave(again);
    return 0;
}
