#pragma once
// Stand-ins for the user and the desktop: they record what the program shows
// and opens, and answer questions as the test tells them to.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>

#include "app/Seams.h"

class FakePrompts : public CUserPrompts {
public:
    FakePrompts() { m_previous = SetPrompts(this); }
    ~FakePrompts() override { SetPrompts(m_previous); }

    void Message(QWidget*, const QString& text) override { messages.append(text); }
    Answer AskYesNoCancel(QWidget*, const QString& text) override {
        questions.append(text);
        return answer;
    }
    QString OpenFileName(QWidget*) override { return openName; }
    QString SaveFileName(QWidget*, const QString& suggested) override {
        suggestedNames.append(suggested);
        return saveName;
    }
    QString ExportFileName(QWidget*, const QString& suggested) override {
        suggestedNames.append(suggested);
        return exportName;
    }

    QStringList messages;
    QStringList questions;
    QStringList suggestedNames;
    Answer answer = Cancel;
    QString openName, saveName, exportName;

private:
    CUserPrompts* m_previous;
};

class FakeDesktop : public CDesktopOpener {
public:
    FakeDesktop() { m_previous = SetDesktop(this); }
    ~FakeDesktop() override { SetDesktop(m_previous); }
    bool Open(const QUrl& url) override {
        opened.append(url);
        return opens;
    }
    QList<QUrl> opened;
    bool opens = true;  // false: the desktop has no program for it

private:
    CDesktopOpener* m_previous;
};
