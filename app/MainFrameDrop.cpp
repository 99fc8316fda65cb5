// Document files dropped on the main window open as documents.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "CurvilinearscopeApp.h"
#include "MainFrame.h"

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
    const QStringList files = DroppedDocuments(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    for (const QString& path : files) m_app.OpenDocumentFile(path);
}
