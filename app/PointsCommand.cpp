#include "app/PointsCommand.h"

#include <QCoreApplication>
#include <new>

#include "analysis/PointListText.h"
#include "analysis/PointsOfInterest.h"
#include "app/CommandLine.h"
#include "app/DocumentFileReport.h"
#include "app/ViewOption.h"
#include "document/CurvilinearscopeDoc.h"

namespace {
constexpr int kExitUnreadable = 1;
constexpr int kExitSpacePicture = 2;
constexpr int kExitWorkFailed = 1;  // said on standard error

// The scan's window: --view's part of the plane, else the whole range.
AnalysisWindow ScanWindow(const CCurvilinearscopeDoc& model, const std::optional<PlaneBounds>& view) {
    if (!view) return RangeWindow(model.m_nRange);
    return AnalysisWindow{view->xMin, view->xMax, view->yMin, view->yMax};
}
}  // namespace

PointsOutcome RunPointsCommand(const QString& documentPath, const std::optional<PlaneBounds>& view) {
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(documentPath, model);
    if (!report.ok) return {kExitUnreadable, {}, report.message};  // names the file already
    return DocumentPoints(model, documentPath, view);
}

PointsOutcome DocumentPoints(const CCurvilinearscopeDoc& model, const QString& name,
                             const std::optional<PlaneBounds>& view) {
    if (model.m_nDimension != DIM_PLANE)
        return {
            kExitSpacePicture,
            {},
            QCoreApplication::translate("PointsCommand", "%1 は３次元の図です。--points は２次元の図にだけ使えます。")
                .arg(name)};
    if (view) {
        const QString mismatch = ViewOptionMismatch(*view, model);
        if (!mismatch.isEmpty()) return {kExitOptionMistake, {}, mismatch};
    }
    try {
        const auto points = FindPointsOfInterest(model.m_graphs, model.m_nRange, ScanWindow(model, view));
        return {0, PointListText(points), {}};
    } catch (const std::bad_alloc&) {
        return {kExitWorkFailed, {}, OutOfMemoryText()};
    }
}
