#include "dialogs/TemplateItemSize.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "dialogs/DlgSetTemplate.h"
#include "dialogs/DlgSetTexts.h"

namespace {

using K = DlgItemKind;

int WidestText(const QFontMetrics& metrics, const DlgSetTemplateItem& item, const QWidget* widget) {
    int widest = 0;
    for (const char* text : {item.text, item.altText}) {
        if (text) {
            widest = std::max(widest, metrics.horizontalAdvance(DlgSetTranslate(text)));
        }
    }
    // Lists show their items, not a text of their own.
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < list->count(); ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
        }
    }
    return widest;
}

}  // namespace

QSize NeededSize(const QWidget* widget, const DlgSetTemplateItem& item) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int text = WidestText(metrics, item, widget);
    const QStyle* style = widget->style();
    switch (item.kind) {
    case K::RadioGroupStart:
    case K::Radio: {
        // What the button draws, its circle or its line of text, not the
        // style's padded height: the kind group's two rows stay apart with
        // small fonts too.
        const int circle = style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, widget);
        return QSize(std::max(text, widget->sizeHint().width()), std::max(circle, metrics.height()));
    }
    case K::CheckBox:
    case K::Static:
    case K::StaticCentre:
    case K::StaticRight: return QSize(std::max(text, widget->sizeHint().width()), widget->sizeHint().height());
    case K::GroupBox:
        // The title sits inset from the frame's left corner; keep as much
        // space on its right.
        return QSize(text + 2 * metrics.height(), 0);
    case K::DropList: {
        QStyleOptionComboBox option;
        option.initFrom(widget);
        return style->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, metrics.height()), widget);
    }
    case K::DefaultButton:
    case K::Button: {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
        return QSize(text + 2 * (margin + frame), widget->sizeHint().height());
    }
    case K::Edit: {
        // Only what one line of text needs: the style's preferred height
        // would make neighbouring rows overlap with small fonts.
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
        return QSize(0, metrics.height() + 2 * frame + 2);
    }
    case K::TabControl: return QSize(widget->sizeHint().width(), 0);
    }
    return QSize();
}
