#include "app/AppDocument.h"

#include <QApplication>
#include <QFileInfo>

#include "app/DocumentFileReport.h"
#include "app/EditFunction.h"
#include "app/Seams.h"
#include "view/CurvilinearscopeView.h"

CAppDocument::CAppDocument(const QString& untitledTitle, QObject* parent)
    : QObject(parent), m_pModel(std::make_unique<CCurvilinearscopeDoc>()), m_strTitle(untitledTitle) {}

CAppDocument::~CAppDocument() {
    // The model frees its record arrays here, whether it was ever shown or not.
    m_pModel->OnCloseDocument();
}

bool CAppDocument::OnNewDocument() {
    if (!m_pModel->OnNewDocument()) return false;
    m_pModel->m_dAngle = 0.0;
    SetModifiedFlag(false);
    return true;
}

bool CAppDocument::OnOpenDocument(const QString& path) {
    const FileReport result = OpenDocumentReport(path, *m_pModel);
    if (!result.ok) {
        Prompts().Message(DialogParent(), result.message);
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CAppDocument::OnSaveDocument(const QString& path) {
    const FileReport result = SaveDocumentReport(path, *m_pModel);
    if (!result.ok) {
        Prompts().Message(DialogParent(), result.message);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CAppDocument::DoFileSave() {
    if (m_strPathName.isEmpty()) return DoSaveAs();
    return OnSaveDocument(m_strPathName);
}

bool CAppDocument::DoSaveAs() {
    QString suggested = m_strPathName.isEmpty() ? m_strTitle + QStringLiteral(".crv") : m_strPathName;
    QString path = Prompts().SaveFileName(DialogParent(), suggested);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        // The dialog asked about the name as typed; the name with the suffix
        // is another file, and replacing it needs its own yes.
        path += QStringLiteral(".crv");
        if (QFileInfo::exists(path) && !ConfirmReplace(path)) return false;
    }
    if (!OnSaveDocument(path)) return false;
    SetPathName(path);
    return true;
}

bool CAppDocument::ConfirmReplace(const QString& path) {
    const QString question = tr("%1 は既に存在します。\n置き換えますか?").arg(QFileInfo(path).fileName());
    return Prompts().AskYesNoCancel(DialogParent(), question) == CUserPrompts::Yes;
}

bool CAppDocument::SaveModified() {
    if (!m_bModified) return true;
    const QString question = tr("%1 への変更を保存しますか?").arg(m_strTitle);
    switch (Prompts().AskYesNoCancel(DialogParent(), question)) {
    case CUserPrompts::Yes: return DoFileSave();
    case CUserPrompts::No: return true;
    case CUserPrompts::Cancel: break;
    }
    return false;
}

void CAppDocument::SetModifiedFlag(bool modified) {
    if (modified == m_bModified) return;
    m_bModified = modified;
    emit modifiedChanged(modified);
}

void CAppDocument::SetPathName(const QString& path) {
    m_strPathName = QFileInfo(path).absoluteFilePath();
    m_strTitle = QFileInfo(path).fileName();
    emit titleChanged(m_strTitle);
    emit pathChanged(m_strPathName);
}

void CAppDocument::AddView(QWidget* view) {
    if (view && !m_views.contains(view)) m_views.append(view);
}

void CAppDocument::RemoveView(QWidget* view) {
    m_views.removeAll(view);
    m_views.removeAll(nullptr);
    if (m_views.isEmpty()) emit lastViewRemoved();
}

QList<QWidget*> CAppDocument::Views() const {
    QList<QWidget*> views;
    for (const QPointer<QWidget>& view : m_views)
        if (view) views.append(view);
    return views;
}

void CAppDocument::UpdateAllViews() {
    for (QWidget* view : Views()) {
        if (auto* pictureView = qobject_cast<CCurvilinearscopeView*>(view))
            pictureView->OnUpdate();  // the pointer's shape too
        else
            view->update();
    }
}

void CAppDocument::TurnAllViews() {
    for (QWidget* view : Views()) {
        if (auto* pictureView = qobject_cast<CCurvilinearscopeView*>(view))
            pictureView->OnTurned();
        else
            view->update();
    }
}

QWidget* CAppDocument::DialogParent() const {
    const QList<QWidget*> views = Views();
    if (!views.isEmpty()) return views.first()->window();
    return QApplication::activeWindow();
}

void CAppDocument::OnEditFunction(int showProgressAfterMs) {
    if (!EditFunctions(*m_pModel, DialogParent(), showProgressAfterMs)) return;
    SetModifiedFlag(true);
    UpdateAllViews();
}
