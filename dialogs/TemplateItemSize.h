#pragma once
// What a control made from a dialog template needs to show its texts whole.

#include <QSize>

class QWidget;
struct DlgSetTemplateItem;

// The size the control needs for the longer of its texts (for a list, its
// widest item); 0 in a direction where it has no text that could be clipped.
QSize NeededSize(const QWidget* widget, const DlgSetTemplateItem& item);
