#pragma once
// One pass of data exchange between a dialog's controls and its fields, in
// the order the dialog lists them: writing fills every control from its
// field; reading fills every field from its control and checks numbers and
// bounds. Only the first failure is reported and gets the focus; the later
// controls are still read, so that nothing else typed is lost.

#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

class DataExchange {
public:
    // `dialog` owns the controls and the failure messages; `read` chooses
    // reading the controls over writing them.
    DataExchange(QWidget* dialog, bool read) : m_pDialog(dialog), m_bRead(read) {}

    // False when a control did not read.
    bool Succeeded() const { return !m_pFailed; }

    // The checked button of a group; a group with none checked leaves the
    // field as it was (a value from outside the group's range).
    void Radio(QButtonGroup* group, int& value);
    void Check(QCheckBox* box, int& value);
    void Text(QLineEdit* edit, QString& value);
    // A text that is no number is a failure; the field then keeps its value.
    void Number(QLineEdit* edit, double& value);
    // The same, and a number just read must lie within low..high.
    void Number(QLineEdit* edit, double& value, double low, double high);
    // The selected item; a list with none selected leaves the field as it was.
    void ListIndex(QComboBox* list, int& value);
    // The same for a list of fixed items, where a value no item stands for
    // shows as the nearest item.
    void NearestListIndex(QComboBox* list, int& value);

private:
    bool ReadNumber(QLineEdit* edit, double& value);
    void Fail(QWidget* control, const QString& message);

    QWidget* m_pDialog;
    bool m_bRead;
    QWidget* m_pFailed = nullptr;
};
