#pragma once
// The checks a shown graph slot must pass before the function edit dialog
// closes with OK, in the order they run for the slot's kind and the picture's
// dimension. They look at the slot's definition only; the dialog reports the
// failure.

#include <optional>

#include "dialogs/DlgSetTexts.h"

class CGraphDef;

// The bounds of every sampling step, both included.
constexpr double kStepMin = 0.01;
constexpr double kStepMax = 1.0;

// A failed check: the message naming the graph and the control (IDC_...) to
// correct. Range and step failures show the failing slot's tab; a formula
// failure only moves the focus.
struct SlotCheckFailure {
    DlgSetTextId messageId;
    int focusId;
    bool showSlot;
};

// The first check the slot fails, none when it passes. A slot of an unknown
// kind passes. Each formula is compiled once; a formula that does not compile
// has had the engine's own message before this returns.
std::optional<SlotCheckFailure> FirstFailedCheck(const CGraphDef& g, int dimension, int range);
