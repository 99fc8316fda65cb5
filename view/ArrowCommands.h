#pragma once
// The four arrow commands of the view: in a plane picture they nudge the
// pointer by one pixel, in a space picture right and left turn the scene
// about the vertical axis by 0.1 rad and up and down do nothing. They are
// offered as the view's context menu "Arrow"; the arrow keys do the same.
// What each command means lives here; the view carries it out.

#include <QString>

class QMenu;
class QWidget;

enum ArrowCommandId : int {
    ID_ARROW_RIGHT = 32778,
    ID_ARROW_LEFT = 32779,
    ID_ARROW_UP = 32780,
    ID_ARROW_DOWN = 32781,
};

// The command of an arrow key (Qt::Key_Right ...); 0 for any other key.
int ArrowCommandOfKey(int key);

// The prompt string: status-bar prompt, a line feed, then the tooltip.
QString ArrowCommandPrompt(int id);

// The item text the menu is defined with, before any update.
QString ArrowCommandMenuText(int id);

// How a menu item of the command looks for a picture of this dimension
// (DIM_PLANE, DIM_SPACE): the text (empty = keep the item's text) and
// whether it is enabled.
struct ArrowCommandState {
    QString text;
    bool enabled = true;
};
ArrowCommandState ArrowCommandUpdate(int id, int dimension);

// What the command does in a picture of this dimension: turn the space
// picture by turn radians, or move the pointer by (dx, dy) pixels. All zero
// where it does nothing.
struct ArrowCommandEffect {
    double turn = 0.0;
    int dx = 0;
    int dy = 0;
};
ArrowCommandEffect ArrowCommandEffectOf(int id, int dimension);

// The context menu "Arrow" with the four commands (each action's data is
// its id), owned by parent. Nothing is connected yet.
QMenu* NewArrowMenu(QWidget* parent);

// Brings the menu's items up to date for a picture of this dimension.
void UpdateArrowMenu(QMenu& menu, int dimension);

// Moves the system pointer by (dx, dy) pixels when it lies inside the widget
// (left and top edges in, right and bottom out); otherwise nothing.
void NudgePointer(QWidget& widget, int dx, int dy);
