#pragma once
// The string table of the function edit dialog: the tab label, the captions
// of the parametric group and the messages that name a graph. The numbers are
// those of the program's string table.

#include <QString>

enum DlgSetTextId {
    IDS_GRAPH_TAB = 101,               // "グラフ%d": label of a slot's tab
    IDS_STEP_OUT_OF_RANGE = 102,       // explicit function: step outside 0.01..1.0
    IDS_FORMULA_ERROR = 103,           // explicit function: the formula does not compile
    IDS_T_START_NOT_BELOW_END = 104,   // plane curve: t start not below t end
    IDS_T_STEP_OUT_OF_RANGE = 105,     // plane curve: t step outside 0.01..1.0
    IDS_X_FORMULA_ERROR = 106,         // parametric: the x formula does not compile
    IDS_Y_FORMULA_ERROR = 107,         // parametric: the y formula does not compile
    IDS_U_STEP_OUT_OF_RANGE = 108,     // surface: u step outside 0.01..1.0
    IDS_V_STEP_OUT_OF_RANGE = 109,     // surface: v step outside 0.01..1.0
    IDS_Z_FORMULA_ERROR = 110,         // surface: the z formula does not compile
    IDS_CURVE_CAPTION = 112,           // caption of the parametric group in the plane
    IDS_SURFACE_CAPTION = 113,         // caption of the parametric group in space
    IDS_U_START_NOT_BELOW_END = 114,   // surface: u start not below u end
    IDS_V_START_NOT_BELOW_END = 115,   // surface: v start not below v end
    IDS_IMPLICIT_FORMULA_ERROR = 116,  // implicit: a side of the equation does not compile
    IDS_IMPLICIT_TWO_EQUALS = 117,     // implicit: a second top-level '='
    IDS_POLAR_FORMULA_ERROR = 118,     // polar: r(t) does not compile
};

// The text in the user's language; empty for an id the table lacks.
QString DlgSetText(DlgSetTextId id);

// A text that names a graph, with the slot number 1..3 formatted in.
QString DlgSetGraphText(DlgSetTextId id, int slotNumber);

// Any text of the dialog in the user's language: the template's texts and the
// string table share the dialog's translation context.
QString DlgSetTranslate(const char* source);
