#include "app/DailyCheck.h"

#include <QSettings>
#include <QUrl>

#include "app/Seams.h"

QString DailyCheckText(const QDate& day) {
    return QString::asprintf("%04d/%02d/%02d", day.year(), day.month(), day.day());
}

bool DailyCheck(QSettings& settings, const QDate& today) {
    const QString key = QStringLiteral("User/today");
    const QString text = DailyCheckText(today);
    if (settings.value(key, QStringLiteral("----/--/--")).toString() == text) return false;
    settings.setValue(key, text);
    return true;
}

bool OpenDailyPage(QSettings& settings, const QDate& today, const QString& address) {
    if (!DailyCheck(settings, today) || address.isEmpty()) return false;
    Desktop().Open(QUrl(address));
    return true;
}
