// Opens or saves one document and prints the outcome on one line, so a test
// can run it as a child under the fault shim (FaultShim.cpp):
//
//   crv_document_file_tool open FILE
//   crv_document_file_tool save FILE [RECORDS]   (a shown slot with RECORDS records)
//
// Prints "ok", "error <errno>" for a file-system fault, or "archive <cause>"
// for content the reader refused.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {

void FillRecords(CCurvilinearscopeDoc& doc, int32_t count) {
    CGraphDef& graph = doc.m_graphs[0];
    graph.m_bShow = 1;
    graph.m_nPoints = count;
    graph.m_pPoints = PointArray::Allocate(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        graph.m_pPoints[i] = SamplePoint{0.0, 0.0, 0.0, double(i), double(i), 0.0, 1};
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s open|save FILE [RECORDS]\n", argv[0]);
        return 2;
    }
    const bool save = std::strcmp(argv[1], "save") == 0;
    CCurvilinearscopeDoc doc;
    try {
        if (save) {
            FillRecords(doc, argc > 3 ? std::atoi(argv[3]) : 0);
            SaveDocumentFile(argv[2], doc);
        } else {
            OpenDocumentFile(argv[2], doc);
        }
        std::puts("ok");
    } catch (const std::system_error& e) {
        std::printf("error %d\n", e.code().value());
    } catch (const CArchiveException& e) {
        std::printf("archive %d\n", e.m_cause);
    }
    return 0;
}
