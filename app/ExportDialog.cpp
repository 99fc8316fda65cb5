#include "app/ExportDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace {
// In the order offered; the first is chosen at first.
const QStringList kPictureFilters = {QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"),
                                     QStringLiteral("PDF (*.pdf)")};
}  // namespace

QString ExportFilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

void SetUpExportDialog(QFileDialog& dialog) {
    // The command's own name, as the menu and the toolbar tip have it.
    dialog.setWindowTitle(QCoreApplication::translate("Commands", "エクスポート"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(kPictureFilters);
    dialog.selectNameFilter(kPictureFilters.constFirst());
    dialog.setDefaultSuffix(ExportFilterSuffix(kPictureFilters.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(ExportFilterSuffix(filter)); });
}
