#pragma once
// One open document as the windows see it: the graph model plus its title,
// file path, modified flag and the views that show it. The document manager
// makes one per new or opened document and discards it when its last view
// closes.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "document/CurvilinearscopeDoc.h"

class CAppDocument : public QObject {
    Q_OBJECT
public:
    // title: the title until the document has a file, "Curvilinearscope1"...
    explicit CAppDocument(const QString& untitledTitle, QObject* parent = nullptr);
    ~CAppDocument() override;

    CCurvilinearscopeDoc& Model() { return *m_pModel; }
    const CCurvilinearscopeDoc& Model() const { return *m_pModel; }

    // Life cycle. Failures have been reported to the user when these return
    // false; the caller then discards the document.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    bool OnSaveDocument(const QString& path);

    // The Save and Save As commands: true when the document was saved.
    bool DoFileSave();
    bool DoSaveAs();
    // Before a modified document closes: asks "Save changes to %1?" and saves
    // on Yes. False means the user cancelled and the document stays open.
    bool SaveModified();

    QString GetTitle() const { return m_strTitle; }
    QString GetPathName() const { return m_strPathName; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    // The views showing this document (child windows' view widgets).
    void AddView(QWidget* view);
    void RemoveView(QWidget* view);
    QList<QWidget*> Views() const;
    // Repaints every view of this document.
    void UpdateAllViews();
    // The picture was turned: every view repaints, thinned while the
    // turning goes on.
    void TurnAllViews();
    // The window to own dialogs about this document.
    QWidget* DialogParent() const;

    // The edit command (Ctrl+M): runs the function edit dialog and applies
    // it. A sampling that runs longer than showProgressAfterMs shows its
    // progress with a Cancel button.
    void OnEditFunction(int showProgressAfterMs = 500);

signals:
    void titleChanged(const QString& title);
    void pathChanged(const QString& path);  // after a successful open or save under a name
    void lastViewRemoved();
    void modifiedChanged(bool modified);

private:
    void SetPathName(const QString& path);
    // Asks before Save As replaces an existing file; true on Yes.
    bool ConfirmReplace(const QString& path);

    std::unique_ptr<CCurvilinearscopeDoc> m_pModel;
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
    QList<QPointer<QWidget>> m_views;
};
