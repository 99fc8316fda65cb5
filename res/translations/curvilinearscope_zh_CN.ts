<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>バージョン情報 Curvilinearscope</source>
        <translation>关于 Curvilinearscope</translation>
    </message>
    <message>
        <source>Copyright (C) 2010-2026 Orvandel</source>
        <translation>版权所有 (C) 2010-2026 Orvandel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CAppDocument</name>
    <message>
        <source>%1 は既に存在します。
置き換えますか?</source>
        <translation>%1 已存在。
要替换它吗?</translation>
    </message>
    <message>
        <source>%1 への変更を保存しますか?</source>
        <translation>是否保存对 %1 的更改?</translation>
    </message>
</context>
<context>
    <name>CCurvilinearscopeView</name>
    <message>
        <source>カーソル右に移動、またはZ軸右に回転
カーソル右に移動、またはZ軸右に回転</source>
        <translation>光标右移，或绕Z轴右转
光标右移，或绕Z轴右转</translation>
    </message>
    <message>
        <source>カーソル左に移動、またはZ軸左に回転
カーソル左に移動、またはZ軸左に回転</source>
        <translation>光标左移，或绕Z轴左转
光标左移，或绕Z轴左转</translation>
    </message>
    <message>
        <source>カーソル上に移動
カーソル上に移動</source>
        <translation>光标上移
光标上移</translation>
    </message>
    <message>
        <source>カーソル下に移動
カーソル下に移動</source>
        <translation>光标下移
光标下移</translation>
    </message>
    <message>
        <source>カーソル上に移動	(↑キー)</source>
        <translation>光标上移	(↑键)</translation>
    </message>
    <message>
        <source>カーソル下に移動	(↓キー)</source>
        <translation>光标下移	(↓键)</translation>
    </message>
    <message>
        <source>Z軸右に回転	(→キー)</source>
        <translation>绕Z轴右转	(→键)</translation>
    </message>
    <message>
        <source>カーソル右に移動	(→キー)</source>
        <translation>光标右移	(→键)</translation>
    </message>
    <message>
        <source>Z軸左に回転	(←キー)</source>
        <translation>绕Z轴左转	(←键)</translation>
    </message>
    <message>
        <source>カーソル左に移動	(←キー)</source>
        <translation>光标左移	(←键)</translation>
    </message>
</context>
<context>
    <name>CDlgSet</name>
    <message>
        <source>関数編集</source>
        <translation>函数编辑</translation>
    </message>
    <message>
        <source>パラメータ変数式 x=f(u,v), y=g(u,v), z=k(u,v)</source>
        <translation>参数方程式 x=f(u,v), y=g(u,v), z=k(u,v)</translation>
    </message>
    <message>
        <source>パラメータ変数式 x=f(t), y=g(t), z=k(t)</source>
        <translation>参数方程式 x=f(t), y=g(t), z=k(t)</translation>
    </message>
    <message>
        <source>２次元</source>
        <translation>二维</translation>
    </message>
    <message>
        <source>３次元</source>
        <translation>三维</translation>
    </message>
    <message>
        <source>次元数選択</source>
        <translation>维数选择</translation>
    </message>
    <message>
        <source>関数式</source>
        <translation>函数式</translation>
    </message>
    <message>
        <source>パラメータ変数式</source>
        <translation>参数方程式</translation>
    </message>
    <message>
        <source>表示式選択</source>
        <translation>表达式选择</translation>
    </message>
    <message>
        <source>表示しますか？</source>
        <translation>是否显示？</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>显示</translation>
    </message>
    <message>
        <source> 間隔</source>
        <translation> 间隔</translation>
    </message>
    <message>
        <source>開始値</source>
        <translation>起始值</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>终止值</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>座標範囲</source>
        <translation>坐标范围</translation>
    </message>
    <message>
        <source>グラフ%1</source>
        <translation>图形%1</translation>
    </message>
    <message>
        <source>グラフ%1の関数式の間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>请正确设置图形%1的函数式的间隔值(0.01-1.0)。</translation>
    </message>
    <message>
        <source>グラフ%1の関数表示式に文法エラーがあります。</source>
        <translation>图形%1的函数表达式有语法错误。</translation>
    </message>
    <message>
        <source>グラフ%1のtの値開始＜終了値のように設定してください。</source>
        <translation>请将图形%1的t值设置为起始值＜终止值。</translation>
    </message>
    <message>
        <source>グラフ%1のtの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>请正确设置图形%1的t的间隔值(0.01-1.0)。</translation>
    </message>
    <message>
        <source>グラフ%1のxのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>图形%1的x的参数方程式有语法错误。</translation>
    </message>
    <message>
        <source>グラフ%1のyのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>图形%1的y的参数方程式有语法错误。</translation>
    </message>
    <message>
        <source>グラフ%1のuの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>请正确设置图形%1的u的间隔值(0.01-1.0)。</translation>
    </message>
    <message>
        <source>グラフ%1のvの間隔値(0.01-1.0)を正しく設定してください。</source>
        <translation>请正确设置图形%1的v的间隔值(0.01-1.0)。</translation>
    </message>
    <message>
        <source>グラフ%1のzのためのパラメータ変数式に文法エラーがあります。</source>
        <translation>图形%1的z的参数方程式有语法错误。</translation>
    </message>
    <message>
        <source>グラフ%1のuの値開始＜終了値のように設定してください。</source>
        <translation>请将图形%1的u值设置为起始值＜终止值。</translation>
    </message>
    <message>
        <source>グラフ%1のvの値開始＜終了値のように設定してください。</source>
        <translation>请将图形%1的v值设置为起始值＜终止值。</translation>
    </message>
    <message>
        <source>陰関数</source>
        <translation>隐函数</translation>
    </message>
    <message>
        <source>極座標</source>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>グラフ%1の陰関数の式に文法エラーがあります。</source>
        <translation>图形%1的隐函数式有语法错误。</translation>
    </message>
    <message>
        <source>グラフ%1の陰関数の式には「=」を一つだけ書いてください。</source>
        <translation>请在图形%1的隐函数式中只写一个“=”。</translation>
    </message>
    <message>
        <source>グラフ%1の極座標の式に文法エラーがあります。</source>
        <translation>图形%1的极坐标式有语法错误。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size と --angle は --export と一緒に使います。</source>
        <translation>--size 和 --angle 只能与 --export 一起使用。</translation>
    </message>
    <message>
        <source>--export には文書ファイルを一つだけ指定してください。</source>
        <translation>--export 需要且只需要一个文档文件。</translation>
    </message>
    <message>
        <source>画像ファイルの拡張子は .png、.svg、.pdf のいずれかです: %1</source>
        <translation>图像文件的扩展名必须是 .png、.svg 或 .pdf：%1</translation>
    </message>
    <message>
        <source>--print には文書ファイルを一つだけ指定してください。</source>
        <translation>--print 需要且只需要一个文档文件。</translation>
    </message>
    <message>
        <source>--size には %1 から %2 までのピクセル数 (整数) を指定してください。</source>
        <translation>--size 需要 %1 到 %2 之间的整数像素值。</translation>
    </message>
    <message>
        <source>--angle にはラジアンの数値を指定してください。</source>
        <translation>--angle 需要一个弧度值。</translation>
    </message>
    <message>
        <source>--language には ja、zh、en のいずれかを指定してください: %1</source>
        <translation>--language 需要 ja、zh 或 en：%1</translation>
    </message>
    <message>
        <source>--print と --export は同時に指定できません。</source>
        <translation>--print 和 --export 不能同时使用。</translation>
    </message>
    <message>
        <source>--3d、--range、--save は --graph と一緒に使います。</source>
        <translation>--3d、--range 和 --save 只能与 --graph 一起使用。</translation>
    </message>
    <message>
        <source>--graph は新しい文書を作るので、ファイルは指定できません: %1</source>
        <translation>--graph 新建文档，不接受文件：%1</translation>
    </message>
    <message>
        <source>--graph は %1 回まで指定できます。</source>
        <translation>--graph 最多只能指定 %1 次。</translation>
    </message>
    <message>
        <source>--range には 5、10、20 のいずれかを指定してください。</source>
        <translation>--range 需要 5、10 或 20。</translation>
    </message>
    <message>
        <source>--save は --print や --export と同時に指定できません。</source>
        <translation>--save 不能与 --print 或 --export 同时使用。</translation>
    </message>
    <message>
        <source>グラフに式がありません。</source>
        <translation>该图形没有公式。</translation>
    </message>
    <message>
        <source>式のあとに書けるのは "step H"、"t A..B step H"、"u A..B step H"、"v A..B step H" だけです。</source>
        <translation>公式之后只能有 "step H"、"t A..B step H"、"u A..B step H" 和 "v A..B step H"。</translation>
    </message>
    <message>
        <source>等式の「=」は一つだけです。</source>
        <translation>一个方程只能有一个 "="。</translation>
    </message>
    <message>
        <source>媒介変数のグラフは、平面では "x = X; y = Y"、空間では "x = X; y = Y; z = Z" と書きます。</source>
        <translation>参数图形在平面中写作 "x = X; y = Y"，在空间中写作 "x = X; y = Y; z = Z"。</translation>
    </message>
    <message>
        <source>サンプリング中</source>
        <translation>正在采样</translation>
    </message>
    <message>
        <source>標準出力に書き込めませんでした。</source>
        <translation>无法写入标准输出。</translation>
    </message>
    <message>
    </message>
    <message>
        <source>--points には文書ファイルをちょうど一つ指定してください。</source>
        <translation>--points 需要且只需要一个文档文件。</translation>
    </message>
    <message>
        <source>--points は --print とも --export とも一緒に使えません。</source>
        <translation>--points 不能与 --print 或 --export 一起使用。</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>--view は --export、--print、--points のいずれかと一緒に使います。</source>
        <translation>--view 只用于 --export、--print 或 --points。</translation>
    </message>
    <message>
        <source>--zoom と --tilt は --export か --print と一緒に使います。</source>
        <translation>--zoom 和 --tilt 只能与 --export 或 --print 一起使用。</translation>
    </message>
    <message>
        <source>--zoom には %1 から %2 までの倍率を指定してください。</source>
        <translation>--zoom 需要 %1 到 %2 之间的倍数。</translation>
    </message>
    <message>
        <source>--tilt には 0 (横) から %1 (真上) までのラジアンの数値を指定してください。</source>
        <translation>--tilt 需要 0 (侧面) 到 %1 (上方) 之间的弧度值。</translation>
    </message>
    <message>
        <source>--zoom と --tilt は3次元の図にだけ使えます: %1</source>
        <translation>--zoom 和 --tilt 只适用于空间图形：%1</translation>
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
        <translation>用法：
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

不指定文件时，程序以新文档启动。--print 在默认打印机上打印该文件。
--export 不打开窗口，把文件的图形写成边长为 PIXELS 的正方形图像
(默认 %1)；--angle 旋转空间图形。--view 显示平面图形中 XMIN..XMAX、YMIN..YMAX
的部分，如同放大后的窗口。
--zoom 以中心缩放空间图形 (%2 到 %3)，--tilt 从侧面 (0) 到上方 (%4) 倾斜视角，
与窗口中的显示相同；不指定时为 1 和 0.785398。
--points 输出二维图形在其范围内（有 --view 时为该部分）各显式图形的根、极小值、极大值、
交点和 y 轴截距，每个点一行，以制表符分隔。
--language ja|zh|en 仅为本次运行以日语、中文或英语显示程序。
--graph 新建文档（--3d：空间图形；--range：坐标范围），其第 n 个图形为第 n 个 FORMULA，
按公式的写法书写："y = x*x/4"、"y*y = x"、"r = 5*COS(3*t)"、
"x = 7*cos(t); y = 4*sin(t)"、"x*x+y*y = 25"（其他方程均为隐函数）、"z = x*y/10"、
"x*x+y*y+z*z = 64"，或只写 f 表示 y = f（z = f）；";" 之后的子句："step H"、
"t A..B step H"、"u A..B step H"、"v A..B step H"。--save 保存该文档。
</translation>
    </message>
    <message>
        <source>--view には XMIN &lt; XMAX、YMIN &lt; YMAX となる四つの数 XMIN,XMAX,YMIN,YMAX を指定してください。</source>
        <translation>--view 需要四个数 XMIN,XMAX,YMIN,YMAX，且 XMIN &lt; XMAX、YMIN &lt; YMAX。</translation>
    </message>
    <message>
        <source>--view は平面の図にだけ使えます。この図は3次元の図です。</source>
        <translation>--view 只用于平面图形；此文件是空间图形。</translation>
    </message>
    <message>
        <source>--view: 範囲 %4 では、各辺の幅を %1 から %2 まで、中心を 0 から %3 以内にしてください。</source>
        <translation>--view：范围为 %4 时，每一边的宽度须在 %1 到 %2 之间，且中心与 0 的距离不超过 %3。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>新規作成	Ctrl+N(&amp;N)</source>
        <translation>新建	Ctrl+N(&amp;N)</translation>
    </message>
    <message>
        <source>開く...	Ctrl+O(&amp;O)</source>
        <translation>打开...	Ctrl+O(&amp;O)</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>上書き保存	Ctrl+S(&amp;S)</source>
        <translation>保存	Ctrl+S(&amp;S)</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>エクスポート...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>印刷...	Ctrl+P(&amp;P)</source>
        <translation>打印...	Ctrl+P(&amp;P)</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;R)...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>最近使用的文件</translation>
    </message>
    <message>
        <source>アプリケーションの終了(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>関数編集	Ctrl+M(&amp;M)</source>
        <translation>函数编辑	Ctrl+M(&amp;M)</translation>
    </message>
    <message>
        <source>ツール バー(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>新しいウィンドウを開く(&amp;N)</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>アイコンの整列(&amp;A)</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>バージョン情報 Curvilinearscope(&amp;A)...</source>
        <translation>关于 Curvilinearscope(&amp;A)...</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>新規にファイルを作成</source>
        <translation>创建新文件</translation>
    </message>
    <message>
        <source>既存のファイルを開く</source>
        <translation>打开现有文件</translation>
    </message>
    <message>
        <source>作業中のファイルを閉じる</source>
        <translation>关闭当前文件</translation>
    </message>
    <message>
        <source>作業中のファイルを上書きして保存</source>
        <translation>保存当前文件</translation>
    </message>
    <message>
        <source>作業中のファイルを新しい名前で保存</source>
        <translation>以新名称保存当前文件</translation>
    </message>
    <message>
        <source>図を画像 (PNG, SVG, PDF) に書き出す</source>
        <translation>将图形导出为图像 (PNG, SVG, PDF)</translation>
    </message>
    <message>
        <source>作業中のファイルを印刷</source>
        <translation>打印当前文件</translation>
    </message>
    <message>
        <source>印刷イメージを表示</source>
        <translation>显示打印预览</translation>
    </message>
    <message>
        <source>プリンタおよび印刷オプションの変更</source>
        <translation>更改打印机和打印选项</translation>
    </message>
    <message>
        <source>指定のファイルを開く</source>
        <translation>打开此文件</translation>
    </message>
    <message>
        <source>アプリケーションを終了し、ファイルの保存を指示\終了</source>
        <translation>退出应用程序并提示保存文件</translation>
    </message>
    <message>
        <source>関数作成また編集</source>
        <translation>创建或编辑函数</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す</source>
        <translation>撤消上一步操作</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってクリップボードに保存</source>
        <translation>剪切所选内容并放到剪贴板上</translation>
    </message>
    <message>
        <source>選択範囲をコピーしてクリップボードに保存</source>
        <translation>复制所选内容并放到剪贴板上</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付け</source>
        <translation>粘贴剪贴板内容</translation>
    </message>
    <message>
        <source>ツール バーの 表示/非表示</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>ステータス バーの 表示/非表示</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>作業中のウィンドウを複写して表示</source>
        <translation>为当前文档打开另一个窗口</translation>
    </message>
    <message>
        <source>ウィンドウを重ねて表示</source>
        <translation>层叠窗口</translation>
    </message>
    <message>
        <source>ウィンドウを並べて表示</source>
        <translation>平铺窗口</translation>
    </message>
    <message>
        <source>ウィンドウの下部にアイコンを整列</source>
        <translation>在窗口底部排列图标</translation>
    </message>
    <message>
        <source>次のウィンドウに切り替える</source>
        <translation>切换到下一个窗口</translation>
    </message>
    <message>
        <source>前のウィンドウに切り替える</source>
        <translation>切换到上一个窗口</translation>
    </message>
    <message>
        <source>プログラム情報、バージョン、著作権を表示します。</source>
        <translation>显示程序信息、版本号和版权。</translation>
    </message>
    <message>
        <source>新規ファイル</source>
        <translation>新建文件</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>名前をつけて保存</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>印刷設定</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>撤消</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>ツール バーの表示切り替え</source>
        <translation>切换工具栏</translation>
    </message>
    <message>
        <source>ステータス バーの表示切り替え</source>
        <translation>切换状态栏</translation>
    </message>
    <message>
        <source>新規ウィンドウ</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>重ねて表示</source>
        <translation>层叠</translation>
    </message>
    <message>
        <source>並べて表示</source>
        <translation>平铺</translation>
    </message>
    <message>
        <source>アイコンの整列</source>
        <translation>排列图标</translation>
    </message>
    <message>
        <source>次のペイン</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>前のペイン</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>コピー	Ctrl+C(&amp;C)</source>
        <translation>复制	Ctrl+C(&amp;C)</translation>
    </message>
    <message>
        <source>拡大	Ctrl++(&amp;I)</source>
        <translation>放大	Ctrl++(&amp;I)</translation>
    </message>
    <message>
        <source>図を中央を中心に拡大 (Ctrl+ホイールでポインタを中心に、右ドラッグで囲んだ範囲を拡大)</source>
        <translation>以图的中心放大（Ctrl+滚轮以指针为中心放大，右键拖动放大所框的范围）</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>縮小	Ctrl+-(&amp;O)</source>
        <translation>缩小	Ctrl+-(&amp;O)</translation>
    </message>
    <message>
        <source>図を中央を中心に縮小 (左ドラッグで図を移動)</source>
        <translation>以图的中心缩小（左键拖动移动图）</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>元の表示	Ctrl+0(&amp;H)</source>
        <translation>原始视图	Ctrl+0(&amp;H)</translation>
    </message>
    <message>
        <source>図を文書の範囲の表示に戻す (Home キーでも)</source>
        <translation>恢复文档自身范围的显示（也可按 Home 键）</translation>
    </message>
    <message>
        <source>元の表示</source>
        <translation>原始视图</translation>
    </message>
    <message>
        <source>トレース	T(&amp;R)</source>
        <translation>跟踪	T(&amp;R)</translation>
    </message>
    <message>
        <source>グラフ上の点を読む (曲線の近くをクリックしても。←→で移動、↑↓でグラフの切り替え、Escで終了)</source>
        <translation>读取图形上的点 (也可在曲线附近单击;←→移动,↑↓切换图形,Esc 结束)</translation>
    </message>
    <message>
        <source>トレース</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>注目点(&amp;P)</source>
        <translation>关注点(&amp;P)</translation>
    </message>
    <message>
        <source>表示範囲の根・極値・交点を図に示して一覧にする</source>
        <translation>在图中标出并列出显示范围内的根、极值和交点</translation>
    </message>
    <message>
        <source>注目点</source>
        <translation>关注点</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>%1 から %2 までの数値を入力してください。</source>
        <translation>请输入 %1 到 %2 之间的数字。</translation>
    </message>
    <message>
        <source>数値を入力してください。</source>
        <translation>请输入数字。</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>ファイルバージョン1.0ではないので、ファイルを開くことができません。</source>
        <translation>文件版本不是1.0，无法打开文件。</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>予期しないファイル形式です。</source>
        <translation>文件格式不正确。</translation>
    </message>
    <message>
        <source>ドキュメントを開けませんでした。</source>
        <translation>无法打开文档。</translation>
    </message>
    <message>
        <source>ドキュメントを保存できませんでした。</source>
        <translation>保存文档失败。</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Curvilinearscope ファイル (*.crv)</source>
        <translation>Curvilinearscope 文件 (*.crv)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ヘルプが見つかりません。次の場所を探しました:</source>
        <translation>找不到帮助。查找过以下位置:</translation>
    </message>
    <message>
        <source>ヘルプを開くプログラムが見つかりません。次のファイルを Web ブラウザで開いてください:</source>
        <translation>找不到打开帮助的程序。请用网页浏览器打开下面的文件:</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>ファイルを書き込めません: %1 (%2)</source>
        <translation>无法写入文件：%1 (%2)</translation>
    </message>
    <message>
        <source>エクスポートの形式が分かりません: %1 (拡張子は .png、.svg、.pdf のいずれか)</source>
        <translation>无法识别导出格式：%1 (扩展名须为 .png、.svg 或 .pdf)</translation>
    </message>
    <message>
        <source>画像の大きさ %1 は範囲外です (%2 から %3 ピクセル)</source>
        <translation>图像大小 %1 超出范围 (%2 到 %3 像素)</translation>
    </message>
</context>
<context>
    <name>PointsCommand</name>
    <message>
        <source>%1 は３次元の図です。--points は２次元の図にだけ使えます。</source>
        <translation>%1 是三维图形：--points 只适用于二维图形。</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>印刷できませんでした。</source>
        <translation>无法打印。</translation>
    </message>
    <message>
        <source>プリンタがインストールされていません。</source>
        <translation>未安装打印机。</translation>
    </message>
</context>
<context>
    <name>SampleProgress</name>
    <message>
        <source>グラフを計算しています...</source>
        <translation>正在计算图形...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>関数編集</source>
        <translation>函数编辑</translation>
    </message>
    <message>
        <source>メモリが不足しているため、グラフを計算できません。</source>
        <translation>内存不足，无法计算图形。</translation>
    </message>
</context>
<context>
    <name>Ui</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>ウィンドウ(&amp;W)</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>レディ</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>ツール バー</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>ウィンドウのサイズを変更</source>
        <translation>改变窗口大小</translation>
    </message>
    <message>
        <source>ウィンドウの位置を変更</source>
        <translation>改变窗口位置</translation>
    </message>
    <message>
        <source>ウィンドウを最小化する</source>
        <translation>将窗口缩小为图标</translation>
    </message>
    <message>
        <source>ウィンドウを最大化する</source>
        <translation>将窗口放大到最大</translation>
    </message>
    <message>
        <source>ウィンドウを通常のサイズに戻す</source>
        <translation>将窗口恢复到正常大小</translation>
    </message>
    <message>
        <source>作業中のウィンドウを閉じ、変更したファイルの保存を指示</source>
        <translation>关闭活动窗口并提示保存文件</translation>
    </message>
    <message>
        <source>ウィンドウをアクティブにする</source>
        <translation>激活此窗口</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>表示言語を選びます。</source>
        <translation>选择界面语言。</translation>
    </message>
</context>
<context>
    <name>CTraceMarker</name>
    <message>
        <source>グラフ %1  x = %2  y = %3</source>
        <translation>图形 %1  x = %2  y = %3</translation>
    </message>
    <message>
        <source>グラフ %1  t = %2  x = %3  y = %4</source>
        <translation>图形 %1  t = %2  x = %3  y = %4</translation>
    </message>
</context>
<context>
    <name>CPointsPanel</name>
    <message>
        <source>根</source>
        <translation>根</translation>
    </message>
    <message>
        <source>極小</source>
        <translation>极小值</translation>
    </message>
    <message>
        <source>極大</source>
        <translation>极大值</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>交点</translation>
    </message>
    <message>
        <source>y切片</source>
        <translation>y 截距</translation>
    </message>
    <message>
        <source>注目点</source>
        <translation>关注点</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>テキストとしてコピー</source>
        <translation>复制为文本</translation>
    </message>
</context>
</TS>
