// Writes the example documents of examples/ with the program's own model,
// sampling and file code, so they are exactly what the program would save.
// Usage: crv_make_examples FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {

struct Slot {
    int kind;  // 0 explicit, 1 parametric
    int leftSide;
    const char16_t* formula;
    const char16_t* x;
    const char16_t* y;
    const char16_t* z;
};

void Define(CGraphDef& graph, const Slot& slot) {
    graph.m_bShow = 1;
    graph.m_nKind = slot.kind;
    graph.m_nLeftSide = slot.leftSide;
    if (slot.formula) graph.m_strFormula = slot.formula;
    if (slot.x) graph.m_strX = slot.x;
    if (slot.y) graph.m_strY = slot.y;
    if (slot.z) graph.m_strZ = slot.z;
}

void Write(const std::filesystem::path& folder, const char* name, int dimension, int range,
           std::initializer_list<Slot> slots, void (*adjust)(CCurvilinearscopeDoc&) = nullptr) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_nDimension = dimension;
    doc.m_nRange = range;
    int i = 0;
    for (const Slot& slot : slots) Define(doc.m_graphs[i++], slot);
    if (adjust) adjust(doc);
    if (dimension == DIM_PLANE)
        doc.Sample2D();
    else
        doc.Sample3D();
    SaveDocumentFile(folder / name, doc);
    std::printf("%s\n", (folder / name).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: crv_make_examples FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        Write(folder, "plane-functions.crv", DIM_PLANE, 10,
              {{GK_EXPLICIT, LS_PLAIN, u"x*x/4-6", nullptr, nullptr, nullptr},
               {GK_EXPLICIT, LS_PLAIN, u"5*sin(x)", nullptr, nullptr, nullptr},
               {GK_PARAMETRIC, LS_PLAIN, nullptr, u"7*cos(t)", u"4*sin(t)", nullptr}});
        Write(folder, "plane-squared.crv", DIM_PLANE, 5,
              {{GK_EXPLICIT, LS_SQUARED, u"x*x*x-4*x", nullptr, nullptr, nullptr},
               {GK_PARAMETRIC, LS_PLAIN, nullptr, u"3*cos(3*t)*cos(t)", u"3*cos(3*t)*sin(t)", nullptr}},
              [](CCurvilinearscopeDoc& doc) { doc.m_graphs[0].m_dStep = 0.01; });
        Write(folder, "space-surface.crv", DIM_SPACE, 10,
              {{GK_EXPLICIT, LS_PLAIN, u"5*cos(x/2)*sin(y/3)", nullptr, nullptr, nullptr}},
              [](CCurvilinearscopeDoc& doc) { doc.m_graphs[0].m_dStep = 0.5; });
        Write(folder, "space-sphere.crv", DIM_SPACE, 10,
              {{GK_PARAMETRIC, LS_PLAIN, nullptr, u"6*sin(v)*cos(u)", u"6*sin(v)*sin(u)", u"6*cos(v)"}});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "crv_make_examples: %s\n", e.what());
        return 1;
    }
    return 0;
}
