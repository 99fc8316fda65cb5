#include "DocumentFileReport.h"

#include <QCoreApplication>
#include <QFile>
#include <new>
#include <system_error>

#include "doc/Archive.h"
#include "doc/CurvilinearscopeDoc.h"
#include "doc/DocumentFile.h"

namespace {

QString Text(const char* source) {
    return QCoreApplication::translate("DocumentFile", source);
}

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

FileReport Failure(const QString& message) {
    return FileReport{false, message};
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

FileReport OpenDocumentReport(const QString& path, CCurvilinearscopeDoc& model) {
    try {
        OpenDocumentFile(FsPath(path), model);
    } catch (const CArchiveException& e) {
        return Failure(LoadFailureMessage(e.m_cause));
    } catch (const std::bad_alloc&) {
        return Failure(Text("Out of memory."));
    } catch (const std::system_error&) {
        return Failure(Text("Failed to open document."));
    }
    return {};
}

FileReport SaveDocumentReport(const QString& path, CCurvilinearscopeDoc& model) {
    try {
        SaveDocumentFile(FsPath(path), model);
    } catch (const std::bad_alloc&) {
        return Failure(Text("Out of memory."));
    } catch (const std::exception&) {
        return Failure(Text("Failed to save document."));
    }
    return {};
}
