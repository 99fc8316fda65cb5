#include "app/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int index) { return kSection + QStringLiteral("/File%1").arg(index + 1); }

bool SamePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
}  // namespace

void CRecentFileList::Load(QSettings& settings) {
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) m_files.append(path);
    }
}

void CRecentFileList::Save(QSettings& settings) const {
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(EntryKey(i), m_files[i]);
        else
            settings.remove(EntryKey(i));
    }
}

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty()) return;
    Remove(path);
    m_files.prepend(QFileInfo(path).absoluteFilePath());
    while (m_files.size() > kSize) m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.erase(
        std::remove_if(m_files.begin(), m_files.end(), [&](const QString& file) { return SamePath(file, path); }),
        m_files.end());
}

QString CRecentFileList::MenuText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    const int kMaxShown = 60;
    if (shown.size() > kMaxShown) {
        const QString name = QFileInfo(path).fileName();
        const qsizetype head = std::max<qsizetype>(3, kMaxShown - name.size() - 4);
        shown = shown.left(head) + QStringLiteral("...") + QStringLiteral("/") + name;
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
