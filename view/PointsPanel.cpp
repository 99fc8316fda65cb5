#include "view/PointsPanel.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/PointListText.h"

namespace {
enum Column { KindColumn, SlotColumn, XColumn, YColumn, ColumnCount };
constexpr int kShownDigits = 10;  // the copied text holds all 17
}  // namespace

QString PointKindText(PointKind kind) {
    switch (kind) {
    case PointKind::Root: return CPointsPanel::tr("根");
    case PointKind::Minimum: return CPointsPanel::tr("極小");
    case PointKind::Maximum: return CPointsPanel::tr("極大");
    case PointKind::Intersection: return CPointsPanel::tr("交点");
    case PointKind::YIntercept: return CPointsPanel::tr("y切片");
    }
    return {};
}

CPointsPanel::CPointsPanel(QWidget* parent)
    : QDockWidget(parent), m_pTable(new QTableWidget), m_pCopy(new QPushButton) {
    setObjectName("PointsPanel");  // the main window keeps its place by this name
    m_pTable->setColumnCount(ColumnCount);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_pCopy, &QPushButton::clicked, this, &CPointsPanel::CopyAsText);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_pTable);
    layout->addWidget(m_pCopy);
    setWidget(body);
    SetTexts();
}

void CPointsPanel::SetTexts() {
    setWindowTitle(tr("注目点"));
    m_pTable->setHorizontalHeaderLabels({tr("種類"), tr("グラフ"), "x", "y"});
    m_pCopy->setText(tr("テキストとしてコピー"));
    for (int row = 0; row < m_pTable->rowCount(); ++row)
        if (QTableWidgetItem* item = m_pTable->item(row, KindColumn)) item->setText(PointKindText(m_points[row].kind));
}

void CPointsPanel::changeEvent(QEvent* event) {
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) SetTexts();
}

void CPointsPanel::ShowPoints(std::span<const PointOfInterest> points) {
    m_points.assign(points.begin(), points.end());
    m_pTable->setRowCount(static_cast<int>(m_points.size()));
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const PointOfInterest& p = m_points[row];
        const QString graphs =
            p.otherSlot ? QStringLiteral("%1,%2").arg(p.slot).arg(p.otherSlot) : QString::number(p.slot);
        m_pTable->setItem(row, KindColumn, new QTableWidgetItem(PointKindText(p.kind)));
        m_pTable->setItem(row, SlotColumn, new QTableWidgetItem(graphs));
        m_pTable->setItem(row, XColumn, new QTableWidgetItem(QString::number(p.x, 'g', kShownDigits)));
        m_pTable->setItem(row, YColumn, new QTableWidgetItem(QString::number(p.y, 'g', kShownDigits)));
    }
}

QString CPointsPanel::CopyText() const { return QString::fromStdString(PointListText(m_points)); }

void CPointsPanel::CopyAsText() const { QGuiApplication::clipboard()->setText(CopyText()); }
