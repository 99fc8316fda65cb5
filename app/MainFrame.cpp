#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>

#include "app/AboutDlg.h"
#include "app/AppDocument.h"
#include "app/AppLanguage.h"
#include "app/ChildFrame.h"
#include "app/CommandMenus.h"
#include "app/Commands.h"
#include "app/DocumentFileReport.h"
#include "app/EnginePlatform.h"
#include "app/ExportCommand.h"
#include "app/HelpPath.h"
#include "app/IconFactory.h"
#include "app/MainStatusBar.h"
#include "app/Seams.h"
#include "app/WindowPlacement.h"
#include "document/DocumentFormat.h"
#include "view/CurvilinearscopeView.h"
#include "view/PictureCopy.h"

namespace {

// Before the main window is first shown its area has no size of its own
// yet: the window's size less about the height of its bars stands in.
constexpr int kBarsHeight = 90;
// A new document window takes this share of the area, and at least the
// minimum size.
constexpr int kChildWidthPercent = 75, kChildHeightPercent = 80;
constexpr QSize kChildMinimumSize(320, 240);
// Each new window a step down and right of the one before, so every caption
// stays in sight; after kCascadeSteps windows the steps start again.
constexpr int kCascadeStep = 26, kCascadeSteps = 8;

// A document by its content, whatever its name: the desktop's file type
// recognises documents so, and a dropped one opens as the file type says.
bool BeginsLikeADocument(const QString& path) {
    QFile file(path);
    // Only plain files: reading from a pipe would wait for a writer.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(qint64(kDocumentMagicBytes));
    return StartsWithDocumentMagic(reinterpret_cast<const unsigned char*>(head.constData()), size_t(head.size()));
}

// The document files among dropped data: local files ending in .crv or
// beginning with a document's magic.
QStringList DroppedDocuments(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty()) continue;
        if (QFileInfo(path).suffix().compare(QLatin1String("crv"), Qt::CaseInsensitive) == 0 ||
            BeginsLikeADocument(path))
            files.append(path);
    }
    return files;
}

}  // namespace

CMainFrame::CMainFrame(QSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_documents(settings) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(IconFromSvg(QStringLiteral(":/icons/org.orvandel.Curvilinearscope.svg")));
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    setAcceptDrops(true);
    m_pMenus = new CCommandMenus(*this, *m_pMdiArea);
    m_pToolBar = m_pMenus->CreateToolBar();
    m_pStatusBar = new CMainStatusBar(this);
    setStatusBar(m_pStatusBar);
    QAction* statusToggle = Action(ID_VIEW_STATUS_BAR);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, m_pStatusBar, &QStatusBar::setVisible);
    ConnectCommands();
    m_pAnalysis = new CAnalysisCommands(*this, *Action(ID_VIEW_TRACE), *Action(ID_VIEW_POINTS));
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] {
        UpdateMenus();
        m_pAnalysis->SetActiveView(ActiveView());
    });
    connect(&m_documents, &CDocumentManager::recentFilesChanged, this, [this] { UpdateMenus(); });
    UpdateMenus();
    RestoreWindowPlacement(*this, m_settings);
}

CMainFrame::~CMainFrame() {
    // The document windows go first, while the documents they show are
    // still here; nothing of ours may react to that while this object is
    // half destroyed.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    disconnect(&m_documents, nullptr, this, nullptr);
    for (CChildFrame* frame : findChildren<CChildFrame*>()) disconnect(frame, nullptr, this, nullptr);
    delete m_pMdiArea;
}

QAction* CMainFrame::Action(int id) const { return m_pMenus->Action(id); }

void CMainFrame::ConnectCommands() {
    auto on = [this](int id, void (CMainFrame::*handler)()) {
        connect(Action(id), &QAction::triggered, this, handler);
    };
    on(ID_FILE_OPEN, &CMainFrame::OnFileOpen);
    on(ID_FILE_CLOSE, &CMainFrame::OnFileClose);
    on(ID_FILE_SAVE, &CMainFrame::OnFileSave);
    on(ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs);
    on(ID_FILE_EXPORT, &CMainFrame::OnFileExport);
    on(ID_EDIT_FUNCTION, &CMainFrame::OnEditFunction);
    on(ID_WINDOW_NEW, &CMainFrame::OnWindowNew);
    on(ID_WINDOW_ARRANGE, &CMainFrame::OnWindowArrange);
    on(ID_APP_ABOUT, &CMainFrame::OnAppAbout);
    on(ID_HELP_CONTENTS, &CMainFrame::OnHelpContents);
    connect(Action(ID_FILE_NEW), &QAction::triggered, this, [this] { OnFileNew(); });
    connect(Action(ID_FILE_PRINT), &QAction::triggered, this, [this] { m_printing.OnFilePrint(ActiveView()); });
    connect(Action(ID_FILE_PRINT_PREVIEW), &QAction::triggered, this,
            [this] { m_printing.OnFilePrintPreview(ActiveView()); });
    connect(Action(ID_FILE_PRINT_SETUP), &QAction::triggered, this, [this] { m_printing.OnFilePrintSetup(); });
    on(ID_EDIT_COPY, &CMainFrame::OnEditCopy);
    auto onView = [this](int id, void (CCurvilinearscopeView::*command)()) {
        connect(Action(id), &QAction::triggered, this, [this, command] {
            if (CCurvilinearscopeView* view = ActiveView()) (view->*command)();
        });
    };
    onView(ID_VIEW_ZOOM_IN, &CCurvilinearscopeView::ZoomIn);
    onView(ID_VIEW_ZOOM_OUT, &CCurvilinearscopeView::ZoomOut);
    onView(ID_VIEW_ZOOM_HOME, &CCurvilinearscopeView::ZoomHome);
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    connect(Action(ID_WINDOW_CASCADE), &QAction::triggered, m_pMdiArea, &QMdiArea::cascadeSubWindows);
    connect(Action(ID_WINDOW_TILE_HORZ), &QAction::triggered, m_pMdiArea, &QMdiArea::tileSubWindows);
    connect(m_pMenus, &CCommandMenus::recentFileChosen, this, [this](const QString& path) { OpenDocumentFile(path); });
    connect(m_pMenus, &CCommandMenus::languageChosen, this, &CMainFrame::OnLanguageChosen);
}

void CMainFrame::UpdateMenus() {
    m_pMenus->Update(ActiveChildFrame() != nullptr, m_documents.RecentFiles().Files());
    UpdateCaption();
}

void CMainFrame::UpdateCaption() {
    CChildFrame* frame = ActiveChildFrame();
    const QString name = QStringLiteral("Curvilinearscope");
    // The document window's title carries the mark of unsaved changes.
    setWindowTitle(frame ? name + QStringLiteral(" - ") + frame->windowTitle() : name);
    setWindowModified(frame && frame->isWindowModified());
}

void CMainFrame::SetMessageText(const QString& text) { m_pStatusBar->SetMessageText(text); }

QString CMainFrame::MessageText() const { return m_pStatusBar->MessageText(); }

CChildFrame* CMainFrame::AddChildFrame(CAppDocument* document) {
    auto* frame = new CChildFrame(document, m_pMdiArea);
    m_pMdiArea->addSubWindow(frame);
    connect(frame, &CChildFrame::statusMessage, this, &CMainFrame::SetMessageText);
    connect(document, &CAppDocument::titleChanged, frame, &CChildFrame::UpdateTitle);
    connect(document, &CAppDocument::modifiedChanged, frame, [this, frame] {
        frame->UpdateTitle();
        if (frame == ActiveChildFrame()) UpdateCaption();
    });
    connect(frame, &QObject::destroyed, this, [this] {
        for (CChildFrame* other : ChildFrames()) other->UpdateTitle();
        UpdateMenus();
    });
    for (CChildFrame* other : ChildFrames()) other->UpdateTitle();
    const QSize area = m_pMdiArea->isVisible() ? m_pMdiArea->size() : size() - QSize(0, kBarsHeight);
    frame->resize(std::max(area.width() * kChildWidthPercent / 100, kChildMinimumSize.width()),
                  std::max(area.height() * kChildHeightPercent / 100, kChildMinimumSize.height()));
    const int step = kCascadeStep * int((ChildFrames().size() - 1) % kCascadeSteps);
    frame->move(step, step);
    frame->show();
    m_pMdiArea->setActiveSubWindow(frame);
    frame->GetView()->setFocus();
    UpdateMenus();
    return frame;
}

CChildFrame* CMainFrame::ActiveChildFrame() const { return qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow()); }

QList<CChildFrame*> CMainFrame::ChildFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window)) frames.append(frame);
    return frames;
}

CAppDocument* CMainFrame::ActiveDocument() const {
    CChildFrame* frame = ActiveChildFrame();
    return frame ? frame->GetDocument() : nullptr;
}

CCurvilinearscopeView* CMainFrame::ActiveView() const {
    CChildFrame* frame = ActiveChildFrame();
    return frame ? frame->GetView() : nullptr;
}

CAppDocument* CMainFrame::OnFileNew() {
    CAppDocument* document = m_documents.NewDocument();
    if (document) AddChildFrame(document);
    return document;
}

void CMainFrame::OnFileOpen() {
    const QString path = Prompts().OpenFileName(this);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

CAppDocument* CMainFrame::OpenDocumentFile(const QString& path) {
    if (CAppDocument* open = m_documents.FindDocument(path)) {
        for (CChildFrame* frame : ChildFrames()) {
            if (frame->GetDocument() != open) continue;
            m_pMdiArea->setActiveSubWindow(frame);
            break;
        }
        return open;
    }
    CAppDocument* document = m_documents.OpenDocument(path);
    if (document) AddChildFrame(document);
    return document;
}

void CMainFrame::OnFileClose() {
    // Closes every window of the active document, asking first once.
    CAppDocument* document = ActiveDocument();
    if (!document || !document->SaveModified()) return;
    document->SetModifiedFlag(false);
    for (CChildFrame* frame : ChildFrames())
        if (frame->GetDocument() == document) frame->close();
}

void CMainFrame::OnFileSave() {
    if (CAppDocument* document = ActiveDocument()) document->DoFileSave();
}

void CMainFrame::OnFileSaveAs() {
    if (CAppDocument* document = ActiveDocument()) document->DoSaveAs();
}

void CMainFrame::OnFileExport() {
    if (CAppDocument* document = ActiveDocument()) ExportDocumentPicture(*document, this);
}

void CMainFrame::OnEditFunction() {
    if (CAppDocument* document = ActiveDocument()) document->OnEditFunction();
}

void CMainFrame::OnEditCopy() {
    CCurvilinearscopeView* view = ActiveView();
    // The one failure is a picture the memory ran out for.
    if (view && !CopyShownPicture(*view)) Prompts().Message(this, OutOfMemoryText());
}

void CMainFrame::OnWindowNew() {
    if (CAppDocument* document = ActiveDocument()) AddChildFrame(document);
}

void CMainFrame::OnWindowArrange() {
    // Minimised windows line up along the bottom of the area, left to right.
    int x = 0;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_pMdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnHelpContents() {
    const QString folder = ProgramFolderOf(QCoreApplication::applicationFilePath());
    const QString language = ManualLanguageFor(CurrentInterfaceLanguage());
    const QString manual = FindManual(folder, language);
    if (manual.isEmpty()) {
        Prompts().Message(this, ManualMissingMessage(ManualCandidates(folder, language)));
        return;
    }
    // Without a program for web pages (xdg-open finds none) the user still
    // learns where the manual is.
    if (!Desktop().Open(QUrl::fromLocalFile(manual))) Prompts().Message(this, ManualNotOpenedMessage(manual));
}

void CMainFrame::OnLanguageChosen(const QString& language) {
    SaveInterfaceLanguage(m_settings, language);
    if (language == CurrentInterfaceLanguage()) return;
    // Qt tells every widget with its LanguageChange event; the engine has
    // its own table of messages.
    InstallTranslations(*QCoreApplication::instance(), language);
    InstallEnginePlatform(language);
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_pMenus->Retranslate();
    QMainWindow::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_documents.SaveAllModified()) {
        event->ignore();
        return;
    }
    // Documents are closed without asking again.
    for (CChildFrame* frame : ChildFrames()) {
        if (CAppDocument* document = frame->GetDocument()) document->SetModifiedFlag(false);
    }
    m_pMdiArea->closeAllSubWindows();
    SaveWindowPlacement(*this, m_settings);
    event->accept();
}

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
    for (const QString& path : files) OpenDocumentFile(path);
    return true;
}
