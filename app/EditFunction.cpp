// The edit command of the document (Ctrl+M): the function edit dialog on
// copies of the document's data, and on OK the new definitions, sampled.
#include <QDialog>

#include "app/AppDocument.h"
#include "app/Seams.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/DlgSet.h"
#include "dialogs/FunctionEdit.h"

namespace {

// The dialog's messages go through the program's prompts while it runs, like
// every other message of the program.
class DialogMessagesThroughPrompts {
public:
    DialogMessagesThroughPrompts()
        : m_previous(SetDialogMessageSink([](QWidget* parent, const QString& text) { Prompts().Message(parent, text); })) {}
    ~DialogMessagesThroughPrompts() { SetDialogMessageSink(m_previous); }
    DialogMessagesThroughPrompts(const DialogMessagesThroughPrompts&) = delete;
    DialogMessagesThroughPrompts& operator=(const DialogMessagesThroughPrompts&) = delete;

private:
    DialogMessageSink m_previous;
};

}  // namespace

void CAppDocument::OnEditFunction(int showProgressAfterMs) {
    const DialogMessagesThroughPrompts messages;
    CDlgSet dlg(DialogParent());
    LoadDlgSet(dlg, Model());
    // A cancelled (or failed) sampling leaves the document as it was before
    // OK, the modified flag included, and the dialog comes back with its tab
    // and fields as the user left them: nothing typed is lost.
    while (dlg.exec() == QDialog::Accepted) {
        if (ApplyDlgSet(dlg, Model(), DialogParent(), showProgressAfterMs)) {
            SetModifiedFlag(true);
            UpdateAllViews();
            return;
        }
    }
}
