#include "app/CurvilinearscopeApp.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>
#include <QUrl>

#include "app/AboutDlg.h"
#include "app/AppDocument.h"
#include "app/ChildFrame.h"
#include "app/DailyCheck.h"
#include "app/MainFrame.h"
#include "app/PrintCommands.h"
#include "app/ProductInfo.h"
#include "app/Seams.h"

CCurvilinearscopeApp::CCurvilinearscopeApp(QSettings& settings) : m_settings(settings) {
    m_recentFiles.Load(m_settings);
}

CCurvilinearscopeApp::~CCurvilinearscopeApp() {
    // Windows first: they refer to the documents.
    m_pMainFrame.reset();
    qDeleteAll(m_documents);
}

bool CCurvilinearscopeApp::InitInstance(const QStringList& files) {
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    if (files.isEmpty()) {
        if (!OnFileNew()) return false;
    }
    // Every file that opens is shown; each that cannot has been reported by
    // name. The start fails only when none of them opened.
    int opened = 0;
    for (const QString& path : files) {
        if (OpenDocumentFile(path)) ++opened;
    }
    if (!files.isEmpty() && opened == 0) return false;
    m_pMainFrame->show();
    return true;
}

int CCurvilinearscopeApp::ExitInstance(int exitCode) {
    if (DailyCheck(m_settings, QDate::currentDate())) Desktop().Open(QUrl(QStringLiteral(CRV_PRODUCT_URL)));
    m_settings.sync();
    return exitCode;
}

CAppDocument* CCurvilinearscopeApp::NewDocumentObject() {
    return new CAppDocument(QStringLiteral("Curvilinearscope%1").arg(++m_nUntitled), this);
}

void CCurvilinearscopeApp::AddDocument(CAppDocument* document) {
    m_documents.append(document);
    connect(document, &CAppDocument::pathChanged, this, &CCurvilinearscopeApp::RememberFile);
    connect(document, &CAppDocument::lastViewRemoved, this, [this, document] {
        m_documents.removeAll(document);
        document->deleteLater();
    });
    if (m_pMainFrame) m_pMainFrame->AddChildFrame(document);
}

CAppDocument* CCurvilinearscopeApp::OnFileNew() {
    CAppDocument* document = NewDocumentObject();
    if (!document->OnNewDocument()) {
        delete document;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

void CCurvilinearscopeApp::OnFileOpen() {
    const QString path = Prompts().OpenFileName(m_pMainFrame.get());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

CAppDocument* CCurvilinearscopeApp::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CAppDocument* document : m_documents) {
        if (document->GetPathName() == absolute) {
            const QList<QWidget*> views = document->Views();
            if (m_pMainFrame && !views.isEmpty())
                if (auto* frame = qobject_cast<CChildFrame*>(views.first()->parentWidget()))
                    m_pMainFrame->MdiArea()->setActiveSubWindow(frame);
            return document;
        }
    }
    auto* document = new CAppDocument(QFileInfo(path).fileName(), this);
    if (!document->OnOpenDocument(absolute)) {
        delete document;
        // A file that cannot be opened no longer belongs in the list.
        if (!QFileInfo::exists(absolute)) {
            m_recentFiles.Remove(absolute);
            m_recentFiles.Save(m_settings);
            if (m_pMainFrame) m_pMainFrame->UpdateRecentFiles();
        }
        return nullptr;
    }
    RememberFile(absolute);
    AddDocument(document);
    return document;
}

void CCurvilinearscopeApp::RememberFile(const QString& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save(m_settings);
    if (m_pMainFrame) m_pMainFrame->UpdateRecentFiles();
}

void CCurvilinearscopeApp::OnFileSave(CAppDocument* document) {
    if (document) document->DoFileSave();
}

void CCurvilinearscopeApp::OnFileSaveAs(CAppDocument* document) {
    if (document) document->DoSaveAs();
}

void CCurvilinearscopeApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
}

bool CCurvilinearscopeApp::SaveAllModified() {
    for (CAppDocument* document : m_documents)
        if (!document->SaveModified()) return false;
    return true;
}

bool CCurvilinearscopeApp::PrintFile(const QString& path) {
    CPrintCommands printing;
    return printing.PrintFile(path);
}
