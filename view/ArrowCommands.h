#pragma once
// The four arrow commands of the view: in a plane picture they nudge the
// pointer by one pixel, in a space picture right and left turn the scene
// about the vertical axis by 0.1 rad and up and down do nothing. They are
// offered as the view's context menu "Arrow"; the arrow keys do the same.

#include <QString>

class CCurvilinearscopeView;
class QAction;
class QMenu;
class QWidget;

enum ArrowCommandId : int {
    ID_ARROW_RIGHT = 32778,
    ID_ARROW_LEFT = 32779,
    ID_ARROW_UP = 32780,
    ID_ARROW_DOWN = 32781,
};

// The prompt string: status-bar prompt, a line feed, then the tooltip.
QString ArrowCommandPrompt(int id);

// The item text the menu is defined with, before any update.
QString ArrowCommandMenuText(int id);

// How a menu item of the command looks for a picture of this dimension
// (0 plane, 1 space): the text (empty = keep the item's text) and whether
// it is enabled.
struct ArrowCommandState {
    QString text;
    bool enabled = true;
};
ArrowCommandState ArrowCommandUpdate(int id, int dimension);

// Carries the command out on the view; nothing without a document.
void ArrowCommand(CCurvilinearscopeView& view, int id);

// Applies ArrowCommandUpdate to an action whose data is the command id;
// nothing without a document.
void UpdateArrowAction(const CCurvilinearscopeView& view, QAction& action);

// The context menu "Arrow" with the four commands, owned by parent; its
// items are brought up to date each time it is about to show.
QMenu* CreateArrowMenu(CCurvilinearscopeView& view, QWidget* parent);

// Moves the system pointer by (dx, dy) pixels when it lies inside the widget
// (left and top edges in, right and bottom out); otherwise nothing.
void NudgePointer(QWidget& widget, int dx, int dy);

// Turns the space picture of the view's document by delta radians and
// repaints this view; other views repaint on angleChanged.
void TurnPicture(CCurvilinearscopeView& view, double delta);
