#pragma once
// The export command's file dialog: titled Export in the interface's
// language, one filter per picture format, and the chosen filter's suffix
// added to a name typed without one, before the dialog asks whether to
// replace an existing file, as Save As does with ".crv".

#include <QString>

class QFileDialog;

// Titles dialog, sets it up for saving a picture and keeps its default
// suffix that of the chosen filter.
void SetUpExportDialog(QFileDialog& dialog);

// "png" of "PNG (*.png)"; empty for a filter without a suffix.
QString ExportFilterSuffix(const QString& filter);
