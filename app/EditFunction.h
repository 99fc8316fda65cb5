#pragma once
// The edit command (Ctrl+M): the function edit dialog on copies of the
// document's data, and on OK the new definitions, sampled.

class CCurvilinearscopeDoc;
class QWidget;

// Runs the dialog until the user cancels it or its definitions are applied
// to model; true when they were. A sampling that runs longer than
// showProgressAfterMs shows its progress with a Cancel button.
bool EditFunctions(CCurvilinearscopeDoc& model, QWidget* parent, int showProgressAfterMs);
