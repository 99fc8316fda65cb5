#include "app/MainStatusBar.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include "app/CommandTexts.h"
#include "app/LockKeys.h"

namespace {
// Room beside the widest indicator text, so the panes do not touch it.
constexpr int kIndicatorPadding = 12;
}  // namespace

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent) {
    // The idle text is an ordinary widget of the bar: prompts and read-outs
    // are shown as messages over it, and when a message is cleared the idle
    // text is back.
    m_pIdleLabel = new QLabel(UiText("レディ"), this);
    addWidget(m_pIdleLabel, 1);
    const char* const names[kLockKeys] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < kLockKeys; ++i) {
        m_pIndicators[i] = new QLabel(this);
        m_pIndicators[i]->setAlignment(Qt::AlignCenter);
        m_pIndicators[i]->setMinimumWidth(m_pIndicators[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) +
                                          kIndicatorPadding);
        m_pIndicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_pIndicators[i]->setProperty("indicator", QString::fromLatin1(names[i]));
        addPermanentWidget(m_pIndicators[i]);
    }
    UpdateLockIndicators();
    qApp->installEventFilter(this);
}

CMainStatusBar::~CMainStatusBar() { qApp->removeEventFilter(this); }

void CMainStatusBar::SetMessageText(const QString& text) {
    if (text.isEmpty())
        clearMessage();
    else
        showMessage(text);
}

QString CMainStatusBar::MessageText() const {
    const QString message = currentMessage();
    return message.isEmpty() ? m_pIdleLabel->text() : message;
}

void CMainStatusBar::UpdateLockIndicators() {
    const LockKeyState state = ReadLockKeys();
    const bool on[kLockKeys] = {state.caps, state.num, state.scroll};
    for (int i = 0; i < kLockKeys; ++i)
        m_pIndicators[i]->setText(on[i] ? m_pIndicators[i]->property("indicator").toString() : QString());
}

void CMainStatusBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_pIdleLabel->setText(UiText("レディ"));
    QStatusBar::changeEvent(event);
}

bool CMainStatusBar::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate: UpdateLockIndicators(); break;
    default: break;
    }
    return QStatusBar::eventFilter(watched, event);
}
