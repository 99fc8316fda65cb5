#include "app/ChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>

#include "app/AppDocument.h"
#include "app/CommandTexts.h"
#include "app/DocumentFileReport.h"
#include "app/Seams.h"
#include "view/CurvilinearscopeView.h"

namespace {

// Qt's own system-menu entries, in the order Qt creates them: Qt's text,
// which Qt's translation translates (Qt words it once, so a new language
// needs it again), and our prompt for the status bar.
struct SystemMenuEntry {
    const char* qtText;
    const char* prompt;
};
constexpr char kQtContext[] = "QMdiSubWindow";
constexpr SystemMenuEntry kSystemMenu[] = {
    {"&Restore", "ウィンドウを通常のサイズに戻す"},
    {"&Move", "ウィンドウの位置を変更"},
    {"&Size", "ウィンドウのサイズを変更"},
    {"Mi&nimize", "ウィンドウを最小化する"},
    {"Ma&ximize", "ウィンドウを最大化する"},
    {"Stay on &Top", nullptr},
    {nullptr, nullptr},  // a separator
    {"&Close", "作業中のウィンドウを閉じ、変更したファイルの保存を指示"},
};

}  // namespace

CChildFrame::CChildFrame(CAppDocument* document, QWidget* parent) : QMdiSubWindow(parent), m_pDocument(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_pView = new CCurvilinearscopeView(this);
    m_pView->SetDocument(&document->Model());
    setWidget(m_pView);
    document->AddView(m_pView);
    connect(m_pView, &CCurvilinearscopeView::statusMessage, this, &CChildFrame::statusMessage);
    // The angle belongs to the document, so every window of it turns along.
    connect(m_pView, &CCurvilinearscopeView::angleChanged, document, &CAppDocument::TurnAllViews);
    // The window shows what could be drawn; the user learns why the rest is
    // missing. The text is the one a file too big to open gets.
    connect(m_pView, &CCurvilinearscopeView::outOfMemory, this, [this] { Prompts().Message(this, OutOfMemoryText()); });
    ConnectSystemMenu();
    SetSystemMenuTexts(false);
    UpdateTitle();
}

CChildFrame::~CChildFrame() {
    if (m_pDocument) m_pDocument->RemoveView(m_pView);
}

void CChildFrame::UpdateTitle() {
    if (!m_pDocument) return;
    const QList<QWidget*> views = m_pDocument->Views();
    QString title = m_pDocument->GetTitle();
    if (views.size() > 1) title += QStringLiteral(":%1").arg(views.indexOf(m_pView) + 1);
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_pDocument->IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_pDocument && m_pDocument->Views().size() == 1 && !m_pDocument->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::SetSystemMenuTexts(bool withQtTexts) {
    QMenu* menu = systemMenu();
    if (!menu) return;
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size() && i < int(std::size(kSystemMenu)); ++i) {
        const SystemMenuEntry& entry = kSystemMenu[i];
        if (actions[i]->isSeparator()) continue;
        if (withQtTexts && entry.qtText) actions[i]->setText(QCoreApplication::translate(kQtContext, entry.qtText));
        if (entry.prompt) actions[i]->setStatusTip(UiText(entry.prompt));
    }
}

void CChildFrame::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) SetSystemMenuTexts(true);
}

void CChildFrame::ConnectSystemMenu() {
    QMenu* menu = systemMenu();
    if (!menu) return;
    // The menu is a window of its own, and Qt gives it the prompts it shows:
    // they are passed on to the main window's status bar, and the idle text
    // once the menu closes.
    connect(menu, &QMenu::hovered, this, [this](QAction* action) { emit statusMessage(action->statusTip()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { emit statusMessage(QString()); });
}
