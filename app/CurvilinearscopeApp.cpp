#include "app/CurvilinearscopeApp.h"

#include <QDate>
#include <QSettings>

#include "app/AppDocument.h"
#include "app/DailyCheck.h"
#include "app/GraphCommand.h"
#include "app/MainFrame.h"
#include "app/PrintCommands.h"

CCurvilinearscopeApp::CCurvilinearscopeApp(QSettings& settings, const QString& productPage)
    : m_settings(settings), m_productPage(productPage) {}

CCurvilinearscopeApp::~CCurvilinearscopeApp() = default;

bool CCurvilinearscopeApp::InitInstance(const QStringList& files) {
    m_pMainFrame = std::make_unique<CMainFrame>(m_settings);
    if (files.isEmpty()) {
        if (!m_pMainFrame->OnFileNew()) return false;
    }
    // Every file that opens is shown; each that cannot has been reported by
    // name. The start fails only when none of them opened.
    int opened = 0;
    for (const QString& path : files) {
        if (m_pMainFrame->OpenDocumentFile(path)) ++opened;
    }
    if (!files.isEmpty() && opened == 0) return false;
    m_pMainFrame->show();
    return true;
}

bool CCurvilinearscopeApp::InitInstance(CCurvilinearscopeDoc& graphs) {
    m_pMainFrame = std::make_unique<CMainFrame>(m_settings);
    CAppDocument* document = m_pMainFrame->OnFileNew();
    if (!document) return false;
    MoveGraphDocument(graphs, document->Model());
    document->SetModifiedFlag();
    document->UpdateAllViews();
    m_pMainFrame->show();
    return true;
}

int CCurvilinearscopeApp::PrintGraphs(CCurvilinearscopeDoc& graphs, const CCommandLineInfo& info) {
    CPrintCommands printing;
    return printing.PrintModel(graphs, info, QStringLiteral("--graph"));
}

int CCurvilinearscopeApp::ExitInstance(int exitCode) {
    OpenDailyPage(m_settings, QDate::currentDate(), m_productPage);
    m_settings.sync();
    return exitCode;
}

int CCurvilinearscopeApp::PrintFile(const CCommandLineInfo& info) {
    CPrintCommands printing;
    return printing.PrintFile(info);
}
