#include "app/HelpPath.h"

QString HelpPathFor(const QString& executablePath) {
    const qsizetype slash = executablePath.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? executablePath.left(slash) : QString();
    return folder + QStringLiteral("/crv.chm");
}
