// Placing the controls: the template's dialog units are converted with the
// dialog font's metrics. Where a text (Japanese, Chinese, a large font) would
// not fit its control, the whole dialog widens evenly, so the design's
// proportions stay and nothing is clipped.
#include <QComboBox>
#include <QFrame>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <algorithm>

#include "dialogs/DialogUnits.h"
#include "dialogs/DlgSet.h"
#include "dialogs/DlgSetTemplate.h"

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

// The size a control needs to show its texts whole; 0 where it has no text
// that could be clipped.
QSize NeededSize(const QWidget* widget, const DlgSetTemplateItem& item) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int text = WidestText(metrics, item, widget);
    const QStyle* style = widget->style();
    switch (item.kind) {
    case K::RadioGroupStart:
    case K::Radio:
    case K::CheckBox:
    case K::Static:
    case K::StaticCentre:
    case K::StaticRight:
        return QSize(std::max(text, widget->sizeHint().width()), widget->sizeHint().height());
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
    case K::TabControl:
        return QSize(widget->sizeHint().width(), 0);
    }
    return QSize();
}

// A control whose text needs more height than the template gives keeps its
// centre line.
QRect GrowToHeight(QRect rect, int height) {
    if (height > rect.height()) {
        rect.adjust(0, -(height - rect.height()) / 2, 0, 0);
        rect.setHeight(height);
    }
    return rect;
}

}  // namespace

void CDlgSet::PlaceControls() {
    const DialogUnits units(font());
    double stretch = 1.0;
    for (const Placed& p : m_placed) {
        const int width = units.ToPixels(p.item->x, p.item->y, p.item->cx, p.item->cy).width();
        const int needed = NeededSize(p.widget, *p.item).width();
        stretch = std::max(stretch, static_cast<double>(needed) / std::max(1, width));
    }
    for (const Placed& p : m_placed) {
        const DlgSetTemplateItem& item = *p.item;
        QRect rect = units.ToPixels(item.x * stretch, item.y, item.cx * stretch, item.cy);
        if (item.kind == K::TabControl) {
            const int barHeight = m_pTabBar->sizeHint().height();
            m_pTabBar->setGeometry(rect.x(), rect.y(), std::min(rect.width(), m_pTabBar->sizeHint().width()), barHeight);
            m_pTabPage->setGeometry(rect.adjusted(0, barHeight - 1, 0, 0));
            continue;
        }
        if (item.kind == K::DropList) {
            // The template's height is that of the open list; closed, a list
            // is as high as its style makes it.
            rect.setHeight(p.widget->sizeHint().height());
        } else {
            rect = GrowToHeight(rect, NeededSize(p.widget, item).height());
        }
        p.widget->setGeometry(rect);
    }
    setFixedSize(units.ToPixelsX(kDlgSetWidth * stretch), units.ToPixelsY(kDlgSetHeight));
}
