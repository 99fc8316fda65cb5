#pragma once
// The dialog template of the function edit dialog: every control with its
// id, kind, text and place in dialog units, in the template's order, which is
// also the keyboard order.

#include <cstddef>

enum class DlgItemKind {
    RadioGroupStart,
    Radio,
    CheckBox,
    GroupBox,
    TabControl,
    DropList,
    Static,
    StaticCentre,
    StaticRight,
    Edit,
    DefaultButton,
    Button,
};

struct DlgSetTemplateItem {
    int id;  // 0 for the labels and frames no code refers to
    DlgItemKind kind;
    const char* text;     // untranslated source text; null for none
    int x, y, cx, cy;     // dialog units
    const char* altText;  // another text the control shows at times; it must fit too
};

extern const DlgSetTemplateItem kDlgSetTemplate[];
extern const std::size_t kDlgSetTemplateCount;

// The whole dialog, in dialog units.
constexpr int kDlgSetWidth = 296;
constexpr int kDlgSetHeight = 267;
