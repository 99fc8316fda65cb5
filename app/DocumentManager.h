#pragma once
// The open documents and the file commands that make them: new documents,
// titled in turn "Curvilinearscope1", "Curvilinearscope2"..., documents
// opened from files, the list of recent files, and the save question for
// all of them before the program ends. No windows here: the main window
// shows what this hands it.

#include <QList>
#include <QObject>
#include <QString>

#include "app/RecentFileList.h"

class CAppDocument;
class QSettings;

class CDocumentManager : public QObject {
    Q_OBJECT
public:
    // settings: where the recent-file list is kept.
    explicit CDocumentManager(QSettings& settings, QObject* parent = nullptr);

    // In the order they were made or opened. A document goes when its last
    // view does.
    const QList<CAppDocument*>& Documents() const { return m_documents; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // A new untitled document; nullptr when it could not be made.
    CAppDocument* NewDocument();
    // The open document of the file at path, or nullptr.
    CAppDocument* FindDocument(const QString& path) const;
    // Opens the file as a new document. nullptr when it could not be opened
    // (already reported); a file that no longer exists leaves the list of
    // recent files.
    CAppDocument* OpenDocument(const QString& path);
    // Asks about every modified document; false when the user cancelled.
    bool SaveAllModified();

signals:
    void recentFilesChanged();

private:
    void AddDocument(CAppDocument* document);
    void RememberFile(const QString& path);
    void ForgetFile(const QString& path);

    QSettings& m_settings;
    QList<CAppDocument*> m_documents;
    CRecentFileList m_recentFiles;
    int m_nUntitled = 0;
};
