#include "app/EnginePlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>

#include "app/Seams.h"
#include "expr/ExpressDate.h"
#include "expr/ExpressPlatform.h"

namespace {

// Days since 1899-12-30; before it the day part is negative and the time of
// day still counts forward, as the OLE Automation form has it.
double OleDate(const QDateTime& when) {
    const qint64 days = QDate(1899, 12, 30).daysTo(when.date());
    const double fraction = when.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

}  // namespace

bool ParseDateWithLocale(std::u16string_view text, double& date) {
    if (ParseExpressDate(text, date)) return true;
    const QString value = QString::fromUtf16(text.data(), qsizetype(text.size())).trimmed();
    if (value.isEmpty()) return false;
    const QLocale locale = QLocale::system();
    for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDateTime when = locale.toDateTime(value, format);
        if (when.isValid()) {
            date = OleDate(when);
            return true;
        }
        const QDate day = locale.toDate(value, format);
        if (day.isValid()) {
            date = OleDate(QDateTime(day, QTime(0, 0)));
            return true;
        }
    }
    return false;
}

ExpressLanguage EngineLanguageOf(const QString& interfaceLanguage) {
    if (interfaceLanguage == QLatin1String("zh")) return ExpressLanguage::Chinese;
    if (interfaceLanguage == QLatin1String("en")) return ExpressLanguage::English;
    return ExpressLanguage::Japanese;
}

namespace {

// Messages to standard error in the interface language, dates in the
// engine's formats and the system's.
ExpressPlatform CommandLinePlatform(const QString& interfaceLanguage) {
    ExpressPlatform platform;
    platform.language = EngineLanguageOf(interfaceLanguage);
    platform.parseDate = ParseDateWithLocale;
    return platform;
}

}  // namespace

void InstallEnginePlatform(const QString& interfaceLanguage) {
    ExpressPlatform platform = CommandLinePlatform(interfaceLanguage);
    platform.showMessage = [](std::u16string_view text) {
        Prompts().Message(QApplication::activeWindow(), QString::fromUtf16(text.data(), qsizetype(text.size())));
    };
    SetExpressPlatform(std::move(platform));
}

void InstallCommandLineEnginePlatform(const QString& interfaceLanguage) {
    SetExpressPlatform(CommandLinePlatform(interfaceLanguage));
}
