#include "app/CommandTexts.h"

#include <QCoreApplication>
#include <iterator>

#include "app/Commands.h"

#define T(text) QT_TRANSLATE_NOOP("Commands", text)

namespace {

const CommandText kCommands[] = {
    {ID_FILE_NEW, T("新規作成\tCtrl+N(&N)"), T("新規にファイルを作成"), T("新規ファイル")},
    {ID_FILE_OPEN, T("開く...\tCtrl+O(&O)"), T("既存のファイルを開く"), T("開く")},
    {ID_FILE_CLOSE, T("閉じる(&C)"), T("作業中のファイルを閉じる"), T("閉じる")},
    {ID_FILE_SAVE, T("上書き保存\tCtrl+S(&S)"), T("作業中のファイルを上書きして保存"), T("保存")},
    {ID_FILE_SAVE_AS, T("名前を付けて保存(&A)..."), T("作業中のファイルを新しい名前で保存"), T("名前をつけて保存")},
    {ID_FILE_EXPORT, T("エクスポート..."), T("図を画像 (PNG, SVG, PDF) に書き出す"), T("エクスポート")},
    {ID_FILE_PRINT, T("印刷...\tCtrl+P(&P)"), T("作業中のファイルを印刷"), T("印刷")},
    {ID_FILE_PRINT_PREVIEW, T("印刷プレビュー(&V)"), T("印刷イメージを表示"), T("印刷プレビュー")},
    {ID_FILE_PRINT_SETUP, T("プリンタの設定(&R)..."), T("プリンタおよび印刷オプションの変更"), T("印刷設定")},
    {ID_FILE_MRU_FILE1, T("最近使ったファイル"), T("指定のファイルを開く"), ""},
    {ID_APP_EXIT, T("アプリケーションの終了(&X)"), T("アプリケーションを終了し、ファイルの保存を指示\\終了"), ""},
    {ID_EDIT_FUNCTION, T("関数編集\tCtrl+M(&M)"), T("関数作成また編集"), T("関数作成また編集")},
    {ID_EDIT_UNDO, "", T("直前に行った動作を元に戻す"), T("元に戻す")},
    {ID_EDIT_CUT, "", T("選択範囲を切り取ってクリップボードに保存"), T("切り取り")},
    {ID_EDIT_COPY, "", T("選択範囲をコピーしてクリップボードに保存"), T("保存")},
    {ID_EDIT_PASTE, "", T("クリップボードの内容を貼り付け"), T("貼り付け")},
    {ID_VIEW_TOOLBAR, T("ツール バー(&T)"), T("ツール バーの 表示/非表示"), T("ツール バーの表示切り替え")},
    {ID_VIEW_STATUS_BAR, T("ステータス バー(&S)"), T("ステータス バーの 表示/非表示"),
     T("ステータス バーの表示切り替え")},
    {ID_WINDOW_NEW, T("新しいウィンドウを開く(&N)"), T("作業中のウィンドウを複写して表示"), T("新規ウィンドウ")},
    {ID_WINDOW_CASCADE, T("重ねて表示(&C)"), T("ウィンドウを重ねて表示"), T("重ねて表示")},
    {ID_WINDOW_TILE_HORZ, T("並べて表示(&T)"), T("ウィンドウを並べて表示"), T("並べて表示")},
    {ID_WINDOW_ARRANGE, T("アイコンの整列(&A)"), T("ウィンドウの下部にアイコンを整列"), T("アイコンの整列")},
    {ID_NEXT_PANE, "", T("次のウィンドウに切り替える"), T("次のペイン")},
    {ID_PREV_PANE, "", T("前のウィンドウに切り替える"), T("前のペイン")},
    {ID_APP_ABOUT, T("バージョン情報 Curvilinearscope(&A)..."), T("プログラム情報、バージョン、著作権を表示します。"),
     T("バージョン情報")},
    {ID_HELP_CONTENTS, T("ヘルプ"), T("ヘルプ"), ""},
};

// Texts outside the table, listed so that the translation tools find them.
const char* const kUiTexts[] = {
    QT_TRANSLATE_NOOP("Ui", "ファイル(&F)"),
    QT_TRANSLATE_NOOP("Ui", "編集(&E)"),
    QT_TRANSLATE_NOOP("Ui", "表示(&V)"),
    QT_TRANSLATE_NOOP("Ui", "ウィンドウ(&W)"),
    QT_TRANSLATE_NOOP("Ui", "ヘルプ(&H)"),
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
