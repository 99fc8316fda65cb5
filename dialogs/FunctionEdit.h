#pragma once
// The edit command's two halves around the dialog: what the dialog starts
// with, and how an accepted dialog reaches the document.

class CCurvilinearscopeDoc;
class CDlgSet;
class QWidget;

// The document's dimension, range and slot definitions into the dialog.
void LoadDlgSet(CDlgSet& dlg, const CCurvilinearscopeDoc& model);

// Applies an accepted dialog: the dimension, the range, the three slot
// definitions, and the newly sampled records of every shown slot (a hidden
// slot keeps its records). The sampling runs on a copy, so when it is
// cancelled or runs out of memory the model is left exactly as it was and
// the result is false.
bool ApplyDlgSet(const CDlgSet& dlg, CCurvilinearscopeDoc& model, QWidget* parent, int showProgressAfterMs = 500);
