#pragma once
// Drives the function edit dialog as a user would (clicks and key presses on
// the offscreen platform) and records every message shown meanwhile, from the
// dialog and from the engine, in the order they appeared.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/DialogMessage.h"
#include "dialogs/DlgSet.h"
#include "dialogs/FunctionEdit.h"
#include "document/CurvilinearscopeDoc.h"
#include "expr/ExpressPlatform.h"

class MessageLog {
public:
    MessageLog() {
        m_previous = SetDialogMessageSink([this](QWidget*, const QString& text) { texts.push_back(text); });
        ExpressPlatform platform;
        platform.showMessage = [this](std::u16string_view text) {
            texts.push_back(QStringLiteral("engine: ") + QString::fromStdU16String(std::u16string(text)));
        };
        SetExpressPlatform(platform);
    }
    ~MessageLog() {
        SetDialogMessageSink(m_previous);
        SetExpressPlatform(ExpressPlatform{});
    }
    std::vector<QString> texts;

private:
    DialogMessageSink m_previous;
};

class DlgSetDriver {
public:
    // The dialog as the edit command opens it: the data set, then shown.
    explicit DlgSetDriver(const CGraphDef (&graphs)[3], int dimension = 0, int rangeChoice = 1) {
        for (int i = 0; i < 3; ++i) {
            dlg.m_graphs[i] = graphs[i];
        }
        dlg.m_nDimension = dimension;
        dlg.m_nRangeChoice = rangeChoice;
        Show();
    }
    DlgSetDriver() { Show(); }
    // The dialog as the edit command opens it on a document.
    explicit DlgSetDriver(const CCurvilinearscopeDoc& model) {
        LoadDlgSet(dlg, model);
        Show();
    }

    QLineEdit* Edit(int id) const { return static_cast<QLineEdit*>(dlg.Item(id)); }
    QComboBox* List(int id) const { return static_cast<QComboBox*>(dlg.Item(id)); }
    QTabBar* Tabs() const { return static_cast<QTabBar*>(dlg.Item(IDC_TAB)); }
    QString Text(int id) const { return Edit(id)->text(); }

    // Click into the edit, select everything, type the new text.
    void Type(int id, const QString& text) {
        QLineEdit* edit = Edit(id);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        // One key press per character; keyClicks knows Latin-1 only.
        for (QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void Click(int id) { QTest::mouseClick(dlg.Item(id), Qt::LeftButton, {}, QPoint(4, dlg.Item(id)->height() / 2)); }
    void ClickTab(int tab) {
        QTabBar* bar = Tabs();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    // Focus the list and step through its items with the arrow keys.
    void ChooseItem(int id, int index) {
        QComboBox* list = List(id);
        list->setFocus();
        while (list->currentIndex() < index) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        while (list->currentIndex() > index) {
            QTest::keyClick(list, Qt::Key_Up);
        }
    }
    void PressOK() { QTest::mouseClick(dlg.Item(IDC_OK), Qt::LeftButton); }
    void PressCancel() { QTest::mouseClick(dlg.Item(IDC_CANCEL), Qt::LeftButton); }

    bool Closed() const { return !dlg.isVisible(); }
    int FocusId() const {
        for (int id : kIds) {
            if (dlg.Item(id) && dlg.Item(id)->hasFocus()) {
                return id;
            }
        }
        return 0;
    }
    bool Enabled(int id) const { return dlg.Item(id)->isEnabled(); }

    MessageLog log;
    CDlgSet dlg;

private:
    void Show() {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        (void)QTest::qWaitForWindowActive(&dlg);
    }
    static constexpr int kIds[] = {
        IDC_DIM_PLANE,      IDC_DIM_SPACE, IDC_TAB,       IDC_KIND_FUNCTION,
        IDC_KIND_PARAMETER, IDC_SHOW,      IDC_LEFT_SIDE, IDC_FORMULA,
        IDC_STEP,           IDC_X,         IDC_Y,         IDC_Z,
        IDC_T_START,        IDC_T_END,     IDC_T_STEP,    IDC_V_START,
        IDC_V_END,          IDC_V_STEP,    IDC_OK,        IDC_CANCEL,
        IDC_RANGE,
    };
};

// Three default slots, with the given changes made by the test.
struct Slots {
    CGraphDef g[3];
};
