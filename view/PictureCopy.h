#pragma once
// Edit > Copy: the picture as a window shows it (zoomed, panned or turned)
// for the clipboard, as a PNG of the window's size and as SVG.

class CCurvilinearscopeView;
class QMimeData;

// The data to put on the clipboard (the caller owns it); nullptr when the
// view has no document or the memory ran out for the picture.
QMimeData* ShownPictureData(CCurvilinearscopeView& view);

// Puts the view's picture on the system clipboard; false when there was
// none to put.
bool CopyShownPicture(CCurvilinearscopeView& view);
