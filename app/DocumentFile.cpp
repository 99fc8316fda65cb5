#include "DocumentFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <new>
#include <sstream>
#include <string>

#include "doc/Archive.h"
#include "doc/CurvilinearscopeDoc.h"

namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("DocumentFile", source);
}

DocumentFileResult Failure(const QString& message) {
    return DocumentFileResult{false, message};
}

}  // namespace

QString LoadFailureMessage(int archiveCause) {
    switch (archiveCause) {
    case CArchiveException::badVersion:
        return Text("ファイルバージョン1.0ではないので、ファイルを開くことができません。");
    case CArchiveException::endOfFile:
        return Text("Unexpected file format.");
    default:
        return Text("Failed to open document.");
    }
}

DocumentFileResult LoadDocumentFile(const QString& path, CCurvilinearscopeDoc& model) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Failure(Text("Failed to open document."));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return Failure(Text("Failed to open document."));
    // An empty file holds no document at all; it opens as a new one rather
    // than leaving the model's dimension and range without a value.
    if (bytes.isEmpty()) {
        model.OnNewDocument();
        model.m_dAngle = 0.0;
        return {};
    }
    std::istringstream in(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    try {
        CArchive ar(in);
        model.Serialize(ar);
    } catch (const CArchiveException& e) {
        return Failure(LoadFailureMessage(e.m_cause));
    } catch (const std::bad_alloc&) {
        return Failure(Text("Out of memory."));
    }
    model.m_dAngle = 0.0;
    return {};
}

DocumentFileResult SaveDocumentFile(const QString& path, CCurvilinearscopeDoc& model) {
    std::ostringstream out;
    try {
        CArchive ar(out);
        model.Serialize(ar);
        if (!ar.Close()) return Failure(Text("Failed to save document."));
    } catch (const CArchiveException&) {
        return Failure(Text("Failed to save document."));
    } catch (const std::bad_alloc&) {
        return Failure(Text("Out of memory."));
    }
    const std::string bytes = out.str();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Failure(Text("Failed to save document."));
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return Failure(Text("Failed to save document."));
    }
    return {};
}
