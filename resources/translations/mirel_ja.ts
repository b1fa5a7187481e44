<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CopyCommand</name>
    <message>
        <source>Twain not available on this computer</source>
        <extracomment>Said when Copy is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>このコンピューターでは TWAIN を使用できません</translation>
    </message>
    <message>
        <source>Copy to which printer</source>
        <extracomment>The printer dialog&apos;s title.</extracomment>
        <translation>コピー先のプリンター</translation>
    </message>
    <message>
        <source>Save to</source>
        <extracomment>The save dialog&apos;s title.</extracomment>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.bmp)&quot;.</extracomment>
        <translation>ビットマップ (*.bmp)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>A file type in the save dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Mirel</source>
        <comment>name</comment>
        <extracomment>The program&apos;s name in the desktop&apos;s menus. Keep it as it is, unless your language writes names in a script of its own.</extracomment>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Photocopier</source>
        <comment>generic</comment>
        <extracomment>What the program is, under its name in the desktop&apos;s menus.</extracomment>
        <translation>コピー機</translation>
    </message>
    <message>
        <source>Copy pages with your scanner and printer</source>
        <comment>summary</comment>
        <extracomment>The desktop menu&apos;s tooltip and the software centre&apos;s one-line summary.</extracomment>
        <translation>スキャナーとプリンターでページをコピー</translation>
    </message>
    <message>
        <source>copy;copier;photocopy;scan;scanner;print;printer;</source>
        <comment>keywords</comment>
        <extracomment>Words the desktop&apos;s search finds the program by: lower case, each followed by a semicolon, no spaces around them. Keep the English ones if your users search in English too.</extracomment>
        <translation>copy;copier;photocopy;scan;scanner;print;printer;コピー;コピー機;複写;複写機;スキャン;スキャナー;印刷;プリンター;</translation>
    </message>
    <message>
        <source>Its window looks like a copier&apos;s control panel: set the number of copies and the scale, press Copy, and the page goes to the printer, or to a bitmap file.</source>
        <comment>panel</comment>
        <extracomment>The software centre&apos;s second paragraph. &quot;Copy&quot; is the panel&apos;s button.</extracomment>
        <translation>ウィンドウはコピー機の操作パネルそのものです。部数と倍率を設定して「コピー」を押すと、ページがプリンターで印刷されるか、ビットマップファイルに保存されます。</translation>
    </message>
</context>
<context>
    <name>JobWatcher</name>
    <message>
        <source>%1 is out of paper. Load paper and the copy goes on.</source>
        <translation>%1 は用紙切れです。用紙を補給すると続行します。</translation>
    </message>
    <message>
        <source>Paper is jammed in %1. Clear the jam and the copy goes on.</source>
        <translation>%1 で紙詰まりです。用紙を取り除くと続行します。</translation>
    </message>
    <message>
        <source>A cover of %1 is open. Close it and the copy goes on.</source>
        <translation>%1 のカバーが開いています。閉じると続行します。</translation>
    </message>
    <message>
        <source>%1 is out of toner or ink.</source>
        <translation>%1 のトナーまたはインクが切れています。</translation>
    </message>
    <message>
        <source>Printing on %1…</source>
        <extracomment>The copier panel&apos;s status band, one line of about 290 pixels at 8 pt (longer words end in &quot;…&quot; there and show whole as its tooltip). %1 is the printer&apos;s name.</extracomment>
        <translation>%1 で印刷中…</translation>
    </message>
    <message>
        <source>The copy was cancelled.</source>
        <translation>コピーをキャンセルしました。</translation>
    </message>
    <message>
        <source>The copy could not be cancelled: %1</source>
        <extracomment>%1 is the printing system&apos;s reason, often in English.</extracomment>
        <translation>コピーをキャンセルできませんでした：%1</translation>
    </message>
    <message>
        <source>The copy was not printed.</source>
        <translation>コピーは印刷されませんでした。</translation>
    </message>
    <message>
        <source>The copy was not printed: %1</source>
        <translation>コピーは印刷されませんでした：%1</translation>
    </message>
    <message>
        <source>The copy is held by %1. It needs a user name and password to print.</source>
        <translation>%1 で保留中です。印刷にはユーザー名とパスワードが必要です。</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released or its time comes.</source>
        <translation>%1 で保留中です。解除されるか指定時刻になると印刷します。</translation>
    </message>
    <message>
        <source>The copy is held by %1. It prints once it is released.</source>
        <translation>%1 で保留中です。解除されると印刷します。</translation>
    </message>
    <message>
        <source>%1 is paused; the copy waits in its queue.</source>
        <translation>%1 は一時停止中です。コピーは印刷キューで待機中です。</translation>
    </message>
    <message>
        <source>%1 cannot be reached. The copy waits in its queue.</source>
        <translation>%1 に接続できません。コピーは印刷キューで待機中です。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the printer&apos;s name, %2 the printer&apos;s own message.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>OptionEditor</name>
    <message>
        <source> px</source>
        <extracomment>Units after a number in the scanner&apos;s settings, with the space before them.</extracomment>
        <translation> px</translation>
    </message>
    <message>
        <source> bit</source>
        <translation> ビット</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source> %</source>
        <translation>%</translation>
    </message>
    <message>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message numerus="yes">
        <source>A table of %n values</source>
        <extracomment>A scanner&apos;s setting too long to edit here, such as a gamma table.</extracomment>
        <translation>
            <numerusform>%n 個の値のテーブル</numerusform>
        </translation>
    </message>
    <message>
        <source>Set on the scanner itself.</source>
        <translation>スキャナー本体で設定します。</translation>
    </message>
    <message>
        <source>The scanner reports this; it cannot be changed here.</source>
        <translation>スキャナーが報告する値です。ここでは変更できません。</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A driver&apos;s setting as a label before its field; %1 is the driver&apos;s name for it. The colon as the language writes it after a label.</extracomment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>PageStack</name>
    <message>
        <source>There is not enough room on the disk to keep the scanned pages.</source>
        <translation>ディスクの空き容量が足りないため、スキャンしたページを保存できません。</translation>
    </message>
    <message>
        <source>The scanned pages could not be kept in the temporary folder: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>スキャンしたページを一時フォルダーに保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>The scanner gave an empty page, so it could not be kept.</source>
        <translation>スキャナーから空のページが送られてきたため、保存できませんでした。</translation>
    </message>
    <message>
        <source>the page could not be compressed</source>
        <extracomment>Ends &quot;The scanned pages could not be kept in the temporary folder: %1.&quot;</extracomment>
        <translation>ページを圧縮できませんでした</translation>
    </message>
    <message>
        <source>Scanned page %1 could not be read back: %2.</source>
        <extracomment>%1 is the page&apos;s number; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>スキャンした %1 ページ目を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>メモリーが足りません</translation>
    </message>
    <message>
        <source>its file is cut short</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <extracomment>Ends &quot;Scanned page %1 could not be read back: %2.&quot;</extracomment>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The title a saved PDF carries, shown by PDF viewers.</extracomment>
        <translation>Mirel のコピー</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printing system (CUPS) cannot be reached, so nothing was printed. Check that the CUPS service is running.</source>
        <translation>印刷システム（CUPS）に接続できないため、印刷できませんでした。CUPS サービスが実行中か確認してください。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not exist, so nothing was printed. Choose another printer.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>プリンター「%1」が存在しないため、印刷できませんでした。別のプリンターを選んでください。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed.</source>
        <translation>プリンター「%1」がジョブを受け付けていないため、印刷できませんでした。</translation>
    </message>
    <message>
        <source>You are not allowed to print on &quot;%1&quot;, so nothing was printed.</source>
        <translation>「%1」で印刷する権限がないため、印刷できませんでした。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the copy (%2), so nothing was printed.</source>
        <extracomment>%2 is the printing system&apos;s own reason, often in English.</extracomment>
        <translation>プリンター「%1」がコピーを拒否したため、印刷できませんでした（%2）。</translation>
    </message>
    <message>
        <source>The printing system&apos;s library (libcups) is missing, so nothing was printed. Install the package libcups2.</source>
        <translation>印刷システムのライブラリー（libcups）がないため、印刷できませんでした。libcups2 パッケージをインストールしてください。</translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; cannot make %n copies, so nothing was printed.</source>
        <translation>
            <numerusform>プリンター「%1」は %n 部のコピーに対応していないため、印刷できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages could not be made ready for printing, so nothing was printed.</source>
        <translation>ページの印刷準備ができなかったため、印刷できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The copy could not be written to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>コピーを「%1」に書き込めませんでした：%2。</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed. Add a printer in the system&apos;s printer settings, or choose &quot;Print to File&quot;.</source>
        <extracomment>&quot;Print to File&quot; names the choice in the printer dialog, as Qt&apos;s own translation words it.</extracomment>
        <translation>プリンターがインストールされていないため、印刷できませんでした。システムのプリンター設定でプリンターを追加するか、「PDF ファイルに出力」を選んでください。</translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was printed.</source>
        <translation>スキャンしたページがないため、印刷できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>何も印刷されませんでした。</translation>
    </message>
    <message>
        <source>Mirel copy</source>
        <extracomment>The print job&apos;s title, as the system&apos;s print queue lists it.</extracomment>
        <translation>Mirel のコピー</translation>
    </message>
    <message>
        <source>Printing is not available: Mirel&apos;s print module could not be loaded.

%1</source>
        <extracomment>%1 is the system&apos;s reason, in English.</extracomment>
        <translation>印刷を利用できません。Mirel の印刷モジュールを読み込めませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The copy could not be saved to &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s name; %2 the reason, a clause that ends the sentence.</extracomment>
        <translation>コピーを「%1」に保存できませんでした：%2</translation>
    </message>
    <message>
        <source>there is no picture to save.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot;.</extracomment>
        <translation>保存する画像がありません。</translation>
    </message>
    <message>
        <source>the page is too large for a bitmap file</source>
        <translation>ページが大きすぎてビットマップファイルにできません</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it?</source>
        <extracomment>%1 is a file&apos;s name in quotes.</extracomment>
        <translation>ファイル %1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>The files %1 already exist. Replace them?</source>
        <extracomment>%1 is a list of two or three file names in quotes, separated by commas.</extracomment>
        <translation>ファイル %1 は既に存在します。置き換えますか？</translation>
    </message>
    <message numerus="yes">
        <source>The files %1 and %n more already exist. Replace them?</source>
        <extracomment>%1 is a list of three file names in quotes, separated by commas; %n how many more files exist beside them.</extracomment>
        <translation>
            <numerusform>ファイル %1 ほか %n 個は既に存在します。置き換えますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no scanned page, so nothing was saved.</source>
        <translation>スキャンしたページがないため、保存できませんでした。</translation>
    </message>
    <message>
        <source>Only the first page was saved.</source>
        <translation>最初のページだけを保存しました。</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n pages were saved.</source>
        <translation>
            <numerusform>最初の %n ページだけを保存しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends &quot;The copy could not be saved to &quot;%1&quot;: %2&quot; after a reason the system words; %1 is that reason, and the text is the language&apos;s full stop after it.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>ScanArea</name>
    <message>
        <source>A4</source>
        <extracomment>Paper sizes: ISO&apos;s names, and North America&apos;s Letter and Legal.</extracomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>レター</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>リーガル</translation>
    </message>
</context>
<context>
    <name>ScanDialog</name>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Colour mode</source>
        <translation>カラーモード</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>スキャン(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>スキャナー：</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>解像度(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>カラーモード(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;All sheets in the feeder</source>
        <translation>フィーダーの原稿をすべて読み取る(&amp;A)</translation>
    </message>
    <message>
        <source>Co&amp;py the pages scanned</source>
        <translation>スキャンしたページをコピー(&amp;P)</translation>
    </message>
    <message>
        <source>A preview would take a sheet out of the document feeder.</source>
        <translation>プレビューすると、フィーダーの原稿が送り出されてしまいます。</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
</context>
<context>
    <name>ScanFlow</name>
    <message>
        <source>&amp;Scan</source>
        <extracomment>The scan dialog&apos;s default button; &amp; marks its access key.</extracomment>
        <translation>スキャン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>再試行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep waiting</source>
        <extracomment>The scan dialog&apos;s button when the scanner has sent nothing for a while.</extracomment>
        <translation>このまま待つ(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Go on from the next sheet</source>
        <translation>次の原稿から続ける(&amp;G)</translation>
    </message>
    <message>
        <source>Retry from the &amp;next sheet</source>
        <translation>次の原稿から再試行(&amp;N)</translation>
    </message>
    <message>
        <source>looking…</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, while the scanner is looked for.</extracomment>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>Looking for the scanner…</source>
        <translation>スキャナーを検索しています…</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In the scan dialog, beside &quot;Scanner:&quot;, when no scanner was found.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Page %1</source>
        <extracomment>The scan dialog&apos;s count of the pages scanned from the feeder so far.</extracomment>
        <translation>%1 ページ目</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>スキャナーから画像が送られてきませんでした。</translation>
    </message>
    <message>
        <source>Stopping after page %1…</source>
        <translation>%1 ページ目のスキャン後に停止します…</translation>
    </message>
    <message>
        <source>Stopped after page %1.</source>
        <translation>%1 ページ目のスキャン後に停止しました。</translation>
    </message>
    <message>
        <source>Page %1: %2</source>
        <extracomment>%1 is the page&apos;s number, %2 what went wrong, a sentence of its own.</extracomment>
        <translation>%1 ページ目：%2</translation>
    </message>
    <message>
        <source>Stopping the scan…</source>
        <translation>スキャンを停止しています…</translation>
    </message>
</context>
<context>
    <name>ScanOptionsPanel</name>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>原稿サイズ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左端</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上端</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;More options</source>
        <translation>その他のオプション(&amp;M)</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>&amp;Paper size:</source>
        <translation>原稿サイズ(&amp;P)：</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>読み取り範囲：</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>その他の設定</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1（%2 × %3 mm）</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>The scanner cannot do what was asked of it.</source>
        <translation>スキャナーは要求された操作を実行できません。</translation>
    </message>
    <message>
        <source>The scan was stopped at the scanner.</source>
        <translation>スキャナー側でスキャンが中止されました。</translation>
    </message>
    <message>
        <source>The scanner is busy. Wait until it is free, then try again.</source>
        <translation>スキャナーは使用中です。空くのを待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The scanner does not accept these scan settings.</source>
        <translation>スキャナーがこのスキャン設定を受け付けません。</translation>
    </message>
    <message>
        <source>The scanner stopped before the whole page arrived.</source>
        <translation>ページ全体を受け取る前にスキャナーが停止しました。</translation>
    </message>
    <message>
        <source>Document feeder jammed</source>
        <translation>フィーダーで紙詰まり</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>フィーダーに原稿がありません。</translation>
    </message>
    <message>
        <source>Scanner cover is open</source>
        <translation>スキャナーのカバーが開いています</translation>
    </message>
    <message>
        <source>The scanner could not be reached (input/output error). Check its cable and power.</source>
        <translation>スキャナーに接続できませんでした（入出力エラー）。ケーブルと電源を確認してください。</translation>
    </message>
    <message>
        <source>Out of memory: the scan does not fit.</source>
        <translation>メモリー不足：スキャンした画像が収まりません。</translation>
    </message>
    <message>
        <source>Access to the scanner was denied. Another user or program may hold it.</source>
        <translation>スキャナーへのアクセスが拒否されました。ほかのユーザーかプログラムが使用している可能性があります。</translation>
    </message>
    <message>
        <source>The scanner reported an unknown error (%1).</source>
        <translation>スキャナーが不明なエラーを報告しました（%1）。</translation>
    </message>
    <message>
        <source>Scan cancelled.</source>
        <translation>スキャンをキャンセルしました。</translation>
    </message>
    <message>
        <source>SANE, the scanning library, could not be started.</source>
        <translation>スキャンライブラリー SANE を起動できませんでした。</translation>
    </message>
    <message>
        <source>No scanner was found. Connect a scanner and switch it on, then choose Retry.</source>
        <translation>スキャナーが見つかりません。スキャナーを接続して電源を入れてから、「再試行」を選んでください。</translation>
    </message>
    <message>
        <source>The scanner %1 is not connected. Connect it and switch it on, then choose Retry.</source>
        <translation>スキャナー %1 が接続されていません。接続して電源を入れてから、「再試行」を選んでください。</translation>
    </message>
    <message>
        <source>The scanner %1 can no longer be reached. Check the network and the scan server, then choose Retry.</source>
        <translation>スキャナー %1 に接続できなくなりました。ネットワークとスキャンサーバーを確認してから、「再試行」を選んでください。</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>開いているスキャナーがありません。</translation>
    </message>
    <message>
        <source>The scanner has no setting “%1”.</source>
        <translation>スキャナーに「%1」という設定はありません。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be changed now.</source>
        <translation>スキャナーの設定「%1」は今は変更できません。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” needs a value.</source>
        <translation>スキャナーの設定「%1」には値が必要です。</translation>
    </message>
    <message>
        <source>The scanner&apos;s setting “%1” cannot be set.</source>
        <translation>スキャナーの「%1」は設定できない項目です。</translation>
    </message>
    <message>
        <source>The scanner refused the setting “%1”: %2</source>
        <extracomment>%2 is the scanner&apos;s answer, a sentence of its own.</extracomment>
        <translation>スキャナーが設定「%1」を拒否しました：%2</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>スキャナーから画像が送られてきませんでした。</translation>
    </message>
    <message>
        <source>The page could not be taken from the scanner driver.</source>
        <translation>スキャナードライバーからページを受け取れませんでした。</translation>
    </message>
    <message>
        <source>This scan would be %1 × %2 pixels (%3 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>このスキャンは %1 × %2 ピクセル（%3 MiB）になり、このコンピューターのメモリーに収まりません。解像度を下げてください。</translation>
    </message>
    <message>
        <source>This scan would be %1 × … pixels (%2 MiB), more than this computer&apos;s memory can hold. Choose a lower resolution.</source>
        <translation>このスキャンは %1 × … ピクセル（%2 MiB）になり、このコンピューターのメモリーに収まりません。解像度を下げてください。</translation>
    </message>
    <message>
        <source>The page is already complete.</source>
        <translation>ページの読み取りは既に完了しています。</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>スキャナーから送られる画像の形式を、このプログラムでは読み取れません。</translation>
    </message>
    <message>
        <source>The scanner sends %1 bits per sample, which this program cannot read.</source>
        <translation>スキャナーから送られるサンプルあたり %1 ビットのデータを、このプログラムでは読み取れません。</translation>
    </message>
    <message>
        <source>The scanner sent an empty picture.</source>
        <translation>スキャナーから空の画像が送られてきました。</translation>
    </message>
    <message>
        <source>The scanner sent lines shorter than its own picture size.</source>
        <translation>スキャナーから、自身の画像サイズより短い行が送られてきました。</translation>
    </message>
    <message>
        <source>The scanner sent more than one picture for a page.</source>
        <translation>スキャナーから 1 ページに複数の画像が送られてきました。</translation>
    </message>
    <message>
        <source>The colour passes of the scan do not match in size.</source>
        <translation>スキャンの色ごとのパスでサイズが一致しません。</translation>
    </message>
    <message>
        <source>The scanner sent data outside of a picture.</source>
        <translation>スキャナーから画像の範囲外のデータが送られてきました。</translation>
    </message>
    <message>
        <source>The scanner ended a picture it had not begun.</source>
        <translation>スキャナーが、開始していない画像を終了しました。</translation>
    </message>
    <message>
        <source>A colour pass of the scan is missing.</source>
        <translation>スキャンの色ごとのパスが一つ欠けています。</translation>
    </message>
    <message>
        <source>The scanner driver could not be started.</source>
        <translation>スキャナードライバーを起動できませんでした。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it was ended by signal %2, %3). Choose Retry to start it again.</source>
        <extracomment>%2 is a signal&apos;s number, %3 its name as the system gives it.</extracomment>
        <translation>%1 のスキャナードライバーが停止しました（シグナル %2、%3 で終了）。「再試行」を選ぶと再起動します。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it was ended by signal %1, %2). Choose Retry to start it again.</source>
        <translation>スキャナーの検索中にスキャナードライバーが停止しました（シグナル %1、%2 で終了）。「再試行」を選ぶと再起動します。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working for %1 (it ended with exit status %2). Choose Retry to start it again.</source>
        <translation>%1 のスキャナードライバーが停止しました（終了ステータス %2）。「再試行」を選ぶと再起動します。</translation>
    </message>
    <message>
        <source>The scanner driver stopped working while looking for scanners (it ended with exit status %1). Choose Retry to start it again.</source>
        <translation>スキャナーの検索中にスキャナードライバーが停止しました（終了ステータス %1）。「再試行」を選ぶと再起動します。</translation>
    </message>
    <message>
        <source>The scanner&apos;s choices cannot be kept in %1: %2.</source>
        <extracomment>%1 is the file (or the words &quot;the configuration folder&quot;), %2 the reason, a clause below.</extracomment>
        <translation>スキャナーの設定内容を %1 に保存できません：%2。</translation>
    </message>
    <message>
        <source>Whole area</source>
        <translation>全範囲</translation>
    </message>
    <message numerus="yes">
        <source>The scanner has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>スキャナーから %n 秒間何も送られてきていません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The scanner %1 can no longer be reached: it has sent nothing for %n seconds.</source>
        <translation>
            <numerusform>スキャナー %1 に接続できなくなりました：%n 秒間何も送られてきていません。</numerusform>
        </translation>
    </message>
    <message>
        <source>the configuration folder</source>
        <translation>設定フォルダー</translation>
    </message>
    <message>
        <source>there is no home folder</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>ホームフォルダーがありません</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>ファイルが読み取り専用です</translation>
    </message>
    <message>
        <source>another Mirel keeps it locked</source>
        <translation>別の Mirel がロックしています</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ロックファイルを作成できません</translation>
    </message>
    <message>
        <source>no temporary file can be made</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>一時ファイルを作成できません</translation>
    </message>
    <message>
        <source>no temporary file can be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>一時ファイルに書き込めません</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <extracomment>Ends &quot;The scanner&apos;s choices cannot be kept in %1: %2.&quot;</extracomment>
        <translation>ファイルに書き込めません</translation>
    </message>
</context>
<context>
    <name>SourceDialog</name>
    <message>
        <source>Select Source</source>
        <translation>スキャナーの選択</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>スキャナー一覧</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Looking for scanners…</source>
        <translation>スキャナーを検索しています…</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>スキャナーが見つかりません。</translation>
    </message>
    <message>
        <source>Scan from:</source>
        <translation>使用するスキャナー：</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>再試行(&amp;R)</translation>
    </message>
</context>
<context>
    <name>SourceSelection</name>
    <message>
        <source>TWAIN was not found</source>
        <extracomment>Said when Select Source is pressed and no scanning library can be used. TWAIN names scanning interfaces in general here.</extracomment>
        <translation>TWAIN が見つかりません</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Copies</source>
        <comment>101</comment>
        <extracomment>A button on the copier panel, next to the copies display: at most 140 pixels wide at 8 pt (about 20 Latin letters). Shorten rather than overflow.</extracomment>
        <translation>部数</translation>
    </message>
    <message>
        <source>Scale</source>
        <comment>102</comment>
        <extracomment>A button on the copier panel, next to the scale display (print size in percent): at most 140 pixels wide at 8 pt (about 20 Latin letters).</extracomment>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Darkness</source>
        <comment>103</comment>
        <extracomment>A caption the copier panel keeps hidden; at most 140 pixels wide at 8 pt.</extracomment>
        <translation>濃度</translation>
    </message>
    <message>
        <source>Select Source</source>
        <comment>104</comment>
        <extracomment>A button on the copier panel that picks the scanner: at most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>スキャナー選択</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>105</comment>
        <extracomment>The copier panel&apos;s big button that scans and prints: at most 105 pixels wide at 18 pt (about 7 Latin letters). One word, as on a photocopier.</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Print to default</source>
        <comment>106</comment>
        <extracomment>A switch on the copier panel: print at once on the default printer, without asking which. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>既定のプリンターで印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>107</comment>
        <extracomment>A switch on the copier panel: save the copy to a file instead of printing it. At most 190 pixels wide at 8 pt (about 28 Latin letters).</extracomment>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>108</comment>
        <extracomment>The copier panel&apos;s button that ends the program: at most 85 pixels wide at 12 pt (about 8 Latin letters).</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Turns a scanner and a printer into a photocopier: one page scanned, copied at the scale you set, or saved as a bitmap.</source>
        <comment>109</comment>
        <extracomment>The About box&apos;s description and the software centre&apos;s: at most three short lines.</extracomment>
        <translation>スキャナーとプリンターをコピー機に変えます。スキャンしたページを、設定した倍率でコピーするか、ビットマップとして保存します。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Application icon</source>
        <extracomment>What a screen reader says of the About box&apos;s picture of the program&apos;s icon.</extracomment>
        <translation>アプリケーションのアイコン</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The About box&apos;s only button, which closes it: at most 70 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>SANE version %1</source>
        <extracomment>%1 is the version of SANE, the scanning library, such as 1.1.</extracomment>
        <translation>SANE バージョン %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the program&apos;s version, such as 1.5.2.</extracomment>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Cancel</source>
        <extracomment>A button on the copier panel&apos;s status band: cancels the copy being printed. At most 80 pixels wide at 8 pt (about 12 Latin letters).</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button on the copier panel&apos;s status band: dismisses what the band says. At most 80 pixels wide at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>The last entry of the copier panel&apos;s step menus; opens the About box.</extracomment>
        <translation>Mirel について(&amp;A)</translation>
    </message>
</context>
</TS>
