// The dialog's string table: tab labels and the messages naming a graph.
#include "dialogs/DlgSet.h"

QString CDlgSet::GraphText(int id, int slotNumber) {
    QString text;
    switch (id) {
    case 101: text = tr("グラフ%1"); break;
    case 102: text = tr("グラフ%1の関数式の間隔値(0.01-1.0)を正しく設定してください。"); break;
    case 103: text = tr("グラフ%1の関数表示式に文法エラーがあります。"); break;
    case 104: text = tr("グラフ%1のtの値開始＜終了値のように設定してください。"); break;
    case 105: text = tr("グラフ%1のtの間隔値(0.01-1.0)を正しく設定してください。"); break;
    case 106: text = tr("グラフ%1のxのためのパラメータ変数式に文法エラーがあります。"); break;
    case 107: text = tr("グラフ%1のyのためのパラメータ変数式に文法エラーがあります。"); break;
    case 108: text = tr("グラフ%1のuの間隔値(0.01-1.0)を正しく設定してください。"); break;
    case 109: text = tr("グラフ%1のvの間隔値(0.01-1.0)を正しく設定してください。"); break;
    case 110: text = tr("グラフ%1のzのためのパラメータ変数式に文法エラーがあります。"); break;
    case 114: text = tr("グラフ%1のuの値開始＜終了値のように設定してください。"); break;
    case 115: text = tr("グラフ%1のvの値開始＜終了値のように設定してください。"); break;
    default: return QString();
    }
    return text.arg(slotNumber);
}
