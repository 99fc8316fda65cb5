#include "app/PointsCommand.h"

#include <QCoreApplication>

#include "analysis/PointListText.h"
#include "analysis/PointsOfInterest.h"
#include "app/DocumentFileReport.h"
#include "document/CurvilinearscopeDoc.h"

namespace {
constexpr int kExitUnreadable = 1;
constexpr int kExitSpacePicture = 2;
}  // namespace

PointsOutcome RunPointsCommand(const QString& documentPath) {
    CCurvilinearscopeDoc model;
    const FileReport report = OpenDocumentReport(documentPath, model);
    if (!report.ok) return {kExitUnreadable, {}, report.message};  // names the file already
    if (model.m_nDimension != DIM_PLANE)
        return {
            kExitSpacePicture,
            {},
            QCoreApplication::translate("PointsCommand", "%1 は３次元の図です。--points は２次元の図にだけ使えます。")
                .arg(documentPath)};
    const auto points = FindPointsOfInterest(model.m_graphs, model.m_nRange, RangeWindow(model.m_nRange));
    return {0, PointListText(points), {}};
}
