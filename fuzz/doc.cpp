// Loads arbitrary bytes as a .crv file, then saves what loaded, loads that
// again and saves once more: the two saves must be the same bytes, and every
// record a reader may walk must lie inside its array.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "doc/Archive.h"
#include "doc/CurvilinearscopeDoc.h"

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
    return 0;
}
