#include "TestDocuments.h"

#include <QFile>
#include <gtest/gtest.h>

#include "doc/CurvilinearscopeDoc.h"
#include "doc/DocumentFile.h"

void WriteSampleDocument(const QString& path) {
    CCurvilinearscopeDoc doc;
    doc.OnNewDocument();
    doc.m_graphs[0].m_bShow = 1;
    doc.Sample2D();
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
