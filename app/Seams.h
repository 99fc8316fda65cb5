#pragma once
// The few places where the program talks to the desktop or waits for the
// user: message boxes, the save question, file names, and opening files or web
// pages. Everything goes through these seams so the tests can answer in place
// of the user and no test ever blocks on a dialog or starts a browser.

#include <QString>
#include <QUrl>

class QWidget;

class CUserPrompts {
public:
    enum Answer { Yes, No, Cancel };
    virtual ~CUserPrompts() = default;

    // A message box with an OK button.
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // Yes / No / Cancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // An empty result means the user cancelled.
    virtual QString OpenFileName(QWidget* parent) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& suggested) = 0;
    // A PNG, SVG or PDF file to export the picture to, with the suffix of
    // the format chosen when the name was typed without one.
    virtual QString ExportFileName(QWidget* parent, const QString& suggested) = 0;
};

class CDesktopOpener {
public:
    virtual ~CDesktopOpener() = default;
    // Opens a web page or a file with the user's program for it; false when
    // no program took it.
    virtual bool Open(const QUrl& url) = 0;
};

// The seams in force. The defaults talk to Qt; a test installs its own and
// gets the previous one back to restore.
CUserPrompts& Prompts();
CDesktopOpener& Desktop();
CUserPrompts* SetPrompts(CUserPrompts* prompts);
CDesktopOpener* SetDesktop(CDesktopOpener* desktop);

// The file-dialog filter of documents.
QString DocumentFileFilter();
