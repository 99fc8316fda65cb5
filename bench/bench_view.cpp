// The space picture painted into a 1000 × 1000 image: turning, depth sort,
// shading and the lines themselves, for about 10 thousand, 1 million and
// 4 million segments; and, as the window paints it on a screen of one and
// of two pixels a point, for 160 thousand; and the frames of an interaction
// (turning, zooming, tilting) at 4 million, thinned as the window paces
// them. The surface is sampled once, outside the timing.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "bench_view_surface.h"
#include "view/PainterSurface.h"
#include "view/Picture.h"
#include "view/Picture3D.h"
#include "view/ThinnedFrames.h"

namespace {

void BM_Paint3D(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(state.range(0)));
    doc.Sample3D();
    const double recordBytes = double(doc.m_graphs[0].m_nPoints) * sizeof(SamplePoint);
    const double residentBefore = PeakResidentBytes();

    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    CPicture3D picture;
    for (auto _ : state) {
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CPainterSurface surface(painter, image.rect());
            DrawPicture(surface, &doc, picture);
        }
        benchmark::DoNotOptimize(image.constBits());
        doc.m_dAngle += 0.1;  // a fresh depth order every paint
    }
    state.counters["segments"] = doc.m_graphs[0].m_nPoints;
    state.counters["segments/s"] =
        benchmark::Counter(double(doc.m_graphs[0].m_nPoints) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["records_MB"] = recordBytes / 1e6;
    state.counters["paint_extra_MB"] = (PeakResidentBytes() - residentBefore) / 1e6;
}

// As the window paints: an image of the screen's pixels, 1000 × 1000 points
// at the ratio of state.range(1) pixels a point, drawn in points.
void BM_PaintAtRatio(benchmark::State& state) {
    constexpr int kPoints = 1000;
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(state.range(0)));
    doc.Sample3D();
    const double ratio = double(state.range(1));
    QImage image(QSize(kPoints, kPoints) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    CPicture3D picture;
    for (auto _ : state) {
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CPainterSurface surface(painter, QRect(0, 0, kPoints, kPoints));
            DrawPicture(surface, &doc, picture);
        }
        benchmark::DoNotOptimize(image.constBits());
        doc.m_dAngle += 0.1;
    }
    state.counters["segments"] = doc.m_graphs[0].m_nPoints;
    state.counters["pixels"] = double(image.width()) * image.height();
}

// One frame as the window draws it: a white 1000 × 1000 image of the
// screen's pixels, the picture, its time.
double PaintFrame(QImage& image, const CCurvilinearscopeDoc& doc, CPicture3D& picture) {
    QElapsedTimer clock;
    clock.start();
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter, image.rect());
        DrawPicture(surface, &doc, picture);
    }
    benchmark::DoNotOptimize(image.constBits());
    return double(clock.nsecsElapsed()) / 1e6;
}

// The frames while the user interacts: each iteration one input step (an
// arrow's turn, a wheel notch or a drag's tilt, by state.range(1)) and its
// frame, thinned by the stride the window's pacing takes from the frame
// before; the whole picture's time first, for the ratio.
void BM_InteractionFrames(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(state.range(0)));
    doc.Sample3D();
    QImage image(1000, 1000, QImage::Format_RGB32);
    CPicture3D picture;
    CThinnedFrames pacing;
    const double wholeMs = PaintFrame(image, doc, picture);
    pacing.Painted(1, wholeMs);
    CSpaceWindow window;
    int frames = 0, stride = 1;
    double slowest = 0.0, first = 0.0;
    for (auto _ : state) {
        switch (state.range(1)) {
        case 0: doc.m_dAngle += 0.1; break;
        case 1: window.ZoomBy(frames % 20 < 10 ? CSpaceWindow::kZoomStep : 1.0 / CSpaceWindow::kZoomStep); break;
        default: window.TiltBy(frames % 40 < 20 ? 0.02 : -0.02); break;
        }
        pacing.Interacting();
        stride = pacing.StrideForPaint();
        picture.SetWindow(window);
        picture.SetStride(stride);
        const double ms = PaintFrame(image, doc, picture);
        pacing.Painted(stride, ms);
        // The first frame of a document also finds its rows.
        if (frames++ == 0)
            first = ms;
        else
            slowest = std::max(slowest, ms);
    }
    state.counters["segments"] = doc.m_graphs[0].m_nPoints;
    state.counters["whole_ms"] = wholeMs;
    state.counters["first_frame_ms"] = first;
    state.counters["slowest_frame_ms"] = slowest;
    state.counters["last_stride"] = stride;
}

// Only turning and sorting, no pixels: what the picture costs on top of the
// painter.
class CNullSurface : public CDrawSurface {
public:
    SurfaceRect DeviceRect() const override { return {0, 0, 1000, 1000}; }
    int DeviceWidthMM() const override { return 0; }
    int DeviceHeightMM() const override { return 0; }
    int DeviceWidthPixels() const override { return 1000; }
    int DeviceHeightPixels() const override { return 1000; }
    void SetMapping(int, int, int, int) override {}
    void ResetMapping() override {}
    SurfacePen SelectPen(const SurfacePen& pen) override { return std::exchange(m_pen, pen); }
    SurfaceFont SelectFont(const SurfaceFont& font) override { return font; }
    SurfaceColor SetTextColor(SurfaceColor color) override { return color; }
    SurfaceBkMode SetBkMode(SurfaceBkMode mode) override { return mode; }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void DrawLines(const SurfaceLine* lines, int count) override {
        benchmark::DoNotOptimize(lines);
        m_lines += count;
    }
    void TextOut(int, int, std::u16string_view) override {}
    void DrawText(const SurfaceRect&, std::u16string_view, unsigned) override {}
    SurfacePen m_pen;
    long m_lines = 0;
};

void BM_Order3D(benchmark::State& state) {
    CCurvilinearscopeDoc doc;
    DefineBenchSurface(doc, StepOf(state.range(0)));
    doc.Sample3D();
    CPicture3D picture;
    CNullSurface surface;
    for (auto _ : state) {
        picture.Draw(surface, doc);
        doc.m_dAngle += 0.1;
    }
    state.counters["segments"] = doc.m_graphs[0].m_nPoints;
}

}  // namespace

// CPU time of the whole process: the workers draw part of the picture. On a
// busy machine, run it on one processor (taskset -c 0) for steady figures.
BENCHMARK(BM_Paint3D)->Arg(5)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->MinTime(2.0)->MeasureProcessCPUTime();
// Repeated, for medians: the two ratios are compared within one run.
BENCHMARK(BM_PaintAtRatio)
    ->Args({20, 1})
    ->Args({20, 2})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
// Turning (0), zooming (1) and tilting (2) at 4 million segments.
BENCHMARK(BM_InteractionFrames)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
BENCHMARK(BM_Order3D)->Arg(5)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->MinTime(2.0);
