#include "dialogs/DialogMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

DialogMessageSink& Sink() {
    static DialogMessageSink sink;
    return sink;
}

}  // namespace

void ShowDialogMessage(QWidget* parent, const QString& text) {
    if (Sink()) {
        Sink()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

DialogMessageSink SetDialogMessageSink(DialogMessageSink sink) { return std::exchange(Sink(), std::move(sink)); }
