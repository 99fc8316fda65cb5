#include "app/DocumentFileReport.h"

#include <QCoreApplication>
#include <QFile>
#include <new>
#include <system_error>

#include "document/Archive.h"
#include "document/CurvilinearscopeDoc.h"
#include "document/DocumentFile.h"

namespace {

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

FileReport Failure(const QString& message) { return FileReport{false, message}; }

// The system's own words for what went wrong ("Permission denied").
QString SystemReason(const std::system_error& error) { return QString::fromLocal8Bit(error.code().message()); }

}  // namespace

QString FileFailureMessage(const QString& message, const QString& path, const QString& reason) {
    QString text = message + QLatin1Char('\n') + path;
    if (!reason.isEmpty()) text += QStringLiteral(": ") + reason;
    return text;
}

QString OutOfMemoryText() { return QCoreApplication::translate("DocumentFile", "メモリが不足しています。"); }

QString LoadFailureMessage(int archiveCause) {
    switch (archiveCause) {
    case CArchiveException::badVersion:
        return QCoreApplication::translate("DocumentFile",
                                           "ファイルバージョン1.0ではないので、ファイルを開くことができません。");
    case CArchiveException::endOfFile:
        return QCoreApplication::translate("DocumentFile", "予期しないファイル形式です。");
    default: return QCoreApplication::translate("DocumentFile", "ドキュメントを開けませんでした。");
    }
}

FileReport OpenDocumentReport(const QString& path, CCurvilinearscopeDoc& model) {
    try {
        OpenDocumentFile(FsPath(path), model);
    } catch (const CArchiveException& e) {
        return Failure(FileFailureMessage(LoadFailureMessage(e.m_cause), path));
    } catch (const std::bad_alloc&) {
        return Failure(FileFailureMessage(OutOfMemoryText(), path));
    } catch (const std::system_error& e) {
        return Failure(FileFailureMessage(
            QCoreApplication::translate("DocumentFile", "ドキュメントを開けませんでした。"), path, SystemReason(e)));
    }
    return {};
}

FileReport SaveDocumentReport(const QString& path, CCurvilinearscopeDoc& model) {
    try {
        SaveDocumentFile(FsPath(path), model);
    } catch (const std::bad_alloc&) {
        return Failure(FileFailureMessage(OutOfMemoryText(), path));
    } catch (const std::system_error& e) {
        return Failure(
            FileFailureMessage(QCoreApplication::translate("DocumentFile", "ドキュメントを保存できませんでした。"),
                               path, SystemReason(e)));
    } catch (const std::exception&) {
        return Failure(FileFailureMessage(
            QCoreApplication::translate("DocumentFile", "ドキュメントを保存できませんでした。"), path));
    }
    return {};
}
