#include "dialogs/DlgSetTexts.h"

#include <QCoreApplication>

namespace {

// The translation file has always filed the dialog's texts under the
// dialog's class name.
constexpr char kContext[] = "CDlgSet";

struct TableText {
    DlgSetTextId id;
    const char* source;  // %1 stands for the slot number
};

const TableText kTable[] = {
    {IDS_GRAPH_TAB, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1")},
    {IDS_STEP_OUT_OF_RANGE,
     QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1の関数式の間隔値(0.01-1.0)を正しく設定してください。")},
    {IDS_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1の関数表示式に文法エラーがあります。")},
    {IDS_T_START_NOT_BELOW_END, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のtの値開始＜終了値のように設定してください。")},
    {IDS_T_STEP_OUT_OF_RANGE, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のtの間隔値(0.01-1.0)を正しく設定してください。")},
    {IDS_X_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のxのためのパラメータ変数式に文法エラーがあります。")},
    {IDS_Y_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のyのためのパラメータ変数式に文法エラーがあります。")},
    {IDS_U_STEP_OUT_OF_RANGE, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のuの間隔値(0.01-1.0)を正しく設定してください。")},
    {IDS_V_STEP_OUT_OF_RANGE, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のvの間隔値(0.01-1.0)を正しく設定してください。")},
    {IDS_Z_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のzのためのパラメータ変数式に文法エラーがあります。")},
    {IDS_CURVE_CAPTION, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(t), y=g(t), z=k(t)")},
    {IDS_SURFACE_CAPTION, QT_TRANSLATE_NOOP("CDlgSet", "パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)")},
    {IDS_U_START_NOT_BELOW_END, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のuの値開始＜終了値のように設定してください。")},
    {IDS_V_START_NOT_BELOW_END, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1のvの値開始＜終了値のように設定してください。")},
    {IDS_IMPLICIT_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1の陰関数の式に文法エラーがあります。")},
    {IDS_IMPLICIT_TWO_EQUALS, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1の陰関数の式には「=」を一つだけ書いてください。")},
    {IDS_POLAR_FORMULA_ERROR, QT_TRANSLATE_NOOP("CDlgSet", "グラフ%1の極座標の式に文法エラーがあります。")},
};

}  // namespace

QString DlgSetTranslate(const char* source) { return QCoreApplication::translate(kContext, source); }

QString DlgSetText(DlgSetTextId id) {
    for (const TableText& entry : kTable) {
        if (entry.id == id) {
            return DlgSetTranslate(entry.source);
        }
    }
    return QString();
}

QString DlgSetGraphText(DlgSetTextId id, int slotNumber) { return DlgSetText(id).arg(slotNumber); }
