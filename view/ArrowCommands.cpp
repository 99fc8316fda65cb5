#include "view/ArrowCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

#include "document/CurvilinearscopeDoc.h"
#include "view/CurvilinearscopeView.h"

namespace {

QString Text(const char* source) { return QCoreApplication::translate("CCurvilinearscopeView", source); }

constexpr double kTurnStep = 0.1;
constexpr int kCommands[] = {ID_ARROW_RIGHT, ID_ARROW_LEFT, ID_ARROW_UP, ID_ARROW_DOWN};

}  // namespace

QString ArrowCommandPrompt(int id) {
    switch (id) {
    case ID_ARROW_RIGHT: return Text("カーソル右に移動、またはZ軸右に回転\nカーソル右に移動、またはZ軸右に回転");
    case ID_ARROW_LEFT: return Text("カーソル左に移動、またはZ軸左に回転\nカーソル左に移動、またはZ軸左に回転");
    case ID_ARROW_UP: return Text("カーソル上に移動\nカーソル上に移動");
    case ID_ARROW_DOWN: return Text("カーソル下に移動\nカーソル下に移動");
    }
    return {};
}

QString ArrowCommandMenuText(int id) {
    switch (id) {
    case ID_ARROW_RIGHT: return QStringLiteral("→");
    case ID_ARROW_LEFT: return QStringLiteral("←");
    case ID_ARROW_UP: return Text("カーソル上に移動\t(↑キー)");
    case ID_ARROW_DOWN: return Text("カーソル下に移動\t(↓キー)");
    }
    return {};
}

ArrowCommandState ArrowCommandUpdate(int id, int dimension) {
    const bool space = dimension == DIM_SPACE;
    switch (id) {
    case ID_ARROW_RIGHT: return {space ? Text("Z軸右に回転\t(→キー)") : Text("カーソル右に移動\t(→キー)"), true};
    case ID_ARROW_LEFT: return {space ? Text("Z軸左に回転\t(←キー)") : Text("カーソル左に移動\t(←キー)"), true};
    case ID_ARROW_UP:
    case ID_ARROW_DOWN: return {QString(), !space};
    }
    return {};
}

void NudgePointer(QWidget& widget, int dx, int dy) {
    const QPoint p = widget.mapFromGlobal(QCursor::pos());
    if (!widget.rect().contains(p)) return;
    QCursor::setPos(widget.mapToGlobal(p + QPoint(dx, dy)));
}

void TurnPicture(CCurvilinearscopeView& view, double delta) {
    CCurvilinearscopeDoc* doc = view.GetDocument();
    if (!doc) return;
    doc->m_dAngle += delta;
    view.update();
    emit view.angleChanged();
}

void ArrowCommand(CCurvilinearscopeView& view, int id) {
    const CCurvilinearscopeDoc* doc = view.GetDocument();
    if (!doc) return;
    if (doc->m_nDimension == DIM_SPACE) {
        if (id == ID_ARROW_RIGHT) TurnPicture(view, kTurnStep);
        if (id == ID_ARROW_LEFT) TurnPicture(view, -kTurnStep);
        return;
    }
    if (doc->m_nDimension != DIM_PLANE) return;
    switch (id) {
    case ID_ARROW_RIGHT: NudgePointer(view, 1, 0); break;
    case ID_ARROW_LEFT: NudgePointer(view, -1, 0); break;
    case ID_ARROW_UP: NudgePointer(view, 0, -1); break;
    case ID_ARROW_DOWN: NudgePointer(view, 0, 1); break;
    }
}

void UpdateArrowAction(const CCurvilinearscopeView& view, QAction& action) {
    const CCurvilinearscopeDoc* doc = view.GetDocument();
    if (!doc) return;
    const ArrowCommandState state = ArrowCommandUpdate(action.data().toInt(), doc->m_nDimension);
    if (!state.text.isEmpty()) action.setText(state.text);
    action.setEnabled(state.enabled);
}

QMenu* CreateArrowMenu(CCurvilinearscopeView& view, QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Arrow"), parent);
    for (int id : kCommands) {
        QAction* action = menu->addAction(ArrowCommandMenuText(id));
        action->setData(id);
        const QString prompt = ArrowCommandPrompt(id);
        action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
        action->setToolTip(prompt.section(QLatin1Char('\n'), 1));
        QObject::connect(action, &QAction::triggered, &view, [&view, id] { ArrowCommand(view, id); });
    }
    QObject::connect(menu, &QMenu::aboutToShow, &view, [&view, menu] {
        for (QAction* action : menu->actions()) UpdateArrowAction(view, *action);
    });
    return menu;
}
