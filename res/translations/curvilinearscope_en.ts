<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>バージョン情報 Curvilinearscope</source>
        <translation>About Curvilinearscope</translation>
    </message>
    <message>
        <source>Copyright (C) 2010-2026 Orvandel</source>
        <translation>Copyright (C) 2010-2026 Orvandel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAppDocument</name>
    <message>
        <source>%1 は既に存在します。
置き換えますか?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1 への変更を保存しますか?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>CCurvilinearscopeView</name>
    <message>
        <source>カーソル右に移動、またはZ軸右に回転
カーソル右に移動、またはZ軸右に回転</source>
        <translation>Move the cursor right, or turn right about the Z axis
Move the cursor right, or turn right about the Z axis</translation>
    </message>
    <message>
        <source>カーソル左に移動、またはZ軸左に回転
カーソル左に移動、またはZ軸左に回転</source>
        <translation>Move the cursor left, or turn left about the Z axis
Move the cursor left, or turn left about the Z axis</translation>
    </message>
    <message>
        <source>カーソル上に移動
カーソル上に移動</source>
        <translation>Move the cursor up
Move the cursor up</translation>
    </message>
    <message>
        <source>カーソル下に移動
カーソル下に移動</source>
        <translation>Move the cursor down
Move the cursor down</translation>
    </message>
    <message>
        <source>カーソル上に移動	(↑キー)</source>
        <translation>Move the cursor up	(Up key)</translation>
    </message>
    <message>
        <source>カーソル下に移動	(↓キー)</source>
        <translation>Move the cursor down	(Down key)</translation>
    </message>
    <message>
        <source>Z軸右に回転	(→キー)</source>
        <translation>Turn right about the Z axis	(Right key)</translation>
    </message>
    <message>
        <source>カーソル右に移動	(→キー)</source>
        <translation>Move the cursor right	(Right key)</translation>
    </message>
    <message>
        <source>Z軸左に回転	(←キー)</source>
        <translation>Turn left about the Z axis	(Left key)</translation>
    </message>
    <message>
        <source>カーソル左に移動	(←キー)</source>
        <translation>Move the cursor left	(Left key)</translation>
    </message>
</context>
<context>
    <name>CDlgSet</name>
    <message>
        <source>関数編集</source>
        <translation>Edit Functions</translation>
    </message>
    <message>
        <source>パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)</source>
        <translation>Parametric x=f(u,v), y=g(u,v), z=k(u,v)</translation>
    </message>
    <message>
        <source>パラメータ変数式 x=f(t), y=g(t), z=k(t)</source>
        <translation>Parametric x=f(t), y=g(t), z=k(t)</translation>
    </message>
    <message>
        <source>２次元</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>３次元</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>次元数選択</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>関数式</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>パラメータ変数式</source>
        <translation>Parametric</translation>
    </message>
    <message>
        <source>表示式選択</source>
        <translation>Kind of formula</translation>
    </message>
    <message>
        <source>表示しますか？</source>
        <translation>Show?</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source> 間隔</source>
        <translation> Step</translation>
    </message>
    <message>
        <source>開始値</source>
        <translation>From</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>To</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>座標範囲</source>
        <translation>Ranges</translation>
    </message>
    <message>
        <source>グラフ%1</source>
        <translation>Graph %1</translation>
    </message>
    <message>
        <source>グラフ%1の関数式の間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>Please set the step of graph %1&apos;s function (0.01-1.0) correctly.</translation>
    </message>
    <message>
        <source>グラフ%1の関数表示式に文法エラーがあります。</source>
        <translation>The function of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>グラフ%1のtの値開始＜終了値のように設定してください。</source>
        <translation>Please set t of graph %1 so that its start is less than its end.</translation>
    </message>
    <message>
        <source>グラフ%1のtの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>Please set the step of t of graph %1 (0.01-1.0) correctly.</translation>
    </message>
    <message>
        <source>グラフ%1のxのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>The parametric formula for x of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>グラフ%1のyのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>The parametric formula for y of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>グラフ%1のuの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>Please set the step of u of graph %1 (0.01-1.0) correctly.</translation>
    </message>
    <message>
        <source>グラフ%1のvの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>Please set the step of v of graph %1 (0.01-1.0) correctly.</translation>
    </message>
    <message>
        <source>グラフ%1のzのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>The parametric formula for z of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>グラフ%1のuの値開始＜終了値のように設定してください。</source>
        <translation>Please set u of graph %1 so that its start is less than its end.</translation>
    </message>
    <message>
        <source>グラフ%1のvの値開始＜終了値のように設定してください。</source>
        <translation>Please set v of graph %1 so that its start is less than its end.</translation>
    </message>
    <message>
        <source>陰関数</source>
        <translation>Implicit</translation>
    </message>
    <message>
        <source>極座標</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>グラフ%1の陰関数の式に文法エラーがあります。</source>
        <translation>The implicit equation of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>グラフ%1の陰関数の式には「=」を一つだけ書いてください。</source>
        <translation>Please write only one "=" in the implicit equation of graph %1.</translation>
    </message>
    <message>
        <source>グラフ%1の極座標の式に文法エラーがあります。</source>
        <translation>The polar formula of graph %1 has a syntax error.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size と --angle は --export と一緒に使います。</source>
        <translation>--size and --angle belong to --export.</translation>
    </message>
    <message>
        <source>--export には文書ファイルを一つだけ指定してください。</source>
        <translation>--export needs exactly one document file.</translation>
    </message>
    <message>
        <source>画像ファイルの拡張子は .png、.svg、.pdf のいずれかです: %1</source>
        <translation>The picture file must end in .png, .svg or .pdf: %1</translation>
    </message>
    <message>
        <source>--print には文書ファイルを一つだけ指定してください。</source>
        <translation>--print needs exactly one document file.</translation>
    </message>
    <message>
        <source>--size には %1 から %2 までのピクセル数 (整数) を指定してください。</source>
        <translation>--size needs a whole number of pixels from %1 to %2.</translation>
    </message>
    <message>
        <source>--angle にはラジアンの数値を指定してください。</source>
        <translation>--angle needs a number of radians.</translation>
    </message>
    <message>
        <source>--language には ja、zh、en のいずれかを指定してください: %1</source>
        <translation>--language needs ja, zh or en: %1</translation>
    </message>
    <message>
        <source>--print と --export は同時に指定できません。</source>
        <translation>--print and --export cannot be combined.</translation>
    </message>
    <message>
        <source>--3d、--range、--save は --graph と一緒に使います。</source>
        <translation>--3d, --range and --save belong to --graph.</translation>
    </message>
    <message>
        <source>--graph は新しい文書を作るので、ファイルは指定できません: %1</source>
        <translation>--graph makes a new document and takes no file: %1</translation>
    </message>
    <message>
        <source>--graph は %1 回まで指定できます。</source>
        <translation>--graph can be given at most %1 times.</translation>
    </message>
    <message>
        <source>--range には 5、10、20 のいずれかを指定してください。</source>
        <translation>--range needs 5, 10 or 20.</translation>
    </message>
    <message>
        <source>--save は --print や --export と同時に指定できません。</source>
        <translation>--save cannot be combined with --print or --export.</translation>
    </message>
    <message>
        <source>グラフに式がありません。</source>
        <translation>The graph has no formula.</translation>
    </message>
    <message>
        <source>式のあとに書けるのは "step H"、"t A..B step H"、"u A..B step H"、"v A..B step H" だけです。</source>
        <translation>After the formula come only "step H", "t A..B step H", "u A..B step H" and "v A..B step H".</translation>
    </message>
    <message>
        <source>等式の「=」は一つだけです。</source>
        <translation>An equation has only one "=".</translation>
    </message>
    <message>
        <source>媒介変数のグラフは、平面では "x = X; y = Y"、空間では "x = X; y = Y; z = Z" と書きます。</source>
        <translation>A parametric graph is "x = X; y = Y" in the plane and "x = X; y = Y; z = Z" in space.</translation>
    </message>
    <message>
        <source>サンプリング中</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>標準出力に書き込めませんでした。</source>
        <translation>Could not write to standard output.</translation>
    </message>
    <message>
    </message>
    <message>
        <source>--points には文書ファイルをちょうど一つ指定してください。</source>
        <translation>--points needs exactly one document file.</translation>
    </message>
    <message>
        <source>--points は --print とも --export とも一緒に使えません。</source>
        <translation>--points cannot be combined with --print or --export.</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>--view は --export、--print、--points のいずれかと一緒に使います。</source>
        <translation>--view belongs to --export, --print or --points.</translation>
    </message>
    <message>
        <source>--zoom と --tilt は --export か --print と一緒に使います。</source>
        <translation>--zoom and --tilt belong to --export or --print.</translation>
    </message>
    <message>
        <source>--zoom には %1 から %2 までの倍率を指定してください。</source>
        <translation>--zoom needs a factor from %1 to %2.</translation>
    </message>
    <message>
        <source>--tilt には 0 (横) から %1 (真上) までのラジアンの数値を指定してください。</source>
        <translation>--tilt needs a number of radians from 0 (side) to %1 (above).</translation>
    </message>
    <message>
        <source>--zoom と --tilt は3次元の図にだけ使えます: %1</source>
        <translation>--zoom and --tilt need a space picture: %1</translation>
    </message>
    <message>
        <source>使い方:
  curvilinearscope [FILE.crv...]
  curvilinearscope -p|--print [--view XMIN,XMAX,YMIN,YMAX]
                   [--zoom FACTOR] [--tilt RADIANS] FILE.crv
  curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS] [--angle RADIANS]
                   [--view XMIN,XMAX,YMIN,YMAX] [--zoom FACTOR] [--tilt RADIANS] FILE.crv
  curvilinearscope [--3d] [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]
                   [--export OUT [--size PIXELS] [--angle RADIANS] | --save OUT.crv | -p]
  curvilinearscope --points [--view XMIN,XMAX,YMIN,YMAX] FILE.crv
  curvilinearscope [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]
                   --points [--view XMIN,XMAX,YMIN,YMAX]
  curvilinearscope --help | --version

ファイルを指定しないと、新しい文書で起動します。--print はファイルを既定のプリンタで
印刷します。--export はウィンドウを開かずに、ファイルの図を一辺 PIXELS ピクセル
(既定 %1) の正方形の画像に書き出します。--angle は3次元の図を回します。--view は
平面の図の XMIN..XMAX、YMIN..YMAX の部分を、拡大したウィンドウと同じように示します。
--zoom は3次元の図を中心について拡大・縮小し (%2 から %3)、--tilt はそれを横 (0) から
真上 (%4) までの角度で、ウィンドウと同じように見せます。指定しないときは 1 と 0.785398 です。
--points は平面の図の陽関数のグラフについて、範囲内 (--view があればその部分) の根、
極小、極大、交点、y 切片を一つずつタブ区切りの行で出力します。
--language ja|zh|en で、その回だけ日本語・中国語・英語で表示します。
--graph は新しい文書を作ります (--3d: 3次元の図、--range: 軸の範囲)。そのグラフ n は
n 番目の FORMULA で、式を読むとおりに書きます: "y = x*x/4"、"y*y = x"、"r = 5*COS(3*t)"、
"x = 7*cos(t); y = 4*sin(t)"、"x*x+y*y = 25" (ほかの等式は陰関数)、"z = x*y/10"、
"x*x+y*y+z*z = 64"、または y = f (z = f) を表す f だけ。";" のあとの句: "step H"、
"t A..B step H"、"u A..B step H"、"v A..B step H"。--save は文書を保存します。
</source>
        <translation>Usage:
  curvilinearscope [FILE.crv...]
  curvilinearscope -p|--print [--view XMIN,XMAX,YMIN,YMAX]
                   [--zoom FACTOR] [--tilt RADIANS] FILE.crv
  curvilinearscope --export OUT.png|OUT.svg|OUT.pdf [--size PIXELS] [--angle RADIANS]
                   [--view XMIN,XMAX,YMIN,YMAX] [--zoom FACTOR] [--tilt RADIANS] FILE.crv
  curvilinearscope [--3d] [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]
                   [--export OUT [--size PIXELS] [--angle RADIANS] | --save OUT.crv | -p]
  curvilinearscope --points [--view XMIN,XMAX,YMIN,YMAX] FILE.crv
  curvilinearscope [--range 5|10|20] --graph FORMULA [--graph FORMULA [--graph FORMULA]]
                   --points [--view XMIN,XMAX,YMIN,YMAX]
  curvilinearscope --help | --version

Without a file the program starts with a new document. --print prints the file on the
default printer. --export writes the picture of the file as a square image of PIXELS
(default %1) without opening a window; --angle turns a space picture. --view shows the part
XMIN..XMAX, YMIN..YMAX of a plane picture, as a zoomed window does.
--zoom scales a space picture about its centre (%2 to %3) and --tilt sees it from the
side (0) to above (%4), as a window shows it; without them, 1 and 0.785398.
--points prints the roots, minima, maxima, intersections and y-intercepts of the
explicit graphs of a 2D picture in its range (or in --view), one tab-separated line each.
--language ja|zh|en shows the program in Japanese, Chinese or English for this run.
--graph makes a new document (--3d: a space picture; --range: its axes) whose graph n
is the n-th FORMULA, written as the formula reads: "y = x*x/4", "y*y = x", "r = 5*COS(3*t)",
"x = 7*cos(t); y = 4*sin(t)", "x*x+y*y = 25" (any other equation is implicit), "z = x*y/10",
"x*x+y*y+z*z = 64", or a bare f meaning y = f (z = f); clauses after ";": "step H",
"t A..B step H", "u A..B step H", "v A..B step H". --save writes the document.
</translation>
    </message>
    <message>
        <source>--view には XMIN &lt; XMAX、YMIN &lt; YMAX となる四つの数 XMIN,XMAX,YMIN,YMAX を指定してください。</source>
        <translation>--view needs four numbers XMIN,XMAX,YMIN,YMAX with XMIN &lt; XMAX and YMIN &lt; YMAX.</translation>
    </message>
    <message>
        <source>--view は平面の図にだけ使えます。この図は3次元の図です。</source>
        <translation>--view belongs to a plane picture; this is a space picture.</translation>
    </message>
    <message>
        <source>--view: 範囲 %4 では、各辺の幅を %1 から %2 まで、中心を 0 から %3 以内にしてください。</source>
        <translation>--view: each side must be from %1 to %2 wide and centred within %3 of 0 for a range of %4.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>新規作成	Ctrl+N(&amp;N)</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>開く...	Ctrl+O(&amp;O)</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>上書き保存	Ctrl+S(&amp;S)</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>エクスポート...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>印刷...	Ctrl+P(&amp;P)</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>アプリケーションの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>関数編集	Ctrl+M(&amp;M)</source>
        <translation>Edit &amp;Functions	Ctrl+M</translation>
    </message>
    <message>
        <source>ツール バー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>新しいウィンドウを開く(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>アイコンの整列(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>バージョン情報 Curvilinearscope(&amp;A)...</source>
        <translation>&amp;About Curvilinearscope...</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>新規にファイルを作成</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>既存のファイルを開く</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>作業中のファイルを閉じる</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>作業中のファイルを上書きして保存</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>作業中のファイルを新しい名前で保存</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>図を画像 (PNG, SVG, PDF) に書き出す</source>
        <translation>Export the picture as an image (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>作業中のファイルを印刷</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>印刷イメージを表示</source>
        <translation>Display the full pages as printed</translation>
    </message>
    <message>
        <source>プリンタおよび印刷オプションの変更</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>指定のファイルを開く</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>アプリケーションを終了し、ファイルの保存を指示\終了</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <source>関数作成また編集</source>
        <translation>Create or edit the functions</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってクリップボードに保存</source>
        <translation>Cut the selection and put it on the Clipboard</translation>
    </message>
    <message>
        <source>選択範囲をコピーしてクリップボードに保存</source>
        <translation>Copy the selection and put it on the Clipboard</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付け</source>
        <translation>Insert Clipboard contents</translation>
    </message>
    <message>
        <source>ツール バーの 表示/非表示</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ステータス バーの 表示/非表示</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>作業中のウィンドウを複写して表示</source>
        <translation>Open another window for the active document</translation>
    </message>
    <message>
        <source>ウィンドウを重ねて表示</source>
        <translation>Arrange windows so they overlap</translation>
    </message>
    <message>
        <source>ウィンドウを並べて表示</source>
        <translation>Arrange windows as non-overlapping tiles</translation>
    </message>
    <message>
        <source>ウィンドウの下部にアイコンを整列</source>
        <translation>Arrange icons at the bottom of the window</translation>
    </message>
    <message>
        <source>次のウィンドウに切り替える</source>
        <translation>Switch to the next window pane</translation>
    </message>
    <message>
        <source>前のウィンドウに切り替える</source>
        <translation>Switch back to the previous window pane</translation>
    </message>
    <message>
        <source>プログラム情報、バージョン、著作権を表示します。</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <source>新規ファイル</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>印刷設定</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ツール バーの表示切り替え</source>
        <translation>Toggle Toolbar</translation>
    </message>
    <message>
        <source>ステータス バーの表示切り替え</source>
        <translation>Toggle Status Bar</translation>
    </message>
    <message>
        <source>新規ウィンドウ</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>重ねて表示</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>並べて表示</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>アイコンの整列</source>
        <translation>Arrange Icons</translation>
    </message>
    <message>
        <source>次のペイン</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>前のペイン</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>コピー	Ctrl+C(&amp;C)</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>拡大	Ctrl++(&amp;I)</source>
        <translation>Zoom &amp;In	Ctrl++</translation>
    </message>
    <message>
        <source>図を中央を中心に拡大 (Ctrl+ホイールでポインタを中心に、右ドラッグで囲んだ範囲を拡大)</source>
        <translation>Zoom in about the centre of the picture (Ctrl+wheel zooms about the pointer, a right drag into its rectangle)</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小	Ctrl+-(&amp;O)</source>
        <translation>Zoom &amp;Out	Ctrl+-</translation>
    </message>
    <message>
        <source>図を中央を中心に縮小 (左ドラッグで図を移動)</source>
        <translation>Zoom out about the centre of the picture (a left drag moves the picture)</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>元の表示	Ctrl+0(&amp;H)</source>
        <translation>&amp;Home View	Ctrl+0</translation>
    </message>
    <message>
        <source>図を文書の範囲の表示に戻す (Home キーでも)</source>
        <translation>Show the document&apos;s own range again (also the Home key)</translation>
    </message>
    <message>
        <source>元の表示</source>
        <translation>Home View</translation>
    </message>
    <message>
        <source>トレース	T(&amp;R)</source>
        <translation>Trace	T(&amp;R)</translation>
    </message>
    <message>
        <source>グラフ上の点を読む (曲線の近くをクリックしても。←→で移動、↑↓でグラフの切り替え、Escで終了)</source>
        <translation>Read points on a graph (or click near a curve; Left/Right move, Up/Down switch graphs, Esc ends)</translation>
    </message>
    <message>
        <source>トレース</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>注目点(&amp;P)</source>
        <translation>Points of interest(&amp;P)</translation>
    </message>
    <message>
        <source>表示範囲の根・極値・交点を図に示して一覧にする</source>
        <translation>Mark and list the roots, extrema and intersections in the window</translation>
    </message>
    <message>
        <source>注目点</source>
        <translation>Points of interest</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>%1 から %2 までの数値を入力してください。</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>数値を入力してください。</source>
        <translation>Please enter a number.</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>ファイルバージョン1.0ではないので、ファイルを開くことができません。</source>
        <translation>The file is not of file version 1.0, so it cannot be opened.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>予期しないファイル形式です。</source>
        <translation>Unexpected file format.</translation>
    </message>
    <message>
        <source>ドキュメントを開けませんでした。</source>
        <translation>Failed to open document.</translation>
    </message>
    <message>
        <source>ドキュメントを保存できませんでした。</source>
        <translation>Failed to save document.</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Curvilinearscope ファイル (*.crv)</source>
        <translation>Curvilinearscope Files (*.crv)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプが見つかりません。次の場所を探しました:</source>
        <translation>The manual was not found. These places were looked at:</translation>
    </message>
    <message>
        <source>ヘルプを開くプログラムが見つかりません。次のファイルを Web ブラウザで開いてください:</source>
        <translation>No program was found to open the help. Please open this file in a web browser:</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>ファイルを書き込めません: %1 (%2)</source>
        <translation>Cannot write the file: %1 (%2)</translation>
    </message>
    <message>
        <source>エクスポートの形式が分かりません: %1 (拡張子は .png、.svg、.pdf のいずれか)</source>
        <translation>Unknown export format: %1 (the extension must be .png, .svg or .pdf)</translation>
    </message>
    <message>
        <source>画像の大きさ %1 は範囲外です (%2 から %3 ピクセル)</source>
        <translation>The image size %1 is out of range (%2 to %3 pixels)</translation>
    </message>
</context>
<context>
    <name>PointsCommand</name>
    <message>
        <source>%1 は３次元の図です。--points は２次元の図にだけ使えます。</source>
        <translation>%1 is a 3D picture: --points works on 2D pictures only.</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <source>プリンタがインストールされていません。</source>
        <translation>No printer is installed.</translation>
    </message>
</context>
<context>
    <name>SampleProgress</name>
    <message>
        <source>グラフを計算しています...</source>
        <translation>Calculating the graphs...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>関数編集</source>
        <translation>Edit Functions</translation>
    </message>
    <message>
        <source>メモリが不足しているため、グラフを計算できません。</source>
        <translation>There is not enough memory to calculate the graphs.</translation>
    </message>
</context>
<context>
    <name>Ui</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ウィンドウ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>レディ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>ツール バー</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>ウィンドウのサイズを変更</source>
        <translation>Change the window size</translation>
    </message>
    <message>
        <source>ウィンドウの位置を変更</source>
        <translation>Change the window position</translation>
    </message>
    <message>
        <source>ウィンドウを最小化する</source>
        <translation>Reduce the window to an icon</translation>
    </message>
    <message>
        <source>ウィンドウを最大化する</source>
        <translation>Enlarge the window to full size</translation>
    </message>
    <message>
        <source>ウィンドウを通常のサイズに戻す</source>
        <translation>Restore the window to normal size</translation>
    </message>
    <message>
        <source>作業中のウィンドウを閉じ、変更したファイルの保存を指示</source>
        <translation>Close the active window and prompt to save the documents</translation>
    </message>
    <message>
        <source>ウィンドウをアクティブにする</source>
        <translation>Activate this window</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>表示言語を選びます。</source>
        <translation>Choose the display language.</translation>
    </message>
</context>
<context>
    <name>CTraceMarker</name>
    <message>
        <source>グラフ %1  x = %2  y = %3</source>
        <translation>Graph %1  x = %2  y = %3</translation>
    </message>
    <message>
        <source>グラフ %1  t = %2  x = %3  y = %4</source>
        <translation>Graph %1  t = %2  x = %3  y = %4</translation>
    </message>
</context>
<context>
    <name>CPointsPanel</name>
    <message>
        <source>根</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>極小</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>極大</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>Intersection</translation>
    </message>
    <message>
        <source>y切片</source>
        <translation>y-intercept</translation>
    </message>
    <message>
        <source>注目点</source>
        <translation>Points of interest</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>テキストとしてコピー</source>
        <translation>Copy as text</translation>
    </message>
</context>
</TS>
