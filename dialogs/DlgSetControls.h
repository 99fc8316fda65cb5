#pragma once
// The controls of the function edit dialog, made on the dialog from its
// template, and their places: the template's dialog units converted with the
// dialog font's metrics. Where a text (Japanese, Chinese, a large font) would
// not fit its control, the whole dialog widens evenly, so the template's
// proportions stay and nothing is clipped.

#include <QHash>
#include <vector>

class QButtonGroup;
class QFrame;
class QTabBar;
class QWidget;
struct DlgSetTemplateItem;

class DlgSetControls {
public:
    // Makes every control of the template as a child of the dialog: the
    // frames at the back, the keyboard order the template's.
    explicit DlgSetControls(QWidget& dialog);
    DlgSetControls(const DlgSetControls&) = delete;
    DlgSetControls& operator=(const DlgSetControls&) = delete;

    // The control with a template id (IDC_...), null for an unknown id.
    QWidget* Item(int id) const;
    QTabBar* TabBar() const { return m_pTabBar; }
    QButtonGroup* DimensionGroup() const { return m_pDimensionGroup; }
    QButtonGroup* KindGroup() const { return m_pKindGroup; }

    // Places the controls for the dialog's font and fixes the dialog's size.
    void Place();

private:
    QWidget* Create(const DlgSetTemplateItem& item);
    QWidget* CreateRadio(const DlgSetTemplateItem& item, const QString& text);
    QWidget* CreateTabControl();
    void SetTabOrder();

    struct Placed {
        QWidget* widget;
        const DlgSetTemplateItem* item;
    };

    QWidget& m_dialog;
    QHash<int, QWidget*> m_items;
    std::vector<Placed> m_placed;  // in the template's order
    QTabBar* m_pTabBar = nullptr;
    QFrame* m_pTabPage = nullptr;  // the frame under the tabs
    QButtonGroup* m_pDimensionGroup = nullptr;
    QButtonGroup* m_pKindGroup = nullptr;
};
