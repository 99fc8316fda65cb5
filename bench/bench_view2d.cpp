// Painting the plane picture: three curves of n segments each into a
// 1000-pixel image, with the segments handed to Qt in one batch per curve
// (as the view does) and one move-to/line-to pair at a time.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "document/CurvilinearscopeDoc.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/Picture3D.h"

namespace {

constexpr int kImageSize = 1000;

// Sine curves across the whole square, n segments per slot.
std::unique_ptr<CCurvilinearscopeDoc> Curves(int n) {
    auto doc = std::make_unique<CCurvilinearscopeDoc>();
    doc->OnNewDocument();
    for (int slot = 0; slot < 3; ++slot) {
        CGraphDef& g = doc->m_graphs[slot];
        g.m_bShow = 1;
        g.m_nPoints = n;
        g.m_pPoints = PointArray::Allocate(n);
        double px = -10, py = 0;
        for (int i = 0; i < n; ++i) {
            double x = -10 + 20.0 * i / (n - 1);
            double y = (slot + 2) * std::sin(x * (slot + 1));
            g.m_pPoints[i] = {i ? px : x, i ? py : y, 0, x, y, 0, slot + 1};
            px = x;
            py = y;
        }
    }
    return doc;
}

// The painter surface with the batch turned off: every segment on its own.
class COneByOneSurface : public CPainterSurface {
public:
    using CPainterSurface::CPainterSurface;
    void DrawLines(const SurfaceLine* lines, int count) override { CDrawSurface::DrawLines(lines, count); }
};

template <class Surface>
void Paint(benchmark::State& state) {
    auto doc = Curves(static_cast<int>(state.range(0)));
    QImage image(kImageSize, kImageSize, QImage::Format_RGB32);
    CPicture3D picture3D;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        Surface surface(painter, image.rect());
        DrawPicture(surface, doc.get(), picture3D);
    }
    state.counters["segments"] = 3.0 * state.range(0);
}

void BM_Paint2D_Batched(benchmark::State& state) { Paint<CPainterSurface>(state); }
void BM_Paint2D_OneByOne(benchmark::State& state) { Paint<COneByOneSurface>(state); }

}  // namespace

BENCHMARK(BM_Paint2D_Batched)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint2D_OneByOne)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
