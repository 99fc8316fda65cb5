#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <algorithm>

namespace {
// The size of the first start, in logical pixels.
constexpr QSize kInitialSize(900, 700);
const QString kGeometryKey = QStringLiteral("MainFrame/geometry");
const QString kStateKey = QStringLiteral("MainFrame/state");

QScreen* ScreenOf(const QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    return screen ? screen : QGuiApplication::primaryScreen();
}
}  // namespace

QRect FitIntoScreen(const QRect& frame, const QRect& available) {
    if (!available.isValid()) return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

void RestoreWindowPlacement(QMainWindow& window, const QSettings& settings) {
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry)) window.resize(kInitialSize);
    window.restoreState(settings.value(kStateKey).toByteArray());
    if (window.isMaximized() || window.isFullScreen()) return;
    if (QScreen* screen = ScreenOf(window)) {
        const QRect available = screen->availableGeometry();
        // A window never shown has no frame yet: its place is its inside.
        const QRect fitted = FitIntoScreen(window.geometry(), available);
        window.resize(fitted.size());
        if (!geometry.isEmpty()) window.move(fitted.topLeft());
    }
}

void SaveWindowPlacement(const QMainWindow& window, QSettings& settings) {
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kStateKey, window.saveState());
}
