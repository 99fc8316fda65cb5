// Data exchange between the controls and the dialog's fields, in the order
// of the template's data map. Writing fills the controls; reading fills the
// fields and checks numbers and step bounds.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "dialogs/DialogMessage.h"
#include "dialogs/DlgSet.h"
#include "dialogs/NumberText.h"

class CDlgSet::Exchange {
public:
    Exchange(CDlgSet& dialog, bool save) : m_dialog(dialog), m_bSave(save) {}

    bool Succeeded() const { return !m_pFailed; }

    // The checked button of a group; a group with none checked leaves the
    // field as it was (a value from outside the group's range).
    void Radio(QButtonGroup* group, int& value) {
        if (m_bSave) {
            const int checked = group->checkedId();
            if (checked >= 0) {
                value = checked;
            }
            return;
        }
        QAbstractButton* button = group->button(value);
        if (button) {
            button->setChecked(true);
        } else if (QAbstractButton* current = group->checkedButton()) {
            group->setExclusive(false);
            current->setChecked(false);
            group->setExclusive(true);
        }
    }

    void Check(int id, int& value) {
        auto* box = static_cast<QCheckBox*>(m_dialog.Item(id));
        if (m_bSave) {
            value = box->isChecked() ? 1 : 0;
        } else {
            box->setChecked(value != 0);
        }
    }

    void Text(int id, QString& value) {
        auto* edit = static_cast<QLineEdit*>(m_dialog.Item(id));
        if (m_bSave) {
            value = edit->text();
        } else {
            edit->setText(value);
            edit->setCursorPosition(0);
        }
    }

    // False when the text is no number; the field then keeps its value.
    bool Number(int id, double& value) {
        auto* edit = static_cast<QLineEdit*>(m_dialog.Item(id));
        if (!m_bSave) {
            edit->setText(NumberToText(value));
            edit->setCursorPosition(0);
            return true;
        }
        if (!TextToNumber(edit->text(), value)) {
            Fail(edit, QStringLiteral("Please enter a number."));
            return false;
        }
        return true;
    }

    // A step just read must lie within the bounds.
    void Bounds(int id, double value, double low, double high) {
        if (m_bSave && (value < low || value > high)) {
            Fail(m_dialog.Item(id), QStringLiteral("Please enter a number between %1 and %2.")
                                        .arg(NumberToText(low), NumberToText(high)));
        }
    }

    // The selected item; a list with none selected leaves the field as it was.
    void ListIndex(int id, int& value, int maximum) {
        auto* list = static_cast<QComboBox*>(m_dialog.Item(id));
        if (m_bSave) {
            if (list->currentIndex() >= 0) {
                value = list->currentIndex();
            }
        } else {
            list->setCurrentIndex(maximum >= 0 ? std::clamp(value, 0, maximum) : value);
        }
    }

private:
    // Only the first failure is reported and focused; the later controls are
    // still read so that nothing else typed is lost.
    void Fail(QWidget* control, const QString& message) {
        if (m_pFailed) {
            return;
        }
        m_pFailed = control;
        ShowDialogMessage(&m_dialog, message);
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->selectAll();
        }
    }

    CDlgSet& m_dialog;
    bool m_bSave;
    QWidget* m_pFailed = nullptr;
};

namespace {
constexpr double kStepMin = 0.01;
constexpr double kStepMax = 1.0;
}  // namespace

void CDlgSet::ExchangeFields(Exchange& dx) {
    dx.Radio(m_pDimensionGroup, m_nDimension);
    // The tab bar is bound by its pointer only.
    dx.Radio(m_pKindGroup, m_nKind);
    dx.Check(IDC_SHOW, m_bShow);
    dx.Text(IDC_FORMULA, m_strFormula);
    dx.Text(IDC_X, m_strX);
    dx.Text(IDC_Y, m_strY);
    dx.Text(IDC_Z, m_strZ);
    dx.Number(IDC_T_START, m_dTStart);
    dx.Number(IDC_T_END, m_dTEnd);
    if (dx.Number(IDC_T_STEP, m_dTStep)) {
        dx.Bounds(IDC_T_STEP, m_dTStep, kStepMin, kStepMax);
    }
    dx.Number(IDC_V_START, m_dVStart);
    dx.Number(IDC_V_END, m_dVEnd);
    if (dx.Number(IDC_V_STEP, m_dVStep)) {
        dx.Bounds(IDC_V_STEP, m_dVStep, kStepMin, kStepMax);
    }
    if (dx.Number(IDC_STEP, m_dStep)) {
        dx.Bounds(IDC_STEP, m_dStep, kStepMin, kStepMax);
    }
    // The left-side list is refilled per dimension; the range list is fixed,
    // and a range from outside it shows as the nearest item.
    dx.ListIndex(IDC_LEFT_SIDE, m_nLeftSide, -1);
    dx.ListIndex(IDC_RANGE, m_nRangeChoice, 2);
}

bool CDlgSet::UpdateData(bool saveAndValidate) {
    Exchange dx(*this, saveAndValidate);
    ExchangeFields(dx);
    return dx.Succeeded();
}
