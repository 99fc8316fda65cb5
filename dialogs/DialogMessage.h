#pragma once
// Messages of the dialogs: a message box with an OK button. Tests (and the
// application, which has its own prompts) replace the sink so that nothing
// ever blocks on a box nobody will close.

#include <QString>
#include <functional>

class QWidget;

using DialogMessageSink = std::function<void(QWidget* parent, const QString& text)>;

// Shows the text and waits for OK (or hands it to the installed sink).
void ShowDialogMessage(QWidget* parent, const QString& text);

// Installs a sink; an empty one restores the message box. Returns the
// previous sink.
DialogMessageSink SetDialogMessageSink(DialogMessageSink sink);
