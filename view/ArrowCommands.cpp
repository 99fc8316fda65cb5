#include "view/ArrowCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

#include "document/CurvilinearscopeDoc.h"

namespace {

constexpr double kTurnStep = 0.1;
constexpr int kCommands[] = {ID_ARROW_RIGHT, ID_ARROW_LEFT, ID_ARROW_UP, ID_ARROW_DOWN};

}  // namespace

int ArrowCommandOfKey(int key) {
    switch (key) {
    case Qt::Key_Right: return ID_ARROW_RIGHT;
    case Qt::Key_Left: return ID_ARROW_LEFT;
    case Qt::Key_Up: return ID_ARROW_UP;
    case Qt::Key_Down: return ID_ARROW_DOWN;
    }
    return 0;
}

QString ArrowCommandPrompt(int id) {
    switch (id) {
    case ID_ARROW_RIGHT:
        return QCoreApplication::translate("CCurvilinearscopeView",
                                           "カーソル右に移動、またはZ軸右に回転\nカーソル右に移動、またはZ軸右に回転");
    case ID_ARROW_LEFT:
        return QCoreApplication::translate("CCurvilinearscopeView",
                                           "カーソル左に移動、またはZ軸左に回転\nカーソル左に移動、またはZ軸左に回転");
    case ID_ARROW_UP: return QCoreApplication::translate("CCurvilinearscopeView", "カーソル上に移動\nカーソル上に移動");
    case ID_ARROW_DOWN:
        return QCoreApplication::translate("CCurvilinearscopeView", "カーソル下に移動\nカーソル下に移動");
    }
    return {};
}

QString ArrowCommandMenuText(int id) {
    switch (id) {
    case ID_ARROW_RIGHT: return QStringLiteral("→");
    case ID_ARROW_LEFT: return QStringLiteral("←");
    case ID_ARROW_UP: return QCoreApplication::translate("CCurvilinearscopeView", "カーソル上に移動\t(↑キー)");
    case ID_ARROW_DOWN: return QCoreApplication::translate("CCurvilinearscopeView", "カーソル下に移動\t(↓キー)");
    }
    return {};
}

ArrowCommandState ArrowCommandUpdate(int id, int dimension) {
    const bool space = dimension == DIM_SPACE;
    switch (id) {
    case ID_ARROW_RIGHT:
        return {space ? QCoreApplication::translate("CCurvilinearscopeView", "Z軸右に回転\t(→キー)")
                      : QCoreApplication::translate("CCurvilinearscopeView", "カーソル右に移動\t(→キー)"),
                true};
    case ID_ARROW_LEFT:
        return {space ? QCoreApplication::translate("CCurvilinearscopeView", "Z軸左に回転\t(←キー)")
                      : QCoreApplication::translate("CCurvilinearscopeView", "カーソル左に移動\t(←キー)"),
                true};
    case ID_ARROW_UP:
    case ID_ARROW_DOWN: return {QString(), !space};
    }
    return {};
}

ArrowCommandEffect ArrowCommandEffectOf(int id, int dimension) {
    if (dimension == DIM_SPACE) {
        if (id == ID_ARROW_RIGHT) return {kTurnStep, 0, 0};
        if (id == ID_ARROW_LEFT) return {-kTurnStep, 0, 0};
        return {};
    }
    if (dimension != DIM_PLANE) return {};
    switch (id) {
    case ID_ARROW_RIGHT: return {0.0, 1, 0};
    case ID_ARROW_LEFT: return {0.0, -1, 0};
    case ID_ARROW_UP: return {0.0, 0, -1};
    case ID_ARROW_DOWN: return {0.0, 0, 1};
    }
    return {};
}

QMenu* NewArrowMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Arrow"), parent);
    for (int id : kCommands) {
        QAction* action = menu->addAction(ArrowCommandMenuText(id));
        action->setData(id);
        const QString prompt = ArrowCommandPrompt(id);
        action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
        action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
    }
    return menu;
}

void UpdateArrowMenu(QMenu& menu, int dimension) {
    for (QAction* action : menu.actions()) {
        const ArrowCommandState state = ArrowCommandUpdate(action->data().toInt(), dimension);
        if (!state.text.isEmpty()) action->setText(state.text);
        action->setEnabled(state.enabled);
    }
}

void NudgePointer(QWidget& widget, int dx, int dy) {
    const QPoint p = widget.mapFromGlobal(QCursor::pos());
    if (!widget.rect().contains(p)) return;
    QCursor::setPos(widget.mapToGlobal(p + QPoint(dx, dy)));
}
