// The dialog's life: construction, initialisation, the handlers, the field
// set that travels between the controls and the slot of the shown tab, and
// the data map that hands the fields to the data exchange.
#include "dialogs/DlgSet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <iterator>

#include "dialogs/DataExchange.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/DlgSetTexts.h"
#include "dialogs/RangeChoice.h"
#include "dialogs/SlotValidation.h"
#include "document/CurvilinearscopeDoc.h"

CDlgSet::CDlgSet(QWidget* parent) : QDialog(parent), m_controls(*this) {
    setWindowTitle(tr("関数編集"));
    setModal(true);
    m_controls.Place();
    for (QButtonGroup* group : {m_controls.DimensionGroup(), m_controls.KindGroup()}) {
        for (QAbstractButton* radio : group->buttons()) {
            connect(radio, &QAbstractButton::clicked, this, &CDlgSet::OnRadioClicked);
        }
    }
    connect(m_controls.TabBar(), &QTabBar::currentChanged, this, &CDlgSet::OnTabChanged);
    connect(static_cast<QPushButton*>(Item(IDC_OK)), &QPushButton::clicked, this, &CDlgSet::OnOK);
    connect(static_cast<QPushButton*>(Item(IDC_CANCEL)), &QPushButton::clicked, this, &CDlgSet::reject);
}

CDlgSet::~CDlgSet() = default;

QWidget* CDlgSet::Item(int id) const { return m_controls.Item(id); }

QLineEdit* CDlgSet::Edit(int id) const { return static_cast<QLineEdit*>(Item(id)); }

void CDlgSet::showEvent(QShowEvent* event) {
    // The caller sets the data between construction and showing, so the
    // controls are filled the first time the dialog appears.
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDlgSet::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_controls.Place();
    }
    QDialog::changeEvent(event);
}

void CDlgSet::OnInitDialog() {
    UpdateData(false);
    {
        const QSignalBlocker block(m_controls.TabBar());
        m_controls.TabBar()->setCurrentIndex(0);
    }
    m_nShownSlot = 0;
    LoadSlot(0);
    UpdateControls();
    // The first control of the keyboard order: the chosen dimension.
    QAbstractButton* dimension = m_controls.DimensionGroup()->checkedButton();
    (dimension ? dimension : m_controls.DimensionGroup()->button(0))->setFocus();
}

void CDlgSet::OnRadioClicked() {
    if (m_nShownSlot >= 0) {
        StoreSlot(m_nShownSlot);
        if (m_graphs[m_nShownSlot].GivePolarDefaults()) {
            LoadSlot(m_nShownSlot);
        }
    }
    UpdateControls();
}

void CDlgSet::OnTabChanged(int index) {
    if (m_nShownSlot >= 0) {
        StoreSlot(m_nShownSlot);
    }
    m_nShownSlot = index;
    if (index >= 0) {
        LoadSlot(index);
        UpdateControls();
    }
}

// OK: every shown slot is checked in slot order, and the first failure keeps
// the dialog open with a message naming the graph.
void CDlgSet::OnOK() {
    const bool stored = m_nShownSlot < 0 || StoreSlot(m_nShownSlot);
    const int range = RangeFromChoice(m_nRangeChoice);
    for (int slot = 0; slot < static_cast<int>(std::size(m_graphs)); ++slot) {
        if (m_graphs[slot].m_bShow == 0) {
            continue;
        }
        if (const std::optional<SlotCheckFailure> failure = FirstFailedCheck(m_graphs[slot], m_nDimension, range)) {
            ShowFailure(slot, *failure);
            return;
        }
    }
    // A control that did not read when the slot was stored has had its
    // message; reading it again would only repeat it, and the dialog stays
    // open either way.
    if (stored && UpdateData(true)) {
        accept();
    }
}

void CDlgSet::ShowFailure(int slot, const SlotCheckFailure& failure) {
    ShowDialogMessage(this, DlgSetGraphText(failure.messageId, slot + 1));
    QWidget* control = Item(failure.focusId);
    // A formula failure keeps the shown tab, unless the edit to correct is
    // disabled there (the shown slot is of another kind): focus could not
    // land in it, so the failing slot is shown instead.
    if (failure.showSlot || !control->isEnabled()) {
        SelectSlot(slot);
    }
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    }
}

void CDlgSet::LoadSlot(int slot) {
    const CGraphDef& g = m_graphs[slot];
    m_bShow = g.m_bShow;
    m_nKind = g.m_nKind;
    m_strFormula = QString::fromStdU16String(g.m_strFormula);
    m_nLeftSide = g.m_nLeftSide;
    m_strX = QString::fromStdU16String(g.m_strX);
    m_strY = QString::fromStdU16String(g.m_strY);
    m_strZ = QString::fromStdU16String(g.m_strZ);
    m_dTStart = g.m_dTStart;
    m_dTEnd = g.m_dTEnd;
    m_dTStep = g.m_dTStep;
    m_dVStart = g.m_dVStart;
    m_dVEnd = g.m_dVEnd;
    m_dVStep = g.m_dVStep;
    m_dStep = g.m_dStep;
    UpdateData(false);
}

// A control that does not read is no obstacle: its message has been shown
// and the slot takes the field set as it stands.
bool CDlgSet::StoreSlot(int slot) {
    const bool read = UpdateData(true);
    CGraphDef& g = m_graphs[slot];
    g.m_bShow = m_bShow;
    g.m_nKind = m_nKind;
    g.m_nLeftSide = m_nLeftSide;
    g.m_strFormula = m_strFormula.toStdU16String();
    g.m_strX = m_strX.toStdU16String();
    g.m_strY = m_strY.toStdU16String();
    g.m_strZ = m_strZ.toStdU16String();
    g.m_dTStart = m_dTStart;
    g.m_dTEnd = m_dTEnd;
    g.m_dTStep = m_dTStep;
    g.m_dVStart = m_dVStart;
    g.m_dVEnd = m_dVEnd;
    g.m_dVStep = m_dVStep;
    g.m_dStep = m_dStep;
    return read;
}

// Programmatic selection does not store: the callers have stored already.
void CDlgSet::SelectSlot(int slot) {
    {
        const QSignalBlocker block(m_controls.TabBar());
        m_controls.TabBar()->setCurrentIndex(slot);
    }
    m_nShownSlot = slot;
    LoadSlot(slot);
    UpdateControls();
}

// The stored kind of the shown slot, not the radio buttons, decides what is
// enabled.
void CDlgSet::UpdateControls() {
    const int slot = m_controls.TabBar()->currentIndex();
    if (slot < 0) {
        return;
    }
    const CGraphDef& g = m_graphs[slot];
    const bool function = g.m_nKind == GK_EXPLICIT;
    const bool parameter = g.m_nKind == GK_PARAMETRIC;
    const bool space = m_nDimension == DIM_SPACE;
    const bool implicit = g.m_nKind == GK_IMPLICIT;
    const bool polar = g.m_nKind == GK_POLAR && !space;
    Item(IDC_FORMULA)->setEnabled(function || implicit || polar);
    Item(IDC_LEFT_SIDE)->setEnabled(function);
    Item(IDC_STEP)->setEnabled(function || implicit);
    for (int id : {IDC_X, IDC_Y}) {
        Item(id)->setEnabled(parameter);
    }
    for (int id : {IDC_T_START, IDC_T_END, IDC_T_STEP, IDC_T_LABEL}) {
        Item(id)->setEnabled(parameter || polar);
    }
    Item(IDC_KIND_POLAR)->setVisible(!space);  // space pictures have no polar graphs
    for (int id : {IDC_Z, IDC_V_START, IDC_V_END, IDC_V_STEP, IDC_V_LABEL}) {
        Item(id)->setEnabled(parameter && space);
    }
    auto* parameterGroup = static_cast<QGroupBox*>(Item(IDC_PARAM_GROUP));
    parameterGroup->setTitle(DlgSetText(space ? IDS_SURFACE_CAPTION : IDS_CURVE_CAPTION));
    static_cast<QLabel*>(Item(IDC_T_LABEL))->setText(space ? QStringLiteral("u =") : QStringLiteral("t ="));
    static_cast<QLabel*>(Item(IDC_V_LABEL))->setText(QStringLiteral("v ="));
    auto* leftSide = static_cast<QComboBox*>(Item(IDC_LEFT_SIDE));
    const QSignalBlocker block(leftSide);
    leftSide->clear();
    leftSide->addItems(space ? QStringList{QStringLiteral("z"), QStringLiteral("z*z")}
                             : QStringList{QStringLiteral("y"), QStringLiteral("y*y")});
    leftSide->setCurrentIndex(g.m_nLeftSide >= 0 && g.m_nLeftSide < leftSide->count() ? g.m_nLeftSide : -1);
}

bool CDlgSet::UpdateData(bool read) {
    DataExchange dx(this, read);
    DoDataExchange(dx);
    return dx.Succeeded();
}

// The fields in the order of the template's data map.
void CDlgSet::DoDataExchange(DataExchange& dx) {
    dx.Radio(m_controls.DimensionGroup(), m_nDimension);
    // The tab bar is bound by its pointer only.
    dx.Radio(m_controls.KindGroup(), m_nKind);
    dx.Check(static_cast<QCheckBox*>(Item(IDC_SHOW)), m_bShow);
    dx.Text(Edit(IDC_FORMULA), m_strFormula);
    dx.Text(Edit(IDC_X), m_strX);
    dx.Text(Edit(IDC_Y), m_strY);
    dx.Text(Edit(IDC_Z), m_strZ);
    dx.Number(Edit(IDC_T_START), m_dTStart);
    dx.Number(Edit(IDC_T_END), m_dTEnd);
    dx.Number(Edit(IDC_T_STEP), m_dTStep, kStepMin, kStepMax);
    dx.Number(Edit(IDC_V_START), m_dVStart);
    dx.Number(Edit(IDC_V_END), m_dVEnd);
    dx.Number(Edit(IDC_V_STEP), m_dVStep, kStepMin, kStepMax);
    dx.Number(Edit(IDC_STEP), m_dStep, kStepMin, kStepMax);
    // The left-side list is refilled per dimension; the range list is fixed,
    // and a range from outside it shows as the nearest item.
    dx.ListIndex(static_cast<QComboBox*>(Item(IDC_LEFT_SIDE)), m_nLeftSide);
    dx.NearestListIndex(static_cast<QComboBox*>(Item(IDC_RANGE)), m_nRangeChoice);
}
