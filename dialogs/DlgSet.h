#pragma once
// The function edit dialog "関数編集": dimension, coordinate range and the
// three graph slots of a document. The slots share one set of controls; the
// tab bar chooses which slot they show. The caller fills the public data,
// runs the dialog and, when it ends with OK, takes the data back.

#include <QDialog>
#include <QString>

#include "dialogs/DlgSetControls.h"
#include "dialogs/DlgSetIds.h"
#include "document/GraphDef.h"

class DataExchange;
class QLineEdit;
struct SlotCheckFailure;

class CDlgSet : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSet(QWidget* parent = nullptr);
    ~CDlgSet() override;

    // The dialog's working copies (definition fields only).
    CGraphDef m_graphs[3];
    int m_nDimension = 0;    // 0 plane, 1 space
    int m_nRangeChoice = 1;  // item of the range list: 0, 1, 2

    // The control with a template id (IDC_...), null for an unknown id.
    QWidget* Item(int id) const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Handlers.
    void OnInitDialog();
    void OnRadioClicked();
    void OnTabChanged(int index);
    void OnOK();

    // The field set of the shown slot.
    void LoadSlot(int slot);
    bool StoreSlot(int slot);   // false when a control did not read
    void SelectSlot(int slot);  // as a change of tab by the user, minus the store
    void UpdateControls();

    // A failed check of a shown slot on OK: the message, then the focus on
    // the control to correct.
    void ShowFailure(int slot, const SlotCheckFailure& failure);

    // Data exchange between the controls and the fields. Reading checks
    // numbers and step bounds; the first failure is reported, gets the focus,
    // and makes the result false.
    bool UpdateData(bool read);
    void DoDataExchange(DataExchange& dx);
    QLineEdit* Edit(int id) const;

    DlgSetControls m_controls;
    bool m_bInitialised = false;
    int m_nShownSlot = -1;  // the tab the field set belongs to; -1 before the dialog is shown

    // Field set.
    int m_nKind = 0;
    int m_bShow = 0;
    QString m_strFormula;
    QString m_strX;
    QString m_strY;
    QString m_strZ;
    double m_dTStart = 0.0;
    double m_dTEnd = 0.0;
    double m_dTStep = 0.0;
    double m_dVStart = 0.0;
    double m_dVEnd = 0.0;
    double m_dVStep = 0.0;
    double m_dStep = 0.0;
    int m_nLeftSide = 0;
};
