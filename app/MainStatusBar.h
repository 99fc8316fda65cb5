#pragma once
// The main window's status bar: the message pane, which shows "レディ" when
// idle and command prompts or the pointer's read-out over it, and the panes
// CAP, NUM and SCRL, lit while their lock key is on.

#include <QStatusBar>

class QLabel;

class CMainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CMainStatusBar(QWidget* parent = nullptr);
    ~CMainStatusBar() override;

    // An empty text shows the idle text again.
    void SetMessageText(const QString& text);
    QString MessageText() const;

protected:
    // Any key released or window activated anywhere may have changed a
    // lock key.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The idle text in a newly installed language.
    void changeEvent(QEvent* event) override;

private:
    void UpdateLockIndicators();

    static constexpr int kLockKeys = 3;
    QLabel* m_pIdleLabel = nullptr;
    QLabel* m_pIndicators[kLockKeys] = {};
};
