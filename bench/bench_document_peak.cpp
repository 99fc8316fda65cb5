// One job per run, for /usr/bin/time -v: peak memory against the bytes of
// the records the job keeps.
//   bench_document_peak sample         Sample3D of sin(x)*cos(y), R = 20, step 0.01
//   bench_document_peak native         the native loop filling the same records
//   bench_document_peak save FILE      sample, then save FILE
//   bench_document_peak load FILE      open FILE

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "bench_document_native.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {

void Report(const char* job, int64_t records) {
    std::printf("%s: %lld records, %.1f MB in memory (%zu bytes each), %.1f MB in the file\n", job,
                static_cast<long long>(records), records * sizeof(SamplePoint) / 1e6, sizeof(SamplePoint),
                records * 52 / 1e6);
}

void Sample(CCurvilinearscopeDoc& doc) {
    doc.m_nDimension = 1;
    doc.m_nRange = 20;
    doc.m_graphs[0].m_bShow = 1;
    doc.m_graphs[0].m_strFormula = u"sin(x)*cos(y)";
    doc.m_graphs[0].m_dStep = 0.01;
    doc.Sample3D();
}

}  // namespace

int main(int argc, char** argv) {
    const char* job = argc > 1 ? argv[1] : "sample";
    CCurvilinearscopeDoc doc;
    if (std::strcmp(job, "native") == 0) {
        const int32_t capacity = SpaceExplicitCapacity(20, 0.01, LS_PLAIN);
        PointArray points = PointArray::Allocate(static_cast<size_t>(capacity));
        int32_t n = NativeSurface(points.get(), capacity, 20, 0.01,
                                  [](double x, double y) { return std::sin(x) * std::cos(y); });
        Report(job, n);
        return 0;
    }
    if (std::strcmp(job, "load") == 0 && argc > 2) {
        OpenDocumentFile(argv[2], doc);
    } else {
        Sample(doc);
        if (std::strcmp(job, "save") == 0 && argc > 2) {
            SaveDocumentFile(argv[2], doc);
        }
    }
    Report(job, doc.m_graphs[0].m_nPoints);
    return 0;
}
