#pragma once
// The list of the last documents opened or saved, newest first, kept in the
// per-user settings (section "Recent File List", entries File1 ... File4).

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    static constexpr int kSize = 4;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Moves path to the front; the oldest entry drops off past kSize.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

    // The menu text of entry index (0-based): "&1 name" with a long path
    // shortened in the middle.
    static QString MenuText(int index, const QString& path);

private:
    QStringList m_files;
};
