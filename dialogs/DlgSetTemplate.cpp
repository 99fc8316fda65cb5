// The template table: every control of the function edit dialog.
#include "dialogs/DlgSetTemplate.h"

#include <QtGlobal>
#include <iterator>

#include "dialogs/DlgSetIds.h"

using K = DlgItemKind;

const DlgSetTemplateItem kDlgSetTemplate[] = {
    {IDC_DIM_PLANE, K::RadioGroupStart, QT_TRANSLATE_NOOP("CDlgSet", "２次元"), 17, 20, 36, 8, nullptr},
    {IDC_DIM_SPACE, K::Radio, QT_TRANSLATE_NOOP("CDlgSet", "３次元"), 58, 20, 36, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "次元数選択"), 7, 7, 96, 29, nullptr},
    {IDC_TAB, K::TabControl, nullptr, 7, 45, 281, 215, nullptr},
    {IDC_KIND_FUNCTION, K::RadioGroupStart, QT_TRANSLATE_NOOP("CDlgSet", "関数式"), 38, 77, 36, 8, nullptr},
    {IDC_KIND_PARAMETER, K::Radio, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式"), 82, 77, 65, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "表示式選択"), 27, 65, 133, 26, nullptr},
    {IDC_SHOW, K::CheckBox, QT_TRANSLATE_NOOP("CDlgSet", "表示しますか？"), 189, 77, 62, 8, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "表示"), 170, 65, 99, 26, nullptr},
    {IDC_LEFT_SIDE, K::DropList, nullptr, 38, 104, 33, 56, "z*z"},
    {0, K::StaticCentre, "=", 74, 105, 8, 9, nullptr},
    {IDC_FORMULA, K::Edit, nullptr, 85, 104, 170, 13, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 203, 123, 19, 8, nullptr},
    {IDC_STEP, K::Edit, nullptr, 225, 121, 30, 12, nullptr},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "関数式"), 27, 94, 241, 47, nullptr},
    {0, K::StaticRight, "x =", 34, 163, 15, 8, nullptr},
    {IDC_X, K::Edit, nullptr, 58, 161, 197, 12, nullptr},
    {0, K::StaticRight, "y =", 34, 178, 15, 8, nullptr},
    {IDC_Y, K::Edit, nullptr, 58, 177, 197, 12, nullptr},
    {0, K::StaticRight, "z =", 34, 194, 15, 8, nullptr},
    {IDC_Z, K::Edit, nullptr, 58, 193, 197, 12, nullptr},
    {IDC_T_LABEL, K::StaticRight, "t =", 34, 213, 15, 8, "u ="},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "開始値"), 58, 213, 24, 8, nullptr},
    {IDC_T_START, K::Edit, nullptr, 85, 211, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "終了値"), 131, 213, 24, 8, nullptr},
    {IDC_T_END, K::Edit, nullptr, 158, 211, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 204, 213, 19, 8, nullptr},
    {IDC_T_STEP, K::Edit, nullptr, 225, 211, 30, 12, nullptr},
    {IDC_V_LABEL, K::StaticRight, "v =", 34, 229, 15, 8, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "開始値"), 58, 229, 24, 8, nullptr},
    {IDC_V_START, K::Edit, nullptr, 85, 227, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", "終了値"), 132, 229, 24, 8, nullptr},
    {IDC_V_END, K::Edit, nullptr, 158, 227, 36, 12, nullptr},
    {0, K::Static, QT_TRANSLATE_NOOP("CDlgSet", " 間隔"), 203, 229, 19, 8, nullptr},
    {IDC_V_STEP, K::Edit, nullptr, 225, 227, 30, 12, nullptr},
    {IDC_PARAM_GROUP, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(t), y=g(t), z=k(t)"), 27, 147,
     242, 103, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)")},
    {IDC_OK, K::DefaultButton, QT_TRANSLATE_NOOP("CDlgSet", "OK"), 238, 7, 50, 14, nullptr},
    {IDC_CANCEL, K::Button, QT_TRANSLATE_NOOP("CDlgSet", "キャンセル"), 238, 23, 50, 14, nullptr},
    {IDC_RANGE, K::DropList, nullptr, 125, 18, 46, 98, "-20,+20"},
    {0, K::GroupBox, QT_TRANSLATE_NOOP("CDlgSet", "座標範囲"), 117, 7, 63, 29, nullptr},
};

const std::size_t kDlgSetTemplateCount = std::size(kDlgSetTemplate);
