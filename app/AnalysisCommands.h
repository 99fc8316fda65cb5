#pragma once
// View > Trace and View > Points of interest for the active document window:
// the menu's checks follow the active view, and the points panel lists that
// view's points of interest.

#include <QObject>
#include <QPointer>

class CCurvilinearscopeView;
class CPointsPanel;
class QAction;
class QMainWindow;

class CAnalysisCommands : public QObject {
    Q_OBJECT
public:
    CAnalysisCommands(QMainWindow& window, QAction& trace, QAction& points);

    void SetActiveView(CCurvilinearscopeView* view);
    CPointsPanel& Panel() { return *m_pPanel; }

private:
    void UpdateChecks();
    void ShowPoints();

    QAction& m_trace;
    QAction& m_points;
    CPointsPanel* m_pPanel;  // a child of the main window
    QPointer<CCurvilinearscopeView> m_pView;
};
