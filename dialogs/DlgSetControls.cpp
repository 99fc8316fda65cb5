#include "dialogs/DlgSetControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "dialogs/DialogUnits.h"
#include "dialogs/DlgSetIds.h"
#include "dialogs/DlgSetTemplate.h"
#include "dialogs/DlgSetTexts.h"
#include "dialogs/TemplateItemSize.h"

namespace {

using K = DlgItemKind;

// One tab for each graph slot of a document.
constexpr int kSlotTabs = 3;

// A control whose text needs more height than the template gives keeps its
// centre line.
QRect GrowToHeight(QRect rect, int height) {
    if (height > rect.height()) {
        rect.adjust(0, -(height - rect.height()) / 2, 0, 0);
        rect.setHeight(height);
    }
    return rect;
}

}  // namespace

DlgSetControls::DlgSetControls(QWidget& dialog) : m_dialog(dialog) {
    for (std::size_t i = 0; i < kDlgSetTemplateCount; ++i) {
        const DlgSetTemplateItem& item = kDlgSetTemplate[i];
        QWidget* widget = Create(item);
        m_placed.push_back({widget, &item});
        if (item.id != 0) {
            m_items.insert(item.id, widget);
        }
    }
    // The frames go to the back so that the controls inside stay visible and
    // clickable; the tab page is the backmost of all.
    for (const Placed& p : m_placed) {
        if (p.item->kind == K::GroupBox) {
            p.widget->lower();
        }
    }
    m_pTabPage->lower();
    SetTabOrder();
}

QWidget* DlgSetControls::Item(int id) const { return m_items.value(id, nullptr); }

QWidget* DlgSetControls::Create(const DlgSetTemplateItem& item) {
    const QString text = item.text ? DlgSetTranslate(item.text) : QString();
    switch (item.kind) {
    case K::RadioGroupStart:
    case K::Radio: return CreateRadio(item, text);
    case K::CheckBox: return new QCheckBox(text, &m_dialog);
    case K::GroupBox: {
        // Frames only: they must not take the clicks meant for the controls
        // drawn inside them.
        auto* box = new QGroupBox(text, &m_dialog);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case K::TabControl: return CreateTabControl();
    case K::DropList: {
        auto* list = new QComboBox(&m_dialog);
        if (item.id == IDC_RANGE) {
            list->addItems({QStringLiteral("-5,+5"), QStringLiteral("-10,+10"), QStringLiteral("-20,+20")});
        }
        return list;
    }
    case K::Static: return new QLabel(text, &m_dialog);
    case K::StaticCentre:
    case K::StaticRight: {
        auto* label = new QLabel(text, &m_dialog);
        label->setAlignment((item.kind == K::StaticRight ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
        return label;
    }
    case K::Edit: return new QLineEdit(&m_dialog);
    case K::DefaultButton:
    case K::Button: {
        auto* button = new QPushButton(text, &m_dialog);
        button->setDefault(item.kind == K::DefaultButton);
        return button;
    }
    }
    return nullptr;
}

QWidget* DlgSetControls::CreateRadio(const DlgSetTemplateItem& item, const QString& text) {
    auto* radio = new QRadioButton(text, &m_dialog);
    const bool dimension = item.id == IDC_DIM_PLANE || item.id == IDC_DIM_SPACE;
    QButtonGroup*& group = dimension ? m_pDimensionGroup : m_pKindGroup;
    if (!group) {
        group = new QButtonGroup(&m_dialog);
    }
    group->addButton(radio, group->buttons().size());
    // As in every dialog: Tab reaches a radio group at its checked button.
    QObject::connect(radio, &QRadioButton::toggled, &m_dialog, [radio](bool checked) {
        if (checked) {
            for (QAbstractButton* b : radio->group()->buttons()) {
                b->setFocusPolicy(b == radio ? Qt::StrongFocus : Qt::ClickFocus);
            }
        }
    });
    return radio;
}

// The tab control: a bar with one tab per slot over a frame for the page.
QWidget* DlgSetControls::CreateTabControl() {
    m_pTabPage = new QFrame(&m_dialog);
    m_pTabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_pTabPage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pTabBar = new QTabBar(&m_dialog);
    m_pTabBar->setDrawBase(false);
    m_pTabBar->setExpanding(false);
    const QSignalBlocker block(m_pTabBar);
    for (int slot = 1; slot <= kSlotTabs; ++slot) {
        m_pTabBar->addTab(DlgSetGraphText(IDS_GRAPH_TAB, slot));
    }
    return m_pTabBar;
}

// The keyboard order is the template's order; labels and frames take no focus.
void DlgSetControls::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const Placed& p : m_placed) {
        if (p.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, p.widget);
        }
        previous = p.widget;
    }
}

void DlgSetControls::Place() {
    const DialogUnits units(m_dialog.font());
    double stretch = 1.0;
    for (const Placed& p : m_placed) {
        const int width = units.ToPixels(p.item->x, p.item->y, p.item->cx, p.item->cy).width();
        const int needed = NeededSize(p.widget, *p.item).width();
        stretch = std::max(stretch, static_cast<double>(needed) / std::max(1, width));
    }
    for (const Placed& p : m_placed) {
        const DlgSetTemplateItem& item = *p.item;
        QRect rect = units.ToPixels(item.x * stretch, item.y, item.cx * stretch, item.cy);
        if (item.kind == K::TabControl) {
            const int barHeight = m_pTabBar->sizeHint().height();
            const int barWidth = std::min(rect.width(), m_pTabBar->sizeHint().width());
            m_pTabBar->setGeometry(rect.x(), rect.y(), barWidth, barHeight);
            m_pTabPage->setGeometry(rect.adjusted(0, barHeight - 1, 0, 0));
            continue;
        }
        if (item.kind == K::DropList) {
            // The template's height is that of the open list; closed, a list
            // is as high as its style makes it.
            rect.setHeight(p.widget->sizeHint().height());
        } else {
            rect = GrowToHeight(rect, NeededSize(p.widget, item).height());
        }
        p.widget->setGeometry(rect);
    }
    m_dialog.setFixedSize(units.ToPixelsX(kDlgSetWidth * stretch), units.ToPixelsY(kDlgSetHeight));
}
