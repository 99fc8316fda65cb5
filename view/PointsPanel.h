#pragma once
// The list of View > Points of interest: a dockable panel with one row a
// point (kind, graphs, x, y) and Copy as text, which puts the list on the
// clipboard as the command line's --points prints it.

#include <QDockWidget>
#include <span>
#include <vector>

#include "analysis/PointOfInterest.h"

class QPushButton;
class QTableWidget;

class CPointsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CPointsPanel(QWidget* parent = nullptr);

    void ShowPoints(std::span<const PointOfInterest> points);
    // The tab-separated text Copy as text puts on the clipboard.
    QString CopyText() const;
    void CopyAsText() const;

protected:
    // A new interface language: the title, headings, button and kinds anew.
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();

    QTableWidget* m_pTable;
    QPushButton* m_pCopy;
    std::vector<PointOfInterest> m_points;
};

// The kind as the panel shows it, in the interface's language.
QString PointKindText(PointKind kind);
