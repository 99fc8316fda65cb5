#include "view/PointMarkers.h"

#include <QPainter>
#include <QPolygonF>

#include "view/PictureGeometry.h"

namespace {
constexpr double kMarkerHalf = 4.0;  // pixels from the centre to a corner
constexpr double kLabelGap = 6.0;    // pixels between the marker and its label
constexpr int kLabelDigits = 4;
}  // namespace

QString PointLabel(const PointOfInterest& point) {
    return QStringLiteral("(%1, %2)")
        .arg(QString::number(point.x, 'g', kLabelDigits), QString::number(point.y, 'g', kLabelDigits));
}

void DrawPointMarkers(QPainter& painter, std::span<const PointOfInterest> points,
                      const std::function<QPointF(double x, double y)>& pixelOf) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PointOfInterest& point : points) {
        const QPointF at = pixelOf(point.x, point.y);
        const SurfaceColor color = GraphColor(point.slot);
        const QColor qcolor(color.r, color.g, color.b);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(qcolor);
        painter.drawPolygon(QPolygonF({at + QPointF(0, -kMarkerHalf), at + QPointF(kMarkerHalf, 0),
                                       at + QPointF(0, kMarkerHalf), at + QPointF(-kMarkerHalf, 0)}));
        painter.setPen(qcolor.darker());
        painter.drawText(at + QPointF(kLabelGap, -kLabelGap), PointLabel(point));
    }
    painter.restore();
}
