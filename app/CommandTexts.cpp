#include "app/CommandTexts.h"

#include <QCoreApplication>
#include <iterator>

#include "app/Commands.h"

namespace {

const CommandText kCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "新規作成\tCtrl+N(&N)"),
     QT_TRANSLATE_NOOP("Commands", "新規にファイルを作成"), QT_TRANSLATE_NOOP("Commands", "新規ファイル")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "開く...\tCtrl+O(&O)"),
     QT_TRANSLATE_NOOP("Commands", "既存のファイルを開く"), QT_TRANSLATE_NOOP("Commands", "開く")},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "閉じる(&C)"),
     QT_TRANSLATE_NOOP("Commands", "作業中のファイルを閉じる"), QT_TRANSLATE_NOOP("Commands", "閉じる")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "上書き保存\tCtrl+S(&S)"),
     QT_TRANSLATE_NOOP("Commands", "作業中のファイルを上書きして保存"), QT_TRANSLATE_NOOP("Commands", "保存")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "名前を付けて保存(&A)..."),
     QT_TRANSLATE_NOOP("Commands", "作業中のファイルを新しい名前で保存"),
     QT_TRANSLATE_NOOP("Commands", "名前をつけて保存")},
    {ID_FILE_EXPORT, QT_TRANSLATE_NOOP("Commands", "エクスポート..."),
     QT_TRANSLATE_NOOP("Commands", "図を画像 (PNG, SVG, PDF) に書き出す"),
     QT_TRANSLATE_NOOP("Commands", "エクスポート")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "印刷...\tCtrl+P(&P)"),
     QT_TRANSLATE_NOOP("Commands", "作業中のファイルを印刷"), QT_TRANSLATE_NOOP("Commands", "印刷")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "印刷プレビュー(&V)"),
     QT_TRANSLATE_NOOP("Commands", "印刷イメージを表示"), QT_TRANSLATE_NOOP("Commands", "印刷プレビュー")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Commands", "プリンタの設定(&R)..."),
     QT_TRANSLATE_NOOP("Commands", "プリンタおよび印刷オプションの変更"), QT_TRANSLATE_NOOP("Commands", "印刷設定")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("Commands", "最近使ったファイル"),
     QT_TRANSLATE_NOOP("Commands", "指定のファイルを開く"), ""},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "アプリケーションの終了(&X)"),
     QT_TRANSLATE_NOOP("Commands", "アプリケーションを終了し、ファイルの保存を指示\\終了"), ""},
    {ID_EDIT_FUNCTION, QT_TRANSLATE_NOOP("Commands", "関数編集\tCtrl+M(&M)"),
     QT_TRANSLATE_NOOP("Commands", "関数作成また編集"), QT_TRANSLATE_NOOP("Commands", "関数作成また編集")},
    {ID_EDIT_UNDO, "", QT_TRANSLATE_NOOP("Commands", "直前に行った動作を元に戻す"),
     QT_TRANSLATE_NOOP("Commands", "元に戻す")},
    {ID_EDIT_CUT, "", QT_TRANSLATE_NOOP("Commands", "選択範囲を切り取ってクリップボードに保存"),
     QT_TRANSLATE_NOOP("Commands", "切り取り")},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Commands", "コピー\tCtrl+C(&C)"),
     QT_TRANSLATE_NOOP("Commands", "選択範囲をコピーしてクリップボードに保存"), QT_TRANSLATE_NOOP("Commands", "保存")},
    {ID_EDIT_PASTE, "", QT_TRANSLATE_NOOP("Commands", "クリップボードの内容を貼り付け"),
     QT_TRANSLATE_NOOP("Commands", "貼り付け")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "ツール バー(&T)"),
     QT_TRANSLATE_NOOP("Commands", "ツール バーの 表示/非表示"),
     QT_TRANSLATE_NOOP("Commands", "ツール バーの表示切り替え")},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "ステータス バー(&S)"),
     QT_TRANSLATE_NOOP("Commands", "ステータス バーの 表示/非表示"),
     QT_TRANSLATE_NOOP("Commands", "ステータス バーの表示切り替え")},
    {ID_VIEW_ZOOM_IN, QT_TRANSLATE_NOOP("Commands", "拡大\tCtrl++(&I)"),
     QT_TRANSLATE_NOOP("Commands",
                       "図を中央を中心に拡大 (Ctrl+ホイールでポインタを中心に、右ドラッグで囲んだ範囲を拡大)"),
     QT_TRANSLATE_NOOP("Commands", "拡大")},
    {ID_VIEW_ZOOM_OUT, QT_TRANSLATE_NOOP("Commands", "縮小\tCtrl+-(&O)"),
     QT_TRANSLATE_NOOP("Commands", "図を中央を中心に縮小 (左ドラッグで図を移動)"),
     QT_TRANSLATE_NOOP("Commands", "縮小")},
    {ID_VIEW_ZOOM_HOME, QT_TRANSLATE_NOOP("Commands", "元の表示\tCtrl+0(&H)"),
     QT_TRANSLATE_NOOP("Commands", "図を文書の範囲の表示に戻す (Home キーでも)"),
     QT_TRANSLATE_NOOP("Commands", "元の表示")},
    {ID_VIEW_TRACE, QT_TRANSLATE_NOOP("Commands", "トレース\tT(&R)"),
     QT_TRANSLATE_NOOP("Commands",
                       "グラフ上の点を読む (曲線の近くをクリックしても。←→で移動、↑↓でグラフの切り替え、Escで終了)"),
     QT_TRANSLATE_NOOP("Commands", "トレース")},
    {ID_VIEW_POINTS, QT_TRANSLATE_NOOP("Commands", "注目点(&P)"),
     QT_TRANSLATE_NOOP("Commands", "表示範囲の根・極値・交点を図に示して一覧にする"),
     QT_TRANSLATE_NOOP("Commands", "注目点")},
    {ID_WINDOW_NEW, QT_TRANSLATE_NOOP("Commands", "新しいウィンドウを開く(&N)"),
     QT_TRANSLATE_NOOP("Commands", "作業中のウィンドウを複写して表示"),
     QT_TRANSLATE_NOOP("Commands", "新規ウィンドウ")},
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("Commands", "重ねて表示(&C)"),
     QT_TRANSLATE_NOOP("Commands", "ウィンドウを重ねて表示"), QT_TRANSLATE_NOOP("Commands", "重ねて表示")},
    {ID_WINDOW_TILE_HORZ, QT_TRANSLATE_NOOP("Commands", "並べて表示(&T)"),
     QT_TRANSLATE_NOOP("Commands", "ウィンドウを並べて表示"), QT_TRANSLATE_NOOP("Commands", "並べて表示")},
    {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("Commands", "アイコンの整列(&A)"),
     QT_TRANSLATE_NOOP("Commands", "ウィンドウの下部にアイコンを整列"),
     QT_TRANSLATE_NOOP("Commands", "アイコンの整列")},
    {ID_NEXT_PANE, "", QT_TRANSLATE_NOOP("Commands", "次のウィンドウに切り替える"),
     QT_TRANSLATE_NOOP("Commands", "次のペイン")},
    {ID_PREV_PANE, "", QT_TRANSLATE_NOOP("Commands", "前のウィンドウに切り替える"),
     QT_TRANSLATE_NOOP("Commands", "前のペイン")},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "バージョン情報 Curvilinearscope(&A)..."),
     QT_TRANSLATE_NOOP("Commands", "プログラム情報、バージョン、著作権を表示します。"),
     QT_TRANSLATE_NOOP("Commands", "バージョン情報")},
    {ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("Commands", "ヘルプ"), QT_TRANSLATE_NOOP("Commands", "ヘルプ"), ""},
};

// Texts outside the table, listed so that the translation tools find them.
const char* const kUiTexts[] = {
    QT_TRANSLATE_NOOP("Ui", "ファイル(&F)"),
    QT_TRANSLATE_NOOP("Ui", "編集(&E)"),
    QT_TRANSLATE_NOOP("Ui", "表示(&V)"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウ(&W)"),
    QT_TRANSLATE_NOOP("Ui", "ヘルプ(&H)"),
    QT_TRANSLATE_NOOP("Ui", "言語(&L)"),
    QT_TRANSLATE_NOOP("Ui", "表示言語を選びます。"),
    QT_TRANSLATE_NOOP("Ui", "レディ"),
    QT_TRANSLATE_NOOP("Ui", "ツール バー"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウのサイズを変更"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウの位置を変更"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウを最小化する"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウを最大化する"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウを通常のサイズに戻す"),
    QT_TRANSLATE_NOOP("Ui", "作業中のウィンドウを閉じ、変更したファイルの保存を指示"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウをアクティブにする"),
};

}  // namespace

const CommandText* FindCommandText(int id) {
    for (const CommandText& entry : kCommands)
        if (entry.id == id) return &entry;
    return nullptr;
}

static QString Translated(const char* text) {
    return text && *text ? QCoreApplication::translate("Commands", text) : QString();
}

QString CommandMenuText(int id) {
    const CommandText* entry = FindCommandText(id);
    return entry ? Translated(entry->menu) : QString();
}

QString CommandPrompt(int id) {
    const CommandText* entry = FindCommandText(id);
    return entry ? Translated(entry->prompt) : QString();
}

QString CommandTip(int id) {
    const CommandText* entry = FindCommandText(id);
    return entry ? Translated(entry->tip) : QString();
}

QString UiText(const char* source) { return QCoreApplication::translate("Ui", source); }

QList<QPair<QString, QString>> TranslatableCommandTexts() {
    QList<QPair<QString, QString>> texts;
    for (const CommandText& entry : kCommands)
        for (const char* text : {entry.menu, entry.prompt, entry.tip})
            if (*text) texts.append({QStringLiteral("Commands"), QString::fromUtf8(text)});
    for (const char* text : kUiTexts) texts.append({QStringLiteral("Ui"), QString::fromUtf8(text)});
    return texts;
}
