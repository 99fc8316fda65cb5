#include "dialogs/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

#include "dialogs/DialogMessage.h"
#include "dialogs/NumberText.h"

void DataExchange::Radio(QButtonGroup* group, int& value) {
    if (m_bRead) {
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

void DataExchange::Check(QCheckBox* box, int& value) {
    if (m_bRead) {
        value = box->isChecked() ? 1 : 0;
    } else {
        box->setChecked(value != 0);
    }
}

void DataExchange::Text(QLineEdit* edit, QString& value) {
    if (m_bRead) {
        value = edit->text();
    } else {
        edit->setText(value);
        edit->setCursorPosition(0);
    }
}

void DataExchange::Number(QLineEdit* edit, double& value) {
    if (m_bRead) {
        ReadNumber(edit, value);
    } else {
        edit->setText(NumberToText(value));
        edit->setCursorPosition(0);
    }
}

void DataExchange::Number(QLineEdit* edit, double& value, double low, double high) {
    if (!m_bRead) {
        Number(edit, value);
        return;
    }
    if (ReadNumber(edit, value) && (value < low || value > high)) {
        Fail(edit, QCoreApplication::translate("DataExchange", "%1 から %2 までの数値を入力してください。")
                       .arg(NumberToText(low), NumberToText(high)));
    }
}

void DataExchange::ListIndex(QComboBox* list, int& value) {
    if (m_bRead) {
        if (list->currentIndex() >= 0) {
            value = list->currentIndex();
        }
    } else {
        list->setCurrentIndex(value);
    }
}

void DataExchange::NearestListIndex(QComboBox* list, int& value) {
    if (m_bRead) {
        ListIndex(list, value);
    } else {
        list->setCurrentIndex(std::clamp(value, 0, std::max(0, list->count() - 1)));
    }
}

bool DataExchange::ReadNumber(QLineEdit* edit, double& value) {
    if (!TextToNumber(edit->text(), value)) {
        Fail(edit, QCoreApplication::translate("DataExchange", "数値を入力してください。"));
        return false;
    }
    return true;
}

void DataExchange::Fail(QWidget* control, const QString& message) {
    if (m_pFailed) {
        return;
    }
    m_pFailed = control;
    ShowDialogMessage(m_pDialog, message);
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
}
