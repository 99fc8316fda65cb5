#include "app/DocumentManager.h"

#include <QFileInfo>
#include <QSettings>

#include "app/AppDocument.h"

CDocumentManager::CDocumentManager(QSettings& settings, QObject* parent) : QObject(parent), m_settings(settings) {
    m_recentFiles.Load(m_settings);
}

CAppDocument* CDocumentManager::NewDocument() {
    auto* document = new CAppDocument(QStringLiteral("Curvilinearscope%1").arg(++m_nUntitled), this);
    if (!document->OnNewDocument()) {
        delete document;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

CAppDocument* CDocumentManager::FindDocument(const QString& path) const {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CAppDocument* document : m_documents)
        if (document->GetPathName() == absolute) return document;
    return nullptr;
}

CAppDocument* CDocumentManager::OpenDocument(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    auto* document = new CAppDocument(QFileInfo(path).fileName(), this);
    if (!document->OnOpenDocument(absolute)) {
        delete document;
        // A file that cannot be opened no longer belongs in the list.
        if (!QFileInfo::exists(absolute)) ForgetFile(absolute);
        return nullptr;
    }
    RememberFile(absolute);
    AddDocument(document);
    return document;
}

bool CDocumentManager::SaveAllModified() {
    for (CAppDocument* document : m_documents)
        if (!document->SaveModified()) return false;
    return true;
}

void CDocumentManager::AddDocument(CAppDocument* document) {
    m_documents.append(document);
    connect(document, &CAppDocument::pathChanged, this, &CDocumentManager::RememberFile);
    connect(document, &CAppDocument::lastViewRemoved, this, [this, document] {
        m_documents.removeAll(document);
        document->deleteLater();
    });
}

void CDocumentManager::RememberFile(const QString& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save(m_settings);
    emit recentFilesChanged();
}

void CDocumentManager::ForgetFile(const QString& path) {
    m_recentFiles.Remove(path);
    m_recentFiles.Save(m_settings);
    emit recentFilesChanged();
}
