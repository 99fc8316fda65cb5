// The template table and the creation of the controls from it.
#include "dialogs/DlgSetTemplate.h"

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

#include "dialogs/DlgSet.h"


using K = DlgItemKind;

const DlgSetTemplateItem kDlgSetTemplate[] = {
    {IDC_DIM_PLANE, K::RadioGroupStart, QT_TRANSLATE_NOOP("CDlgSet", "２次元"), 17, 20, 36, 8, nullptr},
    {IDC_DIM_SPACE, K::Radio, QT_TRANSLATE_NOOP("CDlgSet", "３次元"), 58, 20, 36, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "次元数選択"), 7, 7, 96, 29, nullptr},
    {IDC_TAB, K::TabControl, nullptr, 7, 45, 281, 215, nullptr},
    {IDC_KIND_FUNCTION, K::RadioGroupStart, QT_TRANSLATE_NOOP("CDlgSet", "関数式"), 38, 77, 36, 8, nullptr},
    {IDC_KIND_PARAMETER, K::Radio, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式"), 82, 77, 65, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "表示式選択"), 27, 65, 133, 26, nullptr},
    {IDC_SHOW, K::CheckBox, QT_TRANSLATE_NOOP("CDlgSet", "表示しますか？"), 189, 77, 62, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "表示"), 170, 65, 99, 26, nullptr},
    {IDC_LEFT_SIDE, K::DropList, nullptr, 38, 104, 33, 56, "z*z"},
    {0, K::StaticCentre, "=", 74, 105, 8, 9, nullptr},
    {IDC_FORMULA, K::Edit, nullptr, 85, 104, 170, 13, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 203, 123, 19, 8, nullptr},
    {IDC_STEP, K::Edit, nullptr, 225, 121, 30, 12, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "関数式"), 27, 94, 241, 47, nullptr},
    {0, K::StaticRight, "x =", 34, 163, 15, 8, nullptr},
    {IDC_X, K::Edit, nullptr, 58, 161, 197, 12, nullptr},
    {0, K::StaticRight, "y =", 34, 178, 15, 8, nullptr},
    {IDC_Y, K::Edit, nullptr, 58, 177, 197, 12, nullptr},
    {0, K::StaticRight, "z =", 34, 194, 15, 8, nullptr},
    {IDC_Z, K::Edit, nullptr, 58, 193, 197, 12, nullptr},
    {IDC_T_LABEL, K::StaticRight, "t =", 34, 213, 15, 8, "u ="},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "開始値"), 58, 213, 24, 8, nullptr},
    {IDC_T_START, K::Edit, nullptr, 85, 211, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "終了値"), 131, 213, 24, 8, nullptr},
    {IDC_T_END, K::Edit, nullptr, 158, 211, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 204, 213, 19, 8, nullptr},
    {IDC_T_STEP, K::Edit, nullptr, 225, 211, 30, 12, nullptr},
    {IDC_V_LABEL, K::StaticRight, "v =", 34, 229, 15, 8, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "開始値"), 58, 229, 24, 8, nullptr},
    {IDC_V_START, K::Edit, nullptr, 85, 227, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "終了値"), 132, 229, 24, 8, nullptr},
    {IDC_V_END, K::Edit, nullptr, 158, 227, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 203, 229, 19, 8, nullptr},
    {IDC_V_STEP, K::Edit, nullptr, 225, 227, 30, 12, nullptr},
    {IDC_PARAM_GROUP, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(t), y=g(t), z=k(t)"), 27, 147, 242, 103,
     QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)")},
    {IDC_OK, K::DefaultButton, "OK", 238, 7, 50, 14, nullptr},
    {IDC_CANCEL, K::Button, QT_TRANSLATE_NOOP("CDlgSet", "キャンセル"), 238, 23, 50, 14, nullptr},
    {IDC_RANGE, K::DropList, nullptr, 125, 18, 46, 98, "-20,+20"},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "座標範囲"), 117, 7, 63, 29, nullptr},
};

const std::size_t kDlgSetTemplateCount = std::size(kDlgSetTemplate);

QWidget* CDlgSet::CreateControl(const DlgSetTemplateItem& item) {
    const QString text = item.text ? DlgSetTranslate(item.text) : QString();
    switch (item.kind) {
    case K::RadioGroupStart:
    case K::Radio: {
        auto* radio = new QRadioButton(text, this);
        QButtonGroup*& group = (item.id == IDC_DIM_PLANE || item.id == IDC_DIM_SPACE) ? m_pDimensionGroup : m_pKindGroup;
        if (!group) {
            group = new QButtonGroup(this);
        }
        group->addButton(radio, group->buttons().size());
        // As in every dialog: Tab reaches a radio group at its checked button.
        connect(radio, &QRadioButton::toggled, this, [radio](bool checked) {
            if (checked) {
                for (QAbstractButton* b : radio->group()->buttons()) {
                    b->setFocusPolicy(b == radio ? Qt::StrongFocus : Qt::ClickFocus);
                }
            }
        });
        connect(radio, &QRadioButton::clicked, this, &CDlgSet::OnRadioClicked);
        return radio;
    }
    case K::CheckBox:
        return new QCheckBox(text, this);
    case K::GroupBox: {
        // Frames only: they must not take the clicks meant for the controls
        // drawn inside them.
        auto* box = new QGroupBox(text, this);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case K::TabControl: {
        m_pTabPage = new QFrame(this);
        m_pTabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        m_pTabPage->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pTabBar = new QTabBar(this);
        m_pTabBar->setDrawBase(false);
        m_pTabBar->setExpanding(false);
        const QSignalBlocker block(m_pTabBar);
        for (int slot = 1; slot <= 3; ++slot) {
            m_pTabBar->addTab(DlgSetGraphText(IDS_GRAPH_TAB, slot));
        }
        return m_pTabBar;
    }
    case K::DropList: {
        auto* list = new QComboBox(this);
        if (item.id == IDC_RANGE) {
            list->addItems({QStringLiteral("-5,+5"), QStringLiteral("-10,+10"), QStringLiteral("-20,+20")});
        }
        return list;
    }
    case K::Static:
        return new QLabel(text, this);
    case K::StaticCentre:
    case K::StaticRight: {
        auto* label = new QLabel(text, this);
        label->setAlignment((item.kind == K::StaticRight ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
        return label;
    }
    case K::Edit:
        return new QLineEdit(this);
    case K::DefaultButton:
    case K::Button: {
        auto* button = new QPushButton(text, this);
        button->setDefault(item.kind == K::DefaultButton);
        return button;
    }
    }
    return nullptr;
}

void CDlgSet::CreateControls() {
    for (std::size_t i = 0; i < kDlgSetTemplateCount; ++i) {
        const DlgSetTemplateItem& item = kDlgSetTemplate[i];
        QWidget* widget = CreateControl(item);
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

// The keyboard order is the template's order; labels and frames take no focus.
void CDlgSet::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const Placed& p : m_placed) {
        if (p.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, p.widget);
        }
        previous = p.widget;
    }
}
