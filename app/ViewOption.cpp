#include "app/ViewOption.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "document/CurvilinearscopeDoc.h"
#include "view/PlaneWindow.h"

namespace {
constexpr int kViewNumbers = 4;
}  // namespace

std::optional<PlaneBounds> ParseViewOption(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != kViewNumbers) return std::nullopt;
    double values[kViewNumbers];
    const QLocale c = QLocale::c();
    for (int i = 0; i < kViewNumbers; ++i) {
        bool ok = false;
        values[i] = c.toDouble(parts[i].trimmed(), &ok);
        if (!ok || !std::isfinite(values[i])) return std::nullopt;
    }
    const PlaneBounds bounds{values[0], values[1], values[2], values[3]};
    if (!(bounds.xMin < bounds.xMax) || !(bounds.yMin < bounds.yMax)) return std::nullopt;
    return bounds;
}

QString ViewOptionMistake() {
    return QCoreApplication::translate(
        "CommandLine", "--view には XMIN < XMAX、YMIN < YMAX となる四つの数 XMIN,XMAX,YMIN,YMAX を指定してください。");
}

QString ViewOptionMismatch(const PlaneBounds& window, const CCurvilinearscopeDoc& doc) {
    if (doc.m_nDimension != DIM_PLANE)
        return QCoreApplication::translate("CommandLine", "--view は平面の図にだけ使えます。この図は3次元の図です。");
    if (!CPlaneWindow::Allowed(window, doc.m_nRange))
        return QCoreApplication::translate("CommandLine",
                                           "--view: 範囲 %4 では、各辺の幅を %1 から %2 まで、中心を 0 から %3 "
                                           "以内にしてください。")
            .arg(2.0 * doc.m_nRange * CPlaneWindow::kNarrowestFraction)
            .arg(2.0 * doc.m_nRange * CPlaneWindow::kWidestFactor)
            .arg(2.0 * doc.m_nRange * CPlaneWindow::kFarthestCentre)
            .arg(doc.m_nRange);
    return QString();
}
