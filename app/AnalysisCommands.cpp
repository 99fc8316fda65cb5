#include "app/AnalysisCommands.h"

#include <QAction>
#include <QMainWindow>
#include <new>

#include "app/DocumentFileReport.h"
#include "app/Seams.h"
#include "view/CurvilinearscopeView.h"
#include "view/PlaneNavigator.h"
#include "view/PointsPanel.h"

CAnalysisCommands::CAnalysisCommands(QMainWindow& window, QAction& trace, QAction& points)
    : QObject(&window), m_trace(trace), m_points(points), m_pPanel(new CPointsPanel(&window)) {
    window.addDockWidget(Qt::RightDockWidgetArea, m_pPanel);
    m_pPanel->hide();
    connect(&m_trace, &QAction::triggered, this, [this] {
        if (m_pView) m_pView->Navigator().StartTrace();
        UpdateChecks();
    });
    connect(&m_points, &QAction::triggered, this, [this](bool on) {
        if (m_pView) m_pView->Navigator().SetPointsShown(on);
        m_pPanel->setVisible(on);
        UpdateChecks();
    });
}

void CAnalysisCommands::SetActiveView(CCurvilinearscopeView* view) {
    if (view == m_pView) return;
    if (m_pView) disconnect(&m_pView->Navigator(), nullptr, this, nullptr);
    m_pView = view;
    if (view) {
        connect(&view->Navigator(), &CPlaneNavigator::traceMessage, this, &CAnalysisCommands::UpdateChecks);
        // Queued: the search that sends it runs inside the view's paint.
        connect(&view->Navigator(), &CPlaneNavigator::pointsChanged, this, &CAnalysisCommands::ShowPoints,
                Qt::QueuedConnection);
    }
    UpdateChecks();
    ShowPoints();
}

void CAnalysisCommands::UpdateChecks() {
    m_trace.setChecked(m_pView && m_pView->Navigator().Trace().Active());
    m_points.setChecked(m_pView && m_pView->Navigator().PointsShown());
    m_pPanel->setVisible(m_points.isChecked());
}

void CAnalysisCommands::ShowPoints() {
    // A slot: nothing may leave it. Without memory for the search or the
    // list the user is told, and the picture is kept.
    try {
        const auto* points = m_pView ? m_pView->Navigator().VisiblePoints() : nullptr;
        m_pPanel->ShowPoints(points ? std::span<const PointOfInterest>(*points) : std::span<const PointOfInterest>());
    } catch (const std::bad_alloc&) {
        Prompts().Message(m_pPanel->parentWidget(), OutOfMemoryText());
    }
}
