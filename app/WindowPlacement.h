#pragma once
// Where the main window was left: its geometry and the place of its toolbar,
// kept in the settings between runs and brought back fitted into the screen
// the window lands on (a window saved on a bigger screen, or at another
// scale, must not open larger than the screen it opens on).

#include <QRect>

class QMainWindow;
class QSettings;

// frame shrunk to fit available, then moved inside it as little as needed.
QRect FitIntoScreen(const QRect& frame, const QRect& available);

// Restores what SaveWindowPlacement kept; without anything kept the window
// takes its first size. Either way it fits the screen. Call before the first
// show.
void RestoreWindowPlacement(QMainWindow& window, const QSettings& settings);
void SaveWindowPlacement(const QMainWindow& window, QSettings& settings);
