#pragma once
// The texts of every command: the menu text (with its access key and, after
// a tab, the accelerator shown), the status-bar prompt and the tooltip.

#include <QList>
#include <QPair>
#include <QString>

struct CommandText {
    int id;
    const char* menu;    // may be empty: a command without a menu entry
    const char* prompt;  // status-bar prompt
    const char* tip;     // tooltip; empty when the command has none
};

// The entry of id, or nullptr for an unknown id.
const CommandText* FindCommandText(int id);
// The texts translated into the user's language.
QString CommandMenuText(int id);
QString CommandPrompt(int id);
QString CommandTip(int id);

// Every (context, source text) pair of the command table and the texts
// outside it, for checking that the translation covers them all.
QList<QPair<QString, QString>> TranslatableCommandTexts();

// Texts of the menu titles and the few prompts outside the command table.
QString UiText(const char* source);
