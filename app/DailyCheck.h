#pragma once
// The once-a-day question asked at exit: has the program already ended today?
// The answer lives in the per-user settings, section "User", entry "today".

#include <QDate>
#include <QString>

class QSettings;

// True on the first call of a calendar day (and on the very first ever), and
// then records the day; false when the day is already recorded. A value of
// any other form counts as another day.
bool DailyCheck(QSettings& settings, const QDate& today);

// The rule at exit: on the first exit of a day the product's page at address
// opens through the desktop. The day is recorded whether or not there is an
// address; an empty address opens nothing. True when the page was opened.
bool OpenDailyPage(QSettings& settings, const QDate& today, const QString& address);

// The day as it is recorded, "%04d/%02d/%02d".
QString DailyCheckText(const QDate& day);
