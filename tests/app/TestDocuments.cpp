#include "TestDocuments.h"

#include <gtest/gtest.h>
#include <QFile>
#include <cmath>

#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

void WriteSampleDocument(const QString& path) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_graphs[0].m_bShow = 1;
    doc.Sample2D();
    SaveDocumentFile(QFile::encodeName(path).toStdString(), doc);
}

void WriteSurfaceDocument(const QString& path, int side) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_nDimension = 1;
    CGraphDef& g = doc.m_graphs[0];
    g.m_bShow = 1;
    g.m_strFormula = u"sin(x)*cos(y)";
    g.m_nPoints = side * side;
    g.m_pPoints = PointArray::Allocate(size_t(side) * size_t(side));
    const double step = 20.0 / (side - 1);
    for (int row = 0; row < side; ++row) {
        const double y = -10 + row * step;
        for (int column = 0; column < side; ++column) {
            const double x = -10 + column * step, z = std::sin(x) * std::cos(y);
            SamplePoint& p = g.m_pPoints[size_t(row) * side + column];
            p = column ? g.m_pPoints[size_t(row) * side + column - 1] : SamplePoint{x, y, z, x, y, z, 1};
            p.fromX = p.x, p.fromY = p.y, p.fromZ = p.z;
            p.x = x, p.y = y, p.z = z;
        }
    }
    SaveDocumentFile(QFile::encodeName(path).toStdString(), doc);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
