#pragma once
// Control identifiers of the function edit dialog. They name the controls in
// the code and in the tests; the numbers are those of the dialog template.

enum DlgSetControlId {
    IDC_DIM_PLANE = 1000,       // radio, start of the dimension group
    IDC_DIM_SPACE = 1001,       // radio
    IDC_KIND_FUNCTION = 1003,   // radio, start of the kind group
    IDC_KIND_PARAMETER = 1004,  // radio
    IDC_SHOW = 1005,            // check box
    IDC_FORMULA = 1006,         // edit: right-hand side of an explicit function
    IDC_X = 1008,               // edit: parametric x
    IDC_Y = 1009,               // edit: parametric y
    IDC_Z = 1010,               // edit: parametric z (space only)
    IDC_TAB = 1011,             // tab bar choosing the shown slot
    IDC_T_START = 1012,
    IDC_T_END = 1013,
    IDC_T_STEP = 1014,
    IDC_STEP = 1015,  // edit: step of an explicit function
    IDC_V_START = 1016,
    IDC_V_END = 1017,
    IDC_V_STEP = 1018,
    IDC_PARAM_GROUP = 1019,    // group box of the parametric formulas
    IDC_T_LABEL = 1020,        // "t =" or "u ="
    IDC_V_LABEL = 1021,        // "v ="
    IDC_LEFT_SIDE = 1022,      // drop-down list "y", "y*y" / "z", "z*z"
    IDC_RANGE = 1023,          // drop-down list of the coordinate range
    IDC_KIND_IMPLICIT = 1024,  // radio of the kind group: F = G
    IDC_KIND_POLAR = 1025,     // radio of the kind group: r = f(t), plane pictures only
    IDC_OK = 1,
    IDC_CANCEL = 2,
};
