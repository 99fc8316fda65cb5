#pragma once
// Sampling a document model with a progress dialog and a Cancel button. The
// dialog appears only when the sampling takes noticeable time (a fine
// surface over a wide range), so ordinary edits never see it flash.

class CCurvilinearscopeDoc;
class QWidget;

enum class SampleOutcome {
    Finished,
    Cancelled,    // by the user; the model is partly sampled
    OutOfMemory,  // reported to the user; the model is partly sampled
};

// Runs Sample2D or Sample3D by the model's dimension (nothing for another
// dimension). `showAfterMs`: how long the sampling runs before the dialog
// shows.
SampleOutcome SampleWithProgress(CCurvilinearscopeDoc& model, QWidget* parent, int showAfterMs = 500);
