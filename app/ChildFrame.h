#pragma once
// One document window inside the main window: a sub-window holding one view
// of one document. Closing the last window of a modified document asks first.

#include <QMdiSubWindow>
#include <QPointer>

class CAppDocument;
class CCurvilinearscopeView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CAppDocument* document, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CAppDocument* GetDocument() const { return m_pDocument; }
    CCurvilinearscopeView* GetView() const { return m_pView; }

    // Sets the caption from the document's title: "title", or "title:n" while
    // the document has several windows, marked the desktop's way ("[*]")
    // while the document has unsaved changes.
    void UpdateTitle();

signals:
    void statusMessage(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The system menu's texts and prompts in a newly installed language.
    void changeEvent(QEvent* event) override;

private:
    void ConnectSystemMenu();
    // Our prompts on Qt's system menu, and with withQtTexts Qt's own texts
    // again in the language now installed.
    void SetSystemMenuTexts(bool withQtTexts);

    QPointer<CAppDocument> m_pDocument;
    CCurvilinearscopeView* m_pView = nullptr;
};
