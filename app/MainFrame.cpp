#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppDocument.h"
#include "app/ChildFrame.h"
#include "app/CommandTexts.h"
#include "app/Commands.h"
#include "app/CurvilinearscopeApp.h"
#include "app/HelpPath.h"
#include "app/IconFactory.h"
#include "app/LockKeys.h"
#include "app/Seams.h"
#include "view/CurvilinearscopeView.h"

CMainFrame::CMainFrame(CCurvilinearscopeApp& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(IconFromSvg(QStringLiteral(":/icons/curvilinearscope.svg")));
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    setAcceptDrops(true);
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    ConnectCommands();
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateMenus(); });
    qApp->installEventFilter(this);
    UpdateMenus();
    resize(900, 700);
}

CMainFrame::~CMainFrame() {
    // The document windows go down with us; nothing of ours may react to
    // that while this object is half destroyed.
    qApp->removeEventFilter(this);
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    for (CChildFrame* frame : findChildren<CChildFrame*>()) disconnect(frame, nullptr, this, nullptr);
}

QAction* CMainFrame::NewAction(int id, const QString& iconName) {
    auto* action = new QAction(CommandMenuText(id), this);
    action->setStatusTip(CommandPrompt(id));
    const QString tip = CommandTip(id);
    if (!tip.isEmpty()) action->setToolTip(tip);
    if (!iconName.isEmpty())
        action->setIcon(IconFromSvg(QStringLiteral(":/toolbar/%1.svg").arg(iconName)));
    // Every command reaches the window's shortcuts, whichever menu is shown.
    addAction(action);
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::CreateActions() {
    NewAction(ID_FILE_NEW, QStringLiteral("new"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    NewAction(ID_FILE_OPEN, QStringLiteral("open"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    NewAction(ID_FILE_CLOSE);
    NewAction(ID_FILE_SAVE, QStringLiteral("save"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    NewAction(ID_FILE_SAVE_AS);
    NewAction(ID_FILE_EXPORT);
    NewAction(ID_FILE_PRINT, QStringLiteral("print"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    NewAction(ID_FILE_PRINT_PREVIEW);
    NewAction(ID_FILE_PRINT_SETUP);
    NewAction(ID_APP_EXIT);
    NewAction(ID_EDIT_FUNCTION)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // Nothing in the program cuts, copies, pastes or undoes: these stay
    // disabled, and so their keys do nothing.
    NewAction(ID_EDIT_CUT, QStringLiteral("cut"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    NewAction(ID_EDIT_COPY, QStringLiteral("copy"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    NewAction(ID_EDIT_PASTE, QStringLiteral("paste"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    NewAction(ID_EDIT_UNDO)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    NewAction(ID_NEXT_PANE)->setShortcut(QKeySequence(Qt::Key_F6));
    NewAction(ID_PREV_PANE)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE, ID_PREV_PANE})
        m_actions[id]->setEnabled(false);
    NewAction(ID_VIEW_TOOLBAR)->setCheckable(true);
    NewAction(ID_VIEW_STATUS_BAR)->setCheckable(true);
    NewAction(ID_WINDOW_NEW);
    NewAction(ID_WINDOW_CASCADE);
    NewAction(ID_WINDOW_TILE_HORZ);
    NewAction(ID_WINDOW_ARRANGE);
    NewAction(ID_APP_ABOUT, QStringLiteral("about"));
    NewAction(ID_HELP_CONTENTS);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(UiText("ツール バー"), this);
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                   ID_FILE_PRINT, ID_APP_ABOUT}) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(m_actions[id]);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    QAction* toggle = m_actions[ID_VIEW_TOOLBAR];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // The idle text is an ordinary widget of the bar: prompts and read-outs
    // are shown as messages over it, and when a message is cleared the idle
    // text is back.
    m_pIdleLabel = new QLabel(UiText("レディ"), bar);
    bar->addWidget(m_pIdleLabel, 1);
    const char* const names[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        m_pIndicators[i] = new QLabel(bar);
        m_pIndicators[i]->setAlignment(Qt::AlignCenter);
        m_pIndicators[i]->setMinimumWidth(m_pIndicators[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        m_pIndicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_pIndicators[i]->setProperty("indicator", QString::fromLatin1(names[i]));
        bar->addPermanentWidget(m_pIndicators[i]);
    }
    QAction* toggle = m_actions[ID_VIEW_STATUS_BAR];
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
    const LockKeyState state = ReadLockKeys();
    const bool on[] = {state.caps, state.num, state.scroll};
    for (int i = 0; i < 3; ++i)
        m_pIndicators[i]->setText(on[i] ? m_pIndicators[i]->property("indicator").toString() : QString());
}

void CMainFrame::SetMessageText(const QString& text) {
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

QString CMainFrame::MessageText() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? m_pIdleLabel->text() : message;
}

CChildFrame* CMainFrame::AddChildFrame(CAppDocument* document) {
    auto* frame = new CChildFrame(document, m_pMdiArea);
    m_pMdiArea->addSubWindow(frame);
    connect(frame, &CChildFrame::statusMessage, this, &CMainFrame::SetMessageText);
    connect(document, &CAppDocument::titleChanged, frame, &CChildFrame::UpdateTitle);
    connect(frame, &QObject::destroyed, this, [this] {
        for (CChildFrame* other : ChildFrames()) other->UpdateTitle();
        UpdateMenus();
    });
    for (CChildFrame* other : ChildFrames()) other->UpdateTitle();
    // Before the main window is first shown its area has no size of its own
    // yet; the window's intended size stands in for it.
    const QSize area = m_pMdiArea->isVisible() ? m_pMdiArea->size() : size() - QSize(0, 90);
    frame->resize(std::max(area.width() * 3 / 4, 320), std::max(area.height() * 4 / 5, 240));
    // Each new window a step down and right of the one before, so every
    // caption stays in sight.
    const int step = 26 * int((ChildFrames().size() - 1) % 8);
    frame->move(step, step);
    frame->show();
    m_pMdiArea->setActiveSubWindow(frame);
    frame->GetView()->setFocus();
    UpdateMenus();
    return frame;
}

CChildFrame* CMainFrame::ActiveChildFrame() const {
    return qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
}

QList<CChildFrame*> CMainFrame::ChildFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_pMdiArea->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window)) frames.append(frame);
    return frames;
}

void CMainFrame::UpdateCaption() {
    CChildFrame* frame = ActiveChildFrame();
    const QString name = QStringLiteral("Curvilinearscope");
    setWindowTitle(frame ? name + QStringLiteral(" - ") + frame->windowTitle() : name);
}

void CMainFrame::OnHelpContents() {
    const QString path = HelpPathFor(QCoreApplication::applicationFilePath());
    Desktop().Open(QUrl::fromLocalFile(path));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_app.SaveAllModified()) {
        event->ignore();
        return;
    }
    // Documents are closed without asking again.
    for (CChildFrame* frame : ChildFrames()) {
        if (CAppDocument* document = frame->GetDocument()) document->SetModifiedFlag(false);
    }
    m_pMdiArea->closeAllSubWindows();
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
        UpdateLockIndicators();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
