// Document files dropped on the main window open as documents.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/CurvilinearscopeApp.h"
#include "app/MainFrame.h"

namespace {
QStringList DroppedDocuments(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare(QLatin1String("crv"), Qt::CaseInsensitive) == 0)
            files.append(path);
    }
    return files;
}
}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDocuments(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (OpenDroppedFiles(event->mimeData())) event->acceptProposedAction();
}

bool CMainFrame::OpenDroppedFiles(const QMimeData* data) {
    const QStringList files = DroppedDocuments(data);
    if (files.isEmpty()) return false;
    activateWindow();
    for (const QString& path : files) m_app.OpenDocumentFile(path);
    return true;
}
