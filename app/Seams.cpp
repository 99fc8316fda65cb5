#include "app/Seams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

#include "app/ExportDialog.h"

namespace {

class CQtPrompts : public CUserPrompts {
public:
    void Message(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    }
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override {
        auto button = QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (button == QMessageBox::Yes) return Yes;
        if (button == QMessageBox::No) return No;
        return Cancel;
    }
    QString OpenFileName(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), DocumentFileFilter());
    }
    QString SaveFileName(QWidget* parent, const QString& suggested) override {
        // With a default suffix the dialog adds ".crv" before it asks whether
        // to replace an existing file, so it asks about the file really saved.
        QFileDialog dialog(parent, QString(), suggested, DocumentFileFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("crv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    }
    QString ExportFileName(QWidget* parent, const QString& suggested) override {
        QFileDialog dialog(parent, QString(), suggested);
        SetUpExportDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    }
};

class CQtDesktop : public CDesktopOpener {
public:
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

CQtPrompts g_qtPrompts;
CQtDesktop g_qtDesktop;
CUserPrompts* g_prompts = &g_qtPrompts;
CDesktopOpener* g_desktop = &g_qtDesktop;

}  // namespace

CUserPrompts& Prompts() { return *g_prompts; }
CDesktopOpener& Desktop() { return *g_desktop; }

CUserPrompts* SetPrompts(CUserPrompts* prompts) {
    CUserPrompts* old = g_prompts;
    g_prompts = prompts ? prompts : &g_qtPrompts;
    return old;
}

CDesktopOpener* SetDesktop(CDesktopOpener* desktop) {
    CDesktopOpener* old = g_desktop;
    g_desktop = desktop ? desktop : &g_qtDesktop;
    return old;
}

QString DocumentFileFilter() {
    return QCoreApplication::translate("FileDialog", "Curvilinearscope ファイル (*.crv)") + QStringLiteral(";;") +
           QCoreApplication::translate("FileDialog", "すべてのファイル (*)");
}
