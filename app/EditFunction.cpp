#include "app/EditFunction.h"

#include <QDialog>

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
        : m_previous(
              SetDialogMessageSink([](QWidget* parent, const QString& text) { Prompts().Message(parent, text); })) {}
    ~DialogMessagesThroughPrompts() { SetDialogMessageSink(m_previous); }
    DialogMessagesThroughPrompts(const DialogMessagesThroughPrompts&) = delete;
    DialogMessagesThroughPrompts& operator=(const DialogMessagesThroughPrompts&) = delete;

private:
    DialogMessageSink m_previous;
};

}  // namespace

bool EditFunctions(CCurvilinearscopeDoc& model, QWidget* parent, int showProgressAfterMs) {
    const DialogMessagesThroughPrompts messages;
    CDlgSet dlg(parent);
    LoadDlgSet(dlg, model);
    // A cancelled (or failed) sampling leaves the document as it was before
    // OK, the modified flag included, and the dialog comes back with its tab
    // and fields as the user left them: nothing typed is lost.
    while (dlg.exec() == QDialog::Accepted)
        if (ApplyDlgSet(dlg, model, parent, showProgressAfterMs)) return true;
    return false;
}
